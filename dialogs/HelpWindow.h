// HelpWindow -- the bundled manual (how to play, how to make puzzles) in a
// window of the program's own, so that it can be read on a machine without
// a web browser.
// No name here is fixed by the program's design.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace dialogs {

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // The one help window, made on first use, shown over `owner` and
    // raised; it closes with its owner.
    static HelpWindow *showManual(QWidget *owner);

    QTextBrowser *browser() const { return m_browser; }

private:
    explicit HelpWindow(QWidget *owner);
    void followLink(const QUrl &url);

    QTextBrowser *m_browser;
};

} // namespace dialogs
