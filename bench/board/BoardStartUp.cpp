// Start-up of the main window, offscreen, on a file of two 40-match
// puzzles: the time from constructing the window through Form_Load until
// its first paint is done, for the first window of the process and as the
// median of ten, each window closed before the next; and the resident set
// size (VmRSS) once the first window has painted. A plain program, as one
// start-up is a single long step rather than a call to repeat.
//   bench_board_startup [runs]
#include "bench/board/GridPuzzles.h"
#include "board/Form1.h"
#include "controls/AppStarted.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Set once the window itself is painted; its children are painted in the
// same pass, before control returns to the event loop.
class FirstPaint : public QObject
{
public:
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

constexpr qint64 GiveUpNanoseconds = 5'000'000'000;

struct StartUp
{
    double milliseconds = -1; // stays negative when the window never painted
    long residentKilobytes = -1;
};

// The memory is read while the painted window is still open.
StartUp startUp(const std::string &file)
{
    QElapsedTimer clock;
    clock.start();
    board::Form1 window(file);
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.Form_Load();
    while (!paint.seen && clock.nsecsElapsed() < GiveUpNanoseconds)
        QCoreApplication::processEvents();
    const qint64 took = clock.nsecsElapsed();
    window.removeEventFilter(&paint);
    if (!paint.seen)
        return {};
    return {took / 1e6, residentKilobytes()};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer appClock;
    appClock.start();
    QApplication app(argc, argv);
    const double appMilliseconds = appClock.nsecsElapsed() / 1e6;
    controls::AppStarted = true;
    const int runs = std::max(1, argc > 1 ? std::atoi(argv[1]) : 10);
    const bench::GridPuzzleFile file;
    if (!file.ok()) {
        std::fprintf(stderr, "bench_board_startup: the puzzle file could not be written\n");
        return 1;
    }
    const long baseline = residentKilobytes();

    std::vector<double> times;
    std::vector<long> resident;
    for (int run = 0; run < runs; ++run) {
        const StartUp measured = startUp(file.path());
        if (measured.milliseconds < 0) {
            std::fprintf(stderr, "bench_board_startup: the window was never painted\n");
            return 1;
        }
        times.push_back(measured.milliseconds);
        resident.push_back(measured.residentKilobytes);
    }
    std::printf("start-up to first paint: first %.1f ms, median of %d %.1f ms (min %.1f, max "
                "%.1f)\n",
                times.front(), runs, median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    std::printf("QApplication construction before that: %.1f ms\n", appMilliseconds);
    std::printf("VmRSS with the first window painted: %.1f MB (%.1f MB before it, %.1f MB "
                "with the last)\n",
                resident.front() / 1024.0, baseline / 1024.0, resident.back() / 1024.0);
    return 0;
}
