// SpanRegion -- a region with at most one horizontal run of pixels per row,
// which every button outline is. Hit tests are a row lookup, cheap enough
// for the per-pixel painters.
#pragma once

#include <QRegion>
#include <vector>

namespace controls {

// Project helpers.

struct Span
{
    int left = 0;
    int right = 0; // exclusive

    bool contains(int x) const { return x >= left && x < right; }
    bool isEmpty() const { return right <= left; }
    bool operator==(const Span &other) const { return left == other.left && right == other.right; }
};

class SpanRegion
{
public:
    SpanRegion() = default;
    // rows[i] is the run of row top + i.
    SpanRegion(int top, std::vector<Span> rows);

    // An empty span for rows outside the region.
    Span row(int y) const;
    bool contains(int x, int y) const { return row(y).contains(x); }
    QRegion toRegion() const;

private:
    int m_top = 0;
    std::vector<Span> m_rows;
};

// Names fixed by the program's design: keep them as they are.

// The rectangle (x, y, w, h) without the pixels of its four r x r corner
// squares that lie outside the corners' quarter circles (circle centres r
// pixels in from both edges; a pixel at distances a, b from a centre is
// inside when |b| < round(sqrt(r*r - a*a))). Left and right, top and bottom
// are mirror images.
SpanRegion MakeRoundedRegion(int x, int y, int w, int h, int r);

} // namespace controls
