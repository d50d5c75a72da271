// The outline of a CandyButton: its corner radius by style, the window mask
// and the inner outline the painters use.
// No name here is fixed by the program's design.
#pragma once

#include "controls/SpanRegion.h"

#include <QSize>

namespace controls {

struct CandyShape
{
    int radius = 0;
    // False for the rectangular styles 0 and 1 (no mask).
    bool rounded = false;
    SpanRegion outline;
    SpanRegion inner;
};

// Styles 0, 1 and unknown styles keep the current radius.
int shapeRadiusFor(int style, QSize client, int currentRadius);

// Styles other than 2..7 get no outline; styles 0 and 1 keep their previous
// inner outline, which the caller holds.
CandyShape buildCandyShape(int style, QSize client, int currentRadius);

} // namespace controls
