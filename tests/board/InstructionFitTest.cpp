#include "board/InstructionFit.h"

#include <gtest/gtest.h>

#include <vector>

namespace board {
namespace {

// The largest size from 36 points down whose text fits; below 12 the search
// stops even if nothing fits, and the next puzzle starts at 36 again.
TEST(InstructionFit, TakesTheFirstSizeDownFromTheDesignedOneThatFits)
{
    std::vector<int> asked;
    const auto fits = [&](int p) {
        asked.push_back(p);
        return 50;
    };
    EXPECT_EQ(fitInstructionPoints(fits, 100), 36);
    EXPECT_EQ(asked, std::vector<int>{36}) << "a text that fits is measured once";
    const auto grows = [](int p) {
        return 4 * p;
    }; // 4 px a point
    EXPECT_EQ(fitInstructionPoints(grows, 100), 25);
    EXPECT_EQ(fitInstructionPoints(grows, 143), 35);
    EXPECT_EQ(fitInstructionPoints([](int) { return 1000; }, 100), 11);
    EXPECT_EQ(fitInstructionPoints(fits, 100), 36);
    EXPECT_EQ(instructionHeightLimit(600, 478, 16), 106) << "a bottom margin as the left one";
}

} // namespace
} // namespace board
