#include "board/EquationReading.h"

#include "board/Orientations.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

using board::Arrangement;

namespace {

constexpr double Pitch = 100;
constexpr double MatchLength = 95;
const double Rise = MatchLength * std::sqrt(3.0) / 2; // height of a V or an X
constexpr double EqualsGap = 14;                      // half the distance of its two strokes

struct Point
{
    double x;
    double y;
};

// The match between two points as a sprite stores it: its image centred on
// the middle of the two.
storage::MatchPlacement between(Point a, Point b, int orientation)
{
    const auto &image = board::Orientations[static_cast<size_t>(orientation)];
    return {static_cast<std::int16_t>(std::lround((a.x + b.x - image.width) / 2)),
            static_cast<std::int16_t>(std::lround((a.y + b.y - image.height) / 2)),
            static_cast<std::int16_t>(orientation)};
}

storage::MatchPlacement levelAt(double x, double y)
{
    return between({x - MatchLength / 2, y}, {x + MatchLength / 2, y}, 4);
}

storage::MatchPlacement uprightAt(double x, double y)
{
    return between({x, y + MatchLength / 2}, {x, y - MatchLength / 2}, 0);
}

// Seven segments on the lattice edges of a cell one pitch wide and two
// high, its middle at (x, y): corners (i, j) counted from the top left.
Arrangement digitAt(char digit, double x, double y)
{
    static const char *const lit[] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                      "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    static const int ends[7][4] = {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 1, 2}, {0, 2, 1, 2},
                                   {0, 1, 0, 2}, {0, 0, 0, 1}, {0, 1, 1, 1}};
    Arrangement glyph;
    for (const char *s = lit[digit - '0']; *s; ++s) {
        const int *e = ends[*s - 'a'];
        const auto cornerAt = [&](int i, int j) {
            return Point{x + (i - 0.5) * Pitch, y + (j - 1) * Pitch};
        };
        glyph.push_back(between(cornerAt(e[0], e[1]), cornerAt(e[2], e[3]), e[1] == e[3] ? 4 : 0));
    }
    return glyph;
}

// A stroke 30 degrees off upright from its bottom end, leaning to the side.
storage::MatchPlacement slanted(Point bottom, double side)
{
    return between(bottom, {bottom.x + side * MatchLength / 2, bottom.y - Rise}, side < 0 ? 15 : 1);
}

Arrangement glyphAt(char c, double x, double y)
{
    if (std::isdigit(static_cast<unsigned char>(c)))
        return digitAt(c, x, y);
    switch (c) {
    case 'I':
        return {uprightAt(x, y)};
    case 'V':
        return {slanted({x, y + Rise / 2}, -1), slanted({x, y + Rise / 2}, 1)};
    case 'X':
        return {slanted({x - MatchLength / 4, y + Rise / 2}, 1),
                slanted({x + MatchLength / 4, y + Rise / 2}, -1)};
    case '+':
        return {levelAt(x, y), uprightAt(x, y)};
    case '=':
        return {levelAt(x, y - EqualsGap), levelAt(x, y + EqualsGap)};
    }
    return {levelAt(x, y)}; // '-'
}

double widthOf(char c)
{
    switch (c) {
    case 'I':
        return 9;
    case 'V':
        return 102.5;
    case 'X':
        return 55;
    }
    return std::isdigit(static_cast<unsigned char>(c)) ? Pitch : MatchLength;
}

bool isRoman(char c)
{
    return c == 'I' || c == 'V' || c == 'X';
}

// Tight as drawn: 8 px between letters of a numeral, half a pitch between
// digits, 20 px between other glyphs.
double gapBetween(char a, char b)
{
    if (isRoman(a) && isRoman(b))
        return 8;
    const bool digits =
        std::isdigit(static_cast<unsigned char>(a)) && std::isdigit(static_cast<unsigned char>(b));
    return digits ? Pitch / 2 : 20;
}

// One line of glyphs from x = 0, middles at height y.
Arrangement typeset(const std::string &text, double y = 0)
{
    Arrangement box;
    double left = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const Arrangement glyph = glyphAt(text[i], left + widthOf(text[i]) / 2, y);
        box.insert(box.end(), glyph.begin(), glyph.end());
        if (i + 1 < text.size())
            left += widthOf(text[i]) + gapBetween(text[i], text[i + 1]);
    }
    return box;
}

Arrangement plus(Arrangement box, const Arrangement &more)
{
    box.insert(box.end(), more.begin(), more.end());
    return box;
}

Arrangement nudged(Arrangement box, size_t match, int dx, int dy)
{
    box[match].x = static_cast<std::int16_t>(box[match].x + dx);
    box[match].y = static_cast<std::int16_t>(box[match].y + dy);
    return box;
}

Arrangement shiftedByHand(Arrangement box, int dx, int dy)
{
    const int nudges[][2] = {{9, -6}, {-8, 7}, {5, 10}, {-10, -4}, {7, 3}, {-3, -9}};
    for (size_t k = 0; k < box.size(); ++k)
        box = nudged(box, k, dx + nudges[k % 6][0], dy + nudges[k % 6][1]);
    return box;
}

// What a reading shows in a failure message: the text and whether it holds.
std::string summary(const std::optional<board::EquationReading> &reading)
{
    if (!reading)
        return "no equation";
    return reading->text + (reading->holds ? " holds" : " is false");
}

struct ReadingCase
{
    const char *name;
    Arrangement box;
    const char *expected;
};

class EquationReadingTest : public ::testing::TestWithParam<ReadingCase>
{
};

TEST_P(EquationReadingTest, ReadsTheFigure)
{
    EXPECT_EQ(summary(board::readEquation(GetParam().box)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Equations, EquationReadingTest,
    ::testing::Values(
        ReadingCase{"romanSumOnOneLine", typeset("VI+IV=X"), "VI+IV=X holds"},
        ReadingCase{"romanDifferenceOnTwoLines", plus(typeset("VI-IV"), typeset("=II", 130)),
                    "VI-IV=II holds"},
        ReadingCase{"falseRomanDifference", typeset("VI-IV=IX"), "VI-IV=IX is false"},
        ReadingCase{"largestRoman", typeset("XXXIX-IX=XXX"), "XXXIX-IX=XXX holds"},
        ReadingCase{"digitsWithACarry", typeset("5+7=12"), "5+7=12 holds"},
        ReadingCase{"digitsOnTwoLines", plus(typeset("30-6"), typeset("=24", 250)),
                    "30-6=24 holds"},
        ReadingCase{"falseDigitSum", typeset("8+1=96"), "8+1=96 is false"},
        ReadingCase{"shiftedAndPlacedByHand", shiftedByHand(typeset("XI+I=XII"), 173, 91),
                    "XI+I=XII holds"},
        ReadingCase{"sloppyXStaysAnX", nudged(nudged(typeset("X+I=XI"), 0, 6, 0), 1, -6, 0),
                    "X+I=XI holds"},
        ReadingCase{"noMatches", {}, "no equation"},
        ReadingCase{"fourOnes", typeset("IIII+I=V"), "no equation"},
        ReadingCase{"twoFives", typeset("VV-V=V"), "no equation"},
        ReadingCase{"twoOnesBeforeFive", typeset("IIV+I=IV"), "no equation"},
        ReadingCase{"fortyIsOutOfRange", typeset("XXXX-X=XXX"), "no equation"},
        ReadingCase{"numberTooLongToRead", typeset("1111111111-1=1111111110"), "no equation"},
        ReadingCase{"romanMixedWithDigits", typeset("V+1=6"), "no equation"},
        ReadingCase{"noOperator", typeset("II=II"), "no equation"},
        ReadingCase{"segmentTooFarOff", nudged(typeset("5+7=12"), 7, 0, -30), "no equation"},
        ReadingCase{"aLooseMatch", plus(typeset("VI+IV=X"), {{300, 150, 2}}), "no equation"},
        ReadingCase{"minusSetTooHigh", nudged(typeset("VI-IV=II"), 3, 0, -45), "no equation"},
        ReadingCase{"secondLineNotStartingWithEquals", plus(typeset("VI"), typeset("-IV=II", 130)),
                    "no equation"}),
    [](const ::testing::TestParamInfo<ReadingCase> &info) { return info.param.name; });

} // namespace
