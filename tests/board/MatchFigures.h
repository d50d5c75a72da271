// Figures laid out of matches for the tests that count shapes, read
// equations and judge boxes: pixels as a sprite stores them, y down.
#pragma once

#include "board/ArrangementMatch.h"
#include "board/Orientations.h"

#include <cmath>

namespace figures {

using board::Arrangement;
using storage::MatchPlacement;

constexpr double Pitch = 100; // lattice corners lie this far apart

struct Point
{
    double x, y;
};

// The match between two points: its image centred on the middle of the two.
inline MatchPlacement between(Point a, Point b, int orientation)
{
    const auto &image = board::Orientations[static_cast<size_t>(orientation)];
    return {static_cast<std::int16_t>(std::lround((a.x + b.x - image.width) / 2)),
            static_cast<std::int16_t>(std::lround((a.y + b.y - image.height) / 2)),
            static_cast<std::int16_t>(orientation)};
}

// The lattice edge from a corner: level (4) to the right, upright (0) down.
inline MatchPlacement edge(Point from, int orientation)
{
    const bool level = orientation == 4;
    return between(from, {from.x + (level ? Pitch : 0), from.y + (level ? 0 : Pitch)}, orientation);
}

// Every edge of a grid of unit squares, top left corner at (0, 0).
inline Arrangement grid(int columns, int rows)
{
    Arrangement box;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i < columns; ++i)
            box.push_back(edge({i * Pitch, j * Pitch}, 4));
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i <= columns; ++i)
            box.push_back(edge({i * Pitch, j * Pitch}, 0));
    return box;
}

// Triangular lattice: each row half a pitch right of the row above.
inline Point corner(int a, int b)
{
    return {(a + b / 2.0) * Pitch, b * (Pitch * std::sqrt(3.0) / 2)};
}

inline Arrangement nudged(Arrangement box, size_t match, int dx, int dy)
{
    MatchPlacement &m = box[match];
    m = {static_cast<std::int16_t>(m.x + dx), static_cast<std::int16_t>(m.y + dy), m.o};
    return box;
}

inline Arrangement shifted(Arrangement box, int dx, int dy)
{
    for (size_t k = 0; k < box.size(); ++k)
        box = nudged(box, k, dx, dy);
    return box;
}

// Shifted as a whole, then every match a few pixels off its place as a hand
// lays it: well within the tolerance.
inline Arrangement byHand(Arrangement box, int dx, int dy)
{
    const int nudges[][2] = {{9, -6}, {-8, 7}, {5, 10}, {-10, -4}, {7, 3}, {-3, -9}};
    for (size_t k = 0; k < box.size(); ++k)
        box = nudged(box, k, dx + nudges[k % 6][0], dy + nudges[k % 6][1]);
    return box;
}

inline Arrangement plus(Arrangement box, const Arrangement &more)
{
    box.insert(box.end(), more.begin(), more.end());
    return box;
}

} // namespace figures
