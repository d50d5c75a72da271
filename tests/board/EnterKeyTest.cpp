// Enter that closes a message or a dialog must not reach the button that
// gets the focus back: the closing window's button takes the press, and
// the release comes to the main window's focused button.
#include "BoardWindow.h"

#include "controls/CandyButton.h"
#include "dialogs/ShellOpen.h"
#include "dialogs/msgFrm.h"

#include <QApplication>
#include <QTimer>

namespace board_test {
namespace {

class EnterKeyTest : public BoardWindowTest
{
protected:
    EnterKeyTest()
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // Also a window that opens again is closed, so a failure cannot hang.
        QObject::connect(&closer, &QTimer::timeout, [this] { closeWithEnterPress(); });
        closer.start();
    }

    // Only the press: its release is the test's to send.
    void closeWithEnterPress()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->focusWidget())
            return;
        auto *balloon = qobject_cast<dialogs::msgFrm *>(modal);
        opened.push_back(
            (balloon ? balloon->titleLabel()->text() : modal->windowTitle()).toStdString());
        QTest::keyPress(modal->focusWidget(), Qt::Key_Return);
    }

    // The button opens a window with Enter, and the next Enter's press
    // closes it.
    void pressEnterOn(controls::CandyButton *button)
    {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        releaseEnterOn(button);
    }

    // The release of the Enter that closed the window, once the button has
    // the focus back. The window system activates the main window again as
    // the closed one goes; offscreen, the test does.
    static void releaseEnterOn(controls::CandyButton *button)
    {
        button->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == button; }));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    }

    QTimer closer;
    std::vector<std::string> opened;
};

TEST_F(EnterKeyTest, EnterThatClosesABalloonDoesNotOpenItAgain)
{
    const std::pair<controls::CandyButton *, std::string> cases[] = {
        {window->CandyButton1(3), "Instructions"},
        {window->CB1(2), "No Matches"},
        {window->CandyButton1(0), "Save Cancelled"}};
    for (const auto &[button, balloon] : cases) {
        opened.clear();
        pressEnterOn(button);
        EXPECT_EQ(opened, std::vector<std::string>{balloon});
    }
}

TEST_F(EnterKeyTest, EnterThatClosesARefusalDoesNotOpenTheSaveDialogAgain)
{
    int dialogs = 0;
    window->setDetailsDialog([&](const QString &) {
        ++dialogs;
        return QStringLiteral("No description\u00A6");
    });
    choose("Triangle");
    window->CB1_Click(2);
    pressEnterOn(window->CandyButton1(0));
    EXPECT_EQ(opened, std::vector<std::string>{"Save puzzle cancelled"});
    EXPECT_EQ(dialogs, 1);
}

TEST_F(EnterKeyTest, EnterThatClosesALinkErrorDoesNotOpenAbout)
{
    const dialogs::UrlOpener previous = dialogs::setUrlOpener([](const QUrl &) { return false; });
    window->setHomePageOpener(
        [] { dialogs::ShellOpen(QUrl(QStringLiteral("https://a.invalid"))); });
    int abouts = 0;
    window->setAboutWindow([&](QWidget *) { ++abouts; });
    controls::CandyButton *about = window->CandyButton1(2);
    about->setFocus();
    QTest::mouseClick(handle(), Qt::LeftButton, {}, window->lbWeb()->geometry().center());
    releaseEnterOn(about);
    EXPECT_EQ(opened, std::vector<std::string>{"Link not opened"});
    EXPECT_EQ(abouts, 0);
    dialogs::setUrlOpener(previous);
}

} // namespace
} // namespace board_test
