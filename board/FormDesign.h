// The main window as designed: the sizes and places its controls are built
// with and the layout arithmetic starts from. Pixels unless named twips.
#pragma once

#include <array>
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
// The inner size the window opens at where the screen holds it: taller than
// the design, so the boxes have room for sums of digits on two lines.
constexpr Size DefaultInnerSize{975, 690};
// The smallest inner size at which no control overlaps another and every
// bundled figure lies in its box clear of the matchbox and the buttons.
constexpr Size MinimumInnerSize{963, 550};

constexpr int TopBarHeight = 27;
constexpr Point PuzzleBoxCorner{16, 45};
// Where the solution box stands until the first layout places it.
constexpr Point SolutionBoxCorner{538, 47};
constexpr Size MatchboxSize{165, 112};
constexpr Size BoardButtonSize{130, 40};
constexpr int DropDownWidth = 296;
constexpr int PuzzleListHeight = 300;
constexpr Size WebLinkSize{248, 25};
// The Hint link, between the boxes above the spare matches.
constexpr Size HintLinkSize{80, 24};

// Design places of the top bar's buttons, in twips: left, width (all 405
// high). Save and Delete stay there; About and Instructions follow the
// window's right edge.
constexpr std::array<std::pair<int, int>, 4> TopBarButtonTwips = {
    {{45, 1695}, {1755, 1575}, {0, 1095}, {0, 1815}}};

} // namespace board
