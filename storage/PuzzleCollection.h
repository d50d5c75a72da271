// The puzzle collection: one section per puzzle in Kindlet.ini, read and
// written through FileIObas.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace storage {

// x, y: pixel offset of the sprite's top-left corner from its box's
// top-left corner; o: orientation index 0..15.
struct MatchPlacement
{
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t o = 0;
    friend bool operator==(const MatchPlacement &a, const MatchPlacement &b)
    {
        return a.x == b.x && a.y == b.y && a.o == b.o;
    }
};

struct PuzzleRecord
{
    std::string title;
    std::string instructions; // real CR LF line breaks
    std::vector<MatchPlacement> puzzle;
    std::vector<MatchPlacement> solution;
};

std::vector<std::string> ListPuzzleTitles(const std::string &file);
PuzzleRecord LoadPuzzleRecord(const std::string &file, const std::string &title);

// Why the file could not store this title and list it back unchanged, or
// nothing when it can.
std::optional<std::string> TitleProblem(const std::string &title);

// False when the title is refused or writing failed; the file is then
// exactly as it was.
bool SavePuzzleRecord(const std::string &file, const PuzzleRecord &record);
bool RemovePuzzleRecord(const std::string &file, const std::string &title);

} // namespace storage
