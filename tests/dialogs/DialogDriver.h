// Drives the dialogs through their top-level windows: typing, answering a
// modal dialog and recording the links that would be opened.
#pragma once

#include "dialogs/ShellOpen.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <ostream>
#include <vector>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace dialogs_test {

// Each character as a key press and release, to the window's focus widget.
inline void typeText(QWindow *window, const QString &text)
{
    for (QChar ch : text) {
        const auto key = ch == QLatin1Char('\n') ? Qt::Key_Return : Qt::Key(ch.toUpper().unicode());
        const QString typed = ch == QLatin1Char('\n') ? QStringLiteral("\r") : QString(ch);
        QTest::sendKeyEvent(QTest::Click, window, key, typed, Qt::NoModifier);
    }
}

// The action runs inside the modal loop, on the dialog then shown.
template<typename Dialog>
void whenModal(std::function<void(Dialog &)> action)
{
    QTimer::singleShot(
        0,
        [action] {
            if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget()))
                action(*dialog);
        });
}

// Clicks through the top-level window, so its mask decides who gets it.
inline void clickAt(QWidget *top, QWidget *child, QPoint at)
{
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, child->mapTo(top, at));
}

// Keeps every link instead of opening it, for the lifetime of the object.
class RecordingOpener
{
public:
    explicit RecordingOpener(bool opens = true)
        : m_previous(dialogs::setUrlOpener([this, opens](const QUrl &url) {
            urls.push_back(url);
            return opens;
        }))
    {
    }
    ~RecordingOpener() { dialogs::setUrlOpener(m_previous); }
    RecordingOpener(const RecordingOpener &) = delete;
    RecordingOpener &operator=(const RecordingOpener &) = delete;

    std::vector<QUrl> urls;

private:
    dialogs::UrlOpener m_previous;
};

} // namespace dialogs_test
