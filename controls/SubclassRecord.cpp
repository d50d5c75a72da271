#include "controls/SubclassRecord.h"

#include "controls/SubclassCallback.h"
#include "controls/WindowMessages.h"

#include <QCoreApplication>
#include <QEvent>

namespace controls {

SubclassRecord::SubclassRecord(QWidget *window, SubclassCallback *callback, qint32 userValue)
    : m_window(window)
    , m_callback(callback)
    , m_userValue(userValue)
{
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, &SubclassRecord::windowDestroyed);
}

SubclassRecord::~SubclassRecord()
{
    if (m_window)
        m_window->removeEventFilter(this);
}

void SubclassRecord::requestLeave()
{
    m_leaveRequested = true;
    if (m_window && !m_window->underMouse())
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::Leave));
}

void SubclassRecord::release()
{
    m_release = true;
    m_callback = nullptr;
    m_leaveRequested = false;
    m_before.remove(WindowMessage::ALL_MESSAGES);
    m_after.remove(WindowMessage::ALL_MESSAGES);
    deleteWhenIdle();
}

void SubclassRecord::windowDestroyed()
{
    m_release = true;
    m_callback = nullptr;
    deleteWhenIdle();
}

// Nothing of this record may be touched after this call.
void SubclassRecord::deleteWhenIdle()
{
    if (m_release && m_busy == 0)
        delete this;
}

qint32 SubclassRecord::callPrevious(int message, qint32 wParam, qint32 lParam)
{
    const std::unique_ptr<QEvent> event = eventForMessage(message, wParam, lParam);
    if (!event)
        return 0;
    ++m_busy;
    const qint32 result = deliverToWindow(event.get());
    --m_busy;
    deleteWhenIdle();
    return result;
}

bool SubclassRecord::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    ++m_busy;
    const bool consumed = route(event);
    --m_busy;
    deleteWhenIdle();
    return consumed;
}

// True when the event has been delivered (or withheld) here; false lets Qt
// deliver it as usual, which keeps any older filters of the widget running.
bool SubclassRecord::route(QEvent *event)
{
    const RoutedMessage routed = messageForEvent(*event, m_leaveRequested);
    if (routed.message == WindowMessage::WM_MOUSELEAVE)
        m_leaveRequested = false;
    bool handled = false;
    qint32 result = 0;
    if (m_before.matches(routed.message))
        callBack(true, handled, result, routed);
    if (handled) {
        event->setAccepted(result != 0);
        return true;
    }
    if (!m_after.matches(routed.message))
        return false;
    result = deliverToWindow(event);
    if (m_window && m_after.matches(routed.message)) {
        callBack(false, handled, result, routed);
        event->setAccepted(result != 0);
    }
    return true;
}

void SubclassRecord::callBack(bool before, bool &handled, qint32 &result,
                              const RoutedMessage &routed)
{
    if (m_callback) {
        m_callback->windowProc(before, handled, result, m_window, routed.message, routed.wParam,
                               routed.lParam, m_userValue);
    }
}

qint32 SubclassRecord::deliverToWindow(QEvent *event)
{
    QObject *target = m_window;
    if (!target)
        return 0;
    target->event(event);
    return event->isAccepted() ? 1 : 0;
}

} // namespace controls
