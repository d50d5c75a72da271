// The puzzles the generator chooses the collection from: each family's own,
// made by rule, and the classics every collection keeps.
#pragma once

#include "tools/puzzles/Figure.h"

#include <string>
#include <vector>

namespace puzzles {

enum class Change
{
    TakeAway,
    Move,
    Add,
};

struct Candidate
{
    std::string goal; // as the judge reads it
    Figure start;
    Change change;
    int moves;
    // The author's answer; empty for the first one the answer search finds.
    Figure solution{};
    std::string sum{};    // a sum as set, "VII - I = VIII", "6 + 4 = 4"; empty on a lattice
    std::string family{}; // the figure or sum it comes from, to spread the choice
    bool classic = false; // kept whatever its answers, if only it verifies
};

// Classics first in each.
std::vector<Candidate> squareCandidates();
std::vector<Candidate> triangleCandidates();
std::vector<Candidate> romanCandidates();
std::vector<Candidate> digitCandidates();

// The matches a solved box holds.
int answerMatches(const Candidate &candidate);

// A puzzle every collection has, with its well-known answer.
Candidate classicCandidate(std::string goal, Figure start, Figure solution);

// "Take away 4 matches (back to the matchbox) so that exactly 5 squares
// are left.", "Move 1 match to make the sum true."
std::string instructionsFor(Change change, int moves, const std::string &goal);

} // namespace puzzles
