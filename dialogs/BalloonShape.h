// BalloonShape -- geometry of the balloon message window: where the window
// goes for a pointer target, the body, shadow and pointer shapes, and the
// shadow's shading rule. Pure arithmetic so it can be checked without a
// screen. All coordinates are window pixels unless named otherwise.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <functional>
#include <vector>

namespace dialogs {

// Names fixed by the program's design: keep them as they are.
// Project extensions.
// Pointer styles (numbers fixed by the design): which corner of the window
// the pointer tip leaves from.
enum PointerStyle : short
{
    LowerRight = 1,
    UpperRight = 2,
    LowerLeft = 3,
    UpperLeft = 4
};

struct PointerPlacement
{
    PointerStyle style;
    QPoint windowTopLeft; // in the coordinates of the screen's geometry
};

// Left/upper halves include the exact middle of the screen.
PointerPlacement placeForPointer(QPoint target, const QRect &screen, QSize window);

// A balloon about an area that it must not hide: the pointer touches the
// middle of the area's bottom edge and the balloon hangs below it, or, where
// the screen has no room below, touches the top edge from above. With room
// on neither side it hangs below, lifted onto the screen over the area's
// lowest strip. Left or right of the tip by the screen half, as for any
// target.
PointerPlacement placeOutside(const QRect &area, const QRect &screen, QSize window);

QRegion mainRegion(QSize window);
QRect bodyFillRect(QSize window);
QRegion shadowRegion(QSize window);
QPolygon outerPointer(PointerStyle style, QSize window);
QPolygon innerPointer(PointerStyle style, QSize window);

// Intensity is limited to 0..75 so that step + intensity stays a byte.
short clampIntensity(int intensity);

// Mixes c1 and c2 with weights (step + intensity) and (256 - step).
QRgb ShadePixel(QRgb c1, QRgb c2, int step, int intensity);

struct ShadowPixel
{
    QPoint at;
    int step;
};

// Every shadow pixel with its step, outer rings first.
std::vector<ShadowPixel> shadowPixels(QSize window);

// The shadow on a surface of devicePixelRatio device pixels to a window
// pixel: each device pixel takes the step of the window pixel it lies in,
// the later one of shadowPixels where two meet.
class ShadowSteps
{
public:
    ShadowSteps(QSize window, qreal devicePixelRatio);
    // Calls paint(device pixel, step) for each shadow pixel of the surface.
    void forEach(QSize surface, const std::function<void(QPoint, int)> &paint) const;

private:
    QSize m_window;
    qreal m_ratio;
    std::vector<int> m_steps; // row by row; NoStep where there is no shadow
};

} // namespace dialogs
