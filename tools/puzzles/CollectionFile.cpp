#include "tools/puzzles/CollectionFile.h"

#include "tools/puzzles/Puzzle.h"

#include "storage/Cp1252.h"

#include <fstream>
#include <stdexcept>

namespace puzzles {
namespace {

constexpr char LineEnd[] = "\r\n";
constexpr char Pilcrow = '\xB6'; // "¶" in Windows-1252

std::string fileText(const std::string &text, const std::string &what)
{
    const std::optional<std::string> bytes = storage::utf8ToCp1252Exact(text);
    if (!bytes)
        throw std::invalid_argument(what + " holds a character Windows-1252 cannot store");
    return *bytes;
}

std::string storedInstructions(const std::string &text)
{
    std::string bytes = fileText(text, "a description");
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes.compare(i, 2, LineEnd) == 0) {
            out += Pilcrow;
            ++i;
        } else {
            out += bytes[i];
        }
    }
    return out;
}

std::string line(const std::string &key, const std::string &value)
{
    return key + "=" + value + LineEnd;
}

std::string matchLines(char letter, const std::vector<storage::MatchPlacement> &matches)
{
    std::string text;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const auto &m = matches[i];
        text += line(letter + std::to_string(i + 1),
                     std::to_string(m.x) + "," + std::to_string(m.y) + "," + std::to_string(m.o));
    }
    return text;
}

std::string sectionText(const storage::PuzzleRecord &record)
{
    std::string text = "[" + fileText(record.title, "a title") + "]" + LineEnd;
    text += line("Instructions", storedInstructions(record.instructions));
    if (!record.goal.empty())
        text += line("Goal", record.goal);
    if (record.moves > 0)
        text += line("Moves", std::to_string(record.moves));
    if (record.answerMatches > 0)
        text += line("MatchesInAnswer", std::to_string(record.answerMatches));
    text += line("MatchesInPuzzle", std::to_string(record.puzzle.size()));
    text += matchLines('M', record.puzzle);
    text += line("MatchesInSolution", std::to_string(record.solution.size()));
    text += matchLines('S', record.solution);
    return text;
}

} // namespace

std::string collectionBytes(const std::vector<storage::PuzzleRecord> &records)
{
    std::string text = std::string("[Settings]") + LineEnd;
    for (const storage::PuzzleRecord &record : records)
        text += sectionText(record);
    return text;
}

std::vector<storage::PuzzleRecord> bundledRecords()
{
    std::vector<storage::PuzzleRecord> records;
    for (const PuzzleDefinition &definition : bundledPuzzles())
        records.push_back(recordOf(definition));
    return records;
}

bool writeCollection(const std::string &path, std::string &error)
{
    std::string bytes;
    try {
        bytes = collectionBytes(bundledRecords());
    } catch (const std::invalid_argument &e) {
        error = e.what();
        return false;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace puzzles
