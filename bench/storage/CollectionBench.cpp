// The storage layer on a 2,000-puzzle collection: warm reads, loading a
// record warm and cold, listing titles, saving a record, parsed size.
#include "bench/storage/GeneratedCollection.h"
#include "storage/FileIObas.h"
#include "storage/ProfileDocument.h"
#include "storage/PuzzleCollection.h"
#include "tests/storage/TempFolder.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int CollectionSize = 2000;

// The collection written to Kindlet.ini in a fresh folder.
struct CollectionFile
{
    explicit CollectionFile(const std::string &bytes) { writeBytes(path, bytes); }
    TempFolder folder;
    const std::string path = folder.file("Kindlet.ini");
};

const std::string &collectionBytes()
{
    static const std::string bytes = bench::generatedCollection(CollectionSize);
    return bytes;
}

void BM_ReadProfileStringWarm(benchmark::State &state)
{
    CollectionFile file(collectionBytes());
    storage::ReadProfileString("Puzzle 1000", "M10", "", 255, file.path);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            storage::ReadProfileString("Puzzle 1000", "M10", "", 255, file.path));
}
BENCHMARK(BM_ReadProfileStringWarm);

void BM_LoadPuzzleRecordWarm(benchmark::State &state)
{
    CollectionFile file(collectionBytes());
    storage::LoadPuzzleRecord(file.path, "Puzzle 1000");
    for (auto _ : state)
        benchmark::DoNotOptimize(storage::LoadPuzzleRecord(file.path, "Puzzle 1000"));
}
BENCHMARK(BM_LoadPuzzleRecordWarm)->Unit(benchmark::kMicrosecond);

// Each round changes the file on disk, so the first read parses it again.
void BM_LoadPuzzleRecordCold(benchmark::State &state)
{
    CollectionFile file(collectionBytes());
    std::string bytes = collectionBytes();
    for (auto _ : state) {
        state.PauseTiming();
        bytes += "\r\n";
        writeBytes(file.path, bytes);
        state.ResumeTiming();
        benchmark::DoNotOptimize(storage::LoadPuzzleRecord(file.path, "Puzzle 1000"));
    }
}
BENCHMARK(BM_LoadPuzzleRecordCold)->Unit(benchmark::kMillisecond);

void BM_ListPuzzleTitles32767(benchmark::State &state)
{
    std::string bytes;
    for (int n = 1; n <= 32767; ++n)
        bytes += "[Puzzle " + std::to_string(n) + "]\r\nMatchesInPuzzle=0\r\n";
    CollectionFile file(bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(storage::ListPuzzleTitles(file.path));
}
BENCHMARK(BM_ListPuzzleTitles32767)->Unit(benchmark::kMillisecond);

// Re-saving puzzle 1000 alternately with two arrangements of 32 + 32
// matches, so every save changes every key and replaces the file.
void BM_SavePuzzleRecord64(benchmark::State &state)
{
    CollectionFile file(collectionBytes());
    const storage::PuzzleRecord a = bench::generatedRecord("Puzzle 1000", 32, 32);
    storage::PuzzleRecord b = a;
    for (storage::MatchPlacement &m : b.puzzle)
        m.x = std::int16_t(m.x + 1);
    for (storage::MatchPlacement &m : b.solution)
        m.y = std::int16_t(m.y + 1);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        benchmark::DoNotOptimize(storage::SavePuzzleRecord(file.path, flip ? a : b));
    }
}
BENCHMARK(BM_SavePuzzleRecord64)->Unit(benchmark::kMillisecond);

void BM_ParsedSize(benchmark::State &state)
{
    for (auto _ : state) {
        storage::ProfileDocument document(collectionBytes());
        state.counters["bytes_per_file_byte"] =
            double(document.memoryUse()) / double(collectionBytes().size());
    }
}
BENCHMARK(BM_ParsedSize)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
