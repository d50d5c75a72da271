// Answers a modal window from inside its own event loop: the action runs once
// the loop has started, on the window then active.
#pragma once

#include "dialogs/msgFrm.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

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

inline QPoint centreIn(QWidget *top, QWidget *child)
{
    return child->mapTo(top, child->rect().center());
}

// Clicks through the top-level window, so its mask decides who gets it.
inline void clickChild(QWidget *top, QWidget *child)
{
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, centreIn(top, child));
}

inline void clickButton(dialogs::msgFrm &window, int index)
{
    clickChild(&window, window.button(index));
}

} // namespace dialogs_test
