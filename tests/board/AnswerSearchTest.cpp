// The answer search: every arrangement of the box that meets the goal
// within the moves allowed, shifts of one figure counted once.
#include "board/AnswerSearch.h"

#include "MatchFigures.h"
#include "Typeset.h"

#include <gtest/gtest.h>

#include <set>

namespace board {
namespace {

using namespace figures;

const Arrangement Square = shifted(grid(1, 1), 20, 20);

Arrangement without(Arrangement box, std::initializer_list<size_t> matches)
{
    for (auto m = std::rbegin(matches); m != std::rend(matches); ++m)
        box.erase(box.begin() + static_cast<std::ptrdiff_t>(*m));
    return box;
}

// An up and a down triangle sharing a side: the up one's left, right and
// base, then the down one's top and right.
Arrangement rhombus()
{
    const Point apex = corner(1, 0), left = corner(0, 1), right = corner(1, 1), far = corner(2, 0);
    return shifted({between(apex, left, 1), between(apex, right, 15), between(left, right, 4),
                    between(apex, far, 4), between(far, right, 1)},
                   80, 20);
}

Goal goal(const char *text)
{
    return *parseGoal(text);
}

std::multiset<std::string> achieved(const std::vector<Answer> &answers)
{
    std::multiset<std::string> texts;
    for (const Answer &answer : answers)
        texts.insert(answer.achieved + " in " + std::to_string(answer.moves));
    return texts;
}

TEST(AnswerSearch, FindsEveryAnswerWithinTheMovesAndCountsShiftsOnce)
{
    const Arrangement strayRight = nudged(Square, 3, 200, 0);
    const Arrangement roman = typeset("VI-IV=IX");
    const Arrangement digits = typeset("6+4=4");
    // clang-format off
    const struct { const char *name; PuzzleRules rules; Room room; std::multiset<std::string> answers; } cases[] = {
        {"a side moved back", {Goal{}, 1, strayRight, Square}, {}, {"the figure in 1"}},
        {"no room for the figure", {Goal{}, 1, strayRight, Square}, {100, 100}, {}},
        {"the far side back", {goal("squares 1"), 1, strayRight, {}, 4}, {}, {"1 square in 1"}},
        {"a corner of the window taken", {goal("squares 3"), 2, shifted(grid(2, 2), 20, 20), {}, 10},
         {}, {"3 squares in 2", "3 squares in 2", "3 squares in 2", "3 squares in 2"}},
        {"five equal of the nine", {goal("squares 5 equal"), 4, shifted(grid(3, 3), 20, 20), {}, 20},
         {}, {"5 equal squares in 4"}},
        {"a square closed from the matchbox", {goal("squares 1"), 2, without(Square, {1, 3}), {}, 4},
         {}, {"1 square in 2"}},
        {"either triangle of a rhombus", {goal("triangles 1"), 2, rhombus(), {}, 3},
         {}, {"1 triangle in 2", "1 triangle in 2"}},
        {"roman signs and numbers", {goal("equation"), 1, roman, {}, int(roman.size())},
         {}, {"VI+IV=X in 1", "V+IV=IX in 1"}},
        {"a roman number grows", {goal("equation"), 1, typeset("X+I=X"), {}, 0},
         {}, {"X+I=XI in 1", "X-I=IX in 1", "IX+I=X in 1", "XI-I=X in 1"}},
        {"digits and signs", {goal("equation"), 1, digits, {}, int(digits.size())},
         {}, {"8-4=4 in 1", "0+4=4 in 1"}},
    };
    // clang-format on
    for (const auto &c : cases) {
        bool exhaustive = false;
        const std::vector<Answer> answers = findAnswers(c.rules, c.room, &exhaustive);
        EXPECT_EQ(achieved(answers), c.answers) << c.name;
        EXPECT_TRUE(exhaustive) << c.name;
        for (const Answer &answer : answers)
            EXPECT_TRUE(judge(c.rules, answer.box).solved()) << c.name;
    }
}

} // namespace
} // namespace board
