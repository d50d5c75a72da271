// Where the main window's controls go for a given inner size. Plain
// arithmetic so a test can check it without a window; every value is a
// whole pixel (see PixelRounding.h).
#pragma once

#include "board/BoardModel.h"

#include <array>
#include <optional>
#include <utility>

namespace board {

struct Point
{
    int x = 0;
    int y = 0;
    friend bool operator==(const Point &a, const Point &b) { return a.x == b.x && a.y == b.y; }
};

struct Size
{
    int width = 0;
    int height = 0;
    friend bool operator==(const Size &a, const Size &b)
    {
        return a.width == b.width && a.height == b.height;
    }
};

// The inner size the window is designed for.
constexpr Size DesignInnerSize{975, 600};
// The smallest inner size at which no control overlaps another and every
// bundled figure lies in its box clear of the matchbox and the buttons.
constexpr Size MinimumInnerSize{963, 550};

// Design places of the top bar's buttons, in twips: left, width (all 405
// high). Save and Delete stay there; About and Instructions follow the
// window's right edge.
constexpr std::array<std::pair<int, int>, 4> TopBarButtonTwips = {
    {{45, 1695}, {1755, 1575}, {0, 1095}, {0, 1815}}};

// The inner size to open at: the design size where the screen's free area,
// less the window's frame, holds it; smaller where it does not, but never
// below the minimum.
Size openingInnerSize(Size freeArea, Size frame);

// The sizes the layout reads from the window and its controls.
struct LayoutInput
{
    int innerWidth = 975;
    int innerHeight = 600;
    int outerWidth = 975; // including the window frame
    double twipsPerPixelX = 15;
    int topBarHeight = 27;
    Point puzzleBoxCorner{16, 45};
    int boxBorder = 1; // each side; the caption labels centre in the inner width
    int puzzleCaptionWidth = 0;
    int solutionCaptionWidth = 0;
    int matchboxWidth = 165;
    int matchboxHeight = 112;
    int boardButtonWidth = 130;
    int boardButtonHeight = 40;
    int dropDownWidth = 296;
    int aboutWidthTwips = 1095;
    int instructionsWidthTwips = 1815;
    int webLinkWidth = 248;
    int webLinkHeight = 25;
};

struct FormLayout
{
    BoardAreas areas;
    Point puzzleCaption;   // inside the puzzle box
    Point solutionCaption; // inside the solution box
    std::array<Point, 3> boardButtons;
    Point instructions;
    int instructionsWidth = 0;
    Point dropDown;
    int statusLeft = 0; // in the top bar
    Point aboutButton;  // in the top bar
    Point instructionsButton;
    Point webLink;
};

// Nothing when the window is minimized or too small for the formulas: no
// control may get a negative size or leave the window.
std::optional<FormLayout> Form_ResizeLayout(const LayoutInput &in);

} // namespace board
