#include "controls/CandyRoundedPainter.h"

#include "controls/CandyColors.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace controls {
namespace {

constexpr drawing::OleColor White = 0xFFFFFF;
constexpr drawing::OleColor Black = 0x000000;
constexpr drawing::OleColor DisabledBase = 0xB0C0C0;
constexpr drawing::OleColor DisabledBright = 0xFFFFFF;
// Style 3 narrows its glow on low buttons: p8 = min(100 - 700 / H, 80).
constexpr int LowButtonGlowFactor = 700;
constexpr int MaxLowButtonGlow = 80;

int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

drawing::OleColor borderColor(drawing::OleColor base, int brightness)
{
    return brightness >= 0 ? BlendColors(base, White, brightness)
                           : BlendColors(base, Black, -brightness);
}

QSize windowSize(const QImage &surface)
{
    return surface.deviceIndependentSize().toSize();
}

void fillRow(QRgb *line, int from, int to, QRgb pixel)
{
    std::fill(line + from, line + to + 1, pixel);
}

// Outside innerShape the border colour, mirrored; the first inner pixel
// that is also in the gloss band starts a gloss line across the row. Both
// shapes are in window pixels, as the mask is: a surface of several device
// pixels per window pixel paints each device pixel as its window pixel.
void paintBorderAndGloss(QImage &surface, const CandyLook &look, const StyleParams &p,
                         drawing::OleColor base, drawing::OleColor border, int radius)
{
    const int width = surface.width();
    const qreal ratio = surface.devicePixelRatio();
    const auto window = [ratio](int device) {
        return int(device / ratio);
    };
    const SpanRegion gloss = MakeRoundedRegion(p[2], p[3], p[6] - p[2], p[5] - p[3], p[4]);
    const QRgb borderPixel = toPixel(border);
    for (int row = 0; row < surface.height(); ++row) {
        const int y = window(row);
        auto *line = reinterpret_cast<QRgb *>(surface.scanLine(row));
        const Span inner = look.innerShape.row(y);
        for (int column = 0; column <= width / 2; ++column) {
            const int x = window(column);
            const int mirror = width - 1 - column;
            if (!inner.contains(x)) {
                line[column] = borderPixel;
                line[mirror] = borderPixel;
            } else if (gloss.contains(x, y)) {
                const int fade = p[1] * y / radius + p[0];
                fillRow(line, column, mirror, toPixel(BlendColors(White, base, fade)));
                break;
            }
        }
    }
}

} // namespace

StyleParams styleParamsFor(int style, int width, int height, int radius)
{
    const int r = radius;
    const int cx = roundHalfEven(width / 2.0);
    const int glossEnd = width + 2 * r;
    const int lowGlow = std::min(FullPercent - LowButtonGlowFactor / height, MaxLowButtonGlow);
    const int halfR = roundHalfEven(r / 2.0);
    const int midY = roundHalfEven(height / 2.0);
    // clang-format off
    switch (style) {
    case 2: return {0, 50, r / 2, 1, r / 2, roundHalfEven(1.1 * r), glossEnd, 300, 60, cx, height, 120};
    case 3: return {0, 70, r / 3, 0, 10, 12, glossEnd, 200, lowGlow, cx, height, 130};
    case 4: return {0, 70, r / 3 - 1, 0, r / 2, r, glossEnd, 200, 70, cx, height, 130};
    case 5: return {0, 40, -1 - r / 2, -r, r, r + 1, glossEnd, 60, 60, cx, height, 130};
    default: return {0, 50, halfR, 2, halfR, r + 1, width - r, 60, 60, cx, midY, 100}; // style 7
    }
    // clang-format on
}

BodyColors bodyColorsFor(const CandyLook &look, ButtonState state)
{
    if (!look.enabled)
        return {DisabledBase, DisabledBright};
    switch (state) {
    case Hover:
        return {look.colorButtonHover, look.colorBright};
    case Down:
    case CheckedDown:
        return {look.colorButtonDown, look.colorBright};
    default:
        return {look.colorButtonUp, look.colorBright};
    }
}

void PaintRounded(QImage &surface, const CandyLook &look, ButtonState state)
{
    if (surface.width() <= 0 || surface.height() <= 0)
        return;
    const int radius = std::max(look.shapeRadius, 1);
    const BodyColors colors = bodyColorsFor(look, state);
    const QSize window = windowSize(surface);
    const StyleParams params = styleParamsFor(look.style, window.width(), window.height(), radius);
    surface.fill(toPixel(colors.base));
    PaintGlow(surface, params, colors.base, colors.bright);
    paintBorderAndGloss(surface, look, params, colors.base,
                        borderColor(colors.base, look.borderBrightness), radius);
}

void PaintGlow(QImage &surface, const StyleParams &p, drawing::OleColor base,
               drawing::OleColor bright)
{
    // The ellipses are laid out in window pixels and drawn at the surface's
    // resolution, so that they are smooth where it has more.
    const QSize window = windowSize(surface);
    const int rx = roundHalfEven(double(window.width()) * p[7] / FullPercent);
    const int ry = roundHalfEven(double(window.height()) * p[8] / FullPercent);
    QRect ellipse(QPoint(p[9] - rx, p[10] - ry), QPoint(p[9] + rx - 1, p[10] + ry - 1));
    if (ellipse.isEmpty())
        return;
    // Both radii are at least 1 here.
    const bool wide = rx > ry;
    const int stepX = wide ? roundHalfEven(double(rx) / ry) : 1;
    const int stepY = wide ? 1 : roundHalfEven(double(ry) / rx);
    QPainter painter(&surface);
    painter.setPen(Qt::NoPen);
    drawing::OleColor color = base;
    for (int k = 2; !ellipse.isEmpty(); ++k) {
        painter.setBrush(QColor::fromRgb(toPixel(color)));
        painter.drawEllipse(ellipse);
        ellipse.adjust(stepX, stepY, -stepX, -stepY);
        color = BlendColors(base, bright, roundHalfEven(double(p[11]) * k / ry));
    }
}

} // namespace controls
