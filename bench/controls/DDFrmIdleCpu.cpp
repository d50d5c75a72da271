// How much CPU the open drop-down frame costs while the pointer rests on
// it: process CPU time (user + system) across 10 s of the event loop, and
// the number of timer events delivered meanwhile. For contrast, the same
// window with a plain 1 ms timer that reads the cursor on every tick.
//   bench_ddfrm_idle [seconds]
#include "controls/AppStarted.h"
#include "controls/DDFrm.h"
#include "controls/DesignFile.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) {
        return double(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class TimerEventCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ++count;
        return false;
    }
};

struct Figures
{
    double cpu = 0;
    int timerEvents = 0;
};

Figures idleFor(int milliseconds)
{
    TimerEventCounter counter;
    qApp->installEventFilter(&counter);
    const double before = cpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    Figures figures{cpuSeconds() - before, counter.count - 1};
    qApp->removeEventFilter(&counter);
    return figures;
}

void report(const char *what, const Figures &f, int milliseconds)
{
    std::printf("%-34s CPU %8.1f ms (%5.2f %% of a core), %6d timer events in %d s\n", what,
                f.cpu * 1000, f.cpu * 100000 / milliseconds, f.timerEvents, milliseconds / 1000);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int milliseconds = (argc > 1 ? std::atoi(argv[1]) : 10) * 1000;
    controls::AppStarted = true;

    QWidget window;
    window.resize(975, 600);
    auto *frame = new controls::DDFrm(QStringLiteral("DD1"), &window);
    frame->setGeometry(340, 0, 296, 27);
    const auto design = controls::DesignFile::load(QStringLiteral(":/designs/Form1.design"));
    frame->ReadProperties(design.control(QStringLiteral("DD1")));
    auto *child = new QWidget(frame);
    child->setGeometry(0, frame->titlePixelHeight(), 296, 200);
    frame->setExpandedHeight(frame->TitleHeight() + 3000);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "bench_ddfrm_idle: the window was not shown\n");
        return 1;
    }

    const QPoint onTitle(440, 10);
    QCursor::setPos(window.mapToGlobal(onTitle));
    QTest::mouseMove(window.windowHandle(), onTitle);
    if (!frame->Expanded()) {
        std::fprintf(stderr, "bench_ddfrm_idle: the frame did not open\n");
        return 1;
    }
    report("open DDFrm, pointer resting", idleFor(milliseconds), milliseconds);

    QTimer polling;
    QObject::connect(&polling, &QTimer::timeout, frame, [frame] {
        const QRect area(frame->mapToGlobal(QPoint(0, 0)), frame->size());
        volatile bool inside = area.contains(QCursor::pos());
        (void)inside;
    });
    polling.start(1);
    report("same, plus a 1 ms polling timer", idleFor(milliseconds), milliseconds);
    return frame->Expanded() ? 0 : 1;
}
