#include "controls/Subclasser.h"
#include "QtPrinters.h"
#include "ReportRecorder.h"
#include "controls/SubclassCallback.h"
#include "controls/WindowMessages.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using controls::Subclasser;
using namespace controls::WindowMessage;

namespace {

// Logs its own handling so tests can see where callbacks fall relative to it.
class LoggingWidget : public QWidget
{
public:
    explicit LoggingWidget(QWidget *parent = nullptr)
        : QWidget(parent)
    {
        setMouseTracking(true);
    }
    std::vector<QString> log;
    std::function<void()> onMouseMove;

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        log.push_back(
            QStringLiteral("widget %1,%2").arg(event->position().x()).arg(event->position().y()));
        if (onMouseMove) {
            onMouseMove();
        }
    }
    void leaveEvent(QEvent *) override { log.push_back(QStringLiteral("widget leave")); }
};

struct Call
{
    bool before;
    int message;
    qint32 wParam;
    qint32 lParam;
};

class RecordingCallback : public controls::SubclassCallback
{
public:
    explicit RecordingCallback(LoggingWidget *widget = nullptr)
        : m_widget(widget)
    {
    }
    std::vector<Call> calls;
    // Runs inside the callback; may set handled and result.
    std::function<void(const Call &, bool &handled, qint32 &result, qint32 &userValue)> action;

    void windowProc(bool before, bool &handled, qint32 &result, QWidget *, int message,
                    qint32 wParam, qint32 lParam, qint32 &userValue) override
    {
        calls.push_back({before, message, wParam, lParam});
        if (m_widget) {
            m_widget->log.push_back(before ? QStringLiteral("before") : QStringLiteral("after"));
        }
        if (action) {
            action(calls.back(), handled, result, userValue);
        }
    }

private:
    LoggingWidget *m_widget;
};

// The address a deleted widget had; the compiler cannot follow it through the
// volatile store, and the facility must never dereference it.
template<typename Widget>
QWidget *deletedWidgetAddress(Widget *widget)
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

class SubclasserTest : public ::testing::Test
{
protected:
    ReportRecorder recorder;
    LoggingWidget widget;
    RecordingCallback callback{&widget};
    Subclasser subclasser{QStringLiteral("CandyButton"), &callback};
};

TEST_F(SubclasserTest, AfterCallbackFollowsTheWidgetsOwnHandlingWithPackedParameters)
{
    ASSERT_TRUE(subclasser.Subclass(&widget, 0));
    subclasser.AddMsg(&widget, WM_MOUSEMOVE, Subclasser::MSG_BEFORE_AND_AFTER);
    sendMove(widget, QPoint(7, -3), Qt::LeftButton);

    const std::vector<QString> expected = {QStringLiteral("before"), QStringLiteral("widget 7,-3"),
                                           QStringLiteral("after")};
    EXPECT_EQ(widget.log, expected);
    ASSERT_EQ(callback.calls.size(), 2u);
    EXPECT_EQ(callback.calls[1].wParam, MK_LBUTTON);
    EXPECT_EQ(controls::signedLowWord(callback.calls[1].lParam), 7);
    EXPECT_EQ(controls::signedHighWord(callback.calls[1].lParam), -3);
    EXPECT_TRUE(recorder.reports().empty());
}

TEST_F(SubclasserTest, HandledBeforeCallbackWithholdsTheEventAndItsResultDecides)
{
    ASSERT_TRUE(subclasser.Subclass(&widget, 0));
    subclasser.AddMsg(&widget, QtEventBase + QEvent::Close, Subclasser::MSG_BEFORE_AND_AFTER);
    qint32 answer = 0;
    callback.action = [&answer](const Call &call, bool &handled, qint32 &result, qint32 &) {
        if (call.before) {
            handled = true;
            result = answer;
        }
    };
    widget.show();
    EXPECT_FALSE(widget.close()) << "result 0 refuses the close";
    EXPECT_TRUE(widget.isVisible());
    answer = 1;
    EXPECT_TRUE(widget.close());
    for (const Call &call : callback.calls) {
        EXPECT_TRUE(call.before) << "the after callback is skipped";
    }
}

TEST_F(SubclasserTest, UnsubclassingInsideACallbackLetsTheCurrentEventFinish)
{
    ASSERT_TRUE(subclasser.Subclass(&widget, 0));
    subclasser.AddMsg(&widget, WM_MOUSEMOVE, Subclasser::MSG_BEFORE_AND_AFTER);
    callback.action = [this](const Call &call, bool &, qint32 &, qint32 &) {
        if (call.before) {
            subclasser.UnSubclass(&widget);
        }
    };
    sendMove(widget, QPoint(1, 1));
    sendMove(widget, QPoint(2, 2));

    const std::vector<QString> expected = {QStringLiteral("before"), QStringLiteral("widget 1,1"),
                                           QStringLiteral("widget 2,2")};
    EXPECT_EQ(widget.log, expected);
}

TEST_F(SubclasserTest, ReleaseDuringANestedEventWaitsForTheOutermostOne)
{
    ASSERT_TRUE(subclasser.Subclass(&widget, 0));
    subclasser.AddMsg(&widget, WM_MOUSEMOVE, Subclasser::MSG_AFTER);
    subclasser.AddMsg(&widget, QtEventBase + QEvent::User, Subclasser::MSG_BEFORE);
    widget.onMouseMove = [this] {
        QEvent nested(QEvent::User);
        QCoreApplication::sendEvent(&widget, &nested);
    };
    callback.action = [this](const Call &call, bool &, qint32 &, qint32 &) {
        if (call.message == QtEventBase + QEvent::User) {
            subclasser.UnSubclass(&widget);
        }
    };
    sendMove(widget, QPoint(3, 4));
    ASSERT_EQ(callback.calls.size(), 1u) << "the outer after callback was dropped with the tables";
    sendMove(widget, QPoint(5, 6));
    EXPECT_EQ(callback.calls.size(), 1u);
}

// Each failure is reported under its routine with the exact text and logged
// as one critical line, and takes no effect: nothing reaches the callback.
TEST(Subclasser, FailuresAreReportedAndTakeNoEffect)
{
    const QString notStarted = QStringLiteral("Error in CandyButton.zMap_hWnd: "
                                              "Subclassing hasn't been started.");
    const struct
    {
        const char *name;
        bool withCallback;
        std::function<void(Subclasser &, QWidget &)> attempt;
        QStringList reports;
    } cases[] = {
        {"null widget",
         true,
         [](Subclasser &s, QWidget &w) {
             s.Subclass(nullptr, 0);
             s.AddMsg(&w, ALL_MESSAGES, Subclasser::MSG_BEFORE);
         },
         {"Error in CandyButton.sc_Subclass: Invalid window handle.", notStarted}},
        {"destroyed widget",
         true,
         [](Subclasser &s, QWidget &w) {
             s.Subclass(deletedWidgetAddress(new QWidget), 0);
             s.AddMsg(&w, ALL_MESSAGES, Subclasser::MSG_BEFORE);
         },
         {"Error in CandyButton.sc_Subclass: Invalid window handle.", notStarted}},
        {"widget of another thread",
         true,
         [](Subclasser &s, QWidget &w) {
             std::thread([&] { s.Subclass(&w, 0); }).join();
             s.AddMsg(&w, ALL_MESSAGES, Subclasser::MSG_BEFORE);
         },
         {"Error in CandyButton.sc_Subclass: Window handle belongs to another process.",
          notStarted}},
        {"no callback",
         false,
         [](Subclasser &s, QWidget &w) {
             s.Subclass(&w, 0);
             s.UnSubclass(&w);
         },
         {"Error in CandyButton.sc_Subclass: Callback method not found.",
          "Error in CandyButton.sc_UnSubclass: Window handle isn't subclassed."}},
        {"deleting an absent message",
         true,
         [](Subclasser &s, QWidget &w) {
             s.Subclass(&w, 0);
             s.DelMsg(&w, WM_MOUSELEAVE, Subclasser::MSG_AFTER);
         },
         {"Error in CandyButton.zDelMsg: Message &H2A3 not found in table."}},
        {"a 33rd message",
         true,
         [](Subclasser &s, QWidget &w) {
             s.Subclass(&w, 0);
             for (int message = 1; message <= 33; ++message) {
                 s.AddMsg(&w, message, Subclasser::MSG_BEFORE);
             }
         },
         {"Error in CandyButton.zAddMsg: Message table overflow. Either increase the value of "
          "Const MSG_ENTRIES or use ALL_MESSAGES instead of specific message values."}},
        {"after teardown",
         true,
         [](Subclasser &s, QWidget &w) {
             s.Subclass(&w, 0);
             s.Teardown();
             s.AddMsg(&w, WM_MOUSEMOVE, Subclasser::MSG_AFTER);
         },
         {notStarted}},
    };
    static QStringList logged;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &line) {
            if (type == QtCriticalMsg) {
                logged << line;
            }
        });
    for (const auto &c : cases) {
        logged.clear();
        ReportRecorder recorder;
        RecordingCallback callback;
        Subclasser subclasser(QStringLiteral("CandyButton"), c.withCallback ? &callback : nullptr);
        QWidget widget;
        c.attempt(subclasser, widget);
        QStringList reports;
        QStringList lines;
        for (const auto &report : recorder.reports()) {
            reports << report.title + QStringLiteral(": ") + report.text;
            lines << reports.back().mid(QStringLiteral("Error in ").size()).chopped(1);
        }
        EXPECT_EQ(reports, c.reports) << c.name;
        EXPECT_EQ(logged, lines) << c.name;
        sendMove(widget, QPoint(1, 1));
        EXPECT_TRUE(callback.calls.empty()) << c.name;
    }
    qInstallMessageHandler(previous);
}

TEST_F(SubclasserTest, TeardownStopsRouting)
{
    LoggingWidget second;
    ASSERT_TRUE(subclasser.Subclass(&widget, 0));
    ASSERT_TRUE(subclasser.Subclass(&second, 0));
    subclasser.AddMsg(&widget, WM_MOUSEMOVE, Subclasser::MSG_AFTER);
    subclasser.AddMsg(&second, WM_MOUSEMOVE, Subclasser::MSG_AFTER);
    subclasser.Teardown();
    sendMove(widget, QPoint(1, 1));
    sendMove(second, QPoint(1, 1));
    EXPECT_TRUE(callback.calls.empty());
    EXPECT_EQ(second.log.size(), 1u) << "the widget still handles its own events";
}

TEST_F(SubclasserTest, DestroyedWidgetIsForgottenAndItsAddressMayBeReused)
{
    auto *living = new LoggingWidget;
    ASSERT_TRUE(subclasser.Subclass(living, 0));
    QWidget *doomed = deletedWidgetAddress(living);
    subclasser.AddMsg(doomed, WM_PAINT, Subclasser::MSG_BEFORE);
    subclasser.UnSubclass(doomed);
    EXPECT_TRUE(recorder.reports().empty()) << "an unknown widget maps to no record";
    ASSERT_TRUE(subclasser.Subclass(&widget, 0));
    subclasser.AddMsg(&widget, WM_MOUSEMOVE, Subclasser::MSG_AFTER);
    sendMove(widget, QPoint(1, 1));
    EXPECT_EQ(callback.calls.size(), 1u);
}

TEST_F(SubclasserTest, UserValueIsHandedToTheCallbackByReference)
{
    ASSERT_TRUE(subclasser.Subclass(&widget, 40));
    subclasser.AddMsg(&widget, WM_MOUSEMOVE, Subclasser::MSG_AFTER);
    callback.action = [](const Call &, bool &, qint32 &, qint32 &userValue) {
        ++userValue;
    };
    sendMove(widget, QPoint(1, 1));
    EXPECT_EQ(subclasser.userValue(&widget), 41);
    subclasser.setUserValue(&widget, 7);
    sendMove(widget, QPoint(1, 1));
    EXPECT_EQ(subclasser.userValue(&widget), 8);
}

TEST_F(SubclasserTest, CallPreviousProcReachesOnlyTheWidget)
{
    ASSERT_TRUE(subclasser.Subclass(&widget, 0));
    subclasser.AddMsg(&widget, ALL_MESSAGES, Subclasser::MSG_BEFORE_AND_AFTER);
    EXPECT_EQ(subclasser.CallPreviousProc(&widget, WM_MOUSEMOVE, 0, controls::makeLParam(12, 34)),
              1);
    EXPECT_EQ(subclasser.CallPreviousProc(&widget, WM_PAINT, 0, 0), 0);
    const std::vector<QString> expected = {QStringLiteral("widget 12,34")};
    EXPECT_EQ(widget.log, expected);
    EXPECT_TRUE(callback.calls.empty());
}

// Real pointer movement over a shown window, so Qt produces Enter and Leave.
TEST(SubclasserTrackLeave, OneLeaveNotificationPerRequest)
{
    ReportRecorder recorder;
    QWidget top;
    top.resize(200, 100);
    auto *widget = new LoggingWidget(&top);
    widget->setGeometry(50, 25, 100, 50);
    RecordingCallback callback;
    Subclasser subclasser(QStringLiteral("CandyButton"), &callback);
    ASSERT_TRUE(subclasser.Subclass(widget, 0));
    subclasser.AddMsg(widget, WM_MOUSELEAVE, Subclasser::MSG_AFTER);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    QWindow *window = top.windowHandle();

    QTest::mouseMove(window, QPoint(100, 50));
    subclasser.TrackLeave(widget);
    QTest::mouseMove(window, QPoint(10, 10));
    EXPECT_EQ(callback.calls.size(), 1u);
    QTest::mouseMove(window, QPoint(100, 50));
    QTest::mouseMove(window, QPoint(10, 10));
    EXPECT_EQ(callback.calls.size(), 1u) << "no request, no notification";
    EXPECT_EQ(std::count(widget->log.begin(), widget->log.end(), QStringLiteral("widget leave")),
              2);

    subclasser.TrackLeave(widget);
    QCoreApplication::processEvents();
    ASSERT_EQ(callback.calls.size(), 2u) << "requested outside the widget: sent at once";
    EXPECT_EQ(callback.calls[1].message, WM_MOUSELEAVE);
}

} // namespace
