// COPY and SOLUTION of a full half of the matches, and saving a board of all
// 64 matches into a large collection, on the real main window.
#include "bench/storage/GeneratedCollection.h"
#include "board/Form1.h"
#include "controls/AppStarted.h"
#include "controls/CoolList.h"
#include "storage/PuzzleCollection.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

const QString BigTitle = QStringLiteral("Thirty-two");

std::string placements(char prefix, int count, int row)
{
    std::string lines;
    for (int i = 1; i <= count; ++i)
        lines += prefix + std::to_string(i) + "=" + std::to_string(10 + 12 * (i % 30)) + "," +
                 std::to_string(row + 100 * (i / 30)) + "," + std::to_string(i % 16) + "\r\n";
    return lines;
}

// 32 matches in the puzzle and 32 in its solution, last in the file.
std::string bigPuzzle()
{
    return "[" + BigTitle.toStdString() + "]\r\nInstructions=Move them all.\r\n" +
           "MatchesInPuzzle=32\r\n" + placements('M', 32, 20) + "MatchesInSolution=32\r\n" +
           placements('S', 32, 60);
}

// A main window on its own copy of a collection, with the big puzzle chosen.
struct BenchWindow
{
    explicit BenchWindow(int otherPuzzles)
    {
        controls::AppStarted = true;
        const std::string file = folder.filePath(QStringLiteral("Kindlet.ini")).toStdString();
        std::ofstream(file, std::ios::binary)
            << bench::generatedCollection(otherPuzzles) + bigPuzzle();
        window = std::make_unique<board::Form1>(file);
        window->Form_Load();
        controls::CoolList *list = window->CL1();
        list->setListIndex(list->ListCount() - 1);
        window->ShowPuzzle();
    }
    QTemporaryDir folder;
    std::unique_ptr<board::Form1> window;
};

void copyOf32Matches(benchmark::State &state)
{
    BenchWindow bench(0);
    for (auto _ : state)
        bench.window->CB1_Click(2);
    state.counters["matches"] = bench.window->GetMatchesInPuzzle();
}
BENCHMARK(copyOf32Matches)->Unit(benchmark::kMillisecond);

void solutionOf32Matches(benchmark::State &state)
{
    BenchWindow bench(0);
    for (auto _ : state)
        bench.window->CB1_Click(1);
}
BENCHMARK(solutionOf32Matches)->Unit(benchmark::kMillisecond);

// Re-saving under its own title replaces the section in the file and shows
// the puzzle again, which empties the solution box, so SOLUTION refills it
// untimed before each save.
void saveOf64MatchesInto2000Puzzles(benchmark::State &state)
{
    BenchWindow bench(2000);
    bench.window->setDetailsDialog(
        [](const QString &) { return BigTitle + QChar(0x00A6) + QStringLiteral("Again."); });
    for (auto _ : state) {
        state.PauseTiming();
        bench.window->CB1_Click(1);
        state.ResumeTiming();
        bench.window->CandyButton1_Click(0);
    }
    const storage::PuzzleRecord saved =
        storage::LoadPuzzleRecord(bench.window->settingsFile(), BigTitle.toStdString());
    if (saved.instructions != "Again." || saved.solution.size() != 32)
        state.SkipWithError("the board was not saved");
    state.counters["puzzles"] = bench.window->CL1()->ListCount();
}
BENCHMARK(saveOf64MatchesInto2000Puzzles)->Unit(benchmark::kMillisecond);

} // namespace
