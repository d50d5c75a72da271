// Start-up: where the program and its puzzle file live, and the entry
// procedure that opens the main window.
#pragma once

#include <string>

namespace board {

// Names fixed by the program's design: keep them as they are.
// The program's folder with a trailing "/", and the one file that holds the
// settings and the puzzles. Set once at start-up.
inline std::string AppFolder;
inline std::string SettingsFile;

constexpr const char *SettingsFileName = "Kindlet.ini";

std::string withTrailingSlash(std::string folder);

// The file beside the program when it is there and it and the program's
// folder can be written; otherwise the same name in the per-user data
// folder, so an installed copy still has its puzzles and saves them.
struct SettingsLocation
{
    std::string file;
    bool perUser = false;
    // A collection beside the program that the player cannot write: the
    // per-user copy starts from it, so its puzzles stay in the list.
    std::string seedFrom;
};
using CanWrite = bool (*)(const std::string &path);
bool canWrite(const std::string &path);
SettingsLocation chooseSettingsFile(const std::string &appFolder, const std::string &dataFolder,
                                    CanWrite writable = canWrite);

// Copies the bundled collection to `file` when there is no file yet, so a
// player's own puzzles are never overwritten. False if it could not.
bool seedSettingsFile(const std::string &file, const std::string &bundledCollection);

} // namespace board
