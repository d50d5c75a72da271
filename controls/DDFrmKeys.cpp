// DDFrm with the keyboard: opening and closing from the title, and the
// focus frame that shows the title holds the focus.
#include "controls/DDFrm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace controls {
namespace {

// Keys that drop a closed frame down, as on a standard combo box.
bool isOpeningKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
    case Qt::Key_F4:
        return true;
    default:
        return false;
    }
}

constexpr int FocusFrameInset = 2;

} // namespace

void DDFrm::keyPressEvent(QKeyEvent *event)
{
    if (m_collapsed && isOpeningKey(*event)) {
        Expand();
        focusFirstChild();
        // The pointer may never pass over the frame, so no leave closes it.
        qApp->installEventFilter(this);
        m_watchingClicks = true;
    } else if (!m_collapsed && event->key() == Qt::Key_Escape) {
        Collapse();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void DDFrm::focusFirstChild()
{
    const QList<QWidget *> children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (child->isVisible() && child->isEnabled()) {
            child->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The children are reached by opening the frame, never by Tab, so Tab from
// inside goes on from the title.
bool DDFrm::focusNextPrevChild(bool next)
{
    if (QWidget *focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        setFocus(Qt::TabFocusReason);
    return QWidget::focusNextPrevChild(next);
}

bool DDFrm::holdsFocus(const QWidget *widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

// Closing on a focus change only when the focus goes to another widget: a
// window that loses the focus altogether keeps its frame as it was.
void DDFrm::focusMoved(QWidget *from, QWidget *to)
{
    if (!m_collapsed && holdsFocus(from) && to && !holdsFocus(to))
        Collapse();
}

bool DDFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (m_watchingClicks && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        if (!QRect(mapToGlobal(QPoint(0, 0)), size()).contains(at))
            Collapse();
    }
    return QWidget::eventFilter(watched, event);
}

void DDFrm::stopWatchingClicks()
{
    if (m_watchingClicks) {
        qApp->removeEventFilter(this);
        m_watchingClicks = false;
    }
}

void DDFrm::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void DDFrm::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void DDFrm::paintFocusFrame(QPainter &painter) const
{
    if (!hasFocus())
        return;
    const QRect title(contentsRect().topLeft(), QSize(contentsRect().width(), titlePixelHeight()));
    painter.setPen(
        QPen(drawing::toQColor(drawing::TranslateColor(m_titleForeColor)), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(title.adjusted(FocusFrameInset, FocusFrameInset, -FocusFrameInset - 1,
                                    -FocusFrameInset - 1));
}

} // namespace controls
