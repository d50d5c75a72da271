// The main window at work, offscreen, on a file of two 40-match puzzles:
// showing a puzzle, one step of a drag and one turn of a match, each with
// the repaint it causes. "paints" counts the paint events delivered per
// step, which shows that the repaint was really done and measured.
#include "bench/board/GridPuzzles.h"
#include "board/Form1.h"
#include "board/Orientations.h"
#include "controls/AppStarted.h"
#include "controls/CoolList.h"

#include <QTest>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

class PaintCounter : public QObject
{
public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    PaintCounter(const PaintCounter &) = delete;
    PaintCounter &operator=(const PaintCounter &) = delete;

    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// The window shown and painted on the grid file, "Grid upright" chosen.
class GridWindow
{
public:
    GridWindow()
    {
        controls::AppStarted = true;
        if (!m_file.ok())
            return;
        m_window = std::make_unique<board::Form1>(m_file.path());
        m_window->Form_Load();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            return;
        choose(0);
        m_ready = m_window->CL1()->ListCount() == 2 &&
                  m_window->GetMatchesInPuzzle() == bench::GridMatches;
    }

    bool ready() const { return m_ready; }
    board::Form1 &window() const { return *m_window; }
    QWindow *handle() const { return m_window->windowHandle(); }

    void choose(int index)
    {
        m_window->CL1()->setListIndex(index);
        m_window->ShowPuzzle();
        QCoreApplication::processEvents();
    }

    // The middle of a match's picture lies on the match in every orientation.
    QPoint centreOf(int sprite) const { return m_window->Image2(sprite)->geometry().center(); }
    bool hits(int sprite) const
    {
        return m_window->childAt(centreOf(sprite)) == m_window->Image2(sprite);
    }

private:
    bench::GridPuzzleFile m_file;
    std::unique_ptr<board::Form1> m_window;
    bool m_ready = false;
};

void reportPaints(benchmark::State &state, int paints)
{
    state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}

// Switching between the two puzzles, so every match is placed and turned.
void ShowPuzzle40(benchmark::State &state)
{
    GridWindow grid;
    if (!grid.ready()) {
        state.SkipWithError("the grid puzzles did not show");
        return;
    }
    PaintCounter paints;
    int index = 0;
    for (auto _ : state) {
        index = 1 - index;
        grid.choose(index);
    }
    reportPaints(state, paints.count);
}
BENCHMARK(ShowPuzzle40)->Unit(benchmark::kMillisecond);

// The first upright match of the grid, which lies clear of the others at
// its middle.
constexpr int DraggedMatch = 21;

// Pointer travel of 4 pixels a step, to and fro, so the match stays in
// the puzzle box however many steps are run.
QPoint travel(long step)
{
    const int phase = int(step % 40);
    return QPoint(4 * (phase < 20 ? phase : 40 - phase), 0);
}

void DragStep(benchmark::State &state)
{
    GridWindow grid;
    if (!grid.ready() || !grid.hits(DraggedMatch)) {
        state.SkipWithError("the dragged match is not under the pointer");
        return;
    }
    const QPoint grab = grid.centreOf(DraggedMatch);
    const QPoint start = grid.window().Image2(DraggedMatch)->pos();
    QTest::mousePress(grid.handle(), Qt::LeftButton, {}, grab);
    PaintCounter paints;
    long step = 0;
    for (auto _ : state) {
        QTest::mouseMove(grid.handle(), grab + travel(++step));
        QCoreApplication::processEvents();
    }
    reportPaints(state, paints.count);
    const QPoint at = grab + travel(step);
    QTest::mouseRelease(grid.handle(), Qt::LeftButton, {}, at);
    if (grid.window().Image2(DraggedMatch)->pos() != start + travel(step))
        state.SkipWithError("the match did not follow the pointer");
}
BENCHMARK(DragStep)->Unit(benchmark::kMicrosecond);

// Only the press and its repaint are timed; the release, which repaints
// the puzzle box, belongs to the click and not to the turn.
void TurnMatch(benchmark::State &state)
{
    GridWindow grid;
    if (!grid.ready() || !grid.hits(DraggedMatch)) {
        state.SkipWithError("the turned match is not under the pointer");
        return;
    }
    const int startOrientation = grid.window().boardState().sprite(DraggedMatch).k;
    PaintCounter paints;
    int timedPaints = 0;
    long turns = 0;
    for (auto _ : state) {
        const QPoint at = grid.centreOf(DraggedMatch);
        const int paintsBefore = paints.count;
        const auto before = std::chrono::steady_clock::now();
        QTest::mousePress(grid.handle(), Qt::RightButton, {}, at);
        QCoreApplication::processEvents();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - before;
        state.SetIterationTime(took.count());
        timedPaints += paints.count - paintsBefore;
        QTest::mouseRelease(grid.handle(), Qt::RightButton, {}, at);
        QCoreApplication::processEvents();
        ++turns;
    }
    reportPaints(state, timedPaints);
    const int expected = int((startOrientation + turns) % board::OrientationCount);
    if (grid.window().boardState().sprite(DraggedMatch).k != expected)
        state.SkipWithError("a click missed the match");
}
BENCHMARK(TurnMatch)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
