// Equations laid out of matches as the figures draw them, for the tests
// that read and solve equations.
#pragma once

#include "MatchFigures.h"

#include <cmath>
#include <map>
#include <string>

namespace figures {

constexpr double MatchLength = 95;

// A glyph with its middle at (x, y). The strokes of V and X lean 30 degrees
// off upright, feet at `low` and heads at `high`. A digit lights segments a
// to g, lattice edges of a cell one pitch wide and two high, each given by
// its first corner from the cell's top left and its orientation.
inline Arrangement glyphAt(char c, double x, double y)
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
inline Arrangement typeset(const std::string &text, double y = 0)
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

} // namespace figures
