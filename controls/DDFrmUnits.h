// Vertical twips and pixels for the drop-down frame, at the screen's
// twips per pixel, rounded to the nearest whole unit.
// No name here is fixed by the program's design.
#pragma once

#include "drawing/Twips.h"

#include <QtGlobal>

namespace controls {

inline int ddPixelsY(int twips)
{
    return qRound(twips / drawing::twipsPerPixelY());
}

inline int ddTwipsY(int pixels)
{
    return qRound(pixels * drawing::twipsPerPixelY());
}

} // namespace controls
