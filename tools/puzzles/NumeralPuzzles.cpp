// Roman-numeral sums made true by moving one match. The sum is set in two
// lines so it fits a box: the left-hand side, then "=" and the result.
#include "tools/puzzles/Puzzle.h"

#include "board/Orientations.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace puzzles {
namespace {

constexpr double LetterGap = 8;                       // between the letters of one numeral
constexpr double SymbolGap = 20;                      // where the text has a blank
constexpr double LineStep = 130;                      // from one line's middle to the next
constexpr double EqualsGap = 14;                      // half the distance of the two strokes
const double Rise = MatchLength * std::sqrt(3.0) / 2; // height of a V or an X

// A stroke 30 degrees off upright, as in V and X.
Match slanted(Point bottom, double side)
{
    return matchBetween(bottom, {bottom.x + side * MatchLength / 2, bottom.y - Rise});
}

Match level(double left, double middle)
{
    return matchBetween({left, middle}, {left + MatchLength, middle});
}

Match upright(double x, double middle)
{
    return matchBetween({x, middle + MatchLength / 2}, {x, middle - MatchLength / 2});
}

double imageWidth(int orientation)
{
    return board::Orientations[orientation].width;
}

// Width of the glyph's drawing: the outer edges of its images.
double widthOf(char c)
{
    switch (c) {
    case 'I':
        return imageWidth(0);
    case 'V':
        return MatchLength / 2 + imageWidth(1);
    case 'X':
        return imageWidth(1);
    default:
        return MatchLength;
    }
}

Figure glyph(char c, double left, double middle)
{
    const double centre = left + widthOf(c) / 2;
    switch (c) {
    case 'I':
        return {upright(centre, middle)};
    case 'V':
        return {slanted({centre, middle + Rise / 2}, -1), slanted({centre, middle + Rise / 2}, 1)};
    case 'X': {
        const Point low{centre - MatchLength / 4, middle + Rise / 2};
        return {slanted(low, 1), slanted({centre + MatchLength / 4, low.y}, -1)};
    }
    case '+':
        return {level(left, middle), upright(centre, middle)};
    case '-':
        return {level(left, middle)};
    case '=':
        return {level(left, middle - EqualsGap), level(left, middle + EqualsGap)};
    }
    throw std::invalid_argument(std::string("no glyph for ") + c);
}

// How far the next glyph starts from this one's left edge.
double advance(const std::string &text, std::size_t i)
{
    if (text[i] == ' ')
        return SymbolGap;
    const bool inNumeral = i + 1 < text.size() && text[i + 1] != ' ';
    return widthOf(text[i]) + (inNumeral ? LetterGap : 0);
}

// The glyphs of one line in reading order, the line centred on x = 0.
std::vector<Figure> typeset(const std::string &text, int line)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        width += advance(text, i);
    std::vector<Figure> glyphs;
    double left = -width / 2;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ')
            glyphs.push_back(glyph(text[i], left, line * LineStep));
        left += advance(text, i);
    }
    return glyphs;
}

Figure allOf(const std::vector<Figure> &first, const std::vector<Figure> &second)
{
    Figure figure;
    for (const auto *line : {&first, &second})
        for (const Figure &g : *line)
            figure.insert(figure.end(), g.begin(), g.end());
    return figure;
}

// A one to the left (side -1) or the right (side 1) of the glyph's drawing,
// on the glyph's line: every stroke of a glyph is centred on its line.
Match oneBeside(const Figure &glyph, double side)
{
    double left = glyph.front().centre.x;
    double right = left;
    for (const Match &m : glyph) {
        const double half = imageWidth(m.orientation) / 2;
        left = std::min(left, m.centre.x - half);
        right = std::max(right, m.centre.x + half);
    }
    const double gap = LetterGap + imageWidth(0) / 2;
    return upright(side < 0 ? left - gap : right + gap, glyph.front().centre.y);
}

PuzzleDefinition sixMinusFour()
{
    const auto top = typeset("VI - IV", 0);
    const auto bottom = typeset("= IX", 1);
    const Figure sum = allOf(top, bottom);
    return {"Roman VI - IV", "Move 1 match to make the sum true.", sum,
            joined(without(sum, top[1]), {upright(top[2][0].centre.x, 0)})};
}

PuzzleDefinition nineMinusFive()
{
    const auto top = typeset("IX - V", 0);
    const auto bottom = typeset("= VI", 1);
    const Figure sum = allOf(top, bottom);
    return {"Roman IX - V", "Move 1 match to make the sum true.", sum,
            joined(without(sum, bottom[2]), {oneBeside(bottom[1], -1)})};
}

PuzzleDefinition elevenPlusOne()
{
    const auto top = typeset("XI + I", 0);
    const auto bottom = typeset("= X", 1);
    const Figure sum = allOf(top, bottom);
    return {"Roman XI + I", "Move 1 match to make the sum true.", sum,
            joined(without(sum, top[1]), {oneBeside(bottom[1], 1)})};
}

PuzzleDefinition sevenPlusOne()
{
    const auto top = typeset("VII + I", 0);
    const auto bottom = typeset("= V", 1);
    const Figure sum = allOf(top, bottom);
    return {"Roman VII + I", "Move 1 match to make the sum true.", sum,
            joined(without(sum, {top[3][1]}), {oneBeside(bottom[1], 1)})};
}

} // namespace

void addNumeralPuzzles(std::vector<PuzzleDefinition> &puzzles)
{
    for (const PuzzleDefinition &sum :
         {sixMinusFour(), nineMinusFive(), elevenPlusOne(), sevenPlusOne()})
        puzzles.push_back(aimedAt(sum, "equation"));
}

} // namespace puzzles
