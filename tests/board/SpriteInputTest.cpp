#include "BoardWindow.h"

#include "board/BoardBox.h"
#include "board/Orientations.h"
#include "controls/DDFrm.h"

namespace board_test {
namespace {

// The grab point must stay under the pointer through the window's routing.
TEST_F(BoardWindowTest, DraggingKeepsTheGrabPointUnderThePointerAndRaisesTheMatch)
{
    const QPoint into = window->Shape1()->geometry().center();
    drag(verticalStack(), into);
    EXPECT_EQ(window->Image2(31)->pos(), homeOf(31) + (into - verticalStack()));
    EXPECT_EQ(window->boardState().zOrder().back(), 31);
    EXPECT_EQ(window->Image2(30)->pos(), homeOf(31));
    EXPECT_EQ(window->GetMatchesInPuzzle(), 1);
    EXPECT_EQ(window->childAt(into), window->Image2(31));
}

// A match dropped over the drop-down used to cover it.
TEST_F(BoardWindowTest, ADroppedMatchNeverCoversTheDropDown)
{
    const QPoint overList = window->DD1()->geometry().center();
    drag(verticalStack(), overList);
    EXPECT_EQ(window->childAt(overList), window->DD1());
}

// Each turn changes the picture, the size and the hit shape together.
TEST_F(BoardWindowTest, SixteenRightClicksTurnAMatchRoundToItsStart)
{
    choose("Triangle"); // match 3 lies clear of the others whichever way it points
    const QPoint corner = window->Image2(3)->pos();
    const QRegion startMask = window->Image2(3)->mask();
    const int start = sprite(3).k;
    for (int step = 1; step <= 16; ++step) {
        rightClick(centreOf(3));
        const int k = (start + step) % 16;
        ASSERT_EQ(sprite(3).k, k) << step;
        EXPECT_EQ(window->Image2(3)->size(),
                  QSize(board::Orientations[k].width, board::Orientations[k].height));
        EXPECT_EQ(window->Image2(3)->pos(), corner);
    }
    EXPECT_EQ(window->Image2(3)->mask(), startMask);
}

// The sprite reports Qt's modifiers as the shift codes the gestures read.
TEST_F(BoardWindowTest, ARightClickWithCtrlTurnsAnticlockwise)
{
    rightClick(centreOf(63), Qt::ControlModifier);
    EXPECT_EQ(sprite(63).k, 3);
}

// A match's bounding box is mostly empty: only its drawn pixels may take
// a click, or the match beneath could not be reached.
TEST_F(BoardWindowTest, ClicksOnTheClearCornerOfADiagonalMatchReachWhatLiesBeneath)
{
    choose("Triangle"); // match 1 lies at 45 degrees: its top-left area is key green
    const QPoint diagonal = window->Image2(1)->pos();
    const QPoint grab = verticalStack() - homeOf(31);
    drag(verticalStack(), diagonal + QPoint(2, 2) + grab);
    ASSERT_EQ(window->Image2(31)->pos(), diagonal + QPoint(2, 2));
    // A drag there and back brings the diagonal match above the spare.
    drag(centreOf(1), centreOf(1) + QPoint(1, 0));
    drag(centreOf(1), centreOf(1) - QPoint(1, 0));
    ASSERT_EQ(window->Image2(1)->pos(), diagonal);
    ASSERT_GT(window->boardState().stackingPosition(1), window->boardState().stackingPosition(31));
    const QPoint clear = diagonal + QPoint(6, 12);
    EXPECT_EQ(window->childAt(clear), window->Image2(31));
    drag(clear, clear + QPoint(0, 300));
    EXPECT_EQ(window->Image2(1)->pos(), diagonal);
    EXPECT_EQ(window->Image2(31)->pos(), diagonal + QPoint(2, 302));
}

// Qt hands the second click of a double click over as a double click;
// dropping it lost a turn.
TEST_F(BoardWindowTest, AFastDoubleRightClickTurnsTwice)
{
    // The tail end of the top vertical spare, drawn when upright and at 30 degrees.
    const QPoint tail = homeOf(31) + QPoint(6, 84);
    QTest::mouseDClick(handle(), Qt::RightButton, {}, tail);
    EXPECT_EQ(sprite(31).k, 2);
}

} // namespace
} // namespace board_test
