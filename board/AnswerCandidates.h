// The arrangements each kind of goal may be met by within a number of
// moves, for the answer search to confirm with the judge. Each may offer
// arrangements the judge refuses, never miss one it would accept among
// those its goal builds from.
#pragma once

#include "board/Judge.h"

#include <vector>

namespace board {

// The stored figure laid over the start wherever one of its matches falls
// on a match of the start.
std::vector<Arrangement> figureCandidates(const PuzzleRules &rules);

// Squares or triangles made of lattice edges around the start. Sets
// `exhaustive` false when the search had to stop early.
std::vector<Arrangement> shapeCandidates(const PuzzleRules &rules, int moves, bool &exhaustive);

// The start's glyphs changed in place, numbers grown by a glyph at an end.
std::vector<Arrangement> equationCandidates(const PuzzleRules &rules, int moves);

} // namespace board
