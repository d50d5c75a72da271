// The body painter of the rounded styles 2, 3, 4, 5 and 7: a base fill, a
// glow of concentric ellipses brightening toward ColorBright, a gloss band
// fading from white, and a one-pixel border ring.
//
// Painters draw over the cleared surface of the whole client area and read
// the look's innerShape, so BuildShape must have run for the current size.
#pragma once

#include "controls/CandyLook.h"

#include <array>

class QImage;

namespace controls {

// Project helpers.

// p0..p11 of one paint: (p2, p3)-(p6, p5) with corner radius p4 is the gloss
// band, p1 and p0 its fade; p7, p8 the glow's size in percent of the width
// and height, (p9, p10) its centre, p11 its colour step.
using StyleParams = std::array<int, 12>;

// Style 7 for any style other than 2..5; height must be at least 1.
StyleParams styleParamsFor(int style, int width, int height, int radius);

struct BodyColors
{
    drawing::OleColor base;
    drawing::OleColor bright;
};

// Up for Normal and Focus, Hover, Down for Down and CheckedDown; a disabled
// button is grey with a white glow.
BodyColors bodyColorsFor(const CandyLook &look, ButtonState state);

// Names fixed by the program's design: keep them as they are.
void PaintRounded(QImage &surface, const CandyLook &look, ButtonState state);
void PaintGlow(QImage &surface, const StyleParams &params, drawing::OleColor base,
               drawing::OleColor bright);

} // namespace controls
