// The collection a player's first start copies into their own data folder.
#pragma once

#include <string>

namespace board {

// Where a distributor installs the collection, under an XDG data folder.
constexpr const char *InstalledCollection = "flintora/Kindlet.ini";
// The copy compiled into the program.
constexpr const char *BundledCollection = ":/collection/Kindlet.ini";

// The collection beside the program when one is given and reads as
// something; else the installed collection when one is found in the XDG
// data folders and reads as something, so a collection can be swapped
// without recompiling; otherwise the compiled-in one.
std::string seedCollection(const std::string &besideProgram = {});

} // namespace board
