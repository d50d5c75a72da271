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

const Changes OneMatch = {{Change::Move, 1}, {Change::TakeAway, 1}, {Change::Add, 1}};

} // namespace

std::vector<Candidate> digitCandidates()
{
    // The result is kept; a digit and the operator take new glyphs in place.
    std::vector<Candidate> candidates = {classicSum("6 + 4 = 4", "8 - 4 = 4"),
                                         classicSum("5 + 7 = 2", "9 - 7 = 2")};
    for (const char op : {'+', '-'})
        for (int a = 0; a <= 9; ++a)
            for (int b = 0; b <= 9; ++b) {
                const std::string left = std::to_string(a) + " " + op + " " + std::to_string(b);
                for (int c = 0; c <= MostResult; ++c)
                    if (c != (op == '+' ? a + b : a - b))
                        addFalseSum(candidates, left, std::to_string(c), OneMatch);
            }
    return candidates;
}

} // namespace puzzles
