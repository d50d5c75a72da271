// Squares and triangles: every answer is a set of exactly the goal's number
// of shapes on the start's lattice, and its matches are their sides, since
// every match must be part of one. So the search picks shapes, not matches,
// and drops a pick as soon as it needs more new matches than moves allow.
#include "board/AnswerCandidates.h"

#include "board/PatternFit.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace board {

namespace {

constexpr double Rise = LatticePitch * 0.86602540378443865; // sqrt(3) / 2
constexpr double Half = LatticePitch / 2;
// New shapes may stand this many pitches beyond the start's matches.
constexpr double Margin = 1;
constexpr size_t MostEdges = 320;
// Picks tried before the search gives up on a huge goal.
constexpr long long SearchBudget = 20'000'000;

using EdgeSet = std::bitset<MostEdges>;

struct Shape
{
    EdgeSet edges;
    int size;
};

// The lattice edges around the start and the shapes made of them.
class Lattice
{
public:
    Lattice(Spot low, Spot high)
        : m_low(low)
        , m_high(high)
    {
    }

    // False when the shape reaches beyond the region or the edges run out.
    bool add(const std::vector<Stroke> &sides, int size)
    {
        Shape shape{{}, size};
        for (const Stroke &side : sides) {
            if (!inside(side.centre))
                return false;
            const std::optional<size_t> edge = edgeAt(side);
            if (!edge)
                return false;
            shape.edges.set(*edge);
        }
        m_shapes.push_back(shape);
        return true;
    }

    // The edge a match lies on, within the tolerance.
    std::optional<size_t> nearestEdge(const Stroke &stroke) const
    {
        for (size_t e = 0; e < m_edges.size(); ++e) {
            const double dx = m_edges[e].centre.x - stroke.centre.x;
            const double dy = m_edges[e].centre.y - stroke.centre.y;
            if (m_edges[e].direction == stroke.direction &&
                dx * dx + dy * dy <= SolvedTolerance * SolvedTolerance)
                return e;
        }
        return std::nullopt;
    }

    const std::vector<Stroke> &edges() const { return m_edges; }
    const std::vector<Shape> &shapes() const { return m_shapes; }
    // Shapes were left out because the edges ran out.
    bool full() const { return m_full; }

private:
    bool inside(Spot p) const
    {
        return p.x >= m_low.x && p.x <= m_high.x && p.y >= m_low.y && p.y <= m_high.y;
    }

    std::optional<size_t> edgeAt(const Stroke &side)
    {
        const auto key = std::make_tuple(std::lround(side.centre.x * 2),
                                         std::lround(side.centre.y * 2), side.direction);
        const auto found = m_index.find(key);
        if (found != m_index.end())
            return found->second;
        if (m_edges.size() == MostEdges) {
            m_full = true;
            return std::nullopt;
        }
        m_index.emplace(key, m_edges.size());
        m_edges.push_back(side);
        return m_edges.size() - 1;
    }

    Spot m_low, m_high;
    std::vector<Stroke> m_edges;
    std::vector<Shape> m_shapes;
    std::map<std::tuple<long, long, int>, size_t> m_index;
    bool m_full = false;
};

// Matches along a side: `count` of them from `from`, each `step` further.
void addSide(std::vector<Stroke> &sides, Spot from, Spot step, int count, int direction)
{
    for (int k = 0; k < count; ++k)
        sides.push_back({{from.x + step.x * (k + 0.5), from.y + step.y * (k + 0.5)}, direction});
}

std::vector<Stroke> squareSides(Spot corner, int size)
{
    std::vector<Stroke> sides;
    const double far = LatticePitch * size;
    addSide(sides, corner, {LatticePitch, 0}, size, Level);
    addSide(sides, {corner.x, corner.y + far}, {LatticePitch, 0}, size, Level);
    addSide(sides, corner, {0, LatticePitch}, size, Upright);
    addSide(sides, {corner.x + far, corner.y}, {0, LatticePitch}, size, Upright);
    return sides;
}

std::vector<Stroke> triangleSides(Spot corner, int size, bool up)
{
    std::vector<Stroke> sides;
    if (up) { // the corner is the apex
        addSide(sides, corner, {-Half, Rise}, size, RisingRight);
        addSide(sides, corner, {Half, Rise}, size, FallingRight);
        addSide(sides, {corner.x - Half * size, corner.y + Rise * size}, {LatticePitch, 0}, size,
                Level);
    } else { // the corner is the top left one
        addSide(sides, corner, {LatticePitch, 0}, size, Level);
        addSide(sides, corner, {Half, Rise}, size, FallingRight);
        addSide(sides, {corner.x + LatticePitch * size, corner.y}, {-Half, Rise}, size,
                RisingRight);
    }
    return sides;
}

// A lattice corner, from a match of the start lying on an edge.
std::optional<Spot> cornerOf(const std::vector<Stroke> &strokes, bool squares)
{
    for (const Stroke &s : strokes) {
        if (s.direction == Level)
            return Spot{s.centre.x - Half, s.centre.y};
        if (squares && s.direction == Upright)
            return Spot{s.centre.x, s.centre.y - Half};
        if (!squares && s.direction == FallingRight)
            return Spot{s.centre.x - Half / 2, s.centre.y - Rise / 2};
        if (!squares && s.direction == RisingRight)
            return Spot{s.centre.x + Half / 2, s.centre.y - Rise / 2};
    }
    return std::nullopt;
}

Lattice latticeAround(const std::vector<Stroke> &strokes, Spot corner, bool squares)
{
    Spot low = strokes.front().centre, high = low;
    for (const Stroke &s : strokes) {
        low = {std::min(low.x, s.centre.x), std::min(low.y, s.centre.y)};
        high = {std::max(high.x, s.centre.x), std::max(high.y, s.centre.y)};
    }
    const double room = Margin * LatticePitch + 1;
    Lattice lattice({low.x - room, low.y - room}, {high.x + room, high.y + room});
    const double rowStep = squares ? LatticePitch : Rise;
    const int rows = static_cast<int>((high.y - low.y + 2 * room) / rowStep) + 2;
    const int columns = static_cast<int>((high.x - low.x + 2 * room) / LatticePitch) + 2;
    const int firstRow = static_cast<int>(std::floor((low.y - room - corner.y) / rowStep));
    for (int size = 1; size <= std::max(rows, columns); ++size) {
        bool any = false;
        for (int j = firstRow; j <= firstRow + rows; ++j) {
            const double y = corner.y + j * rowStep;
            // Triangle rows shift half a pitch each; line the columns up again.
            const double rowShift = squares ? 0 : j * Half;
            const int firstColumn =
                static_cast<int>(std::floor((low.x - room - corner.x - rowShift) / LatticePitch)) -
                1;
            for (int i = firstColumn; i <= firstColumn + columns + 1; ++i) {
                const Spot at{corner.x + rowShift + i * LatticePitch, y};
                if (squares)
                    any |= lattice.add(squareSides(at, size), size);
                else
                    any |= lattice.add(triangleSides(at, size, true), size) |
                           lattice.add(triangleSides(at, size, false), size);
            }
        }
        if (!any)
            break;
    }
    return lattice;
}

// How many ways to choose k of n, roughly: to pick the shorter search.
double combinations(int n, int k)
{
    double ways = 1;
    for (int i = 0; i < k; ++i)
        ways = ways * (n - i) / (i + 1);
    return ways;
}

size_t firstEdge(const EdgeSet &edges)
{
    size_t e = 0;
    while (e < edges.size() && !edges.test(e))
        ++e;
    return e;
}

class ShapePicker
{
public:
    ShapePicker(const Lattice &lattice, const Arrangement &start, const Goal &goal, int moves,
                int answerMatches)
        : m_lattice(lattice)
        , m_start(start)
        , m_goal(goal)
        , m_moves(moves)
        , m_answerMatches(answerMatches)
        , m_edgeOfStart(start.size())
    {
        const std::vector<Stroke> strokes = strokesOf(start);
        for (size_t i = 0; i < strokes.size(); ++i) {
            const std::optional<size_t> edge = lattice.nearestEdge(strokes[i]);
            // A match off the lattice, or a second one on an edge, must go.
            if (!edge || m_startEdges.test(*edge)) {
                ++m_strays;
                continue;
            }
            m_startEdges.set(*edge);
            m_edgeOfStart[i] = edge;
        }
        for (const Shape &shape : lattice.shapes())
            if (static_cast<int>((shape.edges & ~m_startEdges).count()) <= moves)
                m_reachable.push_back(&shape);
        // Shapes in the order of their first side, so the shapes still to
        // come soon stop covering the matches passed, and the pick that
        // must lose them is dropped early.
        std::stable_sort(m_reachable.begin(), m_reachable.end(),
                         [](const Shape *a, const Shape *b) {
                             return firstEdge(a->edges) < firstEdge(b->edges);
                         });
    }

    bool pickAll(std::vector<Arrangement> &candidates)
    {
        m_candidates = &candidates;
        m_laterEdges.assign(m_reachable.size() + 1, EdgeSet());
        for (size_t k = m_reachable.size(); k-- > 0;)
            m_laterEdges[k] = m_laterEdges[k + 1] | m_reachable[k]->edges;
        const int startMatches = static_cast<int>(m_startEdges.count()) + m_strays;
        const bool onlyTaking = m_strays == 0 && m_answerMatches == startMatches - m_moves;
        if (onlyTaking && combinations(startMatches, m_moves) <
                              combinations(static_cast<int>(m_reachable.size()), m_goal.count))
            takeAway(0, m_moves, m_startEdges);
        else
            pick(0, 0, {});
        return m_tried < SearchBudget;
    }

private:
    // Sides only ever join the pick, so a pick that already needs too many
    // new matches or holds too many is lost; so is one that leaves more
    // matches of the start than moves allow on no shape still to come.
    void pick(size_t from, int picked, const EdgeSet &edges)
    {
        if (++m_tried >= SearchBudget ||
            static_cast<int>((edges & ~m_startEdges).count()) > m_moves ||
            (m_answerMatches && static_cast<int>(edges.count()) > m_answerMatches) ||
            static_cast<int>((m_startEdges & ~(edges | m_laterEdges[from])).count()) + m_strays >
                m_moves)
            return;
        if (picked == m_goal.count)
            return settle(edges);
        const size_t left = static_cast<size_t>(m_goal.count - picked);
        for (size_t k = from; k + left <= m_reachable.size(); ++k)
            pick(k + 1, picked + 1, edges | m_reachable[k]->edges);
    }

    // The picked shapes must be all the shapes their sides make.
    void settle(const EdgeSet &edges)
    {
        if (static_cast<int>((m_startEdges & ~edges).count()) + m_strays > m_moves ||
            (m_answerMatches && static_cast<int>(edges.count()) != m_answerMatches))
            return;
        int complete = 0;
        int size = 0;
        EdgeSet sides;
        for (const Shape *shape : m_reachable)
            if ((shape->edges & ~edges).none()) {
                if (++complete > m_goal.count || (m_goal.equal && size && size != shape->size))
                    return;
                size = shape->size;
                sides |= shape->edges;
            }
        if (complete == m_goal.count && sides == edges)
            m_candidates->push_back(arrangementOf(edges));
    }

    // Only taking away: which matches go is all there is to choose.
    void takeAway(size_t from, int left, const EdgeSet &edges)
    {
        if (++m_tried >= SearchBudget)
            return;
        if (left == 0)
            return settle(edges);
        for (size_t e = from; e < edges.size(); ++e)
            if (edges.test(e))
                takeAway(e + 1, left - 1, EdgeSet(edges).reset(e));
    }

    Arrangement arrangementOf(const EdgeSet &edges) const
    {
        Arrangement box;
        EdgeSet placed;
        for (size_t i = 0; i < m_start.size(); ++i)
            if (m_edgeOfStart[i] && edges.test(*m_edgeOfStart[i])) {
                box.push_back(m_start[i]);
                placed.set(*m_edgeOfStart[i]);
            }
        for (size_t e = 0; e < m_lattice.edges().size(); ++e)
            if (edges.test(e) && !placed.test(e))
                box.push_back(placementOf(m_lattice.edges()[e]));
        return box;
    }

    const Lattice &m_lattice;
    const Arrangement &m_start;
    const Goal &m_goal;
    int m_moves;
    int m_answerMatches;
    EdgeSet m_startEdges;
    int m_strays = 0;
    std::vector<std::optional<size_t>> m_edgeOfStart;
    std::vector<const Shape *> m_reachable;
    std::vector<EdgeSet> m_laterEdges; // the sides of the shapes from each on
    std::vector<Arrangement> *m_candidates = nullptr;
    long long m_tried = 0;
};

} // namespace

std::vector<Arrangement> shapeCandidates(const PuzzleRules &rules, int moves, bool &exhaustive)
{
    const bool squares = rules.goal.kind == Goal::Squares;
    const std::vector<Stroke> strokes = strokesOf(rules.start);
    const std::optional<Spot> corner = cornerOf(strokes, squares);
    if (!corner || rules.goal.count <= 0)
        return {};
    const Lattice lattice = latticeAround(strokes, *corner, squares);
    std::vector<Arrangement> candidates;
    ShapePicker picker(lattice, rules.start, rules.goal, moves, rules.answerMatches);
    exhaustive = picker.pickAll(candidates) && !lattice.full() && exhaustive;
    return candidates;
}

} // namespace board
