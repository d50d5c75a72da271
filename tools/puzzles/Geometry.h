// Geometry of a drawn figure: matches as segments of one match length, the
// two lattices the figures are drawn on, and the sprite placement that puts
// an orientation image exactly over a segment.
#pragma once

#include "storage/PuzzleCollection.h"

namespace puzzles {

constexpr double MatchLength = 95.0;

// Distance between neighbouring lattice corners. A little more than a match
// length, so that the ends of two matches meeting at a corner touch without
// the head of one covering the other.
constexpr double Pitch = 100.0;

struct Point
{
    double x = 0;
    double y = 0;
};

inline Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}

// A match on the drawing: where its middle lies and which way its head
// points. Every orientation image draws its match centred in the image.
struct Match
{
    Point centre;
    int orientation = 0;
};

// The match from tail to head. Throws std::invalid_argument when the
// direction is none of the sixteen orientations.
Match matchFrom(Point tail, Point head);

// The match between two corners with the collection's head convention:
// the head at the upper end, or at the right end of a level match.
Match matchBetween(Point a, Point b);

// Corners of the square lattice, (i, j) = column and row.
Point gridPoint(double i, double j);

// Corners of the triangular lattice: rows are a triangle's height apart and
// each row is shifted half a pitch to the right of the row above it.
Point trianglePoint(double a, double b);

// The top-left corner of the match's orientation image, relative to the
// origin the centre is measured from, rounded to whole pixels.
storage::MatchPlacement placementOf(const Match &match, Point shift);

// The match whose image lies at the placement, back on the drawing.
Match matchAt(const storage::MatchPlacement &placement, Point shift);

} // namespace puzzles
