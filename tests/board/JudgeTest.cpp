// The judge: goals as the file names them, and a box judged by its goal
// within the moves allowed.
#include "board/Judge.h"

#include <gtest/gtest.h>

namespace board {
namespace {

TEST(Judge, GoalsAreReadAsTheFileNamesThem)
{
    // clang-format off
    const struct { const char *text; std::optional<Goal> goal; } cases[] = {
        {"", Goal{}}, {"figure", Goal{}}, {"  figure ", Goal{}},
        {"squares 5", Goal{Goal::Squares, 5, false}}, {"squares 3 equal", Goal{Goal::Squares, 3, true}},
        {"triangles 4", Goal{Goal::Triangles, 4, false}}, {"equation", Goal{Goal::Equation, 0, false}},
        {"squares", std::nullopt}, {"squares -1", std::nullopt}, {"squares 3 same", std::nullopt},
        {"squares 3 equal more", std::nullopt}, {"figure 2", std::nullopt}, {"circles 3", std::nullopt},
        {"equation 2", std::nullopt},
    };
    // clang-format on
    for (const auto &c : cases)
        EXPECT_EQ(parseGoal(c.text), c.goal) << '"' << c.text << '"';
}

// A unit square: two lying matches and two upright ones, 100 px apart.
const Arrangement Square = {{3, -4, 4}, {3, 96, 4}, {-4, 3, 0}, {96, 3, 0}};

TEST(Judge, AFigureIsJudgedAnywhereAndOnlyWithinTheMovesAllowed)
{
    const Arrangement start = {{200, 0, 0}, {3, 96, 4}, {-4, 3, 0}, {96, 3, 0}};
    PuzzleRules rules{Goal{}, 1, start, Square};
    Arrangement box = start;
    box[0] = {3 + 40, -4 + 60, 4}; // the figure lies 40, 60 further
    for (storage::MatchPlacement &m : box)
        if (&m != &box[0])
            m = {std::int16_t(m.x + 40), std::int16_t(m.y + 60), m.o};
    Verdict verdict = judge(rules, box);
    EXPECT_TRUE(verdict.goalMet) << "shifted as a whole";
    EXPECT_EQ(verdict.moves, 4);
    EXPECT_FALSE(verdict.solved()) << "but four matches moved, one allowed";
    box = start;
    box[0] = {3, -4, 12}; // the head the other way
    verdict = judge(rules, box);
    EXPECT_TRUE(verdict.solved());
    EXPECT_EQ(verdict.moves, 1);
    rules.solution.clear();
    EXPECT_FALSE(judge(rules, box).goalMet) << "no stored figure, nothing to make";
}

TEST(Judge, ShapeGoalsCountEveryShapeAndEqualAsksForOneSize)
{
    const Arrangement none;
    const struct
    {
        const char *goal;
        bool met;
    } cases[] = {{"squares 1", true},
                 {"squares 1 equal", true},
                 {"squares 2", false},
                 {"triangles 1", false},
                 {"equation", false}};
    for (const auto &c : cases)
        EXPECT_EQ(judge({*parseGoal(c.goal), 0, none, none}, Square).goalMet, c.met) << c.goal;
    EXPECT_EQ(judge({*parseGoal("squares 3 equal"), 0, none, none}, Square).achieved,
              "3 equal squares");
}

} // namespace
} // namespace board
