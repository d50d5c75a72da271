// Finding a pattern in a box: a set of places, each for one match of a given
// direction, that the player's matches fill once the pattern is shifted as a
// whole. The shape counter and the equation reader both describe what they
// look for this way, so they judge a hand-placed match as the solved check
// does: every match within SolvedTolerance of its place under one shift.
#pragma once

#include "board/ArrangementMatch.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace board {

// Corners of the square lattice the figures are drawn on lie this far
// apart: a little more than a match length, so the ends of matches meeting
// at a corner touch without one head covering another.
constexpr double LatticePitch = 100.0;

// Directions of a match modulo a half turn, which is all a figure sees.
constexpr int Upright = 0;
constexpr int RisingRight = 1; // "/", 30 degrees off upright
constexpr int Level = 4;
constexpr int FallingRight = 7; // "\", 30 degrees off upright

// A point in the box in pixels, fractions kept.
struct Spot
{
    double x = 0;
    double y = 0;
};

// A match as a figure sees it: where its middle lies and its direction.
struct Stroke
{
    Spot centre;
    int direction = 0;
};

std::vector<Stroke> strokesOf(const Arrangement &box);

// The match that lies on a stroke, its head at the upper end, or at the
// right end of a level match, as the bundled figures draw them.
storage::MatchPlacement placementOf(const Stroke &stroke);

// One place of a pattern, relative to the pattern's reference point.
struct Slot
{
    Spot offset;
    int direction = 0;
};

struct PatternFit
{
    Spot reference;              // where the strokes, on average, put the reference point
    std::vector<size_t> strokes; // the stroke in each slot, in slot order
    double misfit = 0;           // squared distances of the strokes from their places, summed
};

// Lays the pattern with slot `slot` on stroke `anchor` and fills every slot
// with the nearest stroke neither taken nor already in the pattern, then
// moves the pattern by the strokes' mean offset from their places. Nothing
// when a slot stays empty or a stroke then lies further than the tolerance
// from its place. So a stray stroke among n that lie exactly is refused once
// it is more than n / (n - 1) tolerances off: twice for a pattern of two.
std::optional<PatternFit> fitPattern(const std::vector<Stroke> &strokes,
                                     const std::vector<bool> &taken,
                                     const std::vector<Slot> &pattern, size_t anchor, size_t slot);

} // namespace board
