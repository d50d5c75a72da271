#include "tools/puzzles/Difficulty.h"

#include <algorithm>
#include <set>

namespace puzzles {
namespace {

constexpr int ChoiceWeight = 10;
constexpr int WayWeight = 2;
constexpr int EqualWeight = 4;
// Beyond a few ways to solve a puzzle, more make it no easier to find one.
constexpr int MostCountedWays = 4;

int choices(Change change, int moves)
{
    return change == Change::Move ? 2 * moves : moves;
}

} // namespace

int answerWays(const std::vector<board::Answer> &answers)
{
    std::set<std::string> sums;
    int ways = 0;
    for (const board::Answer &answer : answers) {
        const bool sum = answer.achieved.find('=') != std::string::npos;
        ways += sum ? int(sums.insert(answer.achieved).second) : 1;
    }
    return ways;
}

int difficulty(Change change, int moves, int matches, int ways, bool equal)
{
    return ChoiceWeight * choices(change, moves) + matches -
           WayWeight * (std::min(ways, MostCountedWays) - 1) + (equal ? EqualWeight : 0);
}

int mostWays(Change change, int moves)
{
    const int n = choices(change, moves);
    return n <= 4 ? 3 : n <= 6 ? 2 : 1;
}

} // namespace puzzles
