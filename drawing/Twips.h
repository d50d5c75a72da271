// Twips (1/1440 inch) per pixel of the primary screen, horizontal and
// vertical separately: 15 at the usual 96 dots per inch.
// No name here is fixed by the program's design.
#pragma once

namespace drawing {

constexpr int TwipsPerInch = 1440;

double twipsPerPixelX();
double twipsPerPixelY();

} // namespace drawing
