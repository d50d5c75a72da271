// The tick that marks a solved puzzle in the puzzle list: an icon strip for
// the list, image 0 empty and image 1 the tick.
#pragma once

#include "drawing/GraphicsBas.h"

#include <QImage>

namespace board {

constexpr int NoMarkIcon = 0;
constexpr int SolvedMarkIcon = 1;
constexpr int SolvedMarkSide = 16;
// No pixel of the strip has it: the clear pixels are transparent already.
constexpr drawing::OleColor SolvedMarkMaskColor = drawing::rgb(255, 0, 255);

// Each icon is SolvedMarkSide window pixels square, drawn on devicePixelRatio
// device pixels per window pixel.
QImage solvedMarkStrip(qreal devicePixelRatio);

} // namespace board
