#include "controls/Subclasser.h"
#include "QtPrinters.h"
#include "ReportRecorder.h"
#include "controls/SubclassCallback.h"
#include "controls/SubclassMsgTable.h"
#include "controls/WindowMessages.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

using controls::Subclasser;
using namespace controls::WindowMessage;

namespace {

using Log = std::vector<QString>;

// Logs its own handling so tests can see where callbacks fall relative to it.
class LoggingWidget : public QWidget
{
public:
    explicit LoggingWidget(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        setMouseTracking(true);
    }
    Log log;
    std::function<void()> onMouseMove;

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPointF at = event->position();
        log.push_back(QStringLiteral("widget %1,%2").arg(at.x()).arg(at.y()));
        if (onMouseMove)
            onMouseMove();
    }
    void leaveEvent(QEvent *) override { log.push_back(QStringLiteral("widget leave")); }
};

struct Call
{
    bool before;
    int message;
    qint32 wParam, lParam;
};

// Records every call, and logs it into the widget's log when given one.
class RecordingCallback : public controls::SubclassCallback
{
public:
    std::vector<Call> calls;
    Log *log = nullptr;
    // Runs inside the callback; may set handled, result and the user value.
    std::function<void(const Call &, bool &handled, qint32 &result, qint32 &userValue)> action;

    void windowProc(bool before, bool &handled, qint32 &result, QWidget *, int message,
                    qint32 wParam, qint32 lParam, qint32 &userValue) override
    {
        calls.push_back({before, message, wParam, lParam});
        if (log)
            log->push_back(before ? QStringLiteral("before") : QStringLiteral("after"));
        if (action)
            action(calls.back(), handled, result, userValue);
    }
};

// The address a deleted widget had; the compiler cannot follow it through the
// volatile store, and the facility must never dereference it.
QWidget *deletedWidgetAddress(QWidget *widget)
{
    volatile std::uintptr_t address = reinterpret_cast<std::uintptr_t>(widget);
    delete widget;
    return reinterpret_cast<QWidget *>(address);
}

void sendMove(QWidget &widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget.mapToGlobal(pos), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

const QString Owner = QStringLiteral("CandyButton");
constexpr int Before = Subclasser::MSG_BEFORE;
constexpr int After = Subclasser::MSG_AFTER;
constexpr int BeforeAndAfter = Subclasser::MSG_BEFORE_AND_AFTER;

class SubclasserTest : public ::testing::Test
{
protected:
    SubclasserTest() { callback.log = &widget.log; }

    void route(int message, int when)
    {
        ASSERT_TRUE(subclasser.Subclass(&widget, 0));
        subclasser.AddMsg(&widget, message, when);
    }

    ReportRecorder recorder;
    LoggingWidget widget;
    RecordingCallback callback;
    Subclasser subclasser{Owner, &callback};
};

// The before call comes ahead of the widget's own handling and the after
// call behind it, with the packed button and signed position and the user
// value by reference; a handled before call withholds the event from both,
// and its result is the event's accepted flag.
TEST_F(SubclasserTest, CallsFallAroundTheWidgetsOwnHandling)
{
    ASSERT_TRUE(subclasser.Subclass(&widget, 40));
    subclasser.AddMsg(&widget, WM_MOUSEMOVE, BeforeAndAfter);
    callback.action = [](const Call &, bool &, qint32 &, qint32 &userValue) {
        ++userValue;
    };
    sendMove(widget, QPoint(7, -3), Qt::LeftButton);
    EXPECT_EQ(widget.log, (Log{"before", "widget 7,-3", "after"}));
    ASSERT_EQ(callback.calls.size(), 2u);
    EXPECT_EQ(callback.calls[1].wParam, MK_LBUTTON);
    EXPECT_EQ(controls::signedLowWord(callback.calls[1].lParam), 7);
    EXPECT_EQ(controls::signedHighWord(callback.calls[1].lParam), -3);
    EXPECT_EQ(subclasser.userValue(&widget), 42);
    subclasser.setUserValue(&widget, 7);
    sendMove(widget, QPoint(1, 1));
    EXPECT_EQ(subclasser.userValue(&widget), 9);

    route(QtEventBase + QEvent::Close, BeforeAndAfter);
    callback.action = [](const Call &call, bool &handled, qint32 &result, qint32 &) {
        handled = call.before;
        result = 0;
    };
    widget.log.clear();
    sendMove(widget, QPoint(2, 2));
    EXPECT_EQ(widget.log, Log{"before"});
    widget.show();
    EXPECT_FALSE(widget.close()) << "result 0 refuses the close";
    EXPECT_TRUE(recorder.reports().empty());
}

// Releasing inside a callback lets the current event finish its way; released
// during a nested event, the outer after call goes with the tables.
TEST_F(SubclasserTest, UnsubclassingInsideACallbackIsSafe)
{
    route(WM_MOUSEMOVE, BeforeAndAfter);
    callback.action = [this](const Call &, bool &, qint32 &, qint32 &) {
        subclasser.UnSubclass(&widget);
    };
    sendMove(widget, QPoint(1, 1));
    sendMove(widget, QPoint(2, 2));
    EXPECT_EQ(widget.log, (Log{"before", "widget 1,1", "widget 2,2"}));

    widget.log.clear();
    route(WM_MOUSEMOVE, After);
    subclasser.AddMsg(&widget, QtEventBase + QEvent::User, Before);
    widget.onMouseMove = [this] {
        QEvent nested(QEvent::User);
        QCoreApplication::sendEvent(&widget, &nested);
    };
    sendMove(widget, QPoint(3, 4));
    sendMove(widget, QPoint(5, 6));
    EXPECT_EQ(widget.log, (Log{"widget 3,4", "before", "widget 5,6"}));
}

// Calls on a fresh widget, which then gets a mouse move and a user event. A
// failure is reported under its routine with the exact text, logged as one
// critical line, and takes no effect. The rows from ALL_MESSAGES on are smoke
// only: the button never changes its tables after its three additions, calls
// the widget's own handling directly or asks for a leave off the widget.
TEST(Subclasser, FailuresAreReportedAndTablesRouteWhatTheyHold)
{
    using Attempt = std::function<void(Subclasser &, QWidget &)>;
    using S = Subclasser;
    const QString notStarted = QStringLiteral("zMap_hWnd: Subclassing hasn't been started");
    const QString invalid = QStringLiteral("sc_Subclass: Invalid window handle");
    const auto addAll = [](S &s, QWidget &w) {
        s.AddMsg(&w, ALL_MESSAGES, After);
    };
    // clang-format off
    const struct {
        const char *name; bool withCallback; Attempt attempt; QStringList reports; Log log = {"widget 1,1"};
    } cases[] = {
        {"null widget", true, [&](S &s, QWidget &w) { s.Subclass(nullptr, 0); addAll(s, w); }, {invalid, notStarted}},
        {"destroyed widget", true, [&](S &s, QWidget &w) { s.Subclass(deletedWidgetAddress(new QWidget), 0); addAll(s, w); },
         {invalid, notStarted}},
        {"widget of another thread", true,
         [&](S &s, QWidget &w) { std::thread([&] { s.Subclass(&w, 0); }).join(); addAll(s, w); },
         {"sc_Subclass: Window handle belongs to another process", notStarted}},
        {"no callback", false, [](S &s, QWidget &w) { s.Subclass(&w, 0); s.UnSubclass(&w); },
         {"sc_Subclass: Callback method not found", "sc_UnSubclass: Window handle isn't subclassed"}},
        {"deleting an absent message", true, [](S &s, QWidget &w) { s.Subclass(&w, 0); s.DelMsg(&w, WM_MOUSELEAVE, After); },
         {"zDelMsg: Message &H2A3 not found in table"}},
        {"a 33rd message", true,
         [](S &s, QWidget &w) { s.Subclass(&w, 0); for (int m = 1; m <= 33; ++m) s.AddMsg(&w, m, Before); },
         {"zAddMsg: Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
          "ALL_MESSAGES instead of specific message values"}},
        // Teardown stops the routing and drops the registry.
        {"after teardown", true, [](S &s, QWidget &w) {
             s.Subclass(&w, 0); s.AddMsg(&w, WM_MOUSEMOVE, After); s.Teardown(); s.DelMsg(&w, 1, After); }, {notStarted}},
        // Its address maps to no record any more, so nothing is reported.
        {"a routed widget destroyed", true, [](S &s, QWidget &) {
             auto *doomed = new QWidget; s.Subclass(doomed, 0); QWidget *gone = deletedWidgetAddress(doomed);
             s.AddMsg(gone, WM_PAINT, Before); s.UnSubclass(gone); }, {}},
        {"ALL_MESSAGES routes every message", true, [&](S &s, QWidget &w) { s.Subclass(&w, 0); addAll(s, w); },
         {}, {"widget 1,1", "after", "after"}},
        {"deleting ALL_MESSAGES empties the table", true,
         [&](S &s, QWidget &w) { s.Subclass(&w, 0); addAll(s, w); s.DelMsg(&w, ALL_MESSAGES, After); }, {}},
        {"a deleted slot of a full table is reused", true, [&](S &s, QWidget &w) {
             s.Subclass(&w, 0); for (int m = 1; m < controls::SubclassMsgTable::Slots; ++m) s.AddMsg(&w, m, After);
             s.AddMsg(&w, WM_MOUSEMOVE, After); s.DelMsg(&w, 1, After); s.AddMsg(&w, QtEventBase + QEvent::User, After); },
         {}, {"widget 1,1", "after", "after"}},
        {"a present message is not added twice", true, [](S &s, QWidget &w) {
             s.Subclass(&w, 0); s.AddMsg(&w, WM_MOUSEMOVE, After); s.AddMsg(&w, WM_MOUSEMOVE, After);
             s.DelMsg(&w, WM_MOUSEMOVE, After); }, {}},
        {"CallPreviousProc reaches only the widget", true, [&](S &s, QWidget &w) {
             s.Subclass(&w, 0); addAll(s, w); s.CallPreviousProc(&w, WM_MOUSEMOVE, 0, controls::makeLParam(12, 34)); },
         {}, {"widget 12,34", "widget 1,1", "after", "after"}},
        // Off the widget, the requested leave notification is posted at once.
        {"TrackLeave away from the widget", true, [](S &s, QWidget &w) {
             s.Subclass(&w, 0); s.AddMsg(&w, WM_MOUSELEAVE, After); s.TrackLeave(&w); QCoreApplication::processEvents(); },
         {}, {"widget leave", "after", "widget 1,1"}},
    };
    // clang-format on
    static QStringList logged;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &line) {
            if (type == QtCriticalMsg)
                logged << line;
        });
    for (const auto &c : cases) {
        logged.clear();
        ReportRecorder recorder;
        LoggingWidget widget;
        RecordingCallback callback;
        callback.log = &widget.log;
        Subclasser subclasser(Owner, c.withCallback ? &callback : nullptr);
        c.attempt(subclasser, widget);
        QStringList expected;
        QStringList lines;
        for (const QString &failure : c.reports) {
            expected << QStringLiteral("Error in %1.%2.").arg(Owner, failure);
            lines << QStringLiteral("%1.%2").arg(Owner, failure);
        }
        EXPECT_EQ(recorder.reports(), expected) << c.name;
        EXPECT_EQ(logged, lines) << c.name;
        sendMove(widget, QPoint(1, 1));
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&widget, &event);
        EXPECT_EQ(widget.log, c.log) << c.name;
    }
    qInstallMessageHandler(previous);
}

} // namespace
