#include "board/Judge.h"

#include "board/EquationReading.h"
#include "board/ShapeCount.h"

#include <sstream>

namespace board {

namespace {

std::optional<Goal> shapesGoal(Goal::Kind kind, std::istringstream &words)
{
    Goal goal{kind, 0, false};
    if (!(words >> goal.count) || goal.count < 0)
        return std::nullopt;
    std::string rest;
    if (words >> rest) {
        if (rest != "equal")
            return std::nullopt;
        goal.equal = true;
    }
    if (words >> rest)
        return std::nullopt;
    return goal;
}

std::string shapesText(const Goal &goal, const char *shape)
{
    return std::to_string(goal.count) + (goal.equal ? " equal " : " ") + shape +
           (goal.count == 1 ? "" : "s");
}

// Whether the box meets the goal, and what it makes when it does.
bool goalMet(const PuzzleRules &rules, const Arrangement &box, std::string &achieved)
{
    const Goal &goal = rules.goal;
    switch (goal.kind) {
    case Goal::Figure:
        achieved = "the figure";
        return !rules.solution.empty() && SameFigure(box, rules.solution);
    case Goal::Squares:
    case Goal::Triangles: {
        const bool squares = goal.kind == Goal::Squares;
        const ShapeCount shapes = squares ? countSquares(box) : countTriangles(box);
        achieved = shapesText(goal, squares ? "square" : "triangle");
        return shapes.shapes == goal.count && shapes.everyMatchUsed &&
               (!goal.equal || shapes.allOneSize);
    }
    case Goal::Equation: {
        const std::optional<EquationReading> reading = readEquation(box);
        achieved = reading ? reading->text : std::string();
        return reading && reading->holds;
    }
    }
    return false;
}

} // namespace

std::optional<Goal> parseGoal(std::string_view text)
{
    std::istringstream words{std::string(text)};
    std::string kind;
    if (!(words >> kind) || kind == "figure") {
        std::string rest;
        return words >> rest ? std::nullopt : std::optional<Goal>(Goal{});
    }
    if (kind == "squares")
        return shapesGoal(Goal::Squares, words);
    if (kind == "triangles")
        return shapesGoal(Goal::Triangles, words);
    std::string rest;
    if (kind == "equation" && !(words >> rest))
        return Goal{Goal::Equation, 0, false};
    return std::nullopt;
}

Verdict judge(const PuzzleRules &rules, const Arrangement &box)
{
    Verdict verdict;
    verdict.moves = CountMoves(rules.start, box);
    verdict.overLimit = rules.moveLimit > 0 && verdict.moves > rules.moveLimit;
    verdict.goalMet =
        goalMet(rules, box, verdict.achieved) &&
        (rules.answerMatches == 0 || box.size() == static_cast<size_t>(rules.answerMatches));
    return verdict;
}

} // namespace board
