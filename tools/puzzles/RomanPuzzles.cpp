// Roman sums made true by moving, taking away or adding matches: every
// false sum of small numbers that fits a box, for the answer search to
// tell which are one or two matches from a true one, and in how few ways.
#include "tools/puzzles/Candidates.h"
#include "tools/puzzles/RomanType.h"

namespace puzzles {
namespace {

// Numbers up to twenty keep a sum short enough to read at a glance.
constexpr int MostValue = 20;
// The left-hand side leaves room for a letter more on each side of a box
// 377 pixels wide.
constexpr double MostLineWidth = 330;

Candidate classic(const std::string &sum, const Figure &start, const Figure &solution)
{
    Candidate c = classicCandidate("equation", start, solution);
    c.sum = sum;
    return c;
}

Candidate sixMinusFour()
{
    const auto top = typeset("VI - IV", 0);
    const Figure sum = sumFigure("VI - IV = IX");
    return classic("VI - IV = IX", sum,
                   joined(without(sum, top[1]), {upright(top[2][0].centre.x, 0)}));
}

Candidate nineMinusFive()
{
    const auto bottom = typeset("= VI", 1);
    const Figure sum = sumFigure("IX - V = VI");
    return classic("IX - V = VI", sum, joined(without(sum, bottom[2]), {oneBeside(bottom[1], -1)}));
}

Candidate elevenPlusOne()
{
    const auto top = typeset("XI + I", 0);
    const auto bottom = typeset("= X", 1);
    const Figure sum = sumFigure("XI + I = X");
    return classic("XI + I = X", sum, joined(without(sum, top[1]), {oneBeside(bottom[1], 1)}));
}

Candidate sevenPlusOne()
{
    const auto top = typeset("VII + I", 0);
    const auto bottom = typeset("= V", 1);
    const Figure sum = sumFigure("VII + I = V");
    return classic("VII + I = V", sum,
                   joined(without(sum, {top[3][1]}), {oneBeside(bottom[1], 1)}));
}

// One match moved, taken away or added, and two moved.
const Changes OneOrTwoMatches = {
    {Change::Move, 1}, {Change::TakeAway, 1}, {Change::Add, 1}, {Change::Move, 2}};

} // namespace

std::vector<Candidate> romanCandidates()
{
    std::vector<Candidate> candidates = {sixMinusFour(), nineMinusFive(), elevenPlusOne(),
                                         sevenPlusOne()};
    for (const char op : {'+', '-'})
        for (int a = 1; a <= MostValue; ++a)
            for (int b = 1; b <= MostValue; ++b) {
                const std::string left = romanNumeral(a) + " " + op + " " + romanNumeral(b);
                if (lineWidth(left) > MostLineWidth)
                    continue;
                for (int c = 1; c <= MostValue; ++c)
                    if (c != (op == '+' ? a + b : a - b))
                        addFalseSum(candidates, left, romanNumeral(c), OneOrTwoMatches);
            }
    return candidates;
}

} // namespace puzzles
