#include "BoardWindow.h"
#include "ModalAnswers.h"

#include "board/BoardBox.h"
#include "controls/CandyButton.h"
#include "controls/DDFrm.h"
#include "dialogs/HelpWindow.h"
#include "storage/PuzzleCollection.h"

#include <QTextBrowser>

namespace board_test {
namespace {

// Thirty-three upright matches in rows of 30.
std::string thirtyThree()
{
    std::string text = "[Thirty-three]\r\nInstructions=Many\r\nMatchesInPuzzle=33\r\n";
    for (int j = 0; j < 33; ++j)
        text += "M" + std::to_string(j + 1) + "=" + std::to_string(12 * (j % 30)) + "," +
                std::to_string(100 * (j / 30)) + ",0\r\n";
    return text;
}

class ActionsTest : public BoardWindowTest
{
protected:
    ActionsTest()
        : BoardWindowTest(twoPuzzles() + thirtyThree())
    {
    }
};

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

// A machine without a browser must still show the manual: the link and F1
// open it in the program's own window.
TEST_F(ActionsTest, TheWebLinkTurnsBlueUnderThePointerAndOpensTheManualOnRelease)
{
    const auto help = [this] {
        const auto windows = window->findChildren<dialogs::HelpWindow *>();
        return windows.size() == 1 && windows.front()->isVisible() ? windows.front() : nullptr;
    };
    const QPoint link = window->lbWeb()->geometry().center();
    QTest::mouseMove(handle(), link);
    EXPECT_EQ(window->lbWeb()->palette().color(QPalette::WindowText), board::LinkBlue);
    QTest::mouseClick(handle(), Qt::LeftButton, {}, link);
    ASSERT_TRUE(help());
    EXPECT_TRUE(help()->browser()->toPlainText().contains("How to play"));
    delete help();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(handle(), Qt::Key_F1);
    ASSERT_TRUE(help());
    delete help();
    QTest::mouseMove(handle(), window->Shape1()->geometry().center());
    EXPECT_EQ(window->lbWeb()->palette().color(QPalette::WindowText), board::LinkBlue)
        << "only the bare window turns it grey";
    QTest::mouseMove(handle(), QPoint(window->width() / 2, 40));
    EXPECT_EQ(window->lbWeb()->palette().color(QPalette::WindowText), board::LinkGrey);
}

} // namespace
} // namespace board_test
