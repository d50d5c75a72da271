// Reading a figure as an equation, for judging sums by whether they hold
// rather than by one stored answer: number, + or -, number, =, number.
//
// Every match must belong to a glyph, and a figure is all Roman numerals
// (I, V, X; 1 to 39 written the usual way) or all seven-segment digits.
// A glyph may lie anywhere, shifted as a whole, with every match within
// SolvedTolerance of its place. Glyphs whose middles lie within twice that
// of each other stand on one line, read left to right; lines are read top
// to bottom, and a new line may only start with "=", so a sum set as the
// left-hand side over "= result" reads as one equation.
//
// How the glyphs are drawn: centres of the matches in pixels from the
// glyph's middle, y down; a match is 95 px long.
//   I  an upright match on the middle.
//   V  two strokes 30 degrees off upright meeting at the bottom: "\" at
//      (-23.75, 0) and "/" at (23.75, 0), a quarter match length aside.
//   X  "/" and "\" both on the middle.
//   +  a level and an upright match both on the middle.
//   -  a level match on the middle.
//   =  level matches at (0, -14) and (0, 14).
//   digits  the lattice edges of a cell one pitch (100 px) wide and two high,
//      the middle at the cell's centre: levels a (0, -100), g (0, 0),
//      d (0, 100); uprights f (-50, -50), b (50, -50), e (-50, 50),
//      c (50, 50). 0 abcdef, 1 bc, 2 abdeg, 3 abcdg, 4 bcfg, 5 acdfg,
//      6 acdefg, 7 abc, 8 abcdefg, 9 abcdfg. + - = stand on the middle of
//      the digits, at the height of g.
// Layout: the middles of one line level; a second line 130 px lower for
// Roman numerals, 250 px (two and a half pitches) for digits. Leave 20 px
// between the images of neighbouring glyphs and 8 px between the letters of
// one numeral; digit cells of one number stand 150 px apart, left edge to
// left edge, which keeps each digit's uprights out of its neighbour's reach.
#pragma once

#include "board/ArrangementMatch.h"
#include "board/PatternFit.h"

#include <optional>
#include <string>
#include <vector>

namespace board {

struct EquationReading
{
    std::string text; // what the matches read, e.g. "VI+IV=X" or "5+7=12"; minus as '-'
    bool holds = false;
};

// Nothing when the matches do not read as an equation: number, operator (+ or -), number, "=",
// number. A number of more than nine digits does not read as one.
std::optional<EquationReading> readEquation(const Arrangement &box);

// One glyph of a figure: its symbol, where its middle lies, and the matches
// of the box in its places, in the order glyphSlots lists the places.
struct GlyphPlace
{
    char symbol;
    Spot middle;
    std::vector<size_t> matches;
};

// The glyphs behind readEquation, for changing an equation glyph by glyph.
struct GlyphLayout
{
    bool roman = false;
    std::vector<GlyphPlace> glyphs;
    EquationReading reading;
};
std::optional<GlyphLayout> readGlyphs(const Arrangement &box);

// Glyphs in reading order: lines top to bottom, each left to right.
std::vector<std::vector<const GlyphPlace *>> linesOf(const std::vector<GlyphPlace> &glyphs);

// The equation that glyphs would read as, laid where they are; their
// matches do not matter.
std::optional<EquationReading> readPlaces(const std::vector<GlyphPlace> &glyphs, bool roman);

// The places of a glyph's matches around its middle; none for a symbol the
// alphabet lacks.
const std::vector<Slot> &glyphSlots(bool roman, char symbol);

} // namespace board
