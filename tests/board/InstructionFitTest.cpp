#include "board/InstructionFit.h"

#include <gtest/gtest.h>

#include <vector>

namespace board {
namespace {

TEST(InstructionFit, KeepsTheDesignedSizeWhenTheTextFits)
{
    std::vector<int> asked;
    const int points = fitInstructionPoints(
        [&](int p) {
            asked.push_back(p);
            return 50;
        },
        100);
    EXPECT_EQ(points, 36);
    EXPECT_EQ(asked, std::vector<int>{36});
}

TEST(InstructionFit, ShrinksToTheFirstSizeThatFits)
{
    // Height grows with the size: 4 px per point.
    EXPECT_EQ(fitInstructionPoints([](int p) { return 4 * p; }, 100), 25);
    EXPECT_EQ(fitInstructionPoints([](int p) { return 4 * p; }, 101), 25);
    EXPECT_EQ(fitInstructionPoints([](int p) { return 4 * p; }, 143), 35);
}

TEST(InstructionFit, StopsJustBelowTheSmallestSizeWhenNothingFits)
{
    EXPECT_EQ(fitInstructionPoints([](int) { return 1000; }, 100), 11);
}

TEST(InstructionFit, EveryPuzzleStartsAgainFromTheDesignedSize)
{
    fitInstructionPoints([](int) { return 1000; }, 100);
    EXPECT_EQ(fitInstructionPoints([](int) { return 10; }, 100), 36);
}

TEST(InstructionFit, LimitKeepsABottomMarginAsWideAsTheLeftOne)
{
    EXPECT_EQ(instructionHeightLimit(600, 478, 16), 106);
}

} // namespace
} // namespace board
