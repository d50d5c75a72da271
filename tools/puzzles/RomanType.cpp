#include "tools/puzzles/RomanType.h"

#include "board/EquationReading.h"
#include "board/Orientations.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace puzzles {
namespace {

constexpr double LetterGap = 8;  // between the letters of one numeral
constexpr double SymbolGap = 20; // where the text has a blank
constexpr double LineStep = 130; // from one line's middle to the next
// Digit lines stand closer than the reader's two and a half pitches, so a
// sum of two lines fits the box at the window's default size; the cells of
// the two lines still keep their level matches 30 px apart, beyond the
// solving tolerance.
constexpr double DigitLineStep = 230;
constexpr double DigitStep = 150;                     // from one digit cell of a number to the next
constexpr double EqualsGap = 14;                      // half the distance of the two strokes
const double Rise = MatchLength * std::sqrt(3.0) / 2; // height of a V or an X
constexpr char EqualsSign[] = " = ";
// A letter the answer search adds beside a numeral may come this close to
// the next symbol, as a player would squeeze it in; closer, glyphs touch.
constexpr double LeastGap = 1;

// A stroke 30 degrees off upright, as in V and X.
Match slanted(Point bottom, double side)
{
    return matchBetween(bottom, {bottom.x + side * MatchLength / 2, bottom.y - Rise});
}

Match level(double left, double middle)
{
    return matchBetween({left, middle}, {left + MatchLength, middle});
}

double imageWidth(int orientation)
{
    return board::Orientations[orientation].width;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Width of the glyph's drawing: the outer edges of its images. Every digit
// takes a whole cell, so a digit the answer search changes keeps its place.
double widthOf(char c)
{
    if (isDigit(c))
        return Pitch + imageWidth(0);
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

Figure digit(char c, double centre, double middle)
{
    Figure matches;
    for (const board::Slot &slot : board::glyphSlots(false, c))
        matches.push_back({{centre + slot.offset.x, middle + slot.offset.y}, slot.direction});
    return matches;
}

Figure glyph(char c, double left, double middle)
{
    const double centre = left + widthOf(c) / 2;
    if (isDigit(c))
        return digit(c, centre, middle);
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
    if (inNumeral && isDigit(text[i]))
        return DigitStep;
    return widthOf(text[i]) + (inNumeral ? LetterGap : 0);
}

// How far a glyph's images reach left and right of its middle.
double halfWidth(bool roman, char symbol)
{
    double half = 0;
    for (const board::Slot &slot : board::glyphSlots(roman, symbol))
        half = std::max(half, std::abs(slot.offset.x) + imageWidth(slot.direction) / 2);
    return half;
}

} // namespace

bool setClear(const std::vector<storage::MatchPlacement> &box)
{
    const std::optional<board::GlyphLayout> layout = board::readGlyphs(box);
    if (!layout)
        return false;
    for (const board::GlyphPlace &a : layout->glyphs)
        for (const board::GlyphPlace &b : layout->glyphs) {
            const bool sameLine = std::abs(a.middle.y - b.middle.y) < LineStep / 2;
            if (&a == &b || !sameLine || a.middle.x > b.middle.x)
                continue;
            const double gap = (b.middle.x - halfWidth(layout->roman, b.symbol)) -
                               (a.middle.x + halfWidth(layout->roman, a.symbol));
            if (gap < LeastGap)
                return false;
        }
    return true;
}

Match upright(double x, double middle)
{
    return matchBetween({x, middle + MatchLength / 2}, {x, middle - MatchLength / 2});
}

double lineWidth(const std::string &text)
{
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        width += advance(text, i);
    return width;
}

std::vector<Figure> typeset(const std::string &text, int line)
{
    std::vector<Figure> glyphs;
    const bool digits = std::any_of(text.begin(), text.end(), isDigit);
    const double middle = line * (digits ? DigitLineStep : LineStep);
    double left = -lineWidth(text) / 2;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ')
            glyphs.push_back(glyph(text[i], left, middle));
        left += advance(text, i);
    }
    return glyphs;
}

Figure sumFigure(const std::string &sum)
{
    const std::size_t equals = sum.find(EqualsSign);
    if (equals == std::string::npos)
        throw std::invalid_argument("no \" = \" in " + sum);
    Figure figure;
    for (const auto &[text, line] :
         {std::pair(sum.substr(0, equals), 0), std::pair(sum.substr(equals + 1), 1)})
        for (const Figure &g : typeset(text, line))
            figure.insert(figure.end(), g.begin(), g.end());
    return figure;
}

std::string romanNumeral(int value)
{
    static const std::pair<int, const char *> letters[] = {
        {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    std::string numeral;
    for (const auto &[worth, text] : letters)
        for (; value >= worth; value -= worth)
            numeral += text;
    return numeral;
}

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

} // namespace puzzles
