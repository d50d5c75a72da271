#include "storage/SolvedPuzzles.h"

#include "storage/FileIObas.h"
#include "storage/PuzzleCollection.h"

namespace storage {
namespace {

constexpr std::int64_t flagSize = 2; // the "1" and the terminator
const std::string solvedFlag = "1";

std::string solvedKey(const std::string &title)
{
    std::string key = "Solved ";
    for (const char c : title)
        if (c == '%')
            key += "%25";
        else if (c == '=')
            key += "%3D";
        else
            key += c;
    return key;
}

} // namespace

bool IsSolved(const std::string &file, const std::string &title)
{
    return ReadProfileString(SettingsSection, solvedKey(title), "", flagSize, file) == solvedFlag;
}

bool MarkSolved(const std::string &file, const std::string &title)
{
    return WriteProfileString(SettingsSection, solvedKey(title), solvedFlag, file) == "1";
}

void ForgetSolved(const std::string &file, const std::string &title)
{
    WriteProfileString(SettingsSection, solvedKey(title), std::nullopt, file);
}

} // namespace storage
