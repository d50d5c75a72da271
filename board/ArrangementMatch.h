// Comparing two arrangements of matches in a box: is the player's figure the
// stored solution (anywhere in the box), and how many matches did the player
// move since the puzzle was shown.
//
// Placements are top-left offsets from the box's corner, as stored. Two
// matches lie on the same segment when their images' centres coincide and
// their orientations are equal or half a turn apart, since heads do not
// change a figure.
#pragma once

#include "storage/PuzzleCollection.h"

#include <vector>

namespace board {

using Arrangement = std::vector<storage::MatchPlacement>;

// A fifth of a match length: close enough for a hand-placed match, far
// below the distance between neighbouring segments of a figure.
constexpr double SolvedTolerance = 19.0;

// True when some common shift pairs every match of one arrangement with its
// own match of the other, each pair on the same segment within the tolerance.
bool SameFigure(const Arrangement &current, const Arrangement &target,
                double tolerance = SolvedTolerance);

// The matches the player moved, without any shift: matches of the start no
// longer in their place, or matches not there at the start, whichever are
// more. A match put back within the tolerance, or turned head round where
// it lies, has not moved; one taken out of the box or brought in has.
int CountMoves(const Arrangement &start, const Arrangement &current);

// The pairs CountMoves counts as unmoved: for each match of the start, the
// index of the current match on its place, or -1 where none is.
std::vector<int> unmovedPartners(const Arrangement &start, const Arrangement &current);

} // namespace board
