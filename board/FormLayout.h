// Where the main window's controls go for a given inner size. Plain
// arithmetic so a test can check it without a window; every value is a
// whole pixel (see PixelRounding.h).
#pragma once

#include "board/BoardModel.h"
#include "board/FormDesign.h"

#include <array>
#include <optional>

namespace board {

// The inner size to open at: the default size where the screen's free area,
// less the window's frame, holds it; smaller where it does not, but never
// below the minimum.
Size openingInnerSize(Size freeArea, Size frame);

// The sizes the layout reads from the window and its controls.
struct LayoutInput
{
    int innerWidth = DesignInnerSize.width;
    int innerHeight = DesignInnerSize.height;
    int outerWidth = DesignInnerSize.width; // including the window frame
    double twipsPerPixelX = 15;
    int topBarHeight = TopBarHeight;
    Point puzzleBoxCorner = PuzzleBoxCorner;
    int boxBorder = 1; // each side; the caption labels centre in the inner width
    int puzzleCaptionWidth = 0;
    int solutionCaptionWidth = 0;
    int matchboxWidth = MatchboxSize.width;
    int matchboxHeight = MatchboxSize.height;
    int boardButtonWidth = BoardButtonSize.width;
    int boardButtonHeight = BoardButtonSize.height;
    int dropDownWidth = DropDownWidth;
    int aboutWidthTwips = TopBarButtonTwips[2].second;
    int instructionsWidthTwips = TopBarButtonTwips[3].second;
    int webLinkWidth = WebLinkSize.width;
    int webLinkHeight = WebLinkSize.height;
    int hintLinkWidth = HintLinkSize.width;
};

struct FormLayout
{
    BoardAreas areas;
    Point puzzleCaption;   // inside the puzzle box
    Point solutionCaption; // inside the solution box
    std::array<Point, 3> boardButtons;
    Point hintLink; // centred between the boxes, just under their top
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
