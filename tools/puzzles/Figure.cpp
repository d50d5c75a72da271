#include "tools/puzzles/Figure.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace puzzles {

Match levelEdge(int i, int j)
{
    return matchBetween(gridPoint(i, j), gridPoint(i + 1, j));
}

Match uprightEdge(int i, int j)
{
    return matchBetween(gridPoint(i, j), gridPoint(i, j + 1));
}

Figure squareGrid(int columns, int rows)
{
    Figure figure;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i < columns; ++i)
            figure.push_back(levelEdge(i, j));
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i <= columns; ++i)
            figure.push_back(uprightEdge(i, j));
    return figure;
}

Figure squareOutlines(const std::vector<std::pair<int, int>> &cells)
{
    Figure figure;
    for (const auto &[i, j] : cells)
        figure = joined(figure, {levelEdge(i, j), levelEdge(i, j + 1), uprightEdge(i, j),
                                 uprightEdge(i + 1, j)});
    return figure;
}

Match triangleEdge(int a, int b, Side side)
{
    const Point from = trianglePoint(a, b);
    switch (side) {
    case Side::Right:
        return matchBetween(from, trianglePoint(a + 1, b));
    case Side::DownRight:
        return matchBetween(from, trianglePoint(a, b + 1));
    case Side::DownLeft:
        break;
    }
    return matchBetween(from, trianglePoint(a - 1, b + 1));
}

Figure upTriangle(int a, int b)
{
    return {triangleEdge(a, b, Side::DownLeft), triangleEdge(a, b, Side::DownRight),
            triangleEdge(a - 1, b + 1, Side::Right)};
}

Figure downTriangle(int a, int b)
{
    return {triangleEdge(a, b, Side::Right), triangleEdge(a, b, Side::DownRight),
            triangleEdge(a + 1, b, Side::DownLeft)};
}

bool sameSegment(const Match &a, const Match &b)
{
    constexpr int halfTurn = 8;
    return std::hypot(a.centre.x - b.centre.x, a.centre.y - b.centre.y) < 0.5 &&
           (a.orientation - b.orientation) % halfTurn == 0;
}

Figure joined(Figure a, const Figure &b)
{
    for (const Match &m : b) {
        const auto same = [&m](const Match &n) {
            return sameSegment(m, n);
        };
        if (std::none_of(a.begin(), a.end(), same))
            a.push_back(m);
    }
    return a;
}

Figure without(Figure figure, const Figure &removed)
{
    for (const Match &m : removed) {
        const auto same = [&m](const Match &n) {
            return sameSegment(m, n);
        };
        const auto found = std::find_if(figure.begin(), figure.end(), same);
        if (found == figure.end())
            throw std::invalid_argument("a removed match is not in the figure");
        figure.erase(found);
    }
    return figure;
}

Figure shifted(Figure figure, Point by)
{
    for (Match &m : figure)
        m.centre = m.centre + by;
    return figure;
}

std::vector<storage::MatchPlacement> placementsOf(const Figure &figure, Point shift)
{
    std::vector<storage::MatchPlacement> box;
    for (const Match &m : figure)
        box.push_back(placementOf(m, shift));
    return box;
}

Figure figureOfBox(const std::vector<storage::MatchPlacement> &box, const Figure &start,
                   Point shift)
{
    Figure figure;
    for (const storage::MatchPlacement &p : box) {
        const auto kept = std::find_if(start.begin(), start.end(),
                                       [&](const Match &m) { return placementOf(m, shift) == p; });
        figure.push_back(kept != start.end() ? *kept : matchAt(p, shift));
    }
    return figure;
}

namespace {

int notOn(const Figure &figure, const Figure &other)
{
    return int(std::count_if(
        figure.begin(), figure.end(),
        [&](const Match &m) {
            return std::none_of(
                other.begin(), other.end(), [&](const Match &n) { return sameSegment(m, n); });
        }));
}

} // namespace

int movesBetween(const Figure &from, const Figure &to)
{
    return std::max(notOn(from, to), notOn(to, from));
}

} // namespace puzzles
