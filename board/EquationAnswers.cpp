// Equations: each glyph may turn into another of its kind where it stands
// (a digit into a digit, a letter into a letter or nothing, + into -), and
// each number may grow by a glyph at either end. The search walks the
// glyphs, keeping count of the matches taken and added, and reads the
// equation only once every glyph has its choice.
#include "board/AnswerCandidates.h"

#include "board/EquationReading.h"
#include "board/Orientations.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace board {

namespace {

constexpr char Blank = ' ';
// Digit cells of one number stand this far apart, middle to middle.
constexpr double DigitCellStep = 150;
// Room between the letters of one Roman numeral.
constexpr double LetterGap = 8;

bool isOperator(char symbol)
{
    return symbol == '+' || symbol == '-' || symbol == '=';
}

bool samePlace(const Slot &a, const Slot &b)
{
    return a.direction == b.direction && std::abs(a.offset.x - b.offset.x) < 0.5 &&
           std::abs(a.offset.y - b.offset.y) < 0.5;
}

// One thing a glyph's place may become.
struct Choice
{
    char symbol;
    std::vector<size_t> kept; // matches of the start that stay
    std::vector<Slot> added;  // places of new matches around the middle
    int taken;                // matches of the start that go
};

struct Site
{
    Spot middle;
    std::vector<Choice> choices;
};

Choice choiceOf(bool roman, const GlyphPlace *now, char symbol)
{
    const std::vector<Slot> none;
    const std::vector<Slot> &from = now ? glyphSlots(roman, now->symbol) : none;
    const std::vector<Slot> &to = symbol == Blank ? none : glyphSlots(roman, symbol);
    Choice choice{symbol, {}, {}, 0};
    for (const Slot &slot : to) {
        const auto same = std::find_if(from.begin(), from.end(),
                                       [&](const Slot &s) { return samePlace(s, slot); });
        if (same == from.end())
            choice.added.push_back(slot);
        else
            choice.kept.push_back(now->matches[static_cast<size_t>(same - from.begin())]);
    }
    choice.taken = static_cast<int>(from.size() - choice.kept.size());
    return choice;
}

std::string symbolsFor(bool roman, char symbol, bool mayVanish)
{
    std::string symbols = roman ? "IVX" : "0123456789";
    if (symbol == '+' || symbol == '-')
        symbols = "+-";
    else if (symbol == '=')
        symbols = "=";
    return mayVanish ? symbols + Blank : symbols;
}

Site siteOf(bool roman, const GlyphPlace *now, Spot middle, bool mayVanish)
{
    Site site{middle, {}};
    for (char symbol : symbolsFor(roman, now ? now->symbol : '0', mayVanish))
        site.choices.push_back(choiceOf(roman, now, symbol));
    return site;
}

// How far a glyph reaches left and right of its middle.
double halfWidth(bool roman, char symbol)
{
    double half = 0;
    for (const Slot &slot : glyphSlots(roman, symbol))
        half = std::max(half, std::abs(slot.offset.x) +
                                  Orientations[static_cast<size_t>(slot.direction)].width / 2.0);
    return half;
}

// The middle of a new glyph beside an end glyph of a number, on its side.
Spot besideOf(bool roman, const GlyphPlace &end, int side)
{
    const double step =
        roman ? halfWidth(true, end.symbol) + LetterGap + halfWidth(true, 'I') : DigitCellStep;
    return {end.middle.x + side * step, end.middle.y};
}

std::vector<Site> sitesOf(const GlyphLayout &layout)
{
    const bool roman = layout.roman;
    std::vector<const GlyphPlace *> order;
    for (const auto &line : linesOf(layout.glyphs))
        order.insert(order.end(), line.begin(), line.end());
    std::vector<Site> sites;
    for (size_t k = 0; k < order.size(); ++k) {
        const GlyphPlace &g = *order[k];
        if (isOperator(g.symbol)) {
            sites.push_back(siteOf(roman, &g, g.middle, false));
            continue;
        }
        const bool first = k == 0 || isOperator(order[k - 1]->symbol);
        const bool last = k + 1 == order.size() || isOperator(order[k + 1]->symbol);
        // Letters may vanish; a digit only from a number that keeps one.
        const bool mayVanish = roman || !(first && last);
        if (first)
            sites.push_back(siteOf(roman, nullptr, besideOf(roman, g, -1), true));
        sites.push_back(siteOf(roman, &g, g.middle, mayVanish));
        if (last)
            sites.push_back(siteOf(roman, nullptr, besideOf(roman, g, 1), true));
    }
    return sites;
}

class GlyphWalk
{
public:
    GlyphWalk(const Arrangement &start, const GlyphLayout &layout, int moves, int answerMatches)
        : m_start(start)
        , m_roman(layout.roman)
        , m_sites(sitesOf(layout))
        , m_moves(moves)
        , m_answerMatches(answerMatches)
        , m_picked(m_sites.size())
    {
    }

    std::vector<Arrangement> walk()
    {
        step(0, 0, 0);
        return std::move(m_candidates);
    }

private:
    void step(size_t site, int taken, int added)
    {
        if (site == m_sites.size()) {
            const int matches = static_cast<int>(m_start.size()) - taken + added;
            if (taken + added > 0 && (!m_answerMatches || matches == m_answerMatches))
                settle();
            return;
        }
        for (const Choice &choice : m_sites[site].choices) {
            const int t = taken + choice.taken;
            const int a = added + static_cast<int>(choice.added.size());
            if (t > m_moves || a > m_moves)
                continue;
            m_picked[site] = &choice;
            step(site + 1, t, a);
        }
    }

    void settle()
    {
        std::vector<GlyphPlace> glyphs;
        for (size_t s = 0; s < m_sites.size(); ++s)
            if (m_picked[s]->symbol != Blank)
                glyphs.push_back({m_picked[s]->symbol, m_sites[s].middle, {}});
        const std::optional<EquationReading> reading = readPlaces(glyphs, m_roman);
        if (reading && reading->holds)
            m_candidates.push_back(arrangement());
    }

    Arrangement arrangement() const
    {
        Arrangement box;
        for (size_t s = 0; s < m_sites.size(); ++s) {
            for (size_t match : m_picked[s]->kept)
                box.push_back(m_start[match]);
            const Spot middle = m_sites[s].middle;
            for (const Slot &slot : m_picked[s]->added)
                box.push_back(placementOf(
                    Stroke{{middle.x + slot.offset.x, middle.y + slot.offset.y}, slot.direction}));
        }
        return box;
    }

    const Arrangement &m_start;
    bool m_roman;
    std::vector<Site> m_sites;
    int m_moves;
    int m_answerMatches;
    std::vector<const Choice *> m_picked;
    std::vector<Arrangement> m_candidates;
};

} // namespace

std::vector<Arrangement> equationCandidates(const PuzzleRules &rules, int moves)
{
    const std::optional<GlyphLayout> layout = readGlyphs(rules.start);
    if (!layout)
        return {};
    return GlyphWalk(rules.start, *layout, moves, rules.answerMatches).walk();
}

} // namespace board
