// What squares and triangles have in common: figures made of unit cells,
// and the three ways to change one into so many shapes, taking matches
// away, moving them or adding some from the matchbox.
#pragma once

#include "tools/puzzles/Candidates.h"
#include "tools/puzzles/LatticeFigure.h"

namespace puzzles {

// The outlines of every connected set of cells, fewest to most of them,
// that fits a box, each shape once: unit squares within three by three,
// or unit triangles within three rows and three and a half pitches.
std::vector<Edges> cellFigures(Lattice lattice, int fewestCells, int mostCells);

// Taking away up to `most` matches so that so many shapes are left, all
// the same size or not: where the ways to do it are few, the answer
// search need not be asked.
std::vector<Candidate> takeAwayCandidates(const Edges &figure, int most);

// Moving `moves` matches to make from one shape to a few more than the
// figure has, or adding them to make more; the answer search tells which
// can be done.
std::vector<Candidate> moveCandidates(const Edges &figure, int moves);
std::vector<Candidate> addCandidates(const Edges &figure, int moves);

// The figure with `moves` of its matches missing, to be added back.
std::vector<Candidate> mendCandidates(const Edges &figure, int moves);

// All of these for every figure of so many cells.
std::vector<Candidate> cellFigureCandidates(Lattice lattice, int fewestCells, int mostCells,
                                            int mostTakenAway, int mostMoved);

// "squares 3", "triangles 4 equal".
std::string shapeGoal(Lattice lattice, int count, bool equal);

} // namespace puzzles
