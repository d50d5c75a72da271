#include "board/FileSolvedMemory.h"

#include "storage/FileIObas.h"

namespace board {

namespace {

// Solved puzzles are remembered in the settings section, which the puzzle
// operations never read, so the file still loads as before.
const std::string SettingsSection = "Settings";

// A key line cannot hold "=", which equation puzzles put in their titles,
// so "%" and "=" are written as %25 and %3D; other titles keep their plain
// "Solved <title>".
std::string solvedKey(const std::string &title)
{
    std::string key = "Solved ";
    for (const char c : title) {
        if (c == '%')
            key += "%25";
        else if (c == '=')
            key += "%3D";
        else
            key += c;
    }
    return key;
}

} // namespace

bool FileSolvedMemory::isSolved(const std::string &title) const
{
    return storage::ReadProfileString(SettingsSection, solvedKey(title), "", 2, m_file) == "1";
}

bool FileSolvedMemory::markSolved(const std::string &title)
{
    return storage::WriteProfileString(SettingsSection, solvedKey(title), std::string("1"),
                                       m_file) == "1";
}

void FileSolvedMemory::forgetSolved(const std::string &title)
{
    storage::WriteProfileString(SettingsSection, solvedKey(title), std::nullopt, m_file);
}

} // namespace board
