// Plays an arrangement of the puzzle box with real mouse events, as a
// player would: matches already in place stay, the others are turned and
// dragged onto the places left, those without a place leave the box, and
// places left over get matches from the matchbox.
#pragma once

#include "board/ArrangementMatch.h"

namespace board {
class Form1;
}

// Placements in the puzzle box, as an answer lists them.
void playArrangement(board::Form1 &window, const board::Arrangement &targets);
