// Sums set in matches, in Roman numerals or seven-segment digits, in two
// lines so that a sum fits a box: the left-hand side, then "=" and the
// result. Glyphs follow the layout the game's equation reader expects
// (board/EquationReading.h).
#pragma once

#include "tools/puzzles/Figure.h"

#include "storage/PuzzleCollection.h"

#include <string>
#include <vector>

namespace puzzles {

// "VI - IV = IX" or "6 + 4 = 4": numerals of I, V and X or numbers of
// digits with "+" or "-" between them, then " = " and the result.
Figure sumFigure(const std::string &sum);

// The glyphs of one line in reading order, the line centred on x = 0.
std::vector<Figure> typeset(const std::string &text, int line);

// From the left edge of the line's first glyph to the right edge of its last.
double lineWidth(const std::string &text);

// The usual numeral for 1 to 39.
std::string romanNumeral(int value);

// An upright match, as in I, with its middle at (x, middle).
Match upright(double x, double middle);

// A one to the left (side -1) or the right (side 1) of the glyph's drawing,
// on the glyph's line, as a numeral grows by a letter.
Match oneBeside(const Figure &glyph, double side);

// Whether the glyphs of a sum in a box stand clear of each other, as a
// typesetter would set them. The answer search changes a glyph where it
// stands, and a wide letter where a narrow one stood may run into its
// neighbours: such an answer is a true sum, but no stored solution.
bool setClear(const std::vector<storage::MatchPlacement> &box);

} // namespace puzzles
