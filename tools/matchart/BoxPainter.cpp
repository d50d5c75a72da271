#include "BoxPainter.h"

#include "Banding.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace matchart {
namespace {

// An oblique view: length runs right, depth runs up and to the right,
// height runs up.
QPointF project(double length, double depth, double height)
{
    return {4.0 + length + depth * 0.62, 108.0 - height - depth * 0.56};
}

QPolygonF face(QPointF a, QPointF b, QPointF c, QPointF d)
{
    return QPolygonF({a, b, c, d});
}

constexpr double Length = 95, Height = 22, SleeveDepth = 48, TrayFront = 36, TrayBack = 92;
constexpr double TrayHeight = 18, Wall = 2.5;

void paintTray(QPainter &p)
{
    const double l0 = 2, l1 = Length - 2;
    p.setPen(QPen(QColor(120, 78, 40), 1));
    p.setBrush(QColor(196, 150, 96));
    p.drawPolygon(face(project(l0, TrayFront, 0), project(l1, TrayFront, 0),
                       project(l1, TrayBack, 0), project(l0, TrayBack, 0)));
    p.setBrush(QColor(170, 122, 72));
    p.drawPolygon(face(project(l1, TrayFront, 0), project(l1, TrayBack, 0),
                       project(l1, TrayBack, TrayHeight), project(l1, TrayFront, TrayHeight)));
    p.setBrush(QColor(150, 104, 60));
    p.drawPolygon(face(project(l0 + Wall, TrayBack - Wall, TrayHeight),
                       project(l1 - Wall, TrayBack - Wall, TrayHeight),
                       project(l1 - Wall, TrayBack - Wall, 2),
                       project(l0 + Wall, TrayBack - Wall, 2)));
}

void paintTrayMatches(QPainter &p)
{
    for (double l = 8; l < Length - 6; l += 6.2) {
        const QPointF tail = project(l, TrayFront + 4, TrayHeight - 2);
        const QPointF head = project(l, TrayBack - 7, TrayHeight - 2);
        p.setPen(QPen(QColor(150, 110, 66), 5.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(tail, head);
        p.setPen(QPen(QColor(236, 200, 146), 3.2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(tail, head);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 18, 16));
        p.drawEllipse(head, 3.6, 3.0);
        p.setBrush(QColor(206, 40, 32));
        p.drawEllipse(head + QPointF(-0.4, -0.4), 2.8, 2.3);
        p.setBrush(QColor(255, 150, 130));
        p.drawEllipse(head + QPointF(-1.2, -1.1), 0.9, 0.7);
    }
}

void paintSleeve(QPainter &p)
{
    p.setPen(QPen(QColor(60, 30, 20), 1));
    p.setBrush(QColor(44, 62, 120));
    p.drawPolygon(face(project(0, 0, 0), project(Length, 0, 0), project(Length, 0, Height),
                       project(0, 0, Height)));
    p.setBrush(QColor(104, 58, 40));
    p.drawPolygon(face(project(Length, 0, 0), project(Length, SleeveDepth, 0),
                       project(Length, SleeveDepth, Height), project(Length, 0, Height)));
    QLinearGradient top(project(0, 0, Height), project(Length, SleeveDepth, Height));
    top.setColorAt(0, QColor(200, 40, 34));
    top.setColorAt(1, QColor(236, 86, 52));
    p.setBrush(top);
    p.drawPolygon(face(project(0, 0, Height), project(Length, 0, Height),
                       project(Length, SleeveDepth, Height), project(0, SleeveDepth, Height)));
}

void paintLabel(QPainter &p)
{
    p.setPen(QPen(QColor(250, 226, 150), 1.2));
    p.setBrush(QColor(252, 240, 206));
    p.drawPolygon(face(project(14, 8, Height), project(Length - 14, 8, Height),
                       project(Length - 14, SleeveDepth - 8, Height),
                       project(14, SleeveDepth - 8, Height)));
    QPainterPath flame;
    const QPointF base = project(26, 24, Height);
    flame.moveTo(base + QPointF(0, 7));
    flame.cubicTo(base + QPointF(-8, 2), base + QPointF(-2, -6), base + QPointF(1, -12));
    flame.cubicTo(base + QPointF(3, -5), base + QPointF(9, 0), base + QPointF(0, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 120, 20));
    p.drawPath(flame);
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(base + QPointF(0.5, 2), 2.4, 3.4);
    p.save();
    p.translate(project(32, 14, Height));
    // Letters lie on the lid: their up direction is the depth direction.
    p.setTransform(QTransform(1, 0, -0.62, 0.56, 0, 0), true);
    p.setPen(QColor(150, 28, 24));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QPointF(0, -10), QStringLiteral("FLINTORA"));
    p.restore();
}

void paintStriker(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(78, 52, 44));
    p.drawPolygon(face(project(Length, 4, 4), project(Length, SleeveDepth - 4, 4),
                       project(Length, SleeveDepth - 4, Height - 4),
                       project(Length, 4, Height - 4)));
}

// Everything at least half covered becomes solid; the rest is key green, so
// no blended fringe can be mistaken for either.
QImage keyed(const QImage &painted)
{
    QImage out(painted.size(), QImage::Format_RGB32);
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) {
            const QRgb c = painted.pixel(x, y); // not premultiplied
            out.setPixel(x, y, qAlpha(c) < 128 ? KeyGreen : (c | 0xff000000));
        }
    return out;
}

} // namespace

QImage matchboxImage(int scale)
{
    QImage painted(BoxWidth * scale, BoxHeight * scale, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    QPainter p(&painted);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paintTray(p);
    paintTrayMatches(p);
    paintSleeve(p);
    paintStriker(p);
    paintLabel(p);
    p.end();
    return keyed(painted.convertToFormat(QImage::Format_ARGB32));
}

} // namespace matchart
