#include "board/ArrangementMatch.h"

#include "board/Orientations.h"

#include <algorithm>

namespace board {

namespace {

// A match reduced to what makes it part of a figure.
struct Segment
{
    double cx;
    double cy;
    int direction; // orientation, or orientation modulo a half turn
};

constexpr int HalfTurn = OrientationCount / 2;

int wrappedOrientation(int o)
{
    return ((o % OrientationCount) + OrientationCount) % OrientationCount;
}

// period is HalfTurn when heads do not matter, OrientationCount when they do.
Segment segmentOf(const storage::MatchPlacement &m, int period)
{
    const int k = wrappedOrientation(m.o);
    const OrientationInfo &info = Orientations[static_cast<size_t>(k)];
    return {m.x + info.width / 2.0, m.y + info.height / 2.0, k % period};
}

std::vector<Segment> segmentsOf(const Arrangement &arrangement, int period)
{
    std::vector<Segment> segments;
    segments.reserve(arrangement.size());
    for (const storage::MatchPlacement &m : arrangement)
        segments.push_back(segmentOf(m, period));
    return segments;
}

struct Shift
{
    double dx = 0;
    double dy = 0;
};

// Maximum one-to-one pairing (augmenting paths) of segments that lie within
// reach of each other once `from` is moved by the shift.
class Pairing
{
public:
    Pairing(const std::vector<Segment> &from, const std::vector<Segment> &to, Shift shift,
            double reach)
        : m_from(from)
        , m_to(to)
        , m_shift(shift)
        , m_reach(reach)
        , m_partnerOfTo(to.size(), -1)
    {
    }

    int size()
    {
        int paired = 0;
        for (size_t i = 0; i < m_from.size(); ++i) {
            m_visited.assign(m_to.size(), false);
            if (augment(i))
                ++paired;
        }
        return paired;
    }

    // After size(): for each match of `from`, its partner in `to`, or -1.
    std::vector<int> partnersOfFrom() const
    {
        std::vector<int> partners(m_from.size(), -1);
        for (size_t t = 0; t < m_to.size(); ++t)
            if (m_partnerOfTo[t] >= 0)
                partners[static_cast<size_t>(m_partnerOfTo[t])] = static_cast<int>(t);
        return partners;
    }

    // Mean offset of the pairs found by size(): the shift that fits them best.
    Shift meanShift() const
    {
        Shift sum;
        int pairs = 0;
        for (size_t t = 0; t < m_to.size(); ++t) {
            if (m_partnerOfTo[t] < 0)
                continue;
            const Segment &f = m_from[static_cast<size_t>(m_partnerOfTo[t])];
            sum.dx += m_to[t].cx - f.cx;
            sum.dy += m_to[t].cy - f.cy;
            ++pairs;
        }
        if (pairs > 0) {
            sum.dx /= pairs;
            sum.dy /= pairs;
        }
        return sum;
    }

private:
    bool reaches(const Segment &f, const Segment &t) const
    {
        // Squared distances: this runs for every pair of every anchor tried.
        const double dx = f.cx + m_shift.dx - t.cx;
        const double dy = f.cy + m_shift.dy - t.cy;
        return f.direction == t.direction && dx * dx + dy * dy <= m_reach * m_reach;
    }

    bool augment(size_t i)
    {
        for (size_t t = 0; t < m_to.size(); ++t) {
            if (m_visited[t] || !reaches(m_from[i], m_to[t]))
                continue;
            m_visited[t] = true;
            if (m_partnerOfTo[t] < 0 || augment(static_cast<size_t>(m_partnerOfTo[t]))) {
                m_partnerOfTo[t] = static_cast<int>(i);
                return true;
            }
        }
        return false;
    }

    const std::vector<Segment> &m_from;
    const std::vector<Segment> &m_to;
    Shift m_shift;
    double m_reach;
    std::vector<int> m_partnerOfTo;
    std::vector<bool> m_visited;
};

bool pairsAll(const std::vector<Segment> &from, const std::vector<Segment> &to, Shift shift,
              double reach)
{
    Pairing pairing(from, to, shift, reach);
    return pairing.size() == static_cast<int>(from.size());
}

// Tries the shift that puts one anchor match exactly on a target, loosely
// first, then again with the best common shift of the pairs found.
bool fitsFromAnchor(const std::vector<Segment> &from, const std::vector<Segment> &to,
                    const Segment &target, double tolerance)
{
    const Shift anchored{target.cx - from.front().cx, target.cy - from.front().cy};
    Pairing loose(from, to, anchored, 2 * tolerance);
    if (loose.size() != static_cast<int>(from.size()))
        return false;
    return pairsAll(from, to, anchored, tolerance) ||
           pairsAll(from, to, loose.meanShift(), tolerance);
}

} // namespace

bool SameFigure(const Arrangement &current, const Arrangement &target, double tolerance)
{
    if (current.size() != target.size() || current.empty())
        return false;
    const std::vector<Segment> from = segmentsOf(current, HalfTurn);
    const std::vector<Segment> to = segmentsOf(target, HalfTurn);
    return std::any_of(to.begin(), to.end(), [&](const Segment &t) {
        return t.direction == from.front().direction && fitsFromAnchor(from, to, t, tolerance);
    });
}

int CountMoves(const Arrangement &start, const Arrangement &current)
{
    const std::vector<int> partners = unmovedPartners(start, current);
    const auto unmoved =
        std::count_if(partners.begin(), partners.end(), [](int t) { return t >= 0; });
    return static_cast<int>(std::max(start.size(), current.size()) - static_cast<size_t>(unmoved));
}

// Pairing's size() finds the pairs the partners are read from.
std::vector<int> unmovedPartners(const Arrangement &start, const Arrangement &current)
{
    const std::vector<Segment> from = segmentsOf(start, HalfTurn);
    const std::vector<Segment> to = segmentsOf(current, HalfTurn);
    Pairing pairing(from, to, Shift{}, SolvedTolerance);
    pairing.size();
    return pairing.partnersOfFrom();
}

} // namespace board
