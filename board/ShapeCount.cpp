#include "board/ShapeCount.h"

#include "board/PatternFit.h"

#include <algorithm>
#include <initializer_list>

namespace board {

namespace {

// A triangle's height on the lattice: rows of the triangular lattice lie
// this far apart.
constexpr double Rise = LatticePitch * 0.86602540378443865; // sqrt(3) / 2
constexpr double Half = LatticePitch / 2;

// One side of a shape: it starts at the reference corner moved by `start`
// times the size and runs `step` per match.
struct Side
{
    Spot start;
    Spot step;
    int direction;
};

// The first side starts at the reference corner, so its first match anchors
// the search.
using Outline = std::vector<Side>;

// Reference corner top left.
const Outline Square = {{{0, 0}, {LatticePitch, 0}, Level},
                        {{0, 0}, {0, LatticePitch}, Upright},
                        {{0, LatticePitch}, {LatticePitch, 0}, Level},
                        {{LatticePitch, 0}, {0, LatticePitch}, Upright}};
// Reference corner the apex.
const Outline UpTriangle = {{{0, 0}, {-Half, Rise}, RisingRight},
                            {{0, 0}, {Half, Rise}, FallingRight},
                            {{-Half, Rise}, {LatticePitch, 0}, Level}};
// Reference corner top left.
const Outline DownTriangle = {{{0, 0}, {LatticePitch, 0}, Level},
                              {{0, 0}, {Half, Rise}, FallingRight},
                              {{LatticePitch, 0}, {-Half, Rise}, RisingRight}};

std::vector<Slot> slotsOf(const Outline &outline, int size)
{
    std::vector<Slot> slots;
    slots.reserve(outline.size() * static_cast<size_t>(size));
    for (const Side &side : outline)
        for (int k = 0; k < size; ++k) {
            const double along = k + 0.5;
            slots.push_back({{side.start.x * size + side.step.x * along,
                              side.start.y * size + side.step.y * along},
                             side.direction});
        }
    return slots;
}

struct FoundShape
{
    int size;
    Spot corner;
};

// Collects the shapes of one outline after another. A shape is found from
// every match lying in its first place and kept once; outlines are kept
// apart, as an up and a down triangle may share their reference corner.
class ShapeSearch
{
public:
    explicit ShapeSearch(const Arrangement &box)
        : m_strokes(strokesOf(box))
        , m_none(m_strokes.size(), false)
        , m_used(m_strokes.size(), false)
    {
    }

    void findAll(const Outline &outline)
    {
        std::vector<FoundShape> found;
        const int largest = static_cast<int>(m_strokes.size() / outline.size());
        for (int size = 1; size <= largest; ++size) {
            const std::vector<Slot> slots = slotsOf(outline, size);
            for (size_t anchor = 0; anchor < m_strokes.size(); ++anchor) {
                if (m_strokes[anchor].direction != slots.front().direction)
                    continue;
                if (const auto fit = fitPattern(m_strokes, m_none, slots, anchor, 0))
                    keep(found, size, *fit);
            }
        }
        m_found.insert(m_found.end(), found.begin(), found.end());
    }

    ShapeCount count() const
    {
        ShapeCount result;
        result.shapes = static_cast<int>(m_found.size());
        result.everyMatchUsed = std::find(m_used.begin(), m_used.end(), false) == m_used.end();
        result.allOneSize =
            std::all_of(m_found.begin(), m_found.end(),
                        [this](const FoundShape &s) { return s.size == m_found.front().size; });
        return result;
    }

private:
    // Shapes of one outline and size lie a match length or more apart, so a
    // corner within the tolerance of a kept one is that shape again.
    void keep(std::vector<FoundShape> &found, int size, const PatternFit &fit)
    {
        const auto same = [&](const FoundShape &s) {
            const double dx = s.corner.x - fit.reference.x;
            const double dy = s.corner.y - fit.reference.y;
            return s.size == size && dx * dx + dy * dy <= SolvedTolerance * SolvedTolerance;
        };
        if (std::any_of(found.begin(), found.end(), same))
            return;
        found.push_back({size, fit.reference});
        for (size_t stroke : fit.strokes)
            m_used[stroke] = true;
    }

    std::vector<Stroke> m_strokes;
    std::vector<bool> m_none; // shapes share their sides, so no match is ever taken
    std::vector<bool> m_used;
    std::vector<FoundShape> m_found;
};

ShapeCount countShapes(const Arrangement &box, std::initializer_list<const Outline *> outlines)
{
    ShapeSearch search(box);
    for (const Outline *outline : outlines)
        search.findAll(*outline);
    return search.count();
}

} // namespace

ShapeCount countSquares(const Arrangement &box)
{
    return countShapes(box, {&Square});
}

ShapeCount countTriangles(const Arrangement &box)
{
    return countShapes(box, {&UpTriangle, &DownTriangle});
}

} // namespace board
