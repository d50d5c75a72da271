// flintora-ini -- reads, edits and checks a puzzle collection from the shell,
// through the same storage library as the game.
#include "storage/FileIObas.h"
#include "storage/PuzzleCollection.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int usageStatus = 2;

int usage()
{
    std::cerr << "usage: flintora-ini get FILE SECTION KEY DEFAULT SIZE | set FILE SECTION KEY "
                 "VALUE | delete FILE SECTION | delete-key FILE SECTION KEY | sections FILE | "
                 "list FILE | show FILE TITLE | check FILE\n";
    return usageStatus;
}

bool parseSize(const std::string &text, std::int16_t &size)
{
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used != text.size() || value < -32768 || value > 32767)
            return false;
        size = static_cast<std::int16_t>(value);
        return true;
    } catch (const std::exception &) {
        return false;
    }
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
    return found ? 1 : 0;
}

int run(const std::vector<std::string> &a)
{
    const std::string &command = a[0];
    if (command == "get" && a.size() == 6) {
        std::int16_t size = 0;
        if (!parseSize(a[5], size))
            return usage();
        std::cout << storage::ReadProfileString(a[2], a[3], a[4], size, a[1]) << "\n";
    } else if (command == "set" && a.size() == 5) {
        const std::string result = storage::WriteProfileString(a[2], a[3], a[4], a[1]);
        std::cout << (result == "1" ? "1" : "0") << "\n";
        return result == "1" ? 0 : 1;
    } else if (command == "delete" && a.size() == 3) {
        storage::DeleteSection(a[2], a[1]);
    } else if (command == "delete-key" && a.size() == 4) {
        storage::WriteProfileString(a[2], a[3], std::nullopt, a[1]);
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
