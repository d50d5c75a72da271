// A main window on a puzzle file of its own, with helpers that send real
// mouse events to the window, so masks and stacking decide who gets them.
#pragma once

#include "board/Form1.h"
#include "controls/AppStarted.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "dialogs/MsgAutoBox.h"
#include "storage/TempFolder.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace board_test {

// Two puzzles: the triangle of three matches and one with a long text.
inline std::string twoPuzzles()
{
    std::string wordy;
    for (int i = 0; i < 60; ++i)
        wordy += "matchsticks ";
    return "[Settings]\r\n"
           "[Triangle]\r\n"
           "Instructions=Move one match.\xB6Good luck\r\n"
           "MatchesInPuzzle=3\r\nM1=60,20,2\r\nM2=100,20,14\r\nM3=60,90,4\r\n"
           "MatchesInSolution=3\r\nS1=60,10,4\r\nS2=60,20,6\r\nS3=120,20,10\r\n"
           "[Wordy]\r\n"
           "Instructions=" +
           wordy + "\r\nMatchesInPuzzle=1\r\nM1=0,0,0\r\n";
}

// The notice that says a puzzle is solved, while it shows.
inline dialogs::MsgAutoFrm *solvedBalloon()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *balloon = qobject_cast<dialogs::MsgAutoFrm *>(w); balloon && balloon->isVisible())
            return balloon;
    return nullptr;
}

// The window opens to fit the screen; the tests' small screen would make it
// smaller than the design size that their places are measured at.
inline std::unique_ptr<board::Form1> openAtDesignSize(const std::string &file)
{
    auto window = std::make_unique<board::Form1>(file);
    window->Form_Load();
    window->resize(board::DesignInnerSize.width, board::DesignInnerSize.height);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

class BoardWindowTest : public ::testing::Test
{
protected:
    explicit BoardWindowTest(const std::string &contents = twoPuzzles())
    {
        controls::AppStarted = true;
        writeBytes(folder.file("Kindlet.ini"), contents);
        window = openAtDesignSize(folder.file("Kindlet.ini"));
    }
    // A notice lives for seconds: the next test must not find this one's.
    ~BoardWindowTest() override
    {
        while (dialogs::MsgAutoFrm *balloon = solvedBalloon())
            balloon->close();
    }

    QWindow *handle() const { return window->windowHandle(); }
    const board::SpriteState &sprite(int i) const { return window->boardState().sprite(i); }
    QPoint centreOf(int i) const { return window->Image2(i)->geometry().center(); }
    QPoint homeOf(int i) const
    {
        const board::SpriteState home = window->boardState().homeOf(i);
        return {home.left, home.top};
    }
    // A spot of the top upright spare away from where the lying ones cross.
    QPoint verticalStack() const { return homeOf(31) + QPoint(4, 18); }

    void choose(const QString &title)
    {
        controls::CoolList *list = window->CL1();
        for (int i = 0; i < list->ListCount(); ++i) {
            if (list->ItemText(i) == title) {
                list->setListIndex(i);
                window->ShowPuzzle();
                return;
            }
        }
        ADD_FAILURE() << "no puzzle " << title.toStdString();
    }

    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(handle(), button, {}, from);
        const QPoint step = (to - from) / 2;
        QTest::mouseMove(handle(), from + step);
        QTest::mouseMove(handle(), to);
        QTest::mouseRelease(handle(), button, {}, to);
    }

    void rightClick(QPoint at, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(handle(), Qt::RightButton, modifiers, at);
    }

    void click(QWidget *child, QPoint at)
    {
        QTest::mouseClick(handle(), Qt::LeftButton, {}, child->mapTo(window.get(), at));
    }
    void click(QWidget *button) { click(button, button->rect().center()); }

    // The drop-down checks the cursor itself, so the cursor goes along.
    void pointAt(QPoint at)
    {
        QCursor::setPos(window->mapToGlobal(at));
        QTest::mouseMove(handle(), at);
    }

    // Opens the drop-down by its title; rows below the visible ones are
    // scrolled into view. The point of the row in the window.
    QPoint openListAt(int row)
    {
        pointAt(window->DD1()->pos() + QPoint(20, 10));
        click(window->DD1(), QPoint(20, 10));
        controls::CoolList *list = window->CL1();
        if (row >= list->TopIndex() + list->VisibleRows())
            list->setTopIndex(row - list->VisibleRows() + 1);
        const int y = (row - list->TopIndex()) * list->RowHeight() + list->RowHeight() / 2;
        return list->mapTo(window.get(), QPoint(40, y));
    }

    TempFolder folder;
    std::unique_ptr<board::Form1> window;
};

} // namespace board_test
