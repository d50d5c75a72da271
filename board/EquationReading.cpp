#include "board/EquationReading.h"

#include "board/PatternFit.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>
#include <vector>

namespace board {

namespace {

constexpr double Half = LatticePitch / 2;
constexpr double VStrokeAside = 23.75; // a quarter match length
constexpr double EqualsHalfGap = 14;
// Each glyph may be off by the tolerance, so two on one line may be off by
// twice that from each other; lines stand much further apart.
constexpr double LineSpread = 2 * SolvedTolerance;
// Keeps every value exact in a long long.
constexpr size_t LongestNumber = 9;
constexpr int LargestRoman = 39;

struct Glyph
{
    char symbol;
    std::vector<Slot> slots; // around the glyph's middle
};

// The seven segments a to g around the middle of the cell.
constexpr std::array<Slot, 7> Segments = {{{{0, -LatticePitch}, Level},
                                           {{Half, -Half}, Upright},
                                           {{Half, Half}, Upright},
                                           {{0, LatticePitch}, Level},
                                           {{-Half, Half}, Upright},
                                           {{-Half, -Half}, Upright},
                                           {{0, 0}, Level}}};

Glyph digit(char symbol, const std::string &letters)
{
    Glyph glyph{symbol, {}};
    for (char letter : letters)
        glyph.slots.push_back(Segments[static_cast<size_t>(letter - 'a')]);
    return glyph;
}

std::vector<Glyph> withOperators(std::vector<Glyph> glyphs)
{
    glyphs.insert(glyphs.end(), {{'+', {{{0, 0}, Level}, {{0, 0}, Upright}}},
                                 {'=', {{{0, -EqualsHalfGap}, Level}, {{0, EqualsHalfGap}, Level}}},
                                 {'-', {{{0, 0}, Level}}}});
    return glyphs;
}

std::string romanOf(int value)
{
    static const char *const units[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return std::string(static_cast<size_t>(value / 10), 'X') + units[value % 10];
}

// Only the usual spelling counts: IIII or VV name no value.
std::optional<long long> romanValue(const std::string &letters)
{
    for (int value = 1; value <= LargestRoman; ++value)
        if (romanOf(value) == letters)
            return value;
    return std::nullopt;
}

std::optional<long long> decimalValue(const std::string &digits)
{
    if (digits.size() > LongestNumber)
        return std::nullopt;
    return std::accumulate(digits.begin(), digits.end(), 0LL,
                           [](long long value, char d) { return value * 10 + (d - '0'); });
}

struct Alphabet
{
    std::vector<Glyph> glyphs;
    std::optional<long long> (*value)(const std::string &number);
};

const Alphabet &roman()
{
    static const Alphabet alphabet{
        withOperators(
            {{'I', {{{0, 0}, Upright}}},
             {'V', {{{-VStrokeAside, 0}, FallingRight}, {{VStrokeAside, 0}, RisingRight}}},
             {'X', {{{0, 0}, RisingRight}, {{0, 0}, FallingRight}}}}),
        romanValue};
    return alphabet;
}

const Alphabet &digits()
{
    static const Alphabet alphabet{
        withOperators({digit('0', "abcdef"), digit('1', "bc"), digit('2', "abdeg"),
                       digit('3', "abcdg"), digit('4', "bcfg"), digit('5', "acdfg"),
                       digit('6', "acdefg"), digit('7', "abc"), digit('8', "abcdefg"),
                       digit('9', "abcdfg")}),
        decimalValue};
    return alphabet;
}

struct Candidate
{
    const Glyph *glyph;
    PatternFit fit;
};

// More strokes win, so a digit is not taken for the fewer segments of one it
// contains; then the closer fit, so a sloppy X is not taken for a V.
bool isBetter(const PatternFit &fit, const std::optional<Candidate> &best)
{
    if (!best)
        return true;
    const size_t size = best->fit.strokes.size();
    return fit.strokes.size() > size ||
           (fit.strokes.size() == size && fit.misfit < best->fit.misfit);
}

// The glyph the anchor stroke is part of.
std::optional<GlyphPlace> glyphAt(const std::vector<Stroke> &strokes, std::vector<bool> &taken,
                                  const std::vector<Glyph> &glyphs, size_t anchor)
{
    std::optional<Candidate> best;
    for (const Glyph &glyph : glyphs)
        for (size_t k = 0; k < glyph.slots.size(); ++k) {
            if (glyph.slots[k].direction != strokes[anchor].direction)
                continue;
            auto fit = fitPattern(strokes, taken, glyph.slots, anchor, k);
            if (fit && isBetter(*fit, best))
                best = Candidate{&glyph, std::move(*fit)};
        }
    if (!best)
        return std::nullopt;
    for (size_t stroke : best->fit.strokes)
        taken[stroke] = true;
    return GlyphPlace{best->glyph->symbol, best->fit.reference, best->fit.strokes};
}

// Nothing when a stroke belongs to no glyph.
std::optional<std::vector<GlyphPlace>> glyphsIn(const std::vector<Stroke> &strokes,
                                                const std::vector<Glyph> &glyphs)
{
    std::vector<bool> taken(strokes.size(), false);
    std::vector<GlyphPlace> read;
    for (size_t i = 0; i < strokes.size(); ++i) {
        if (taken[i])
            continue;
        const std::optional<GlyphPlace> glyph = glyphAt(strokes, taken, glyphs, i);
        if (!glyph)
            return std::nullopt;
        read.push_back(*glyph);
    }
    return read;
}

// Nothing when a line after the first does not start with "=".
std::optional<std::string> textOf(const std::vector<GlyphPlace> &glyphs)
{
    std::string text;
    for (const std::vector<const GlyphPlace *> &line : linesOf(glyphs)) {
        if (!text.empty() && line.front()->symbol != '=')
            return std::nullopt;
        for (const GlyphPlace *g : line)
            text += g->symbol;
    }
    return text;
}

struct Terms
{
    std::string left;
    char operation;
    std::string right;
    std::string result;
};

bool isNumber(const std::string &term)
{
    return !term.empty() && term.find_first_of("+-=") == std::string::npos;
}

std::optional<Terms> termsOf(const std::string &text)
{
    const size_t operation = text.find_first_of("+-");
    const size_t equals = text.find('=');
    if (operation == std::string::npos || equals == std::string::npos)
        return std::nullopt;
    Terms terms{text.substr(0, operation), text[operation],
                text.substr(operation + 1, equals - operation - 1), text.substr(equals + 1)};
    if (!isNumber(terms.left) || !isNumber(terms.right) || !isNumber(terms.result))
        return std::nullopt;
    return terms;
}

std::optional<bool> holds(const Terms &terms, const Alphabet &alphabet)
{
    const auto left = alphabet.value(terms.left);
    const auto right = alphabet.value(terms.right);
    const auto result = alphabet.value(terms.result);
    if (!left || !right || !result)
        return std::nullopt;
    return (terms.operation == '+' ? *left + *right : *left - *right) == *result;
}

const Alphabet &alphabetOf(bool roman)
{
    return roman ? board::roman() : digits();
}

} // namespace

std::vector<std::vector<const GlyphPlace *>> linesOf(const std::vector<GlyphPlace> &glyphs)
{
    std::vector<const GlyphPlace *> order;
    for (const GlyphPlace &g : glyphs)
        order.push_back(&g);
    std::sort(order.begin(), order.end(),
              [](const GlyphPlace *a, const GlyphPlace *b) { return a->middle.y < b->middle.y; });
    std::vector<std::vector<const GlyphPlace *>> lines;
    for (size_t k = 0; k < order.size(); ++k) {
        if (k == 0 || order[k]->middle.y - order[k - 1]->middle.y > LineSpread)
            lines.emplace_back();
        lines.back().push_back(order[k]);
    }
    for (auto &line : lines)
        std::sort(line.begin(), line.end(), [](const GlyphPlace *a, const GlyphPlace *b) {
            return a->middle.x < b->middle.x;
        });
    return lines;
}

std::optional<EquationReading> readPlaces(const std::vector<GlyphPlace> &glyphs, bool roman)
{
    const auto text = textOf(glyphs);
    const auto terms = text ? termsOf(*text) : std::nullopt;
    const auto truth = terms ? holds(*terms, alphabetOf(roman)) : std::nullopt;
    if (!truth)
        return std::nullopt;
    return EquationReading{*text, *truth};
}

std::optional<GlyphLayout> readGlyphs(const Arrangement &box)
{
    const std::vector<Stroke> strokes = strokesOf(box);
    for (const bool roman : {true, false}) {
        auto glyphs = glyphsIn(strokes, alphabetOf(roman).glyphs);
        if (!glyphs)
            continue;
        if (auto reading = readPlaces(*glyphs, roman))
            return GlyphLayout{roman, std::move(*glyphs), std::move(*reading)};
    }
    return std::nullopt;
}

std::optional<EquationReading> readEquation(const Arrangement &box)
{
    const std::optional<GlyphLayout> layout = readGlyphs(box);
    if (!layout)
        return std::nullopt;
    return layout->reading;
}

const std::vector<Slot> &glyphSlots(bool roman, char symbol)
{
    static const std::vector<Slot> none;
    for (const Glyph &glyph : alphabetOf(roman).glyphs)
        if (glyph.symbol == symbol)
            return glyph.slots;
    return none;
}

} // namespace board
