#include "BoardWindow.h"

#include "board/BoardBox.h"
#include "board/Orientations.h"
#include "controls/DDFrm.h"

namespace board_test {
namespace {

// A spot on the vertical stack away from where the horizontal one crosses.
const QPoint VerticalStack(487, 200);

TEST_F(BoardWindowTest, DraggingKeepsTheGrabPointUnderThePointerAndRaisesTheMatch)
{
    const QPoint into = window->Shape1()->geometry().center();
    drag(VerticalStack, into);
    EXPECT_EQ(window->Image2(31)->pos(), QPoint(483, 182) + (into - VerticalStack));
    EXPECT_EQ(window->boardState().zOrder().back(), 31);
    EXPECT_EQ(window->Image2(30)->pos(), QPoint(483, 182));
    EXPECT_EQ(window->GetMatchesInPuzzle(), 1);
    EXPECT_EQ(window->childAt(into), window->Image2(31));
}

TEST_F(BoardWindowTest, ReleaseBringsTheDropDownAboveADroppedMatch)
{
    const QPoint overList = window->DD1()->geometry().center();
    drag(VerticalStack, overList);
    EXPECT_EQ(window->childAt(overList), window->DD1());
}

TEST_F(BoardWindowTest, TheBoxHoldsMatchesUpToItsLastColumn)
{
    const QRect box = window->Shape1()->geometry(); // columns 16..437
    const QPoint grab = VerticalStack - QPoint(483, 182);
    drag(VerticalStack, QPoint(box.right(), box.top() + 50) + grab);
    EXPECT_EQ(sprite(31).left, box.right());
    EXPECT_EQ(window->GetMatchesInPuzzle(), 1);
    const QPoint at = window->Image2(31)->pos() + grab;
    drag(at, at + QPoint(1, 0));
    EXPECT_EQ(sprite(31).left, box.right() + 1);
    EXPECT_EQ(window->GetMatchesInPuzzle(), 0);
}

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

TEST_F(BoardWindowTest, AnyModifierTurnsAnticlockwise)
{
    for (Qt::KeyboardModifier modifier :
         {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        const int before = sprite(63).k;
        rightClick(centreOf(63), modifier);
        EXPECT_EQ(sprite(63).k, board::turnedAnticlockwise(before)) << modifier;
    }
}

TEST_F(BoardWindowTest, TheMiddleButtonAndTheRightButtonDoNotDrag)
{
    const board::Board::Snapshot before = window->boardState().snapshot();
    drag(VerticalStack, VerticalStack + QPoint(0, 150), Qt::MiddleButton);
    EXPECT_EQ(window->boardState().snapshot(), before);
    drag(VerticalStack, VerticalStack + QPoint(-200, 0), Qt::RightButton);
    EXPECT_EQ(sprite(31).k, 1); // the press turned it
    EXPECT_EQ(window->Image2(31)->pos(), QPoint(483, 182));
}

TEST_F(BoardWindowTest, APressWithoutMovementLeavesTheMatchBelowOthers)
{
    QTest::mouseClick(handle(), Qt::LeftButton, {}, VerticalStack);
    EXPECT_EQ(window->Image2(31)->pos(), QPoint(483, 182));
    EXPECT_EQ(window->boardState().zOrder().back(), 63);
    EXPECT_EQ(window->pickedMatch(), 31);
}

TEST_F(BoardWindowTest, ClicksOnTheClearCornerOfADiagonalMatchReachWhatLiesBeneath)
{
    choose("Triangle"); // match 1 lies at 45 degrees: its top-left area is key green
    const QPoint diagonal = window->Image2(1)->pos();
    const QPoint grab = VerticalStack - QPoint(483, 182);
    drag(VerticalStack, diagonal + QPoint(2, 2) + grab);
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

TEST_F(BoardWindowTest, ResetAfterMovesRebuildsBothStacks)
{
    choose("Triangle");
    drag(centreOf(2), centreOf(2) + QPoint(300, 100));
    rightClick(centreOf(3));
    window->ResetBoard();
    for (int i = 0; i < board::SpriteCount; ++i)
        EXPECT_EQ(sprite(i), window->boardState().homeOf(i)) << i;
    EXPECT_EQ(window->GetMatchesInPuzzle(), 0);
}

TEST_F(BoardWindowTest, AFastDoubleRightClickTurnsTwice)
{
    // The tail end of the top vertical spare, drawn when upright and at 30 degrees.
    const QPoint tail(483 + 6, 182 + 84);
    QTest::mouseDClick(handle(), Qt::RightButton, {}, tail);
    EXPECT_EQ(sprite(31).k, 2);
}

} // namespace
} // namespace board_test
