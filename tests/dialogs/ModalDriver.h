// Answers a modal window from inside its own event loop: the action runs once
// the loop has started, on the window then active.
#pragma once

#include "dialogs/msgFrm.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace dialogs_test {

inline void whenShown(std::function<void(dialogs::msgFrm &)> action)
{
    QTimer::singleShot(0, [action] {
        dialogs::msgFrm *window = dialogs::msgFrm::current();
        if (window) {
            action(*window);
        }
    });
}

// As whenShown, once the window is active; a window that the action leaves
// open fails the test and is closed, so that the test cannot hang.
inline void answerWhenShown(std::function<void(dialogs::msgFrm &)> action)
{
    whenShown([action](dialogs::msgFrm &window) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        action(window);
        if (window.isVisible()) {
            ADD_FAILURE() << "the window is still open";
            window.close();
        }
    });
}

// Key clicks on the window, in order.
inline std::function<void(dialogs::msgFrm &)> pressKeys(std::initializer_list<Qt::Key> keys)
{
    return [keys = std::vector<Qt::Key>(keys)](dialogs::msgFrm &window) {
        for (Qt::Key key : keys) {
            QTest::keyClick(window.windowHandle(), key);
        }
    };
}

// Clicks through the top-level window, so its mask decides who gets it.
inline void clickChild(QWidget *top, QWidget *child)
{
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      child->mapTo(top, child->rect().center()));
}

inline void clickButton(dialogs::msgFrm &window, int index)
{
    clickChild(&window, window.button(index));
}

} // namespace dialogs_test
