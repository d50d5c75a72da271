// Plays the chosen puzzle's stored solution in the puzzle box with real
// mouse events, as a player would: matches already in place stay, the
// others are turned and dragged onto the places left.
#pragma once

namespace board {
class Form1;
}

void playSolution(board::Form1 &window);
