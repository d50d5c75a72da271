// Figures on one of the two lattices as sets of edges: the form the
// generator makes puzzles in by the hundred. Each edge has a short code
// for the data file, and a figure has one form for all its turns, mirror
// images and shifts, so the same puzzle is found only once.
#pragma once

#include "tools/puzzles/Figure.h"

#include <string>
#include <vector>

namespace puzzles {

enum class Lattice
{
    Square,
    Triangle,
};

// Square lattice: 'h' is levelEdge(a, b), 'v' uprightEdge(a, b).
// Triangular lattice: 'r', 'd', 'l' are triangleEdge(a, b, side) to the
// right, down to the right and down to the left.
struct Edge
{
    char side;
    int a;
    int b;
    friend bool operator==(const Edge &x, const Edge &y)
    {
        return x.side == y.side && x.a == y.a && x.b == y.b;
    }
    friend bool operator<(const Edge &x, const Edge &y)
    {
        return x.side != y.side ? x.side < y.side : x.a != y.a ? x.a < y.a : x.b < y.b;
    }
};

// Sorted, each edge once.
using Edges = std::vector<Edge>;

Lattice latticeOf(const Edge &edge);
Figure figureOf(const Edges &edges);

// The edge each match of the figure lies on, within a few pixels; throws
// std::invalid_argument for a match off the lattice.
Edges edgesUnder(Lattice lattice, const Figure &figure);

// "h00 v12 ...": side letter, then a and b as digits 0 to 9.
std::string codeOf(const Edges &edges);
Edges edgesOfCode(const std::string &code); // throws std::invalid_argument

Edges sortedEdges(Edges edges);
Edges unitedEdges(const Edges &a, const Edges &b);
Edges edgesWithout(const Edges &from, const Edges &removed);

// Moved so the smallest a and the smallest b are both 0.
Edges atOrigin(Edges edges);

// The smallest code among the figure's turns and mirror images, each
// moved to the origin: equal for figures that are one drawn differently.
std::string canonicalCode(const Edges &edges);

// The sides of a square with its upper left corner at (a, b), or of a
// triangle pointing up with its apex there or down with its upper left
// corner there.
Edges squareOutline(int a, int b, int size);
Edges triangleOutline(int a, int b, int size, bool up);

// A square or an equilateral triangle of any size and the edges of its sides.
struct Outline
{
    Edges edges;
    int size;
};
std::vector<Outline> outlinesWithin(const Edges &edges);

} // namespace puzzles
