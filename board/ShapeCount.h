// Counting the squares or the equilateral triangles a figure outlines, for
// judging a player's figure by a puzzle's goal ("leave 3 squares, every
// match on one") rather than by one stored answer.
//
// A shape of size s has s matches end to end on each side, a lattice pitch
// (100 px) apart: squares stand on a level side and have upright ones;
// triangles have a level side and two sides 30 degrees off upright, pointing
// up or down. Each shape may lie anywhere in the box and is judged on its
// own: it counts when one shift puts every one of its side matches within
// SolvedTolerance of its place. Two matches on one place fill it once.
#pragma once

#include "board/ArrangementMatch.h"

namespace board {

struct ShapeCount
{
    int shapes = 0;              // squares (or equilateral triangles) of every size
    bool everyMatchUsed = false; // each match is a side or part of a side of one of them
    bool allOneSize = false;     // every shape found has the same size (true when there are none)
};

ShapeCount countSquares(const Arrangement &box);
ShapeCount countTriangles(const Arrangement &box);

} // namespace board
