// Figures as lists of matches, built from the edges of the two lattices.
#pragma once

#include "tools/puzzles/Geometry.h"

#include <utility>
#include <vector>

namespace puzzles {

using Figure = std::vector<Match>;

// Square lattice: the level edge from corner (i, j) to (i + 1, j) and the
// upright edge from (i, j) to (i, j + 1).
Match levelEdge(int i, int j);
Match uprightEdge(int i, int j);

// Every edge of a grid of columns x rows unit squares.
Figure squareGrid(int columns, int rows);

// The outlines of the given unit squares (column, row); shared sides once.
Figure squareOutlines(const std::vector<std::pair<int, int>> &cells);

// Triangular lattice: the edge from corner (a, b) to the right (a + 1, b),
// down to the right (a, b + 1) or down to the left (a - 1, b + 1).
enum class Side
{
    Right,
    DownRight,
    DownLeft,
};
Match triangleEdge(int a, int b, Side side);

// Outlines of unit triangles: pointing up with its apex at corner (a, b),
// or pointing down with its upper left corner at (a, b).
Figure upTriangle(int a, int b);
Figure downTriangle(int a, int b);

// Same segment: heads do not change a figure.
bool sameSegment(const Match &a, const Match &b);

// Both figures' matches, shared segments once.
Figure joined(Figure a, const Figure &b);

// The figure without the given matches. Throws std::invalid_argument when
// one of them is not in it, so a puzzle cannot silently lose a match.
Figure without(Figure figure, const Figure &removed);

Figure shifted(Figure figure, Point by);

// The figure's matches as a box holds them, moved by the shift.
std::vector<storage::MatchPlacement> placementsOf(const Figure &figure, Point shift);

// A box laid out from `start` by the shift, back on the drawing: matches
// still where the start has them are the start's own, exactly.
Figure figureOfBox(const std::vector<storage::MatchPlacement> &box, const Figure &start,
                   Point shift);

// The matches moved from one figure to the other: those no longer on a
// segment of the other, or those new to it, whichever are more.
int movesBetween(const Figure &from, const Figure &to);

} // namespace puzzles
