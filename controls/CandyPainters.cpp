#include "controls/CandyPainters.h"

#include "controls/CandyColors.h"
#include "controls/CandyRoundedPainter.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace controls {
namespace {

struct Rgb
{
    int r;
    int g;
    int b;
};

// A run of rows whose colour goes linearly from start to end, channel by
// channel, over the columns left..right (inclusive).
struct Band
{
    int firstRow;
    int lastRow;
    Rgb start;
    Rgb end;
};

int channelAt(int start, int end, int i, int n)
{
    return int(std::nearbyint(start + double(end - start) * i / n));
}

QRgb bandPixel(const Band &band, int i, int n)
{
    return qRgb(channelAt(band.start.r, band.end.r, i, n),
                channelAt(band.start.g, band.end.g, i, n),
                channelAt(band.start.b, band.end.b, i, n));
}

bool insideSurface(const QImage &surface, int x, int y)
{
    return x >= 0 && y >= 0 && x < surface.width() && y < surface.height();
}

void setPixel(QImage &surface, int x, int y, QRgb pixel)
{
    if (insideSurface(surface, x, y))
        reinterpret_cast<QRgb *>(surface.scanLine(y))[x] = pixel;
}

void drawRowSegment(QImage &surface, int y, int left, int right, QRgb pixel)
{
    for (int x = std::max(left, 0); x <= std::min(right, surface.width() - 1); ++x)
        setPixel(surface, x, y, pixel);
}

void drawBand(QImage &surface, const Band &band, int left, int right)
{
    const int n = band.lastRow - band.firstRow + 1;
    for (int i = 0; i < n; ++i)
        drawRowSegment(surface, band.firstRow + i, left, right, bandPixel(band, i, n));
}

// The band's colours on the two columns next to each side edge only.
void drawSideBand(QImage &surface, const Band &band)
{
    const int w1 = surface.width() - 1;
    const int n = band.lastRow - band.firstRow + 1;
    for (int i = 0; i < n; ++i) {
        const QRgb pixel = bandPixel(band, i, n);
        for (int x : {1, 2, w1 - 2, w1 - 1})
            setPixel(surface, x, band.firstRow + i, pixel);
    }
}

void drawBands(QImage &surface, std::initializer_list<Band> bands)
{
    for (const Band &band : bands)
        drawBand(surface, band, 0, surface.width() - 1);
}

// A one-pixel frame with its corners cut, the cut corners in the background
// and the inner corner pixels in a mid tone.
void drawOutline(QImage &surface, const CandyLook &look, Rgb line, Rgb corner)
{
    const int w1 = surface.width() - 1;
    const int h1 = surface.height() - 1;
    const QRgb linePixel = qRgb(line.r, line.g, line.b);
    drawRowSegment(surface, 0, 1, w1 - 1, linePixel);
    drawRowSegment(surface, h1, 1, w1 - 1, linePixel);
    for (int y = 1; y < h1; ++y) {
        setPixel(surface, 0, y, linePixel);
        setPixel(surface, w1, y, linePixel);
    }
    const QRgb background = toPixel(look.backColor);
    const QRgb cornerPixel = qRgb(corner.r, corner.g, corner.b);
    for (const auto &[x, y] : {std::pair{0, 0}, {w1, 0}, {0, h1}, {w1, h1}})
        setPixel(surface, x, y, background);
    for (const auto &[x, y] : {std::pair{1, 1}, {w1 - 1, 1}, {1, h1 - 1}, {w1 - 1, h1 - 1}})
        setPixel(surface, x, y, cornerPixel);
}

// Two lines at the top, a gradient down both sides and a line at the bottom.
void drawAccent(QImage &surface, Rgb top1, Rgb top2, Rgb bottom)
{
    const int w1 = surface.width() - 1;
    const int h1 = surface.height() - 1;
    drawRowSegment(surface, 1, 1, w1 - 1, qRgb(top1.r, top1.g, top1.b));
    drawRowSegment(surface, 2, 1, w1 - 1, qRgb(top2.r, top2.g, top2.b));
    drawSideBand(surface, {3, h1 - 2, top2, bottom});
    drawRowSegment(surface, h1 - 1, 1, w1 - 1, qRgb(bottom.r, bottom.g, bottom.b));
}

constexpr Rgb ClassicLine{0, 60, 116};
constexpr Rgb ClassicCorner{122, 149, 168};
constexpr Rgb ClassicSunken{172, 168, 153};
constexpr Rgb SoftLine{112, 112, 112};
constexpr Rgb SoftCorner{160, 160, 160};
constexpr Rgb SoftFocus{137, 173, 228};
constexpr drawing::OleColor Black = 0x000000;
constexpr drawing::OleColor White = 0xFFFFFF;
constexpr int BeadRingPercent = 50;
constexpr int BeadHighlightPercent = 30;

void paintClassicBody(QImage &surface, ButtonState state)
{
    const int h1 = surface.height() - 1;
    if (state == Down) {
        drawBands(surface, {{0, 2, {209, 204, 193}, {229, 228, 221}},
                            {3, h1 - 3, {229, 228, 221}, {226, 226, 218}},
                            {h1 - 2, h1, {226, 226, 218}, {242, 241, 238}}});
        return;
    }
    drawBands(surface, {{0, h1 - 3, {255, 255, 255}, {236, 235, 230}},
                        {h1 - 2, h1, {236, 235, 230}, {214, 208, 197}}});
}

void paintSoftBody(QImage &surface, ButtonState state)
{
    const int h1 = surface.height() - 1;
    switch (state) {
    case Down:
        drawBands(surface, {{0, 3, {220, 218, 209}, {231, 230, 224}},
                            {4, h1 - 4, {231, 230, 224}, {225, 224, 216}},
                            {h1 - 3, h1, {225, 224, 216}, {235, 234, 229}}});
        break;
    case Hover:
        drawBands(surface, {{0, 3, {255, 252, 242}, {255, 246, 222}},
                            {4, h1 - 4, {255, 246, 222}, {248, 226, 178}},
                            {h1 - 3, h1, {248, 226, 178}, {232, 200, 140}}});
        break;
    case CheckedDown:
        drawBands(surface, {{0, 3, {196, 194, 185}, {212, 210, 203}},
                            {4, h1 - 4, {212, 210, 203}, {206, 204, 196}},
                            {h1 - 3, h1, {206, 204, 196}, {222, 220, 214}}});
        break;
    default:
        drawBands(surface, {{0, 3, {254, 254, 253}, {252, 252, 249}},
                            {4, h1 - 4, {252, 252, 249}, {238, 237, 229}},
                            {h1 - 3, h1, {238, 237, 229}, {215, 210, 198}}});
        break;
    }
}

drawing::OleColor beadPixel(const CandyLook &look, const SpanRegion &highlight,
                            const BodyColors &colors, int x, int y, int height, int radius)
{
    if (!look.innerShape.contains(x, y))
        return BlendColors(Black, colors.base, BeadRingPercent);
    if (y < radius && highlight.contains(x, y))
        return BlendColors(White, colors.base, y * BeadHighlightPercent / radius);
    return BlendColors(colors.base, colors.bright,
                       std::abs((2 * y - height) * FullPercent / height));
}

} // namespace

void PaintClassic(QImage &surface, const CandyLook &look, ButtonState state)
{
    if (surface.width() <= 0 || surface.height() <= 0)
        return;
    paintClassicBody(surface, state);
    const int w1 = surface.width() - 1;
    switch (state) {
    case Hover:
        drawAccent(surface, {255, 240, 202}, {253, 216, 137}, {248, 178, 48});
        break;
    case Focus:
        drawAccent(surface, {206, 231, 255}, {188, 212, 246}, {137, 173, 228});
        break;
    case CheckedDown: {
        const QRgb sunken = qRgb(ClassicSunken.r, ClassicSunken.g, ClassicSunken.b);
        drawRowSegment(surface, 1, 1, w1 - 1, sunken);
        for (int y = 1; y < surface.height() - 1; ++y)
            setPixel(surface, 1, y, sunken);
        break;
    }
    default:
        break;
    }
    drawOutline(surface, look, ClassicLine, ClassicCorner);
}

void PaintSoft(QImage &surface, const CandyLook &look, ButtonState state)
{
    if (surface.width() <= 0 || surface.height() <= 0)
        return;
    paintSoftBody(surface, state);
    if (state == Focus) {
        const int w1 = surface.width() - 1;
        const int h1 = surface.height() - 1;
        const QRgb focus = qRgb(SoftFocus.r, SoftFocus.g, SoftFocus.b);
        drawRowSegment(surface, 1, 1, w1 - 1, focus);
        drawRowSegment(surface, h1 - 1, 1, w1 - 1, focus);
        for (int y = 1; y < h1; ++y) {
            setPixel(surface, 1, y, focus);
            setPixel(surface, w1 - 1, y, focus);
        }
    }
    drawOutline(surface, look, SoftLine, SoftCorner);
}

void PaintBead(QImage &surface, const CandyLook &look, ButtonState state)
{
    const int width = surface.width();
    const int height = surface.height();
    if (width <= 0 || height <= 0)
        return;
    const int radius = std::max(look.shapeRadius, 1);
    const BodyColors colors = bodyColorsFor(look, state);
    const SpanRegion outline = MakeRoundedRegion(0, 0, width, height, radius);
    // The upper highlight: rows 1 .. radius - 1, inset by half the radius.
    const int inset = radius / 2;
    const SpanRegion highlight =
        MakeRoundedRegion(inset, 1, width - 2 * inset, radius - 1, std::max(inset, 1));
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(surface.scanLine(y));
        for (int x = 0; x <= width / 2; ++x) {
            if (!outline.contains(x, y))
                continue;
            const QRgb pixel = toPixel(beadPixel(look, highlight, colors, x, y, height, radius));
            line[x] = pixel;
            line[width - 1 - x] = pixel;
        }
    }
}

} // namespace controls
