// The goal judge runs on every drop, so each recogniser must stay well under
// a millisecond on the largest figures a box holds. The answer search runs
// once a puzzle, on its first hint, and should not be felt there either.
#include "board/AnswerSearch.h"
#include "board/EquationReading.h"
#include "board/Orientations.h"
#include "board/ShapeCount.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr double Pitch = 100;
const double Rise = Pitch * std::sqrt(3.0) / 2;

// The match centred on (x, y), as a sprite stores it.
storage::MatchPlacement centredAt(double x, double y, int orientation)
{
    const auto &image = board::Orientations[static_cast<size_t>(orientation)];
    return {static_cast<std::int16_t>(std::lround(x - image.width / 2.0)),
            static_cast<std::int16_t>(std::lround(y - image.height / 2.0)),
            static_cast<std::int16_t>(orientation)};
}

board::Arrangement gridOf(int columns, int rows)
{
    board::Arrangement box;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i < columns; ++i)
            box.push_back(centredAt((i + 0.5) * Pitch, j * Pitch, 4));
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i <= columns; ++i)
            box.push_back(centredAt(i * Pitch, (j + 0.5) * Pitch, 0));
    return box;
}

// A 4 x 3 grid of 31 matches and one more on top: 20 squares of three sizes.
board::Arrangement grid()
{
    board::Arrangement box = gridOf(4, 3);
    box.push_back(centredAt(0, -0.5 * Pitch, 0));
    return box;
}

// A triangle of side 4 made of 30 matches: 27 triangles of four sizes.
board::Arrangement triangle()
{
    board::Arrangement box;
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k <= row; ++k) {
            const double apexX = (k - row / 2.0) * Pitch;
            const double midY = (row + 0.5) * Rise;
            box.push_back(centredAt(apexX - Pitch / 4, midY, 1));
            box.push_back(centredAt(apexX + Pitch / 4, midY, 15));
            box.push_back(centredAt(apexX, (row + 1) * Rise, 4));
        }
    return box;
}

// "6+7=13" on one line: 20 matches.
board::Arrangement equation()
{
    // Segment centres around a digit's middle: a, b, c, d, e, f, g.
    const double segments[7][3] = {{0, -100, 4}, {50, -50, 0},  {50, 50, 0}, {0, 100, 4},
                                   {-50, 50, 0}, {-50, -50, 0}, {0, 0, 4}};
    const auto digit = [&](board::Arrangement &box, const char *lit, double x) {
        for (const char *s = lit; *s; ++s) {
            const double *seg = segments[*s - 'a'];
            box.push_back(centredAt(x + seg[0], seg[1], static_cast<int>(seg[2])));
        }
    };
    board::Arrangement box;
    digit(box, "acdefg", 0);
    box.push_back(centredAt(170, 0, 4));
    box.push_back(centredAt(170, 0, 0));
    digit(box, "abc", 340);
    box.push_back(centredAt(510, -14, 4));
    box.push_back(centredAt(510, 14, 4));
    digit(box, "bc", 680);
    digit(box, "abcdg", 830);
    return box;
}

void CountSquares32(benchmark::State &state)
{
    const board::Arrangement box = grid();
    for (auto _ : state)
        benchmark::DoNotOptimize(board::countSquares(box));
    state.counters["squares"] = board::countSquares(box).shapes;
}
BENCHMARK(CountSquares32)->Unit(benchmark::kMicrosecond);

void CountTriangles30(benchmark::State &state)
{
    const board::Arrangement box = triangle();
    for (auto _ : state)
        benchmark::DoNotOptimize(board::countTriangles(box));
    state.counters["triangles"] = board::countTriangles(box).shapes;
}
BENCHMARK(CountTriangles30)->Unit(benchmark::kMicrosecond);

void ReadEquation20(benchmark::State &state)
{
    const board::Arrangement box = equation();
    for (auto _ : state)
        benchmark::DoNotOptimize(board::readEquation(box));
    state.counters["holds"] = board::readEquation(box).value_or(board::EquationReading{}).holds;
}
BENCHMARK(ReadEquation20)->Unit(benchmark::kMicrosecond);

// The goal, moves and matches of a solved box, on a start figure.
void FindAnswers(benchmark::State &state, const char *goal, int moves, int matches,
                 const board::Arrangement &start)
{
    const board::PuzzleRules rules{*board::parseGoal(goal), moves, start, {}, matches};
    for (auto _ : state)
        benchmark::DoNotOptimize(board::findAnswers(rules));
    state.counters["answers"] = static_cast<double>(board::findAnswers(rules).size());
}
// 3 x 3 grid, take away 4 to leave 5 squares; 2 x 2 grid, move 3 to make
// 3 equal squares; the side 4 triangle, take away 3 to leave 7 triangles.
BENCHMARK_CAPTURE(FindAnswers, TakeFourOfGrid, "squares 5", 4, 20, gridOf(3, 3))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAnswers, MoveThreeInGrid, "squares 3 equal", 3, 12, gridOf(2, 2))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAnswers, TakeThreeOfTriangle, "triangles 7", 3, 27, triangle())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindAnswers, MoveTwoInEquation, "equation", 2, 20, equation())
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
