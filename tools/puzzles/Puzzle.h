// One bundled puzzle as authored, and its record as stored in the boxes.
#pragma once

#include "tools/puzzles/Figure.h"

#include "board/AnswerSearch.h"
#include "storage/PuzzleCollection.h"

#include <optional>

#include <string>
#include <vector>

namespace puzzles {

struct PuzzleDefinition
{
    std::string title;
    std::string instructions; // "\n" where the text breaks
    Figure puzzle;
    Figure solution;
    // The solution is centred on its own instead of keeping the puzzle's
    // place, for figures that turn round and would not fit otherwise.
    bool centredApart = false;
    // What the judge asks for ("squares 3 equal"...); empty for the
    // solution's figure. The moves allowed are the solution's.
    std::string goal{};
    // Both figures this far off the middle of their boxes, or only the
    // puzzle's when the solution is centred apart, for puzzles whose
    // answers need more room on one side than on the other.
    Point lean{};
};

// The puzzle with the goal the judge asks for.
PuzzleDefinition aimedAt(PuzzleDefinition definition, const char *goal);

// Both boxes measure this much at the window's design size (the window
// rounds the 421.5 pixels of width down or up; down is always safe).
constexpr int BoxWidth = 421;
constexpr int BoxHeight = 417;

// Where figures may lie inside a box, at the window's design size and at
// its smallest (board::MinimumInnerSize), where the boxes are 416 by 377
// pixels and the matchbox reaches 383 pixels into the puzzle box: below the
// caption, and clear of the matchbox and the buttons that reach into the
// boxes from the middle.
struct Area
{
    double left, top, right, bottom;
};
inline constexpr Area PuzzleArea{6, 32, 383, 377};
inline constexpr Area SolutionArea{36, 32, 415, 377};
// Digit sums stand two cells high on each of two lines and need the boxes'
// height at the window's default size (board::DefaultInnerSize), 489
// pixels; the other margins are the same.
constexpr int TallBoxHeight = 489;
inline constexpr Area TallPuzzleArea{PuzzleArea.left, PuzzleArea.top, PuzzleArea.right,
                                     TallBoxHeight};
inline constexpr Area TallSolutionArea{SolutionArea.left, SolutionArea.top, SolutionArea.right,
                                       TallBoxHeight};

// Whether every match's image lies in the area.
bool liesIn(const std::vector<storage::MatchPlacement> &box, const Area &area);

// The area a puzzle and its answers are held to: PuzzleArea, or the tall
// one for a start that does not fit it.
const Area &puzzleAreaOf(const std::vector<storage::MatchPlacement> &start);

// The puzzle box the player makes answers in: at the window's design size,
// or at its default size for a start too high for PuzzleArea.
board::Room boxRoomOf(const std::vector<storage::MatchPlacement> &start);

// The record with both figures centred in their boxes by one common shift
// per box, so matches the solution leaves alone stay where the puzzle has
// them; in the tall areas when the puzzle is too high for PuzzleArea.
// Throws std::invalid_argument when the figures do not fit.
storage::PuzzleRecord recordOf(const PuzzleDefinition &definition);

// A lean that gives every answer room in the puzzle box: none while the
// laid-out record's answers all lie in the area, the one that centres them
// with the start when they would not, nothing when they cannot all fit.
std::optional<Point> leanToFit(const storage::PuzzleRecord &record,
                               const std::vector<board::Answer> &answers);

// The collection in the order it is listed (Episodes.cpp).
std::vector<PuzzleDefinition> bundledPuzzles();

// Pictures drawn by hand, each with the figure as its goal.
std::vector<PuzzleDefinition> picturePuzzles();

} // namespace puzzles
