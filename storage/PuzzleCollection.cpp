#include "storage/PuzzleCollection.h"

#include "storage/Cp1252.h"
#include "storage/FileIObas.h"
#include "storage/ProfileRead.h"
#include "storage/ProfileStore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace storage {
namespace {

constexpr std::int64_t instructionsSize = 32767; // any stored description comes back whole
constexpr std::int64_t countSize = 5;
constexpr std::int64_t matchSize = 55;
constexpr std::int64_t goalSize = 64;
constexpr int boardMatches = 64;
constexpr int orientations = 16;
const std::string pilcrow = "\xC2\xB6"; // "¶"

// Leading decimal number of the text, rounded half to even; false when the
// text has no number at all.
bool leadingNumber(const std::string &text, double &number)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    const std::size_t digits = pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
        ++pos;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
    }
    if (pos == digits || (pos == digits + 1 && text[digits] == '.'))
        return false;
    number = std::nearbyint(std::strtod(text.substr(start, pos - start).c_str(), nullptr));
    return true;
}

bool isPlainInteger(const std::string &text)
{
    std::size_t pos = (!text.empty() && text[0] == '-') ? 1 : 0;
    if (pos == text.size())
        return false;
    for (; pos < text.size(); ++pos)
        if (text[pos] < '0' || text[pos] > '9')
            return false;
    return true;
}

std::int16_t clamp16(double number)
{
    if (number > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (number < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(number);
}

class Loader
{
public:
    // One snapshot for the whole record: a file replaced while loading
    // cannot mix two versions, and an unreadable file is reported once.
    Loader(const std::string &file, const std::string &title,
           std::vector<LoadCorrection> &corrections)
        : m_document(loadProfile(file))
        , m_title(title)
        , m_corrections(corrections)
    {
        if (!m_document)
            reportProfileError();
    }

    std::string read(const std::string &key, const std::string &fallback, std::int64_t size)
    {
        if (!m_document)
            return {};
        return readProfileValue(*m_document, m_title, key, fallback, size);
    }

    int count(const std::string &key, int limit)
    {
        const std::string text = read(key, "0", countSize);
        double number = 0;
        const bool numeric = leadingNumber(text, number);
        int value = numeric ? static_cast<int>(clamp16(number)) : 0;
        if (value < 0)
            value = 0;
        if (value > limit)
            value = limit;
        if (!isPlainInteger(text) || value != number)
            correct(key, text, std::to_string(value));
        return value;
    }

    MatchPlacement match(const std::string &key)
    {
        const std::string text = read(key, "0,0,0", matchSize);
        std::int16_t parts[3] = {0, 0, 0};
        bool sound = true;
        std::size_t begin = 0;
        for (int i = 0; i < 3; ++i) {
            if (begin > text.size()) {
                sound = false;
                continue;
            }
            const std::size_t comma = text.find(',', begin);
            const std::size_t end = comma == std::string::npos ? text.size() : comma;
            // Blanks around a number are a hand edit's, not a fault.
            const std::string part(trimBlanks(std::string_view(text).substr(begin, end - begin)));
            double number = 0;
            if (!isPlainInteger(part) || !leadingNumber(part, number)) {
                sound = false;
            } else {
                parts[i] = clamp16(number);
                sound = sound && parts[i] == number;
            }
            begin = comma == std::string::npos ? text.size() + 1 : comma + 1;
        }
        if (begin <= text.size())
            sound = false; // more than three parts
        if (parts[2] < 0 || parts[2] >= orientations) {
            parts[2] = 0;
            sound = false;
        }
        const MatchPlacement placement{parts[0], parts[1], parts[2]};
        if (!sound)
            correct(key, text,
                    std::to_string(placement.x) + "," + std::to_string(placement.y) + "," +
                        std::to_string(placement.o));
        return placement;
    }

private:
    void correct(const std::string &key, const std::string &found, const std::string &used)
    {
        std::size_t line = 0;
        if (m_document)
            line = m_document->lineNumberOf(m_document->toFileText(m_title),
                                            m_document->toFileText(key));
        m_corrections.push_back(
            {line, "[" + m_title + "] " + key + "=" + found + " read as " + used});
    }

    const std::shared_ptr<const ProfileDocument> m_document;
    const std::string &m_title;
    std::vector<LoadCorrection> &m_corrections;
};

std::string replaceAll(std::string text, const std::string &from, const std::string &to)
{
    for (std::size_t pos = text.find(from); pos != std::string::npos;
         pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

bool isReservedTitle(const std::string &title)
{
    return lowerAscii(title) == lowerAscii(SettingsSection);
}

// Every line break, also a lone CR or LF that would otherwise split the
// stored line, becomes one "¶".
std::string storedInstructions(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (text[i] == '\r' || text[i] == '\n')
            out += pilcrow;
        else
            out += text[i];
    }
    return out;
}

std::string placementText(const MatchPlacement &m)
{
    return std::to_string(m.x) + "," + std::to_string(m.y) + "," + std::to_string(m.o);
}

} // namespace

std::vector<std::string> ListPuzzleTitles(const std::string &file)
{
    std::vector<std::string> titles;
    for (std::string &name : SectionLineNames(file))
        if (!isReservedTitle(name))
            titles.push_back(std::move(name));
    return titles;
}

PuzzleRecord LoadPuzzleRecord(const std::string &file, const std::string &title,
                              std::vector<LoadCorrection> &corrections)
{
    Loader loader(file, title, corrections);
    PuzzleRecord record;
    record.title = title;
    record.instructions =
        replaceAll(loader.read("Instructions", "", instructionsSize), pilcrow, "\r\n");
    record.goal = std::string(trimBlanks(loader.read("Goal", "", goalSize)));
    record.moves = loader.count("Moves", boardMatches);
    record.answerMatches = loader.count("MatchesInAnswer", boardMatches);
    const int puzzleCount = loader.count("MatchesInPuzzle", boardMatches - 1);
    const int solutionCount = loader.count("MatchesInSolution", boardMatches - puzzleCount);
    for (int i = 1; i <= puzzleCount; ++i)
        record.puzzle.push_back(loader.match("M" + std::to_string(i)));
    for (int i = 1; i <= solutionCount; ++i)
        record.solution.push_back(loader.match("S" + std::to_string(i)));
    return record;
}

PuzzleRecord LoadPuzzleRecord(const std::string &file, const std::string &title)
{
    std::vector<LoadCorrection> ignored;
    return LoadPuzzleRecord(file, title, ignored);
}

std::optional<std::string> TitleProblem(const std::string &title)
{
    if (title.empty())
        return "The title is empty.";
    const std::optional<std::string> bytes = utf8ToCp1252Exact(title);
    if (!bytes)
        return "The title holds a character that the puzzle file cannot store.";
    if (isReservedTitle(*bytes))
        return "\"" + title + "\" is reserved for the program's settings.";
    if (trimBlanks(*bytes).size() != bytes->size())
        return "The title must not begin or end with a blank.";
    for (char c : *bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return "The title must not hold a line break or another control character.";
    }
    return std::nullopt;
}

std::optional<std::string> RecordProblem(const PuzzleRecord &record)
{
    if (std::optional<std::string> problem = TitleProblem(record.title))
        return problem;
    if (!utf8ToCp1252Exact(record.instructions))
        return "The description holds a character that the puzzle file cannot store.";
    const auto printable = [](char c) {
        return c >= 0x20 && c < 0x7F;
    };
    if (!std::all_of(record.goal.begin(), record.goal.end(), printable))
        return "The goal must be plain text on one line.";
    if (record.puzzle.size() >= boardMatches ||
        record.puzzle.size() + record.solution.size() > boardMatches)
        return "The puzzle holds more matches than the board has.";
    return std::nullopt;
}

bool SavePuzzleRecord(const std::string &file, const PuzzleRecord &record)
{
    if (RecordProblem(record))
        return false;
    const std::string instructions = storedInstructions(record.instructions);
    const bool written = editProfile(file, [&](ProfileDocument &document) {
        const std::string section = document.toFileText(record.title);
        bool changed =
            document.setValue(section, "Instructions", document.toFileText(instructions));
        if (!record.goal.empty())
            changed |= document.setValue(section, "Goal", record.goal);
        if (record.moves > 0)
            changed |= document.setValue(section, "Moves", std::to_string(record.moves));
        if (record.answerMatches > 0)
            changed |=
                document.setValue(section, "MatchesInAnswer", std::to_string(record.answerMatches));
        changed |=
            document.setValue(section, "MatchesInPuzzle", std::to_string(record.puzzle.size()));
        for (std::size_t i = 0; i < record.puzzle.size(); ++i)
            changed |= document.setValue(section, "M" + std::to_string(i + 1),
                                         placementText(record.puzzle[i]));
        changed |=
            document.setValue(section, "MatchesInSolution", std::to_string(record.solution.size()));
        for (std::size_t i = 0; i < record.solution.size(); ++i)
            changed |= document.setValue(section, "S" + std::to_string(i + 1),
                                         placementText(record.solution[i]));
        return changed;
    });
    if (!written)
        reportProfileError();
    return written;
}

bool RemovePuzzleRecord(const std::string &file, const std::string &title)
{
    if (isReservedTitle(title))
        return false;
    return WriteProfileString(title, std::nullopt, std::nullopt, file) == "1";
}

} // namespace storage
