#include "board/FormLayout.h"
#include "board/Orientations.h"

#include <gtest/gtest.h>

namespace board {
namespace {

LayoutInput designSize()
{
    return LayoutInput{};
}

TEST(FormLayout, DesignSizeGivesTheDesignPlacesRoundedHalfToEven)
{
    const auto layout = Form_ResizeLayout(designSize());
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->areas.matchbox, (Rect{405, 244, 165, 112}));
    EXPECT_EQ(layout->areas.puzzleBox, (Rect{16, 45, 422, 417})); // 421.5 rounds up to even
    EXPECT_EQ(layout->areas.solutionBox, (Rect{538, 45, 422, 417}));
    EXPECT_EQ(layout->boardButtons[0], (Point{422, 416})); // 422.5 rounds down to even
    EXPECT_EQ(layout->boardButtons[1], (Point{422, 370}));
    EXPECT_EQ(layout->boardButtons[2], (Point{422, 324}));
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
    LayoutInput wide = designSize();
    wide.innerWidth = 1175;
    wide.outerWidth = 1175;
    wide.innerHeight = 700;
    const auto layout = Form_ResizeLayout(wide);
    ASSERT_TRUE(layout);
    const BoardAreas &a = layout->areas;
    EXPECT_EQ(a.puzzleBox.width, 422 + 100);
    EXPECT_EQ(a.puzzleBox.height, 417 + 80);
    EXPECT_EQ(a.matchbox.top, 244 + 50);
    // Mirrors the puzzle box's margin, give or take the half pixel both round up.
    EXPECT_NEAR(a.solutionBox.left + a.solutionBox.width, 1175 - a.puzzleBox.left, 1);
    EXPECT_EQ(a.matchbox.left * 2 + a.matchbox.width, 1175);
}

TEST(FormLayout, MinimizedOrTinyWindowsGetNoLayout)
{
    for (const auto &[w, h] : {std::pair{0, 0}, {975, 0}, {0, 600}, {975, 78}, {200, 600}}) {
        LayoutInput in = designSize();
        in.innerWidth = w;
        in.outerWidth = w;
        in.innerHeight = h;
        EXPECT_FALSE(Form_ResizeLayout(in)) << w << "x" << h;
    }
}

TEST(FormLayout, OpensAtTheDesignSizeWhereTheScreenHoldsItAndNeverBelowTheMinimum)
{
    const Size frame{10, 40};
    EXPECT_EQ(openingInnerSize({1366, 768}, frame), DesignInnerSize);
    EXPECT_EQ(openingInnerSize({1024, 600}, frame), (Size{975, 560}));
    EXPECT_EQ(openingInnerSize({800, 480}, frame), MinimumInnerSize);
}

TEST(FormLayout, AtTheMinimumSizeNoControlOverlapsAnother)
{
    LayoutInput in = designSize();
    in.innerWidth = in.outerWidth = MinimumInnerSize.width;
    in.innerHeight = MinimumInnerSize.height;
    const auto layout = Form_ResizeLayout(in);
    ASSERT_TRUE(layout);
    const int deleteRight = (TopBarButtonTwips[1].first + TopBarButtonTwips[1].second) / 15;
    const int roomForMoves = layout->dropDown.x - deleteRight;
    const int roomForCount = layout->instructionsButton.x - layout->statusLeft;
    EXPECT_GE(roomForMoves, 90);
    EXPECT_GE(roomForCount, 110);
    EXPECT_LE(layout->instructionsButton.x + TopBarButtonTwips[3].second / 15,
              layout->aboutButton.x);
    Board board;
    board.setAreas(layout->areas);
    const SpriteState upright = board.homeOf(0);
    EXPECT_GT(layout->boardButtons[2].y, upright.top + Orientations[0].height)
        << "COPY covers the spare matches";
    const Rect &puzzle = layout->areas.puzzleBox;
    EXPECT_LE(layout->boardButtons[0].y + in.boardButtonHeight, puzzle.top + puzzle.height);
    EXPECT_GT(layout->instructions.y, puzzle.top + puzzle.height);
    EXPECT_GT(layout->webLink.y, puzzle.top + puzzle.height);
}

TEST(FormLayout, CaptionsCentreInTheBoxesInnerWidth)
{
    LayoutInput in = designSize();
    in.puzzleCaptionWidth = 80;
    in.solutionCaptionWidth = 101;
    const auto layout = Form_ResizeLayout(in);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->puzzleCaption, (Point{170, 0}));
    EXPECT_EQ(layout->solutionCaption, (Point{160, 0})); // 159.5
}

} // namespace
} // namespace board
