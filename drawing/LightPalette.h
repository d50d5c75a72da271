// LightPalette -- the light system colours that the game's own looks were
// drawn against: grey windows and buttons, black text, white fields. The
// game keeps them under a dark desktop theme, whose light text would
// vanish on its light backgrounds.
// No name here is fixed by the program's design.
#pragma once

#include <QPalette>

namespace drawing {

QPalette lightPalette();

} // namespace drawing
