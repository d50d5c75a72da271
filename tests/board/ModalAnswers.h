// Answers the modal windows that the main window's actions open, from
// inside their own event loops, and notes what they said.
#pragma once

#include "dialogs/ModalDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace board_test {

struct SeenBox
{
    QString title;
    QString text;
    bool shown = false;
};

// The next standard message box is answered with `answer`.
inline void answerMessageBox(QMessageBox::StandardButton answer, SeenBox &seen)
{
    QTimer::singleShot(
        0,
        [answer, &seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = {box->windowTitle(), box->text(), true};
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        });
}

// The next balloon is answered with its first button.
inline void answerBalloon(SeenBox &seen)
{
    dialogs_test::whenShown([&seen](dialogs::msgFrm &window) {
        seen = {window.titleLabel()->text(), window.messageLabel()->text(), true};
        dialogs_test::clickButton(window, 0);
    });
}

} // namespace board_test
