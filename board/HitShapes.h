// Hit shapes: for each orientation image and for the matchbox picture, the
// non-key pixels as rectangles in banded form (rows split into maximal runs,
// equal neighbouring rows merged, ordered by top then left; right and bottom
// exclusive). The data is generated from the art by tools/ and committed.
#pragma once

namespace board {

struct ShapeRect
{
    int left;
    int top;
    int right;
    int bottom;
};

struct ShapeList
{
    const ShapeRect *rects;
    int count;
    const ShapeRect *begin() const { return rects; }
    const ShapeRect *end() const { return rects + count; }
};

// k must be an orientation index 0..15.
ShapeList orientationShape(int k);
ShapeList matchboxShape();

} // namespace board
