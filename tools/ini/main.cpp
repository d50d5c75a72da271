// flintora-ini -- reads, edits and checks a puzzle collection from the shell,
// through the same storage library as the game.
#include "storage/FileIObas.h"
#include "storage/ProfileStore.h"
#include "storage/PuzzleCollection.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int failureStatus = 1;
constexpr int usageStatus = 2;

int usage()
{
    std::cerr << "usage: flintora-ini get FILE SECTION KEY DEFAULT SIZE | set FILE SECTION KEY "
                 "VALUE | delete FILE SECTION | delete-key FILE SECTION KEY | sections FILE | "
                 "list FILE | show FILE TITLE | check FILE\n";
    return usageStatus;
}

bool parseSize(const std::string &text, std::int64_t &size)
{
    try {
        std::size_t used = 0;
        size = std::stoll(text, &used);
        return used == text.size();
    } catch (const std::exception &) {
        return false;
    }
}

int refuse(const std::string &file, const std::string &reason)
{
    std::cerr << "flintora-ini: " << file << ": " << reason << "\n";
    return failureStatus;
}

// What would not read back as given is refused before the file is touched.
int write(const std::string &file, const std::string &section,
          const std::optional<std::string> &key, const std::optional<std::string> &value)
{
    if (const std::optional<std::string> problem = storage::WriteProblem(section, key, value, file))
        return refuse(file, *problem);
    const std::string result = storage::WriteProfileString(section, key, value, file);
    if (value)
        std::cout << (result == "1" ? "1" : "0") << "\n";
    return result == "1" ? 0 : failureStatus;
}

void printMatches(const char *letter, const std::vector<storage::MatchPlacement> &matches)
{
    for (std::size_t i = 0; i < matches.size(); ++i)
        std::cout << letter << i + 1 << "=" << matches[i].x << "," << matches[i].y << ","
                  << matches[i].o << "\n";
}

int show(const std::string &file, const std::string &title)
{
    const storage::PuzzleRecord r = storage::LoadPuzzleRecord(file, title);
    std::cout << "Title: " << r.title << "\nInstructions: " << r.instructions
              << "\nMatchesInPuzzle=" << r.puzzle.size() << "\n";
    printMatches("M", r.puzzle);
    std::cout << "MatchesInSolution=" << r.solution.size() << "\n";
    printMatches("S", r.solution);
    return 0;
}

int check(const std::string &file)
{
    int found = 0;
    for (const std::string &title : storage::ListPuzzleTitles(file)) {
        std::vector<storage::LoadCorrection> corrections;
        storage::LoadPuzzleRecord(file, title, corrections);
        for (const storage::LoadCorrection &c : corrections) {
            std::cout << file << ":" << c.line << ": " << c.text << "\n";
            ++found;
        }
    }
    return found ? failureStatus : 0;
}

// Commands that read the whole file need it to be there and readable;
// reports why not.
bool readable(const std::string &file)
{
    const std::optional<std::string> problem = storage::profileReadProblem(file);
    if (problem)
        refuse(file, *problem);
    return !problem;
}

int run(const std::vector<std::string> &a)
{
    const std::string &command = a[0];
    const bool wholeFile = command == "sections" || command == "list" || command == "check";
    if (wholeFile && a.size() == 2 && !readable(a[1]))
        return failureStatus;
    if (command == "get" && a.size() == 6) {
        std::int64_t size = 0;
        if (!parseSize(a[5], size))
            return usage();
        std::cout << storage::ReadProfileString(a[2], a[3], a[4], size, a[1]) << "\n";
    } else if (command == "set" && a.size() == 5) {
        return write(a[1], a[2], a[3], a[4]);
    } else if (command == "delete" && a.size() == 3) {
        return write(a[1], a[2], std::nullopt, std::nullopt);
    } else if (command == "delete-key" && a.size() == 4) {
        return write(a[1], a[2], a[3], std::nullopt);
    } else if (command == "sections" && a.size() == 2) {
        storage::GetSectionNames(a[1]);
        for (const std::string &name : storage::SectionNames)
            std::cout << name << "\n";
    } else if (command == "list" && a.size() == 2) {
        for (const std::string &title : storage::ListPuzzleTitles(a[1]))
            std::cout << title << "\n";
    } else if (command == "show" && a.size() == 3) {
        return show(a[1], a[2]);
    } else if (command == "check" && a.size() == 2) {
        return check(a[1]);
    } else {
        return usage();
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return usage();
    bool failed = false;
    storage::setErrorHandler([&](const std::string &message) {
        std::cerr << "flintora-ini: " << message << "\n";
        failed = true;
    });
    const int status = run(std::vector<std::string>(argv + 1, argv + argc));
    return failed && status == 0 ? 1 : status;
}
