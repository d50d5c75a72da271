// Colour arithmetic of the CandyButton drawing.
#pragma once

#include "drawing/GraphicsBas.h"

#include <QRgb>

namespace controls {

// Project helpers.

constexpr int FullPercent = 100;

// The pixel value of a colour on the RGB32 drawing surface.
QRgb toPixel(drawing::OleColor color);

// Names fixed by the program's design: keep them as they are.

// Below min gives min, else above max gives max.
int Clamp(int value, int min, int max);

// Each channel moves percentage (limited to 0..100) of the way from Color1
// to Color2, truncated toward zero. System colours are resolved first.
drawing::OleColor BlendColors(drawing::OleColor Color1, drawing::OleColor Color2, int percentage);

// The channels of Color after resolving a system colour.
void GetRGB(int &r, int &g, int &b, drawing::OleColor Color);

} // namespace controls
