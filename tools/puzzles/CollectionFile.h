// The bundled Kindlet.ini: Windows-1252 bytes, CR LF line ends, an empty
// settings section first, then one section per puzzle in list order.
#pragma once

#include "storage/PuzzleCollection.h"

#include <string>
#include <vector>

namespace puzzles {

// Throws std::invalid_argument for a title or description the file cannot
// hold.
std::string collectionBytes(const std::vector<storage::PuzzleRecord> &records);

// The records of the bundled puzzles, laid out in their boxes.
std::vector<storage::PuzzleRecord> bundledRecords();

// False with the reason in error when the file cannot be written.
bool writeCollection(const std::string &path, std::string &error);

} // namespace puzzles
