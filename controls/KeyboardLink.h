// A text label that acts as a link from the keyboard as well: Tab reaches
// it, the focus underlines it, and Enter or Space follows it, as a click
// on it does.
// No name here is fixed by the program's design.
#pragma once

#include <QObject>
#include <functional>

class QLabel;

namespace controls {

class KeyboardLink : public QObject
{
    Q_OBJECT

public:
    // Becomes a child of label and lives as long as it.
    KeyboardLink(QLabel *label, std::function<void()> follow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFocus(bool focused);

    QLabel *m_label;
    std::function<void()> m_follow;
};

} // namespace controls
