// Answers a modal window from inside its own event loop: the action runs once
// the loop has started, on the window then active.
#pragma once

#include "DialogDriver.h"
#include "dialogs/msgFrm.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <initializer_list>

namespace dialogs_test {

inline void whenShown(std::function<void(dialogs::msgFrm &)> action)
{
    QTimer::singleShot(
        0,
        [action] {
            if (dialogs::msgFrm *window = dialogs::msgFrm::current())
                action(*window);
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
        for (Qt::Key key : keys)
            QTest::keyClick(window.windowHandle(), key);
    };
}

inline void clickButton(dialogs::msgFrm &window, int index)
{
    clickAt(&window, window.button(index), window.button(index)->rect().center());
}

} // namespace dialogs_test
