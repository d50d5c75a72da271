// The bundled collection in episodes of rising difficulty: the lattice,
// Roman and digit puzzles the discovery chose (ChosenPuzzles.inc, see Discovery.h),
// then the pictures drawn by hand. Titles say the episode and the number.
#pragma once

#include "tools/puzzles/Puzzle.h"

namespace puzzles {

constexpr char SquaresEpisode[] = "Squares";
constexpr char RomanEpisode[] = "Roman";
constexpr char DigitsEpisode[] = "Digits";
constexpr char TrianglesEpisode[] = "Triangles";
constexpr char PicturesEpisode[] = "Pictures";

// One chosen puzzle as the data keeps it:
//   goal    as the judge reads it: "squares 5", "triangles 3 equal", "equation";
//   start   its lattice edges, "h00 v12 ..." (codeOf), or the sum as set,
//           "VII - I = VIII" or "6 + 4 = 4" (sumFigure);
//   change  the edges taken away and added, "-h11 +v23"; for a sum, how many
//           matches are taken away and added and the true sum it becomes,
//           "-1 +1 VII+I=VIII", as the judge reads it;
//   lean    pixels both figures lie off the middle of their boxes.
struct ChosenPuzzle
{
    const char *goal;
    const char *start;
    const char *change;
    int leanX;
    int leanY;
};

// Untitled. Throws std::invalid_argument for data that does not read.
PuzzleDefinition chosenPuzzle(const ChosenPuzzle &chosen);

} // namespace puzzles
