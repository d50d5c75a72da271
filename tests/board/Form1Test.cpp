#include "BoardWindow.h"

#include "board/BoardBox.h"
#include "controls/CandyButton.h"
#include "controls/DDFrm.h"

#include <QScreen>

namespace board_test {
namespace {

using board::SpriteCount;

TEST_F(BoardWindowTest, OpensWithTheListFilledNothingChosenAndTwoStacks)
{
    EXPECT_EQ(window->lbstats()->text(), "2 puzzles loaded");
    EXPECT_EQ(window->CL1()->ItemText(1), "Wordy");
    EXPECT_EQ(window->DD1()->Title(), "Select a Puzzle");
    EXPECT_FALSE(window->CB1(1)->Enabled());
    EXPECT_TRUE(window->CandyButton1(1)->Enabled());
    for (int i = 0; i < SpriteCount; ++i) {
        EXPECT_TRUE(window->Image2(i)->isVisible()) << i;
        EXPECT_EQ(window->Image2(i)->pos(), homeOf(i));
    }
    EXPECT_EQ(window->GetMatchesInPuzzle(), 0);
    board::Form1 missing(folder.file("none.ini"));
    missing.Form_Load();
    EXPECT_EQ(missing.lbstats()->text(), "0 puzzles loaded") << "a missing file, an empty list";
}

TEST_F(BoardWindowTest, ChoosingAgainReloadsFromTheFileAndResets)
{
    choose("Triangle");
    drag(centreOf(1), centreOf(1) + QPoint(500, 0));
    writeBytes(folder.file("Kindlet.ini"),
               "[Triangle]\r\nInstructions=Changed\r\nMatchesInPuzzle=1\r\nM1=5,6,8\r\n");
    choose("Triangle");
    EXPECT_EQ(window->GetMatchesInPuzzle(), 1);
    EXPECT_EQ(window->Image2(1)->pos(), window->Shape1()->pos() + QPoint(5, 6));
    EXPECT_EQ(window->lb1()->text(), "Changed");
}

TEST_F(BoardWindowTest, TheInstructionsFontStartsAgainForEveryPuzzle)
{
    choose("Triangle");
    const double fitted = window->lb1()->font().pointSizeF();
    choose("Wordy");
    EXPECT_LT(window->lb1()->font().pointSizeF(), fitted);
    const QRect label = window->lb1()->geometry();
    EXPECT_LE(label.bottom() + 1, window->height() - label.left());
    choose("Triangle");
    EXPECT_EQ(window->lb1()->font().pointSizeF(), fitted);
    EXPECT_EQ(window->lb1()->width(),
              window->shape2()->geometry().right() + 1 - window->Shape1()->x());
}

// The resize used to clamp matches into the smaller box for good, and
// threw the undo history away.
TEST_F(BoardWindowTest, ShrinkingAndGrowingBackRestoresTheFigureAndKeepsUndo)
{
    choose("Triangle");
    const board::Board::Snapshot shown = window->boardState().snapshot();
    drag(centreOf(1), centreOf(1) + QPoint(330, 380)); // into the box's far corner
    const board::Board::Snapshot moved = window->boardState().snapshot();
    window->resize(board::MinimumInnerSize.width, board::MinimumInnerSize.height);
    QCoreApplication::processEvents();
    EXPECT_TRUE(board::liesIn(sprite(1), window->boardState().areas().puzzleBox));
    window->resize(board::DesignInnerSize.width, board::DesignInnerSize.height);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->boardState().snapshot(), moved);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->boardState().snapshot(), shown);
}

// On a 1024 x 600 screen the window used to open with the link and the
// last line of the instructions below the screen's edge.
TEST(Form1Start, OpensAtASizeTheScreenHoldsAndGoesNoSmallerThanTheMinimum)
{
    TempFolder folder;
    board::Form1 window(folder.file("Kindlet.ini"));
    window.Form_Load();
    const QRect free = window.screen()->availableGeometry();
    if (free.height() >= board::DefaultInnerSize.height + 40)
        GTEST_SKIP() << "needs a small screen, as the window_on_small_screen test gives it";
    EXPECT_LE(window.height() + 40, free.height()) << "room for a title bar";
    window.resize(150, 60);
    EXPECT_EQ(window.size(), QSize(board::MinimumInnerSize.width, board::MinimumInnerSize.height));
}

} // namespace
} // namespace board_test
