#include "board/FormLayout.h"

#include "board/PixelRounding.h"

#include <algorithm>

namespace board {

namespace {

constexpr int ButtonGap = 6;
constexpr int StatusGap = 10;
constexpr int AboutRightMarginTwips = 90;
constexpr int TopBarButtonGapTwips = 10;
constexpr int WebLinkBottomMargin = 5;
constexpr int WebLinkRightMargin = 10;

int twipsToPixels(double twips, double twipsPerPixel)
{
    return roundPixel(twips / twipsPerPixel);
}

void layOutBoxes(const LayoutInput &in, FormLayout &out)
{
    Rect &mb = out.areas.matchbox;
    Rect &puzzle = out.areas.puzzleBox;
    Rect &solution = out.areas.solutionBox;
    mb.width = in.matchboxWidth;
    mb.height = in.matchboxHeight;
    mb.left = roundPixel((in.innerWidth - mb.width) / 2.0);
    puzzle.left = in.puzzleBoxCorner.x;
    puzzle.top = in.puzzleBoxCorner.y;
    puzzle.width = roundPixel(mb.width * 0.1 + mb.left);
    puzzle.height = roundPixel(in.innerHeight * 0.8 - 2 * puzzle.top + in.topBarHeight);
    mb.top = roundPixel((in.innerHeight - mb.height) / 2.0);
    solution.top = puzzle.top;
    solution.left = roundPixel(mb.width * 0.9 + mb.left - puzzle.left);
    solution.width = puzzle.width;
    solution.height = puzzle.height;
    const int innerBoxWidth = puzzle.width - 2 * in.boxBorder;
    out.puzzleCaption = {roundPixel((innerBoxWidth - in.puzzleCaptionWidth) / 2.0), 0};
    out.solutionCaption = {roundPixel((innerBoxWidth - in.solutionCaptionWidth) / 2.0), 0};
}

void layOutBoardButtons(const LayoutInput &in, FormLayout &out)
{
    const Rect &puzzle = out.areas.puzzleBox;
    const Rect &mb = out.areas.matchbox;
    Point &reset = out.boardButtons[0];
    reset.y = puzzle.top + puzzle.height - in.boardButtonHeight - ButtonGap;
    reset.x = roundPixel((mb.width - in.boardButtonWidth) / 2.0 + mb.left);
    for (int i = 1; i < 3; ++i) {
        out.boardButtons[i].y = out.boardButtons[i - 1].y - in.boardButtonHeight - ButtonGap;
        out.boardButtons[i].x = out.boardButtons[i - 1].x;
    }
    out.hintLink = {roundPixel((mb.width - in.hintLinkWidth) / 2.0 + mb.left),
                    puzzle.top + ButtonGap};
}

void layOutEdges(const LayoutInput &in, FormLayout &out)
{
    const Rect &puzzle = out.areas.puzzleBox;
    const Rect &solution = out.areas.solutionBox;
    out.instructions = {puzzle.left, puzzle.height + puzzle.top + puzzle.left};
    out.instructionsWidth = solution.width + solution.left - puzzle.left;
    out.dropDown = {roundPixel((in.innerWidth - in.dropDownWidth) / 2.0), 0};
    out.statusLeft = out.dropDown.x + in.dropDownWidth + StatusGap;
    const double outerTwips = in.outerWidth * in.twipsPerPixelX;
    const double aboutLeft = outerTwips - in.aboutWidthTwips - AboutRightMarginTwips;
    const double instructionsLeft = aboutLeft - in.instructionsWidthTwips - TopBarButtonGapTwips;
    out.aboutButton = {twipsToPixels(aboutLeft, in.twipsPerPixelX), 0};
    out.instructionsButton = {twipsToPixels(instructionsLeft, in.twipsPerPixelX), 0};
    out.webLink = {in.innerWidth - in.webLinkWidth - WebLinkRightMargin,
                   in.innerHeight - in.webLinkHeight - WebLinkBottomMargin};
}

bool fitsWindow(const LayoutInput &in, const FormLayout &out)
{
    const Rect &puzzle = out.areas.puzzleBox;
    return puzzle.width > 0 && puzzle.height > 0 && out.areas.matchbox.left >= 0 &&
           out.areas.matchbox.top >= 0 && out.boardButtons[2].y >= 0 && out.dropDown.x >= 0 &&
           out.webLink.x >= 0 && out.webLink.y >= 0 && out.instructionsWidth > 0 &&
           out.instructions.y < in.innerHeight;
}

} // namespace

Size openingInnerSize(Size freeArea, Size frame)
{
    return {
        std::clamp(freeArea.width - frame.width, MinimumInnerSize.width, DefaultInnerSize.width),
        std::clamp(freeArea.height - frame.height, MinimumInnerSize.height,
                   DefaultInnerSize.height)};
}

std::optional<FormLayout> Form_ResizeLayout(const LayoutInput &in)
{
    if (in.innerWidth <= 0 || in.innerHeight <= 0)
        return std::nullopt;
    FormLayout out;
    layOutBoxes(in, out);
    layOutBoardButtons(in, out);
    layOutEdges(in, out);
    if (!fitsWindow(in, out))
        return std::nullopt;
    return out;
}

} // namespace board
