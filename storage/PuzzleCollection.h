// The puzzle collection: one section per puzzle in Kindlet.ini, read and
// written through FileIObas.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace storage {

// Names fixed by the program's design: keep them as they are.

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
    // The program's own additions, kept only where the file names them: the
    // puzzle's goal ("figure", "squares 5 equal"...; empty means the stored
    // solution's figure), the matches the player may move (0, no limit), and
    // the matches a solved box holds, so a "take away" or "add" puzzle is
    // not solved by moving instead (0, any number).
    std::string goal{};
    int moves = 0;
    int answerMatches = 0;
};

std::vector<std::string> ListPuzzleTitles(const std::string &file);
PuzzleRecord LoadPuzzleRecord(const std::string &file, const std::string &title);

// False when the record is refused or writing failed; the file is then
// exactly as it was. The file is replaced once, holding what writing the
// keys one by one would give.
bool SavePuzzleRecord(const std::string &file, const PuzzleRecord &record);
bool RemovePuzzleRecord(const std::string &file, const std::string &title);

// The program's own additions: free to rename.

// The section of the program's settings, its name set by the file layout.
// A section of this name in any letter case is never a puzzle: it is not
// listed, and no title may take its name.
inline constexpr char SettingsSection[] = "Settings";

// A value outside the format that the loader replaced with a sound one.
struct LoadCorrection
{
    std::size_t line = 0; // 1-based line in the file, 0 for a missing key
    std::string text;     // what was found and what was used instead
};

// Counts are limited so that the puzzle has at most 63 matches and both
// boxes together at most 64; orientations outside 0..15 and match values
// with missing or non-numeric parts are replaced and reported.
PuzzleRecord LoadPuzzleRecord(const std::string &file, const std::string &title,
                              std::vector<LoadCorrection> &corrections);

// Why the file could not store this title and list it back unchanged, or
// nothing when it can.
std::optional<std::string> TitleProblem(const std::string &title);

// Why the record cannot be saved as it is (its title, a description with
// text Windows-1252 cannot hold, more matches than the board has), or
// nothing when it can.
std::optional<std::string> RecordProblem(const PuzzleRecord &record);

} // namespace storage
