// The in-place editor of a CoolList row: a text box that reports Enter,
// Ctrl+Enter (single-line only), Escape and the loss of focus to its list.
// No name here is fixed by the program's design.
#pragma once

#include <QPlainTextEdit>
#include <functional>

namespace controls {

class CoolListEditor : public QPlainTextEdit
{
public:
    explicit CoolListEditor(QWidget *parent);

    void setMultiLine(bool multiLine);
    // commit true: the text should become the item's text.
    std::function<void(bool commit)> onFinished;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_multiLine = true;
};

} // namespace controls
