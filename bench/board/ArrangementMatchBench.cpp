#include "board/ArrangementMatch.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A 4 x 4 grid of squares has 40 segments; take the first 32, as a large
// puzzle would, listed in a different order in the two arrangements.
board::Arrangement gridArrangement(int dx, bool reversed)
{
    board::Arrangement grid;
    for (int row = 0; row <= 4; ++row)
        for (int col = 0; col < 4; ++col)
            grid.push_back(
                {static_cast<std::int16_t>(col * 95 + dx), static_cast<std::int16_t>(row * 95), 4});
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col <= 4; ++col)
            grid.push_back(
                {static_cast<std::int16_t>(col * 95 + dx), static_cast<std::int16_t>(row * 95), 0});
    grid.resize(32);
    if (reversed)
        std::reverse(grid.begin(), grid.end());
    return grid;
}

void SolvedCheck32(benchmark::State &state)
{
    const board::Arrangement target = gridArrangement(0, false);
    const board::Arrangement current = gridArrangement(37, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(board::SameFigure(current, target));
}
BENCHMARK(SolvedCheck32);

// Not yet solved: one match still out of place, so every anchor is tried.
void UnsolvedCheck32(benchmark::State &state)
{
    const board::Arrangement target = gridArrangement(0, false);
    board::Arrangement current = gridArrangement(37, true);
    current.back().y = static_cast<std::int16_t>(current.back().y + 60);
    for (auto _ : state)
        benchmark::DoNotOptimize(board::SameFigure(current, target));
}
BENCHMARK(UnsolvedCheck32);

} // namespace

BENCHMARK_MAIN();
