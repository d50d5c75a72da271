#include "board/ShapeRegion.h"

#include <QRect>
#include <vector>

namespace board {

QRegion shapeRegion(ShapeList shape)
{
    std::vector<QRect> rects;
    rects.reserve(shape.count);
    for (const ShapeRect &r : shape)
        rects.emplace_back(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace board
