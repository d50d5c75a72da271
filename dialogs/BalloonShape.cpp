#include "dialogs/BalloonShape.h"

#include <algorithm>

namespace dialogs {

namespace {
constexpr int PointerOverhang = 42; // pixels between pointer tip and window side
constexpr int ShadowRings = 18;
constexpr int StepPerRingPair = 20;
constexpr int MaxIntensity = 75;
constexpr int NoStep = -1;

bool inLeftHalf(QPoint p, const QRect &screen)
{
    return p.x() - screen.left() <= screen.width() / 2.0;
}

// The balloon right of the tip or left of it, below it or above it.
PointerPlacement hangFrom(QPoint tip, bool right, bool below, QSize window)
{
    const int x = right ? tip.x() - PointerOverhang : tip.x() + PointerOverhang - window.width();
    const int y = below ? tip.y() : tip.y() - window.height();
    const PointerStyle style =
        right ? (below ? UpperLeft : LowerLeft) : (below ? UpperRight : LowerRight);
    return {style, QPoint(x, y)};
}

} // namespace

PointerPlacement placeForPointer(QPoint target, const QRect &screen, QSize window)
{
    const bool upper = target.y() - screen.top() <= screen.height() / 2.0;
    return hangFrom(target, inLeftHalf(target, screen), upper, window);
}

PointerPlacement placeOutside(const QRect &area, const QRect &screen, QSize window)
{
    const bool roomBelow = area.bottom() + window.height() <= screen.bottom();
    const bool roomAbove = area.top() - window.height() >= screen.top();
    const bool below = roomBelow || !roomAbove;
    const QPoint tip(area.center().x(), below ? area.bottom() + 1 : area.top() - 1);
    PointerPlacement placement = hangFrom(tip, inLeftHalf(tip, screen), below, window);
    // With room on neither side, a notice that covers the area's lowest
    // strip can still be read; one hanging off the screen cannot.
    if (!roomBelow && !roomAbove)
        placement.windowTopLeft.ry() =
            std::max(screen.top(), std::min(tip.y(), screen.bottom() + 1 - window.height()));
    return placement;
}

QRegion mainRegion(QSize window)
{
    // A rounded rectangle with a 20 x 20 corner ellipse, right/bottom exclusive.
    const QRect r(QPoint(0, 20), QPoint(window.width() - 15, window.height() - 33));
    QRegion region(r.adjusted(10, 0, -10, 0));
    region += QRegion(r.adjusted(0, 10, 0, -10));
    for (const QPoint corner :
         {r.topLeft(), QPoint(r.right() - 19, r.top()), QPoint(r.left(), r.bottom() - 19),
          QPoint(r.right() - 19, r.bottom() - 19)})
        region += QRegion(QRect(corner, QSize(20, 20)), QRegion::Ellipse);
    return region;
}

QRect bodyFillRect(QSize window)
{
    return QRect(QPoint(0, 20), QPoint(window.width() - 16, window.height() - 34));
}

QRegion shadowRegion(QSize window)
{
    const QRect r(QPoint(11, 29), QPoint(window.width() - 6, window.height() - 24));
    QRegion region(r.adjusted(22, 0, -22, 0));
    region += QRegion(r.adjusted(0, 17, 0, -17));
    for (const QPoint corner :
         {r.topLeft(), QPoint(r.right() - 44, r.top()), QPoint(r.left(), r.bottom() - 34),
          QPoint(r.right() - 44, r.bottom() - 34)})
        region += QRegion(QRect(corner, QSize(45, 35)), QRegion::Ellipse);
    return region;
}

QPolygon outerPointer(PointerStyle style, QSize window)
{
    const int w = window.width();
    const int h = window.height();
    switch (style) {
    case LowerRight:
        return QPolygon({QPoint(w - 61, h - 34), QPoint(w - 36, h - 34), QPoint(w - 36, h - 9)});
    case UpperRight:
        return QPolygon({QPoint(w - 58, 20), QPoint(w - 38, 20), QPoint(w - 38, 0)});
    case LowerLeft:
        return QPolygon({QPoint(41, h - 34), QPoint(66, h - 34), QPoint(41, h - 9)});
    case UpperLeft:
        break;
    }
    return QPolygon({QPoint(40, 20), QPoint(60, 20), QPoint(40, 0)});
}

QPolygon innerPointer(PointerStyle style, QSize window)
{
    const int w = window.width();
    const int h = window.height();
    switch (style) {
    case LowerRight:
        return QPolygon({QPoint(w - 62, h - 35), QPoint(w - 37, h - 35), QPoint(w - 37, h - 11)});
    case UpperRight:
        return QPolygon({QPoint(w - 59, 22), QPoint(w - 39, 22), QPoint(w - 39, 2)});
    case LowerLeft:
        return QPolygon({QPoint(42, h - 35), QPoint(66, h - 35), QPoint(42, h - 11)});
    case UpperLeft:
        break;
    }
    return QPolygon({QPoint(41, 21), QPoint(59, 21), QPoint(41, 3)});
}

short clampIntensity(int intensity)
{
    return short(std::clamp(intensity, 0, MaxIntensity));
}

QRgb ShadePixel(QRgb c1, QRgb c2, int step, int intensity)
{
    const int a = step + intensity;
    const int b = 256 - step;
    auto mix = [a, b](int x, int y) {
        return (x * a + y * b) / 256;
    };
    return qRgb(mix(qRed(c1), qRed(c2)), mix(qGreen(c1), qGreen(c2)), mix(qBlue(c1), qBlue(c2)));
}

std::vector<ShadowPixel> shadowPixels(QSize window)
{
    const int w = window.width();
    const int h = window.height();
    std::vector<ShadowPixel> pixels;
    int step = 0;
    for (int i = ShadowRings - 1; i >= 0; --i) {
        if (i % 2 == 1)
            step += StepPerRingPair;
        for (int x = i + 5; x <= w - 5 - i; ++x)
            pixels.push_back({QPoint(x, h - 23 - i), step});
        for (int y = i + 23; y <= h - 23 - i; ++y)
            pixels.push_back({QPoint(w - 5 - i, y), step});
    }
    return pixels;
}

ShadowSteps::ShadowSteps(QSize window, qreal devicePixelRatio)
    : m_window(window)
    , m_ratio(devicePixelRatio)
    , m_steps(size_t(std::max(0, window.width() * window.height())), NoStep)
{
    for (const ShadowPixel &s : shadowPixels(window))
        if (QRect(QPoint(), window).contains(s.at))
            m_steps[size_t(s.at.y() * window.width() + s.at.x())] = s.step;
}

void ShadowSteps::forEach(QSize surface, const std::function<void(QPoint, int)> &paint) const
{
    for (int y = 0; y < surface.height(); ++y) {
        const int wy = std::min(int(y / m_ratio), m_window.height() - 1);
        for (int x = 0; x < surface.width(); ++x) {
            const int wx = std::min(int(x / m_ratio), m_window.width() - 1);
            const int step = m_steps[size_t(wy * m_window.width() + wx)];
            if (step != NoStep)
                paint(QPoint(x, y), step);
        }
    }
}

} // namespace dialogs
