#include "controls/CoolListEditor.h"

#include <QKeyEvent>

namespace controls {

CoolListEditor::CoolListEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    hide();
}

void CoolListEditor::setMultiLine(bool multiLine)
{
    m_multiLine = multiLine;
    setLineWrapMode(multiLine ? WidgetWidth : NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CoolListEditor::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (enter && (!ctrl || !m_multiLine)) {
        if (onFinished)
            onFinished(true);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (onFinished)
            onFinished(false);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CoolListEditor::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    if (isVisible() && onFinished)
        onFinished(false);
}

} // namespace controls
