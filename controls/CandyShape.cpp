#include "controls/CandyShape.h"

#include "controls/CandyColors.h"

namespace controls {
namespace {
constexpr int Style3Radius = 12;
constexpr int FirstRoundedStyle = 2;
constexpr int LastRoundedStyle = 7;
} // namespace

int shapeRadiusFor(int style, QSize client, int currentRadius)
{
    const int w = client.width();
    const int h = client.height();
    switch (style) {
    case 2:
    case 4:
    case 5:
        return Clamp(h / 2 + 1, 1, w / 2);
    case 3:
        return Style3Radius;
    case 6:
        return Clamp(h / 3, 1, w / 3);
    case 7:
        return Clamp(h / 4 + 1, 1, w / 4);
    default:
        return currentRadius;
    }
}

CandyShape buildCandyShape(int style, QSize client, int currentRadius)
{
    CandyShape shape;
    shape.radius = shapeRadiusFor(style, client, currentRadius);
    shape.rounded = style >= FirstRoundedStyle && style <= LastRoundedStyle;
    if (shape.rounded) {
        const int w = client.width();
        const int h = client.height();
        shape.outline = MakeRoundedRegion(0, 0, w, h, shape.radius);
        shape.inner = MakeRoundedRegion(1, 1, w - 2, h - 2, shape.radius);
    }
    return shape;
}

} // namespace controls
