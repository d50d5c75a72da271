// CandyLook -- everything a CandyButton's drawing reads: the persisted look
// properties plus the corner radius and inner outline that BuildShape keeps.
#pragma once

#include "controls/SpanRegion.h"
#include "drawing/GraphicsBas.h"
#include "drawing/Picture.h"

#include <QFont>
#include <QString>

namespace controls {

// Names fixed by the program's design: keep them as they are.

// The argument of every redraw.
enum ButtonState
{
    Normal = 0,
    Down = 1,
    Focus = 2,
    Hover = 3,
    CheckedDown = 4
};

// Project helpers.

namespace CandyDefaults {
constexpr drawing::OleColor ColorButtonUp = 0xE99950;
constexpr drawing::OleColor ColorButtonHover = 0xFFC090;
constexpr drawing::OleColor ColorButtonDown = 0xE99950;
constexpr drawing::OleColor ColorBright = 0xFFEDB0;
constexpr drawing::OleColor HighLiteColor = 0x00FF00;
// The surface behind the body: the system button face.
constexpr drawing::OleColor BackColor = 0x8000000F;
constexpr int BorderBrightnessLimit = 100;
} // namespace CandyDefaults

struct CandyLook
{
    int style = 0;
    bool enabled = true;
    drawing::OleColor colorButtonUp = CandyDefaults::ColorButtonUp;
    drawing::OleColor colorButtonHover = CandyDefaults::ColorButtonHover;
    drawing::OleColor colorButtonDown = CandyDefaults::ColorButtonDown;
    drawing::OleColor colorBright = CandyDefaults::ColorBright;
    // -100..100: percent toward white (positive) or black (negative).
    int borderBrightness = 0;
    drawing::OleColor foreColor = 0;
    drawing::OleColor backColor = CandyDefaults::BackColor;
    QString caption;
    QFont font;
    drawing::Picture picture;
    int pictureAlignment = 0;
    bool iconHighLite = false;
    drawing::OleColor iconHighLiteColor = CandyDefaults::HighLiteColor;
    bool captionHighLite = false;
    drawing::OleColor captionHighLiteColor = CandyDefaults::HighLiteColor;

    // Kept by BuildShape: the corner radius and the outline shrunk by one
    // pixel, in client pixels.
    int shapeRadius = 0;
    SpanRegion innerShape;
};

} // namespace controls
