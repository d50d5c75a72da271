#include "tools/puzzles/LatticeFigure.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <optional>
#include <stdexcept>

namespace puzzles {
namespace {

// A match this close to an edge's middle lies on it; lattice corners are a
// pitch apart, so no other edge comes near.
constexpr double SnapDistance = 3;
constexpr int HalfTurn = 8;

struct Corner
{
    int a;
    int b;
};

bool onSquareLattice(char side)
{
    return side == 'h' || side == 'v';
}

Side triangleSide(char side)
{
    return side == 'r' ? Side::Right : side == 'd' ? Side::DownRight : Side::DownLeft;
}

std::pair<Corner, Corner> endsOf(const Edge &e)
{
    switch (e.side) {
    case 'h':
    case 'r':
        return {{e.a, e.b}, {e.a + 1, e.b}};
    case 'l':
        return {{e.a, e.b}, {e.a - 1, e.b + 1}};
    default: // 'v', 'd'
        return {{e.a, e.b}, {e.a, e.b + 1}};
    }
}

// The edge between two neighbouring corners, named from its upper or left end.
Edge edgeBetween(Lattice lattice, Corner p, Corner q)
{
    if (q.b < p.b || (q.b == p.b && q.a < p.a))
        std::swap(p, q);
    const bool square = lattice == Lattice::Square;
    if (q.b == p.b)
        return {square ? 'h' : 'r', p.a, p.b};
    if (q.a == p.a)
        return {square ? 'v' : 'd', p.a, p.b};
    return {'l', p.a, p.b};
}

using CornerMap = std::function<Corner(Corner)>;

// The turns and mirror images of each lattice, as maps of its corners.
std::vector<CornerMap> symmetries(Lattice lattice)
{
    if (lattice == Lattice::Square)
        return {[](Corner c) { return c; },
                [](Corner c) {
                    return Corner{-c.b, c.a};
                },
                [](Corner c) {
                    return Corner{-c.a, -c.b};
                },
                [](Corner c) {
                    return Corner{c.b, -c.a};
                },
                [](Corner c) {
                    return Corner{-c.a, c.b};
                },
                [](Corner c) {
                    return Corner{c.b, c.a};
                },
                [](Corner c) {
                    return Corner{c.a, -c.b};
                },
                [](Corner c) {
                    return Corner{-c.b, -c.a};
                }};
    // A sixth of a turn takes (a, b) to (-b, a + b); the mirror image in an
    // upright line takes it to (-a - b, b).
    std::vector<CornerMap> maps;
    for (const bool mirrored : {false, true})
        for (int turns = 0; turns < 6; ++turns)
            maps.push_back([mirrored, turns](Corner c) {
                if (mirrored)
                    c = {-c.a - c.b, c.b};
                for (int t = 0; t < turns; ++t)
                    c = {-c.b, c.a + c.b};
                return c;
            });
    return maps;
}

bool contains(const Edges &sorted, const Edge &e)
{
    return std::binary_search(sorted.begin(), sorted.end(), e);
}

void addIfWithin(std::vector<Outline> &outlines, const Edges &within, Edges sides, int size)
{
    if (std::all_of(sides.begin(), sides.end(), [&](const Edge &e) { return contains(within, e); }))
        outlines.push_back({std::move(sides), size});
}

Match matchOf(const Edge &e)
{
    if (e.side == 'h')
        return levelEdge(e.a, e.b);
    if (e.side == 'v')
        return uprightEdge(e.a, e.b);
    return triangleEdge(e.a, e.b, triangleSide(e.side));
}

// The edge a match lies on, within a few pixels; nothing off the lattice.
std::optional<Edge> edgeUnder(Lattice lattice, const Match &match)
{
    const std::string sides = lattice == Lattice::Square ? "hv" : "rdl";
    const double rowStep = lattice == Lattice::Square ? Pitch : Pitch * std::sqrt(3.0) / 2;
    const int b0 = static_cast<int>(std::floor(match.centre.y / rowStep));
    for (char side : sides)
        for (int b = b0 - 1; b <= b0 + 1; ++b) {
            // Rows of the triangular lattice lean half a pitch each.
            const double lean = lattice == Lattice::Square ? 0 : b / 2.0;
            const int a0 = static_cast<int>(std::floor(match.centre.x / Pitch - lean));
            for (int a = a0 - 1; a <= a0 + 1; ++a) {
                const Edge e{side, a, b};
                const Match m = matchOf(e);
                if ((m.orientation - match.orientation) % HalfTurn == 0 &&
                    std::hypot(m.centre.x - match.centre.x, m.centre.y - match.centre.y) <
                        SnapDistance)
                    return e;
            }
        }
    return std::nullopt;
}

} // namespace

Lattice latticeOf(const Edge &edge)
{
    return onSquareLattice(edge.side) ? Lattice::Square : Lattice::Triangle;
}

Figure figureOf(const Edges &edges)
{
    Figure figure;
    for (const Edge &e : edges)
        figure.push_back(matchOf(e));
    return figure;
}

Edges edgesUnder(Lattice lattice, const Figure &figure)
{
    Edges edges;
    for (const Match &m : figure) {
        const std::optional<Edge> e = edgeUnder(lattice, m);
        if (!e)
            throw std::invalid_argument("a match lies off the lattice");
        edges.push_back(*e);
    }
    return sortedEdges(edges);
}

std::string codeOf(const Edges &edges)
{
    std::string code;
    for (const Edge &e : edges) {
        if (e.a < 0 || e.a > 9 || e.b < 0 || e.b > 9)
            throw std::invalid_argument("an edge lies beyond the codes' digits");
        code += (code.empty() ? "" : " ") + std::string{e.side, char('0' + e.a), char('0' + e.b)};
    }
    return code;
}

Edges edgesOfCode(const std::string &code)
{
    Edges edges;
    for (std::size_t i = 0; i < code.size(); i += 4) {
        if (i + 3 > code.size() || std::string("hvrdl").find(code[i]) == std::string::npos ||
            !std::isdigit(static_cast<unsigned char>(code[i + 1])) ||
            !std::isdigit(static_cast<unsigned char>(code[i + 2])))
            throw std::invalid_argument("not an edge code: " + code);
        edges.push_back({code[i], code[i + 1] - '0', code[i + 2] - '0'});
    }
    return sortedEdges(edges);
}

Edges sortedEdges(Edges edges)
{
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

Edges unitedEdges(const Edges &a, const Edges &b)
{
    Edges united = a;
    united.insert(united.end(), b.begin(), b.end());
    return sortedEdges(united);
}

Edges edgesWithout(const Edges &from, const Edges &removed)
{
    Edges left;
    std::set_difference(from.begin(), from.end(), removed.begin(), removed.end(),
                        std::back_inserter(left));
    return left;
}

Edges atOrigin(Edges edges)
{
    if (edges.empty())
        return edges;
    int lowA = edges.front().a, lowB = edges.front().b;
    for (const Edge &e : edges) {
        lowA = std::min(lowA, e.a);
        lowB = std::min(lowB, e.b);
    }
    for (Edge &e : edges) {
        e.a -= lowA;
        e.b -= lowB;
    }
    return sortedEdges(edges);
}

std::string canonicalCode(const Edges &edges)
{
    if (edges.empty())
        return {};
    const Lattice lattice = latticeOf(edges.front());
    std::string best;
    for (const CornerMap &map : symmetries(lattice)) {
        Edges image;
        for (const Edge &e : edges) {
            const auto [p, q] = endsOf(e);
            image.push_back(edgeBetween(lattice, map(p), map(q)));
        }
        const std::string code = codeOf(atOrigin(image));
        if (best.empty() || code < best)
            best = code;
    }
    return best;
}

Edges squareOutline(int a, int b, int size)
{
    Edges sides;
    for (int t = 0; t < size; ++t)
        sides.insert(
            sides.end(),
            {{'h', a + t, b}, {'h', a + t, b + size}, {'v', a, b + t}, {'v', a + size, b + t}});
    return sortedEdges(sides);
}

Edges triangleOutline(int a, int b, int size, bool up)
{
    Edges sides;
    for (int t = 0; t < size; ++t)
        if (up)
            sides.insert(sides.end(),
                         {{'l', a - t, b + t}, {'d', a, b + t}, {'r', a - size + t, b + size}});
        else
            sides.insert(sides.end(),
                         {{'r', a + t, b}, {'d', a, b + t}, {'l', a + size - t, b + t}});
    return sortedEdges(sides);
}

std::vector<Outline> outlinesWithin(const Edges &edges)
{
    std::vector<Outline> outlines;
    if (edges.empty())
        return outlines;
    int lowA = edges.front().a, highA = lowA, lowB = edges.front().b, highB = lowB;
    for (const Edge &e : edges) {
        lowA = std::min(lowA, e.a);
        highA = std::max(highA, e.a);
        lowB = std::min(lowB, e.b);
        highB = std::max(highB, e.b);
    }
    const bool square = latticeOf(edges.front()) == Lattice::Square;
    const int largest = std::max(highA - lowA, highB - lowB) + 1;
    for (int size = 1; size <= largest; ++size)
        for (int b = lowB; b <= highB; ++b)
            for (int a = lowA - size; a <= highA + size; ++a)
                if (square) {
                    addIfWithin(outlines, edges, squareOutline(a, b, size), size);
                } else {
                    addIfWithin(outlines, edges, triangleOutline(a, b, size, true), size);
                    addIfWithin(outlines, edges, triangleOutline(a, b, size, false), size);
                }
    return outlines;
}

} // namespace puzzles
