#include "BoardWindow.h"
#include "ModalAnswers.h"

#include "board/BoardBox.h"
#include "board/HelpText.h"
#include "controls/CandyButton.h"
#include "controls/DDFrm.h"
#include "storage/PuzzleCollection.h"

namespace board_test {
namespace {

std::string puzzleOf(const std::string &title, int matches)
{
    std::string text = "[" + title +
                       "]\r\nInstructions=Many\r\nMatchesInPuzzle=" + std::to_string(matches) +
                       "\r\n";
    for (int j = 1; j <= matches; ++j)
        text += "M" + std::to_string(j) + "=" + std::to_string(12 * ((j - 1) % 30)) + "," +
                std::to_string(100 * ((j - 1) / 30)) + ",0\r\n";
    return text + "MatchesInSolution=1\r\nS1=5,5,4\r\n";
}

class ActionsTest : public BoardWindowTest
{
protected:
    ActionsTest()
        : BoardWindowTest(twoPuzzles() + puzzleOf("Thirty-three", 33))
    {
    }
    void click(controls::CandyButton *button)
    {
        QTest::mouseClick(handle(), Qt::LeftButton, {},
                          button->mapTo(window.get(), button->rect().center()));
    }
    std::vector<int> inSolutionBox() const
    {
        std::vector<int> found;
        for (int i = 0; i < board::SpriteCount; ++i)
            if (board::liesIn(sprite(i), window->boardState().areas().solutionBox))
                found.push_back(i);
        return found;
    }
    QPoint boxShift() const { return window->shape2()->pos() - window->Shape1()->pos(); }
};

TEST_F(ActionsTest, CopyLaysThePuzzleOutAgainInTheSolutionBox)
{
    choose("Triangle");
    click(window->CB1(2));
    EXPECT_EQ(inSolutionBox(), (std::vector<int>{4, 5, 6}));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(window->Image2(j + 3)->pos(), window->Image2(j)->pos() + boxShift()) << j;
        EXPECT_EQ(sprite(j + 3).k, sprite(j).k);
    }
    EXPECT_EQ(window->currentPuzzle().solution[0], window->currentPuzzle().puzzle);
    const board::Board::Snapshot once = window->boardState().snapshot();
    click(window->CB1(2));
    EXPECT_EQ(window->boardState().snapshot().sprites, once.sprites);
    EXPECT_EQ(window->childAt(window->DD1()->geometry().center()), window->DD1());
}

TEST_F(ActionsTest, CopyRefusesAnEmptyBoxAnd33Matches)
{
    SeenBox seen;
    answerBalloon(seen);
    click(window->CB1(2));
    EXPECT_EQ(seen.title, "No Matches");
    EXPECT_EQ(seen.text, "There does not appear to be any matches in the Puzzle to copy.");
    choose("Thirty-three");
    answerBalloon(seen);
    click(window->CB1(2));
    EXPECT_EQ(seen.title, "Not enought matches");
    EXPECT_TRUE(seen.text.startsWith("There are more that 32 matches in the Puzzle box"));
}

TEST_F(ActionsTest, SolutionShowsTheStoredSolutionWithoutTouchingThePuzzle)
{
    EXPECT_FALSE(window->CB1(1)->Enabled());
    choose("Triangle");
    click(window->CB1(2)); // a copy first: SOLUTION clears it
    click(window->CB1(1));
    EXPECT_EQ(inSolutionBox(), (std::vector<int>{4, 5, 6}));
    const QPoint corner = window->shape2()->pos();
    EXPECT_EQ(window->Image2(4)->pos(), corner + QPoint(60, 10));
    EXPECT_EQ(sprite(6).k, 10);
    EXPECT_EQ(window->GetMatchesInPuzzle(), 3);
    const board::Board::Snapshot once = window->boardState().snapshot();
    click(window->CB1(1));
    EXPECT_EQ(window->boardState().snapshot().sprites, once.sprites);
}

TEST_F(ActionsTest, ResetForgetsTheChoiceButKeepsTheListSelection)
{
    choose("Triangle");
    click(window->CB1(0));
    EXPECT_EQ(window->GetMatchesInPuzzle(), 0);
    EXPECT_EQ(window->lb1()->text(), "");
    EXPECT_TRUE(window->currentPuzzle().instructions.empty());
    EXPECT_FALSE(window->CB1(1)->Enabled());
    EXPECT_FALSE(window->CandyButton1(1)->Enabled());
    EXPECT_EQ(window->DD1()->Title(), "Select a Puzzle");
    EXPECT_EQ(window->CL1()->ListIndex(), 0);
    EXPECT_EQ(window->currentPuzzle().solution[1].size(), 3u);
}

TEST_F(ActionsTest, InstructionsShowTheHelpWithOnlyLineFeedsAndTwoEmptyLines)
{
    const QString help = board::instructionsHelpText();
    EXPECT_FALSE(help.contains('\r'));
    EXPECT_EQ(help.count(QStringLiteral("\n\n")), 2);
    SeenBox seen;
    answerBalloon(seen);
    click(window->CandyButton1(3));
    EXPECT_EQ(seen.title, "Instructions");
    EXPECT_EQ(seen.text, help);
    EXPECT_EQ(dialogs::msgFrmState().BalloonColor, 0xC5C5D9u);
}

TEST_F(ActionsTest, TheWebLinkTurnsBlueUnderThePointerAndOpensOnRelease)
{
    int opened = 0;
    window->setHomePageOpener([&] { ++opened; });
    const QPoint link = window->lbWeb()->geometry().center();
    QTest::mouseMove(handle(), link);
    EXPECT_EQ(window->lbWeb()->palette().color(QPalette::WindowText), board::LinkBlue);
    QTest::mouseClick(handle(), Qt::LeftButton, {}, link);
    EXPECT_EQ(opened, 1);
    QTest::mouseMove(handle(), window->Shape1()->geometry().center());
    EXPECT_EQ(window->lbWeb()->palette().color(QPalette::WindowText), board::LinkBlue)
        << "only the bare window turns it grey";
    QTest::mouseMove(handle(), QPoint(window->width() / 2, 40));
    EXPECT_EQ(window->lbWeb()->palette().color(QPalette::WindowText), board::LinkGrey);
}

} // namespace
} // namespace board_test
