// The puzzles the generator chooses the collection from: each family's own,
// made by rule, and the classics every collection keeps.
#pragma once

#include "tools/puzzles/Figure.h"

#include <string>
#include <utility>
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

// A sum as set, "VI - IV = IX", with its well-known answer "VI + IV = X".
Candidate classicSum(const std::string &sum, const std::string &solved);

// The false sum "left = result" once for each change, its left-hand side
// naming its family.
using Changes = std::vector<std::pair<Change, int>>;
void addFalseSum(std::vector<Candidate> &candidates, const std::string &left,
                 const std::string &result, const Changes &changes);

// "Take away 4 matches (back to the matchbox) so that exactly 5 squares
// are left.", "Move 1 match to make the sum true."
std::string instructionsFor(Change change, int moves, const std::string &goal);

} // namespace puzzles
