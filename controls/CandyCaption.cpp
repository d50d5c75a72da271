#include "controls/CandyCaption.h"

#include "controls/CandyColors.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <cstdlib>

namespace controls {
namespace {

// Without a corner radius a side picture keeps this distance from the edge.
constexpr int SidePictureMargin = 8;
constexpr QSize DefaultIconSize(32, 32);
// The embossed disabled look: a light copy one pixel down-right, under a
// shadow-coloured one.
constexpr drawing::OleColor SystemHighlight3D = 0x80000014;
constexpr drawing::OleColor SystemShadow3D = 0x80000010;
constexpr int OpaqueAlpha = 128;
constexpr int CaptionFlags = Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop;
constexpr int FirstShadedStyle = 2;
constexpr int LastShadedStyle = 7;
// The focus frame keeps this far from the top and bottom, and half the
// corner radius plus this from the sides.
constexpr int FocusFrameInset = 3;

QImage pictureImage(const drawing::Picture &picture)
{
    switch (picture.kind()) {
    case drawing::Picture::Kind::Bitmap:
        return picture.image();
    case drawing::Picture::Kind::Icon:
        return picture.icon().pixmap(pictureSize(picture)).toImage();
    default:
        return {};
    }
}

// Pixels that carry ink become color; transparent ones, and white ones of a
// picture without transparency, are left out.
QImage silhouette(const QImage &source, drawing::OleColor color)
{
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    const bool hasAlpha = source.hasAlphaChannel();
    const QRgb ink = toPixel(color);
    QImage result(argb.size(), QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const bool inked = hasAlpha ? qAlpha(in[x]) >= OpaqueAlpha
                                        : (in[x] & RGB_MASK) != (qRgb(255, 255, 255) & RGB_MASK);
            out[x] = inked ? ink : 0;
        }
    }
    return result;
}

void drawPicture(QPainter &painter, const CandyLook &look, ButtonState state, QPoint at)
{
    const QImage image = pictureImage(look.picture);
    if (image.isNull())
        return;
    if (!look.enabled) {
        painter.drawImage(at + QPoint(1, 1), silhouette(image, SystemHighlight3D));
        painter.drawImage(at, silhouette(image, SystemShadow3D));
    } else if (state == Hover && look.iconHighLite) {
        painter.drawImage(at, silhouette(image, look.iconHighLiteColor));
    } else {
        painter.drawImage(at, image);
    }
}

void drawCaptionText(QPainter &painter, const CandyLook &look, ButtonState state, QPoint at,
                     QSize size)
{
    const auto drawIn = [&](QPoint pos, drawing::OleColor color) {
        painter.setPen(QColor::fromRgb(toPixel(color)));
        painter.drawText(QRect(pos, size), CaptionFlags, look.caption);
    };
    if (!look.enabled) {
        drawIn(at + QPoint(1, 1), SystemHighlight3D);
        drawIn(at, SystemShadow3D);
        return;
    }
    const bool highlighted = state == Hover && look.captionHighLite;
    drawIn(at, highlighted ? look.captionHighLiteColor : look.foreColor);
}

void drawFocusFrame(QPainter &painter, const CandyLook &look, QSize client)
{
    const int side = look.shapeRadius / 2 + FocusFrameInset;
    const QRect frame(side, FocusFrameInset, client.width() - 2 * side,
                      client.height() - 2 * FocusFrameInset);
    if (frame.width() <= 1 || frame.height() <= 1)
        return;
    painter.setPen(QPen(QColor::fromRgb(toPixel(look.foreColor)), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

} // namespace

CaptionLayout layoutCaption(int alignment, QSize client, QSize picture, QSize text, int shapeRadius,
                            bool down)
{
    const int w = client.width(), h = client.height();
    const int pw = picture.width(), ph = picture.height();
    const int tw = text.width(), th = text.height();
    const int sideMargin = shapeRadius == 0 ? SidePictureMargin : shapeRadius;
    const QPoint centredCaption(std::abs(w / 2 - tw / 2), std::abs(h / 2 - th / 2));
    CaptionLayout layout;
    switch (alignment) {
    case 1:
        layout = {{(w - pw) / 2, (h - (ph - th)) / 2 + 1},
                  {std::abs(w / 2 - tw / 2), std::abs(h / 2 - (ph + th) / 2)}};
        break;
    case 2:
        layout = {{sideMargin, (h - ph) / 2 + 1}, centredCaption};
        break;
    case 3:
        layout = {{w - sideMargin - pw, (h - ph) / 2 + 1}, centredCaption};
        break;
    default:
        layout = {{(w - pw) / 2 + 1, (h - (ph + th)) / 2 + 1},
                  {std::abs(w / 2 - tw / 2), std::abs(h / 2 + ph / 2 - th / 2)}};
        break;
    }
    if (down) {
        layout.picture += QPoint(1, 1);
        layout.caption += QPoint(1, 1);
    }
    return layout;
}

QSize pictureSize(const drawing::Picture &picture)
{
    switch (picture.kind()) {
    case drawing::Picture::Kind::Bitmap:
        return picture.image().size();
    case drawing::Picture::Kind::Icon: {
        const QList<QSize> sizes = picture.icon().availableSizes();
        return sizes.isEmpty() ? DefaultIconSize : sizes.first();
    }
    default:
        return {0, 0};
    }
}

QSize captionSize(const QString &caption, const QFont &font)
{
    return QFontMetrics(font).size(Qt::TextShowMnemonic, caption);
}

void drawCaptionAndPicture(QImage &surface, const CandyLook &look, ButtonState state)
{
    const QSize text = captionSize(look.caption, look.font);
    const QSize client = surface.deviceIndependentSize().toSize();
    const CaptionLayout layout =
        layoutCaption(look.pictureAlignment, client, pictureSize(look.picture), text,
                      look.shapeRadius, state == Down);
    QPainter painter(&surface);
    painter.setFont(look.font);
    if (!look.caption.isEmpty())
        drawCaptionText(painter, look, state, layout.caption, text);
    drawPicture(painter, look, state, layout.picture);
    if (state == Focus && look.style >= FirstShadedStyle && look.style <= LastShadedStyle)
        drawFocusFrame(painter, look, client);
}

} // namespace controls
