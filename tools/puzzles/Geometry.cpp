#include "tools/puzzles/Geometry.h"

#include "board/Orientations.h"

#include <cmath>
#include <stdexcept>

namespace puzzles {
namespace {

constexpr double Pi = 3.14159265358979323846;

// Lattice directions are exact up to rounding; a degree is far below the
// fifteen between two orientations.
constexpr double AngleTolerance = 1.0;

double angleBetween(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

// Halves round up, the same way on every axis, so matches of one figure
// keep their distances.
std::int16_t pixel(double v)
{
    return static_cast<std::int16_t>(std::floor(v + 0.5));
}

} // namespace

Match matchFrom(Point tail, Point head)
{
    const double dx = head.x - tail.x;
    const double dy = head.y - tail.y;
    const double angle = std::atan2(dx, -dy) * 180.0 / Pi;
    for (int k = 0; k < board::OrientationCount; ++k)
        if (angleBetween(angle, board::Orientations[k].angle) < AngleTolerance)
            return {{(tail.x + head.x) / 2, (tail.y + head.y) / 2}, k};
    throw std::invalid_argument("no orientation for a match at " + std::to_string(angle) +
                                " degrees");
}

Match matchBetween(Point a, Point b)
{
    const bool bIsHead = std::abs(a.y - b.y) < 1e-6 ? b.x > a.x : b.y < a.y;
    return bIsHead ? matchFrom(a, b) : matchFrom(b, a);
}

Point gridPoint(double i, double j)
{
    return {i * Pitch, j * Pitch};
}

Point trianglePoint(double a, double b)
{
    return {(a + b / 2) * Pitch, b * Pitch * std::sqrt(3.0) / 2};
}

storage::MatchPlacement placementOf(const Match &match, Point shift)
{
    const auto &image = board::Orientations[match.orientation];
    return {pixel(match.centre.x + shift.x - image.width / 2.0),
            pixel(match.centre.y + shift.y - image.height / 2.0),
            static_cast<std::int16_t>(match.orientation)};
}

Match matchAt(const storage::MatchPlacement &placement, Point shift)
{
    const auto &image = board::Orientations[placement.o];
    return {{placement.x - shift.x + image.width / 2.0, placement.y - shift.y + image.height / 2.0},
            placement.o};
}

} // namespace puzzles
