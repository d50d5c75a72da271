// GraphicsBas -- colour values, lightening, gradients and transparent
// drawing shared by the windows and the controls.
//
// Colour values are 32-bit 0x00BBGGRR (red in the low byte). Values with the
// top bit set are system colours 0x800000nn, resolved through the current
// palette before use; NoColor (-1) means no colour.
#pragma once

#include "drawing/Picture.h"

#include <QColor>
#include <cstdint>

class QPainter;
class QImage;
class QSize;
class QWidget;

namespace drawing {

// Project helpers.

using OleColor = std::uint32_t;
constexpr OleColor NoColor = 0xFFFFFFFFu;

constexpr OleColor rgb(int r, int g, int b)
{
    return OleColor(r & 0xFF) | (OleColor(g & 0xFF) << 8) | (OleColor(b & 0xFF) << 16);
}
constexpr int redOf(OleColor c)
{
    return int(c & 0xFF);
}
constexpr int greenOf(OleColor c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(OleColor c)
{
    return int((c >> 16) & 0xFF);
}

// The system colours that the controls take as defaults.
constexpr OleColor SysWindow = 0x80000005u;
constexpr OleColor SysWindowText = 0x80000008u;
constexpr OleColor SysHighlight = 0x8000000Du;
constexpr OleColor SysHighlightText = 0x8000000Eu;

QColor toQColor(OleColor c);
OleColor fromQColor(const QColor &c);

// Names fixed by the program's design: keep them as they are.

// Resolves a system colour (through the application palette) and masks to
// 0x00FFFFFF; NoColor comes back unchanged.
OleColor TranslateColor(OleColor c);

// The channel times 256, as a 16-bit gradient vertex value.
std::uint16_t Color16Red(OleColor c);
std::uint16_t Color16Green(OleColor c);
std::uint16_t Color16Blue(OleColor c);

// Each channel moves percent of the way to 255, rounded half to even.
OleColor LightenColor(OleColor c, float percent);

// Colour 1 at (x1, y1), colour 2 at (x2, y2); vertical runs top to bottom.
void DrawGradient(QPainter &painter, int x1, int y1, int x2, int y2, OleColor c1, OleColor c2,
                  bool vertical);

// The 257-band background: style 0 L-shaped bands closing on the top-left,
// 1 vertical strips, 2 horizontal strips. outerSize is the window's outer
// rectangle, which sets the band sizes.
void PaintGradientBackground(QPainter &painter, const QSize &outerSize, OleColor c1, OleColor c2,
                             std::int16_t style);
// The same on a widget's own surface, measuring its outer (frame) rectangle.
void PaintGradientBackground(QWidget *window, QPainter &painter, OleColor c1, OleColor c2,
                             std::int16_t style);

// "0".."9" and "A".."F"; anything else is 0.
int HexDigitValue(char ch);

// Draws picture with the key colour transparent; a missing or unsupported
// picture raises ControlError 481.
void DrawTransparentPicture(QPainter &painter, int x, int y, int w, int h, const Picture &picture,
                            int sx, int sy, OleColor key);
void TransparentBlit(QPainter &painter, int x, int y, int w, int h, const QImage &source, int sx,
                     int sy, OleColor key);

} // namespace drawing
