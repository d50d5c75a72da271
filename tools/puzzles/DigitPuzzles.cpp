// Sums of seven-segment digits made true by moving, taking away or adding
// one match: every false sum of single digits with a result of one or two
// digits, for the answer search to tell which are one match from a true
// sum, and in how few ways.
#include "tools/puzzles/Candidates.h"
#include "tools/puzzles/RomanType.h"

namespace puzzles {
namespace {

// Single digits sum to eighteen at most; larger results are left out to
// keep the search short.
constexpr int MostResult = 19;

Figure allOf(const std::string &left, const std::string &right)
{
    Figure figure;
    for (const auto &[text, line] : {std::pair(left, 0), std::pair(right, 1)})
        for (const Figure &g : typeset(text, line))
            figure.insert(figure.end(), g.begin(), g.end());
    return figure;
}

// The left-hand side made anew, the result kept: a digit and the operator
// take their new glyphs in the same places.
Candidate classic(const std::string &left, const std::string &right, const std::string &solved)
{
    const Figure start = allOf(left, right);
    Candidate c = classicCandidate("equation", start, allOf(solved, right));
    c.sum = left + " " + right;
    return c;
}

const std::pair<Change, int> Changes[] = {
    {Change::Move, 1}, {Change::TakeAway, 1}, {Change::Add, 1}};

} // namespace

std::vector<Candidate> digitCandidates()
{
    std::vector<Candidate> candidates = {classic("6 + 4", "= 4", "8 - 4"),
                                         classic("5 + 7", "= 2", "9 - 7")};
    for (const char op : {'+', '-'})
        for (int a = 0; a <= 9; ++a)
            for (int b = 0; b <= 9; ++b) {
                const std::string left = std::to_string(a) + " " + op + " " + std::to_string(b);
                for (int c = 0; c <= MostResult; ++c) {
                    if (c == (op == '+' ? a + b : a - b))
                        continue;
                    const std::string sum = left + " = " + std::to_string(c);
                    for (const auto &[change, moves] : Changes) {
                        Candidate candidate{"equation", sumFigure(sum), change, moves};
                        candidate.sum = sum;
                        candidate.family = left;
                        candidates.push_back(std::move(candidate));
                    }
                }
            }
    return candidates;
}

} // namespace puzzles
