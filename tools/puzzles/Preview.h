// A picture of one puzzle as the main window shows it at its design size,
// or at its default size for a figure too high for the smallest window:
// the puzzle box, the matchbox with the buttons, the solution box with the
// stored solution laid out, and the instructions underneath.
#pragma once

#include "storage/PuzzleCollection.h"

#include <QImage>

namespace puzzles {

QImage previewImage(const storage::PuzzleRecord &record);

} // namespace puzzles
