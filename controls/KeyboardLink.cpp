#include "controls/KeyboardLink.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

namespace controls {

KeyboardLink::KeyboardLink(QLabel *label, std::function<void()> follow)
    : QObject(label)
    , m_label(label)
    , m_follow(std::move(follow))
{
    // Tab only: a click follows the link without leaving a focus mark.
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(this);
}

bool KeyboardLink::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        showFocus(event->type() == QEvent::FocusIn);
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            m_follow();
        return true;
    }
    default:
        return false;
    }
}

void KeyboardLink::showFocus(bool focused)
{
    QFont font = m_label->font();
    font.setUnderline(focused);
    m_label->setFont(font);
}

} // namespace controls
