// SubclassRecord -- the routing state of one widget: its callback, user
// value and two message tables, installed as an event filter on it.
//
// The record deletes itself: once released, or once its widget is destroyed,
// it stops calling back and goes away as soon as no routed event is in
// progress through it. So releasing from inside a callback is safe (the
// event being routed still finishes its way through the record), and so is
// a widget deleted while one of its events is being routed.
// No name here is fixed by the program's design.
#pragma once

#include "controls/SubclassMsgTable.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace controls {

class SubclassCallback;
struct RoutedMessage;

class SubclassRecord : public QObject
{
public:
    SubclassRecord(QWidget *window, SubclassCallback *callback, qint32 userValue);
    ~SubclassRecord() override;

    const QWidget *window() const { return m_window; }
    SubclassMsgTable &before() { return m_before; }
    SubclassMsgTable &after() { return m_after; }
    qint32 userValue() const { return m_userValue; }
    void setUserValue(qint32 value) { m_userValue = value; }

    // The next Leave of the widget is routed as WM_MOUSELEAVE, once. When the
    // pointer is not over the widget, that Leave is posted right away.
    void requestLeave();

    // Stops routing; deletes the record at once when idle, else when the
    // routed event in progress has returned through it.
    void release();

    // The widget's own handling, with no callback; 0 for messages that
    // cannot be rebuilt as events.
    qint32 callPrevious(int message, qint32 wParam, qint32 lParam);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void windowDestroyed();
    void deleteWhenIdle();
    bool route(QEvent *event);
    void callBack(bool before, bool &handled, qint32 &result, const RoutedMessage &routed);
    qint32 deliverToWindow(QEvent *event);

    QPointer<QWidget> m_window;
    SubclassCallback *m_callback;
    qint32 m_userValue;
    SubclassMsgTable m_before;
    SubclassMsgTable m_after;
    // Routed events in progress through this record (they nest when the
    // widget's handling sends further events to itself).
    int m_busy = 0;
    bool m_release = false;
    bool m_leaveRequested = false;
};

} // namespace controls
