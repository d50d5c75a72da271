// The body painters of the remaining styles: PaintClassic (style 0) and
// PaintSoft (style 1) paint fixed palettes whatever the colour properties
// say; PaintBead (style 6) shades the button's colours pixel by pixel.
// Each state gets a visibly different body.
//
// Like PaintRounded, they draw over the cleared surface; PaintBead reads
// the look's shapeRadius and innerShape.
#pragma once

#include "controls/CandyLook.h"

class QImage;

namespace controls {

// Names fixed by the program's design: keep them as they are.
void PaintClassic(QImage &surface, const CandyLook &look, ButtonState state);
void PaintSoft(QImage &surface, const CandyLook &look, ButtonState state);
void PaintBead(QImage &surface, const CandyLook &look, ButtonState state);

} // namespace controls
