#include "board/PatternFit.h"

#include "board/Orientations.h"

#include <cmath>

namespace board {

namespace {

constexpr int HalfTurn = OrientationCount / 2;

// The anchor itself may be off by the tolerance, so the others may lie twice
// that far from where the anchor puts them before the common shift is known.
constexpr double Reach = 2 * SolvedTolerance;

Spot operator+(Spot a, Spot b)
{
    return {a.x + b.x, a.y + b.y};
}

Spot operator-(Spot a, Spot b)
{
    return {a.x - b.x, a.y - b.y};
}

// Squared: this runs for every stroke of every slot tried.
double squaredDistance(Spot a, Spot b)
{
    const Spot d = a - b;
    return d.x * d.x + d.y * d.y;
}

// The nearest free stroke of the direction closer than the reach; the first
// one listed when two lie equally near.
std::optional<size_t> nearestFree(const std::vector<Stroke> &strokes, const std::vector<bool> &busy,
                                  Spot place, int direction)
{
    std::optional<size_t> nearest;
    double best = Reach * Reach;
    for (size_t i = 0; i < strokes.size(); ++i) {
        if (busy[i] || strokes[i].direction != direction)
            continue;
        const double d = squaredDistance(strokes[i].centre, place);
        if (d < best) {
            nearest = i;
            best = d;
        }
    }
    return nearest;
}

// Sums the squared distances of the strokes from their places into the
// misfit; false when one lies further than the tolerance from its place.
bool measure(const std::vector<Stroke> &strokes, const std::vector<Slot> &pattern, PatternFit &fit)
{
    for (size_t k = 0; k < pattern.size(); ++k) {
        const double d =
            squaredDistance(strokes[fit.strokes[k]].centre, fit.reference + pattern[k].offset);
        if (d > SolvedTolerance * SolvedTolerance)
            return false;
        fit.misfit += d;
    }
    return true;
}

} // namespace

std::vector<Stroke> strokesOf(const Arrangement &box)
{
    std::vector<Stroke> strokes;
    strokes.reserve(box.size());
    for (const storage::MatchPlacement &m : box) {
        const int k = ((m.o % OrientationCount) + OrientationCount) % OrientationCount;
        const OrientationInfo &image = Orientations[static_cast<size_t>(k)];
        strokes.push_back({{m.x + image.width / 2.0, m.y + image.height / 2.0}, k % HalfTurn});
    }
    return strokes;
}

storage::MatchPlacement placementOf(const Stroke &stroke)
{
    // Directions past level point their heads down; half a turn puts them up.
    const int orientation =
        stroke.direction > Level ? stroke.direction + HalfTurn : stroke.direction;
    const OrientationInfo &image = Orientations[static_cast<size_t>(orientation)];
    return {static_cast<std::int16_t>(std::lround(stroke.centre.x - image.width / 2.0)),
            static_cast<std::int16_t>(std::lround(stroke.centre.y - image.height / 2.0)),
            static_cast<std::int16_t>(orientation)};
}

std::optional<PatternFit> fitPattern(const std::vector<Stroke> &strokes,
                                     const std::vector<bool> &taken,
                                     const std::vector<Slot> &pattern, size_t anchor, size_t slot)
{
    const Spot start = strokes[anchor].centre - pattern[slot].offset;
    std::vector<bool> busy = taken;
    PatternFit fit;
    fit.strokes.reserve(pattern.size());
    Spot drift;
    for (const Slot &s : pattern) {
        const std::optional<size_t> found =
            nearestFree(strokes, busy, start + s.offset, s.direction);
        if (!found)
            return std::nullopt;
        busy[*found] = true;
        fit.strokes.push_back(*found);
        drift = drift + (strokes[*found].centre - (start + s.offset));
    }
    const double count = static_cast<double>(pattern.size());
    fit.reference = start + Spot{drift.x / count, drift.y / count};
    if (!measure(strokes, pattern, fit))
        return std::nullopt;
    return fit;
}

} // namespace board
