#include "BoardWindow.h"

#include "board/BoardBox.h"
#include "board/SolvedMark.h"
#include "controls/CandyButton.h"
#include "controls/DDFrm.h"
#include "storage/SolvedPuzzles.h"

namespace board_test {
namespace {

// One upright match to be laid flat: four clockwise turns solve it.
std::string oneTurn()
{
    return "[Settings]\r\n[Lay it down]\r\nInstructions=Lay the match down.\r\n"
           "MatchesInPuzzle=2\r\nM1=100,100,0\r\nM2=300,100,4\r\n"
           "MatchesInSolution=2\r\nS1=20,150,4\r\nS2=220,150,4\r\n";
}

class PlayTest : public BoardWindowTest
{
protected:
    PlayTest()
        : BoardWindowTest(oneTurn())
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        choose("Lay it down");
    }
    void turnClockwise(int sprite, int times)
    {
        for (int i = 0; i < times; ++i)
            rightClick(centreOf(sprite));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.get(), k, modifiers);
    }
};

TEST_F(PlayTest, TurningTheMatchFlatSolvesThePuzzleAndRemembersIt)
{
    turnClockwise(1, 4);
    EXPECT_EQ(window->CL1()->ItemIcon(0), board::SolvedMarkIcon);
    ASSERT_NE(solvedBalloon(), nullptr);
    // It used to hang over the top of the figure just made.
    QRect figure;
    for (int i : {1, 2})
        figure |= window->Image2(i)->geometry();
    const QRegion balloon = solvedBalloon()->mask().translated(solvedBalloon()->pos());
    const QRect box = window->Shape1()->geometry();
    EXPECT_FALSE(balloon.intersects(QRect(window->mapToGlobal(figure.topLeft()), figure.size())));
    EXPECT_TRUE(balloon.intersects(
        QRect(window->mapToGlobal(box.topLeft()), box.size()).adjusted(-2, -2, 2, 2)));
    solvedBalloon()->close();
    EXPECT_TRUE(storage::IsSolved(folder.file("Kindlet.ini"), "Lay it down"));
    EXPECT_EQ(window->lbstats()->text(), "1 puzzles loaded, 1 solved");
    choose("Lay it down");
    EXPECT_TRUE(window->lbMoves()->text().endsWith("solved before"));
}

// The count and the solved mark used to stay as the last drop left them:
// undo kept "solved" on a broken figure, and a resize threw undo away.
TEST_F(PlayTest, TheStatusFollowsUndoRedoAndResizeAndABrokenFigureIsNotSolved)
{
    const QString solved = QStringLiteral("Moves: 1 \u2014 solved");
    const QString notNow = QStringLiteral("Moves: 1 \u2014 solved before");
    turnClockwise(1, 4);
    EXPECT_EQ(window->lbMoves()->text(), solved);
    turnClockwise(1, 1);
    EXPECT_EQ(window->lbMoves()->text(), notNow);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->lbMoves()->text(), solved);
    window->resize(window->size() + QSize(120, 60));
    EXPECT_EQ(window->lbMoves()->text(), solved);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->lbMoves()->text(), notNow);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->lbMoves()->text(), solved);
    window->CB1_Click(0); // RESET
    EXPECT_EQ(window->lbMoves()->text(), "");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->DD1()->Title(), "Lay it down");
    EXPECT_TRUE(window->CB1(1)->Enabled());
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->DD1()->Title(), "Select a Puzzle");
    EXPECT_FALSE(window->CandyButton1(1)->Enabled());
}

TEST_F(PlayTest, TheWheelAndTheRKeyTurnTheMatchUnderThePointer)
{
    QTest::mouseMove(handle(), centreOf(2));
    key(Qt::Key_R, Qt::ShiftModifier);
    EXPECT_EQ(window->boardState().sprite(2).k, 3);
    QWheelEvent wheel(QPointF(centreOf(2) - window->Image2(2)->pos()), QPointF(), QPoint(),
                      QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window->Image2(2), &wheel);
    EXPECT_EQ(window->boardState().sprite(2).k, 5);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->boardState().sprite(2).k, 3);
}

// A square with its right side set off: one match to move back. Judged by
// its goal, so any square counts, but only within the one move allowed.
class SquareGoalTest : public BoardWindowTest
{
protected:
    SquareGoalTest()
        : BoardWindowTest("[Square]\r\nInstructions=Move 1 match.\r\nGoal=squares 1\r\n"
                          "Moves=1\r\nMatchesInPuzzle=4\r\nM1=103,96,4\r\nM2=103,196,4\r\n"
                          "M3=96,103,0\r\nM4=296,103,0\r\nMatchesInSolution=1\r\nS1=0,0,0\r\n")
    {
        choose("Square");
    }
};

TEST_F(SquareGoalTest, TheCountShowsTheLimitAndASquareMadeWithTooManyMovesIsNotSolved)
{
    EXPECT_EQ(window->lbMoves()->text(), "Moves: 0 of 1");
    for (int i : {1, 2, 3}) // the other three sides, one pitch to the right
        drag(centreOf(i), centreOf(i) + QPoint(100, 0));
    EXPECT_EQ(window->lbMoves()->text(), "Moves: 3 of 1 \u2014 too many moves");
    EXPECT_EQ(window->CL1()->ItemIcon(0), board::NoMarkIcon);
    for (int i : {1, 2, 3})
        drag(centreOf(i), centreOf(i) - QPoint(100, 0));
    drag(centreOf(4), centreOf(4) - QPoint(100, 0));
    EXPECT_EQ(window->lbMoves()->text(), "Moves: 1 of 1 \u2014 solved");
    EXPECT_EQ(window->CL1()->ItemIcon(0), board::SolvedMarkIcon);
    ASSERT_NE(solvedBalloon(), nullptr);
    EXPECT_EQ(solvedBalloon()->aMsg()->text(), "Well done: 1 square in 1 move!");
    solvedBalloon()->close();
}

class SolvedListTest : public BoardWindowTest
{
protected:
    SolvedListTest()
        : BoardWindowTest("[Settings]\r\nSolved Triangle=1\r\n" + twoPuzzles().substr(12))
    {
    }
};

TEST_F(SolvedListTest, PuzzlesSolvedBeforeShowATickAndAreCounted)
{
    EXPECT_EQ(window->CL1()->ItemIcon(0), board::SolvedMarkIcon);
    EXPECT_EQ(window->CL1()->ItemIcon(1), board::NoMarkIcon);
    EXPECT_EQ(window->lbstats()->text(), "2 puzzles loaded, 1 solved");
    const QLabel &stats = *window->lbstats();
    EXPECT_LE(stats.x() + QFontMetrics(stats.font()).horizontalAdvance(stats.text()),
              window->CandyButton1(3)->x())
        << "the count stays clear of the Instructions button";
}

} // namespace
} // namespace board_test
