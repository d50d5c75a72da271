// Subclasser -- routes chosen events of widgets to an owner's callback,
// before and/or after the widget's own handling, and supplies the one-shot
// leave notification the hover drawing of the buttons needs.
//
// One instance belongs to one owner; it may route several widgets and is
// torn down with its owner. Per widget there are two tables of message
// numbers (see WindowMessages.h): "before" messages reach the callback ahead
// of the widget, which the callback may skip by setting handled; "after"
// messages reach it once the widget has handled them. An "after" message is
// delivered to the widget by the facility itself, so event filters the
// widget had before it was subclassed do not see those events.
//
// Failures are reported (message box titled "Error in <owner>.<routine>" and
// one critical log line) and the operation simply does not take effect. A
// null or destroyed widget is an invalid window; a widget of a thread other
// than the caller's counts as belonging to another process.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace controls {

class SubclassCallback;
class SubclassRecord;

class Subclasser
{
public:
    // Project extensions.

    // Which table(s) AddMsg and DelMsg work on.
    enum When
    {
        MSG_BEFORE = 1,
        MSG_AFTER = 2,
        MSG_BEFORE_AND_AFTER = 3
    };

    using ReportHandler = std::function<void(const QString &title, const QString &text)>;

    // owner is the default callback of Subclass; ownerClassName titles the
    // reports.
    Subclasser(const QString &ownerClassName, SubclassCallback *owner);
    ~Subclasser();
    Subclasser(const Subclasser &) = delete;
    Subclasser &operator=(const Subclasser &) = delete;

    // Names fixed by the program's design: keep them as they are.

    // A widget already routed by this instance keeps its record; true.
    bool Subclass(QWidget *window, qint32 userValue, SubclassCallback *callback = nullptr);
    void UnSubclass(QWidget *window);
    void AddMsg(QWidget *window, int message, int when);
    void DelMsg(QWidget *window, int message, int when);
    // The widget's own handling of a mouse, leave or focus message, without
    // any callback; 0 for other messages and for widgets not routed.
    qint32 CallPreviousProc(QWidget *window, int message, qint32 wParam, qint32 lParam);
    qint32 userValue(QWidget *window);
    void setUserValue(QWidget *window, qint32 value);
    // The widget's next Leave reaches its tables as WM_MOUSELEAVE, once.
    void TrackLeave(QWidget *window);
    // Un-subclasses every widget, last routed first.
    void Teardown();

    // Test accessor: replaces how reports are shown (tests record them
    // instead of opening a modal box); returns the previous handler.
    static ReportHandler setReportHandler(ReportHandler handler);

private:
    using Registry = std::vector<std::pair<const QWidget *, QPointer<SubclassRecord>>>;

    // Names fixed by the program's design (the routine of the reports).
    // Reports when no widget has been subclassed yet.
    SubclassRecord *zMap_hWnd(const QWidget *window);

    SubclassRecord *findRecord(const QWidget *window) const;
    void forget(const QWidget *window);
    void report(const char *routine, const QString &message) const;

    QString m_ownerClass;
    SubclassCallback *m_owner;
    // Absent until the first Subclass, and again after Teardown.
    std::optional<Registry> m_registry;
};

} // namespace controls
