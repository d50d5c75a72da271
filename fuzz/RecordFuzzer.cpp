// Loads every listed puzzle of an arbitrary file: the loader must never
// crash and must give counts the board can hold and orientations 0..15.
#include "storage/PuzzleCollection.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string path = "/tmp/flintora-fuzz-" + std::to_string(::getpid()) + ".ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    for (const std::string &title : storage::ListPuzzleTitles(path)) {
        std::vector<storage::LoadCorrection> corrections;
        const storage::PuzzleRecord r = storage::LoadPuzzleRecord(path, title, corrections);
        if (r.puzzle.size() > 63 || r.puzzle.size() + r.solution.size() > 64)
            std::abort();
        for (const auto *list : {&r.puzzle, &r.solution})
            for (const storage::MatchPlacement &m : *list)
                if (m.o < 0 || m.o > 15)
                    std::abort();
    }
    return 0;
}
