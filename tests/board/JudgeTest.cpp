// The judge: goals as the file names them, and a box judged by its goal
// within the moves allowed.
#include "board/Judge.h"

#include "MatchFigures.h"

#include <gtest/gtest.h>

namespace board {
namespace {

TEST(Judge, GoalsAreReadAsTheFileNamesThem)
{
    // clang-format off
    const struct { const char *text; std::optional<Goal> goal; } cases[] = {
        {"", Goal{}}, {"  figure ", Goal{}}, {"squares 3 equal", Goal{Goal::Squares, 3, true}},
        {"triangles 4", Goal{Goal::Triangles, 4, false}},
        {"equation", Goal{Goal::Equation, 0, false}},
        {"squares", std::nullopt}, {"squares -1", std::nullopt}, {"squares 3 same", std::nullopt},
        {"squares 3 equal more", std::nullopt}, {"figure 2", std::nullopt},
        {"circles 3", std::nullopt}, {"equation 2", std::nullopt},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(parseGoal(c.text), c.goal) << '"' << c.text << '"';
}

const Arrangement Square = figures::grid(1, 1);

TEST(Judge, AFigureIsJudgedAnywhereAndOnlyWithinTheMovesAllowed)
{
    Arrangement start = Square, turned = Square;
    start[0] = {200, 0, 0};
    turned[0].o = 12; // the head the other way
    PuzzleRules rules{Goal{}, 1, start, Square};
    const Verdict moved = judge(rules, figures::shifted(Square, 40, 60));
    EXPECT_TRUE(moved.goalMet) << "shifted as a whole";
    EXPECT_EQ(moved.moves, 4);
    EXPECT_FALSE(moved.solved()) << "but four matches moved, one allowed";
    EXPECT_TRUE(judge(rules, turned).solved());
    EXPECT_EQ(judge(rules, turned).moves, 1);
    rules.solution.clear();
    EXPECT_FALSE(judge(rules, turned).goalMet) << "no stored figure, nothing to make";
}

TEST(Judge, ShapeGoalsCountEveryShapeAndEqualAsksForOneSize)
{
    const auto verdict = [](const char *goal) {
        return judge({*parseGoal(goal), 0, {}, {}}, Square);
    };
    // clang-format off
    const struct { const char *goal; bool met; } cases[] = {
        {"squares 1", true}, {"squares 1 equal", true}, {"squares 2", false},
        {"triangles 1", false}, {"equation", false},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(verdict(c.goal).goalMet, c.met) << c.goal;
    EXPECT_EQ(verdict("squares 3 equal").achieved, "3 equal squares");
    Arrangement loose = Square; // a taken match left in the box
    loose.push_back({300, 300, 2});
    EXPECT_FALSE(judge({*parseGoal("squares 1"), 0, {}, {}}, loose).goalMet);
    EXPECT_FALSE(judge({*parseGoal("squares 1"), 0, {}, {}, 5}, Square).goalMet)
        << "five matches asked for, four in the box";
}

} // namespace
} // namespace board
