#include "dialogs/IconStrip.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace dialogs {

namespace {

constexpr int StripCells = 12;
constexpr QRgb StripKey = 0xFF00FF00;
constexpr QRectF CellDisc(1.5, 1.5, 13, 13);

void drawDiscGlyph(QPainter &p, QColor disc, const QString &glyph)
{
    p.setPen(QPen(disc.darker(150), 1));
    p.setBrush(disc);
    p.drawEllipse(CellDisc);
    p.setPen(Qt::white);
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, glyph);
}

void drawStop(QPainter &p)
{
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(210, 20, 20));
    p.drawEllipse(CellDisc);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
}

void drawExclamation(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(8, 1);
    triangle.lineTo(15, 14.5);
    triangle.lineTo(1, 14.5);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(QColor(250, 200, 0));
    p.drawPath(triangle);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(8, 5), QPointF(8, 10));
    p.drawPoint(QPointF(8, 12.5));
}

void drawCloseFace(QPainter &p, QColor face, QColor cross, int offset)
{
    p.setPen(QPen(face.darker(160), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    p.setPen(QPen(cross, 2));
    p.drawLine(QPointF(5 + offset, 5 + offset), QPointF(11 + offset, 11 + offset));
    p.drawLine(QPointF(11 + offset, 5 + offset), QPointF(5 + offset, 11 + offset));
}

void drawCell(QPainter &p, int cell)
{
    switch (cell) {
    case 1:
        return drawStop(p);
    case 2:
        return drawExclamation(p);
    case 3:
        return drawDiscGlyph(p, QColor(30, 90, 210), "i");
    case 4:
        return drawDiscGlyph(p, QColor(30, 150, 60), "?");
    case 5:
        return drawDiscGlyph(p, QColor(140, 60, 170), "!");
    case 6:
        return drawDiscGlyph(p, QColor(220, 120, 20), "*");
    case 7:
        return drawDiscGlyph(p, QColor(90, 90, 90), "\u2713");
    case 9:
        return drawCloseFace(p, QColor(200, 200, 200), QColor(60, 60, 60), 0);
    case 10:
        return drawCloseFace(p, QColor(230, 80, 70), Qt::white, 0);
    case 11:
        return drawCloseFace(p, QColor(160, 40, 30), Qt::white, 1);
    default:
        return;
    }
}

// scale device pixels to a window pixel.
QImage makeIconStrip(int scale)
{
    const int side = StripCellSize * scale;
    QImage strip(side * StripCells, side, QImage::Format_RGB32);
    strip.fill(StripKey);
    for (int cell = 1; cell <= StripCells; ++cell) {
        // Drawn on transparency and flattened so anti-aliased edges never
        // leave a half-green pixel that would not count as transparent.
        QImage face(side, side, QImage::Format_ARGB32);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        drawCell(painter, cell);
        painter.end();
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb px = face.pixel(x, y);
                if (qAlpha(px) >= 128)
                    strip.setPixel((cell - 1) * side + x, y, px | 0xFF000000u);
            }
        }
    }
    return strip;
}

} // namespace

int StripCellForFlags(int mFlags)
{
    static const int cells[8] = {0, 1, 4, 2, 3, 5, 6, 7};
    return cells[(mFlags & 112) >> 4];
}

QPixmap DrawStripIcon(int cell, int size, QColor background, qreal devicePixelRatio)
{
    static const QImage strips[2] = {makeIconStrip(1), makeIconStrip(2)};
    const int scale = devicePixelRatio > 1 ? 2 : 1;
    const int side = size * scale;
    QImage icon = strips[scale - 1].copy((cell - 1) * side, 0, side, side);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixel(x, y) == StripKey)
                icon.setPixel(x, y, background.rgb());
    }
    icon.setDevicePixelRatio(scale);
    return QPixmap::fromImage(icon);
}

} // namespace dialogs
