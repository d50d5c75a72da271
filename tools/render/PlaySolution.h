// Plays the chosen puzzle's stored solution in the puzzle box with real
// mouse events, as a player would: matches already in place stay, the
// others are turned and dragged onto the places left, and places left over
// get matches from the matchbox.
#pragma once

namespace board {
class Form1;
}

void playSolution(board::Form1 &window);
