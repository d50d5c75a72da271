#include "tools/puzzles/Candidates.h"

#include "tools/puzzles/RomanType.h"

namespace puzzles {

int answerMatches(const Candidate &candidate)
{
    const int size = static_cast<int>(candidate.start.size());
    switch (candidate.change) {
    case Change::TakeAway:
        return size - candidate.moves;
    case Change::Add:
        return size + candidate.moves;
    case Change::Move:
        break;
    }
    return size;
}

Candidate classicCandidate(std::string goal, Figure start, Figure solution)
{
    const int moves = movesBetween(start, solution);
    const Change change = solution.size() < start.size()   ? Change::TakeAway
                          : solution.size() > start.size() ? Change::Add
                                                           : Change::Move;
    Candidate candidate{std::move(goal), std::move(start), change, moves, std::move(solution)};
    candidate.classic = true;
    return candidate;
}

namespace {

std::string counted(int count, const std::string &noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : noun == "match" ? "es" : "s");
}

// "5 squares", "3 equal triangles", or the sum.
std::string aimText(const std::string &goal, bool left)
{
    if (goal == "equation")
        return "the sum true";
    const std::string noun = goal.rfind("squares", 0) == 0 ? "square" : "triangle";
    const int count = std::stoi(goal.substr(goal.find(' ') + 1));
    const bool equal = goal.size() > 6 && goal.compare(goal.size() - 6, 6, " equal") == 0;
    const std::string shapes = counted(count, (equal ? "equal " : "") + noun);
    return left ? shapes + (count == 1 ? " is left" : " are left") : shapes;
}

} // namespace

std::string instructionsFor(Change change, int moves, const std::string &goal)
{
    const std::string matches = counted(moves, "match");
    const bool sum = goal == "equation";
    switch (change) {
    case Change::TakeAway:
        return "Take away " + matches + " (back to the matchbox) " +
               (sum ? "to make " + aimText(goal, false)
                    : "so that exactly " + aimText(goal, true)) +
               ".";
    case Change::Add:
        return "Add " + matches + " (from the matchbox) to make " + aimText(goal, false) + ".";
    case Change::Move:
        break;
    }
    return "Move " + matches + " to make " + aimText(goal, false) + ".";
}

Candidate classicSum(const std::string &sum, const std::string &solved)
{
    Candidate c = classicCandidate("equation", sumFigure(sum), sumFigure(solved));
    c.sum = sum;
    return c;
}

void addFalseSum(std::vector<Candidate> &candidates, const std::string &left,
                 const std::string &result, const Changes &changes)
{
    const std::string sum = left + " = " + result;
    for (const auto &[change, moves] : changes) {
        Candidate candidate{"equation", sumFigure(sum), change, moves};
        candidate.sum = sum;
        candidate.family = left;
        candidates.push_back(std::move(candidate));
    }
}

} // namespace puzzles
