#include "board/EquationReading.h"

#include "MatchFigures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace board {
namespace {

using namespace figures;

constexpr double MatchLength = 95;

// A glyph with its middle at (x, y). The strokes of V and X lean 30 degrees
// off upright, feet at `low` and heads at `high`. A digit lights segments a
// to g, lattice edges of a cell one pitch wide and two high, each given by
// its first corner from the cell's top left and its orientation.
Arrangement glyphAt(char c, double x, double y)
{
    static const char *const lit[] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                      "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    static const int edges[7][3] = {{0, 0, 4}, {1, 0, 0}, {1, 1, 0}, {0, 2, 4},
                                    {0, 1, 0}, {0, 0, 0}, {0, 1, 4}};
    const double rise = MatchLength * std::sqrt(3.0) / 2, low = y + rise / 2, high = low - rise;
    const double h = MatchLength / 2, q = MatchLength / 4; // half and a quarter match
    const Point left{x - Pitch / 2, y}, top{x, y - Pitch / 2};
    const std::map<char, Arrangement> symbols = {
        {'I', {edge(top, 0)}},
        {'V', {between({x, low}, {x - h, high}, 15), between({x, low}, {x + h, high}, 1)}},
        {'X', {between({x - q, low}, {x + q, high}, 1), between({x + q, low}, {x - q, high}, 15)}},
        {'+', {edge(left, 4), edge(top, 0)}},
        {'=', {edge({left.x, y - 14}, 4), edge({left.x, y + 14}, 4)}}, // strokes 28 px apart
        {'-', {edge(left, 4)}},
    };
    if (symbols.count(c))
        return symbols.at(c);
    Arrangement glyph;
    for (const char *s = lit[c - '0']; *s; ++s) {
        const int *e = edges[*s - 'a'];
        glyph.push_back(edge({x + (e[0] - 0.5) * Pitch, y + (e[1] - 1) * Pitch}, e[2]));
    }
    return glyph;
}

// One line of glyphs from x = 0, middles at height y, tight as drawn: 8 px
// between the letters of a numeral, half a pitch between digits, 20 px
// between other glyphs. The text's closing '\0' ends the last glyph.
Arrangement typeset(const std::string &text, double y = 0)
{
    const std::map<char, double> letters = {{'I', 9}, {'V', 102.5}, {'X', 55}}; // image widths
    const auto isDigit = [](char c) {
        return c >= '0' && c <= '9';
    };
    Arrangement box;
    double left = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i], next = text[i + 1];
        const double width = letters.count(c) ? letters.at(c) : isDigit(c) ? Pitch : MatchLength;
        box = plus(box, glyphAt(c, left + width / 2, y));
        const bool digits = isDigit(c) && isDigit(next);
        left += width + (letters.count(c) && letters.count(next) ? 8 : digits ? Pitch / 2 : 20);
    }
    return box;
}

// clang-format off
const struct { const char *name; Arrangement box; const char *read; } Readings[] = {
    {"roman sum on one line", typeset("VI+IV=X"), "VI+IV=X holds"},
    {"roman on two lines", plus(typeset("VI-IV"), typeset("=II", 130)), "VI-IV=II holds"},
    {"largest roman", typeset("XXXIX-IX=XXX"), "XXXIX-IX=XXX holds"},
    {"digits with a carry", typeset("5+7=12"), "5+7=12 holds"},
    {"digits on two lines", plus(typeset("30-6"), typeset("=24", 250)), "30-6=24 holds"},
    {"false digit sum", typeset("8+1=96"), "8+1=96 is false"},
    {"shifted and placed by hand", byHand(typeset("XI+I=XII"), 173, 91), "XI+I=XII holds"},
    {"sloppy X stays an X", nudged(nudged(typeset("X+I=XI"), 0, 6, 0), 1, -6, 0), "X+I=XI holds"},
    {"no matches", {}, "no equation"},
    {"four ones", typeset("IIII+I=V"), "no equation"},
    {"two fives", typeset("VV-V=V"), "no equation"},
    {"two ones before five", typeset("IIV+I=IV"), "no equation"},
    {"forty is out of range", typeset("XXXX-X=XXX"), "no equation"},
    {"number too long to read", typeset("1111111111-1=1111111110"), "no equation"},
    {"roman mixed with digits", typeset("V+1=6"), "no equation"},
    {"no operator", typeset("II=II"), "no equation"},
    {"segment too far off", nudged(typeset("5+7=12"), 7, 0, -30), "no equation"},
    {"a loose match", plus(typeset("VI+IV=X"), {{300, 150, 2}}), "no equation"},
    {"minus set too high", nudged(typeset("VI-IV=II"), 3, 0, -45), "no equation"},
    {"second line not led by equals", plus(typeset("VI"), typeset("-IV=II", 130)), "no equation"},
};
// clang-format on

TEST(EquationReading, ReadsTheFigureAsTheEquationItShows)
{
    for (const auto &c : Readings) {
        const auto reading = readEquation(c.box);
        const std::string holds = reading && reading->holds ? " holds" : " is false";
        EXPECT_EQ(reading ? reading->text + holds : "no equation", c.read) << c.name;
    }
}

} // namespace
} // namespace board
