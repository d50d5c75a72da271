#include "board/ArrangementMatch.h"

#include <gtest/gtest.h>

using board::Arrangement;
using board::CountMoves;
using board::SameFigure;

namespace {

// Four matches, two upright and two lying.
const Arrangement Square = {{0, 0, 0}, {86, 0, 0}, {-43, -43, 4}, {-43, 43, 4}};

Arrangement shifted(Arrangement a, int dx, int dy)
{
    for (storage::MatchPlacement &m : a) {
        m.x = static_cast<std::int16_t>(m.x + dx);
        m.y = static_cast<std::int16_t>(m.y + dy);
    }
    return a;
}

struct FigureCase
{
    const char *name;
    Arrangement current;
    bool solved;
};

class SameFigureTest : public ::testing::TestWithParam<FigureCase>
{
};

TEST_P(SameFigureTest, ComparesWithTheSquare)
{
    EXPECT_EQ(SameFigure(GetParam().current, Square), GetParam().solved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SameFigureTest,
    ::testing::Values(
        FigureCase{"exact", Square, true},
        FigureCase{"shiftedFarAway", shifted(Square, 217, -140), true},
        FigureCase{
            "listedInAnotherOrder", {{-43, 43, 4}, {86, 0, 0}, {0, 0, 0}, {-43, -43, 4}}, true},
        FigureCase{"headsTurnedRound", {{0, 0, 8}, {86, 0, 0}, {-43, -43, 12}, {-43, 43, 4}}, true},
        FigureCase{"placedByHandWithinTolerance",
                   {{3, -4, 0}, {84, 2, 0}, {-45, -41, 4}, {-40, 46, 4}},
                   true},
        FigureCase{
            "oneMatchTooFarOff", {{0, 0, 0}, {86, 0, 0}, {-43, -43, 4}, {-43, 70, 4}}, false},
        FigureCase{
            "neighbouringOrientation", {{0, 0, 1}, {86, 0, 0}, {-43, -43, 4}, {-43, 43, 4}}, false},
        FigureCase{
            "twoMatchesOnOneSide", {{0, 0, 0}, {0, 0, 0}, {-43, -43, 4}, {-43, 43, 4}}, false},
        FigureCase{"oneMatchMissing", {{0, 0, 0}, {86, 0, 0}, {-43, -43, 4}}, false},
        FigureCase{"oneMatchTooMany",
                   {{0, 0, 0}, {86, 0, 0}, {-43, -43, 4}, {-43, 43, 4}, {200, 0, 0}},
                   false},
        FigureCase{"empty", {}, false}),
    [](const ::testing::TestParamInfo<FigureCase> &info) { return info.param.name; });

TEST(SameFigure, PairsEachMatchWithItsOwnTargetWhenNeighboursAreClose)
{
    // Two parallel matches 20 px apart: a greedy nearest choice for the first
    // match would take the second one's target.
    const Arrangement target = {{0, 0, 0}, {20, 0, 0}};
    EXPECT_TRUE(SameFigure({{10, 0, 0}, {30, 0, 0}}, target, 12));
    EXPECT_FALSE(SameFigure({{10, 0, 0}, {10, 0, 0}}, target, 9));
}

struct MovesCase
{
    const char *name;
    Arrangement current;
    int moves;
};

class CountMovesTest : public ::testing::TestWithParam<MovesCase>
{
};

TEST_P(CountMovesTest, CountsAgainstTheStart)
{
    EXPECT_EQ(CountMoves(Square, GetParam().current), GetParam().moves);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountMovesTest,
    ::testing::Values(
        MovesCase{"untouched", Square, 0},
        MovesCase{"draggedAwayAndBack", {{-43, 43, 4}, {86, 0, 0}, {0, 0, 0}, {-43, -43, 4}}, 0},
        MovesCase{"oneMoved", {{0, 0, 0}, {86, 0, 0}, {-43, -43, 4}, {100, 43, 4}}, 1},
        MovesCase{"oneTurnedRoundInPlace", {{0, 0, 8}, {86, 0, 0}, {-43, -43, 4}, {-43, 43, 4}}, 0},
        MovesCase{"oneTurnedAQuarter", {{0, 0, 4}, {86, 0, 0}, {-43, -43, 4}, {-43, 43, 4}}, 1},
        MovesCase{"putBackByHand", {{5, -7, 0}, {86, 0, 0}, {-43, -43, 4}, {-43, 43, 4}}, 0},
        MovesCase{"oneTakenOut", {{0, 0, 0}, {86, 0, 0}, {-43, -43, 4}}, 1},
        MovesCase{"oneAdded", {{0, 0, 0}, {86, 0, 0}, {-43, -43, 4}, {-43, 43, 4}, {9, 9, 3}}, 1},
        MovesCase{"wholeFigureShifted", shifted(Square, 30, 0), 4}),
    [](const ::testing::TestParamInfo<MovesCase> &info) { return info.param.name; });

} // namespace
