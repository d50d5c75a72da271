// One bundled puzzle as authored, and its record as stored in the boxes.
#pragma once

#include "tools/puzzles/Figure.h"

#include "storage/PuzzleCollection.h"

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
};

// The puzzle with the goal the judge asks for.
PuzzleDefinition aimedAt(PuzzleDefinition definition, const char *goal);

// Both boxes measure this much at the window's design size (the window
// rounds the 421.5 pixels of width down or up; down is always safe).
constexpr int BoxWidth = 421;
constexpr int BoxHeight = 417;

// Where figures may lie inside a box: below the caption, and clear of the
// matchbox and the buttons that reach into the boxes from the middle.
struct Area
{
    double left, top, right, bottom;
};
constexpr Area PuzzleArea{6, 32, 385, 411};
constexpr Area SolutionArea{36, 32, 415, 411};

// The record with both figures centred in their boxes by one common shift
// per box, so matches the solution leaves alone stay where the puzzle has
// them. Throws std::invalid_argument when the figures do not fit.
storage::PuzzleRecord recordOf(const PuzzleDefinition &definition);

// The collection in the order it is listed.
std::vector<PuzzleDefinition> bundledPuzzles();

void addSquarePuzzles(std::vector<PuzzleDefinition> &puzzles);
void addPicturePuzzles(std::vector<PuzzleDefinition> &puzzles);
void addTrianglePuzzles(std::vector<PuzzleDefinition> &puzzles);
void addNumeralPuzzles(std::vector<PuzzleDefinition> &puzzles);

} // namespace puzzles
