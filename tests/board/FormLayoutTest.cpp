#include "board/FormLayout.h"
#include "board/Orientations.h"

#include <gtest/gtest.h>

namespace board {
namespace {

std::optional<FormLayout> layoutAt(int width, int height, int captionWidth = 0)
{
    LayoutInput in;
    in.innerWidth = in.outerWidth = width;
    in.innerHeight = height;
    in.puzzleCaptionWidth = in.solutionCaptionWidth = captionWidth;
    return Form_ResizeLayout(in);
}

TEST(FormLayout, DesignSizeGivesTheDesignPlacesRoundedHalfToEven)
{
    const auto layout = layoutAt(975, 600, 101);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->areas.matchbox, (Rect{405, 244, 165, 112}));
    EXPECT_EQ(layout->areas.puzzleBox, (Rect{16, 45, 422, 417})); // 421.5 rounds up to even
    EXPECT_EQ(layout->areas.solutionBox, (Rect{538, 45, 422, 417}));
    EXPECT_EQ(layout->boardButtons[0], (Point{422, 416})); // 422.5 rounds down to even
    EXPECT_EQ(layout->boardButtons[2], (Point{422, 324}));
    EXPECT_EQ(layout->puzzleCaption, (Point{160, 0})); // 159.5 in the inner width
    EXPECT_EQ(layout->instructions, (Point{16, 478}));
    EXPECT_EQ(layout->instructionsWidth, 944);
    EXPECT_EQ(layout->dropDown, (Point{340, 0})); // 339.5
    EXPECT_EQ(layout->statusLeft, 646);
    EXPECT_EQ(layout->webLink, (Point{717, 570}));
    // 975 px = 14625 twips; About at 14625 - 1095 - 90, Instructions 1815 + 10 further left.
    EXPECT_EQ(layout->aboutButton, (Point{896, 0}));
    EXPECT_EQ(layout->instructionsButton, (Point{774, 0})); // 774.33
}

TEST(FormLayout, BoxesStaySymmetricAndGrowWithTheWindow)
{
    const auto layout = layoutAt(1175, 700);
    ASSERT_TRUE(layout);
    const BoardAreas &a = layout->areas;
    EXPECT_EQ(a.puzzleBox.width, 422 + 100);
    EXPECT_EQ(a.puzzleBox.height, 417 + 80);
    EXPECT_EQ(a.matchbox.top, 244 + 50);
    // Mirrors the puzzle box's margin, give or take the half pixel both round up.
    EXPECT_NEAR(a.solutionBox.left + a.solutionBox.width, 1175 - a.puzzleBox.left, 1);
    EXPECT_EQ(a.matchbox.left * 2 + a.matchbox.width, 1175);
    for (const auto &[w, h] : {std::pair{0, 0}, {975, 0}, {0, 600}, {975, 78}, {200, 600}})
        EXPECT_FALSE(layoutAt(w, h)) << "no layout for a minimized or tiny " << w << "x" << h;
}

TEST(FormLayout, OpensAtTheDefaultSizeWhereTheScreenHoldsItAndNeverBelowTheMinimum)
{
    const Size frame{10, 40};
    EXPECT_EQ(openingInnerSize({1366, 738}, {10, 30}), DefaultInnerSize) << "a 1366x768 laptop";
    EXPECT_EQ(openingInnerSize({1024, 600}, frame), (Size{975, 560}));
    EXPECT_EQ(openingInnerSize({800, 480}, frame), MinimumInnerSize);
}

TEST(FormLayout, AtTheMinimumSizeNoControlOverlapsAnother)
{
    const auto layout = layoutAt(MinimumInnerSize.width, MinimumInnerSize.height);
    ASSERT_TRUE(layout);
    const int deleteRight = (TopBarButtonTwips[1].first + TopBarButtonTwips[1].second) / 15;
    EXPECT_GE(layout->dropDown.x - deleteRight, 90) << "room for the moves";
    EXPECT_GE(layout->instructionsButton.x - layout->statusLeft, 110) << "room for the count";
    EXPECT_LE(layout->instructionsButton.x + TopBarButtonTwips[3].second / 15,
              layout->aboutButton.x);
    Board board;
    board.setAreas(layout->areas);
    EXPECT_GT(layout->boardButtons[2].y, board.homeOf(0).top + Orientations[0].height)
        << "COPY covers the spare matches";
    const Rect &puzzle = layout->areas.puzzleBox;
    const Point hint = layout->hintLink;
    EXPECT_LE(puzzle.left + puzzle.width, hint.x) << "Hint lies between the boxes";
    EXPECT_LE(hint.x + HintLinkSize.width, layout->areas.solutionBox.left);
    EXPECT_LT(hint.y + HintLinkSize.height, board.homeOf(0).top) << "above the spare matches";
    EXPECT_LE(layout->boardButtons[0].y + BoardButtonSize.height, puzzle.top + puzzle.height);
    EXPECT_GT(layout->instructions.y, puzzle.top + puzzle.height);
    EXPECT_GT(layout->webLink.y, puzzle.top + puzzle.height);
}

} // namespace
} // namespace board
