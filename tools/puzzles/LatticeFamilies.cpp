#include "tools/puzzles/LatticeFamilies.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <map>
#include <set>

namespace puzzles {
namespace {

using Mask = std::uint64_t;

// Ways to take matches away that are not one shape shifted; more would
// make a puzzle too easy to hit by chance.
constexpr std::size_t MostTakeAwayWays = 3;
// Subsets of matches tried for one figure and one number to take away.
constexpr double MostSubsets = 2e6;
// Figures with matches missing tried for one figure and one number.
constexpr std::size_t MostMended = 8;
// Goals up to a few more shapes than a figure has.
constexpr int MoreShapes = 3;
// The region cells are taken from, in lattice steps.
constexpr int SquareCells = 3;
constexpr int TriangleRows = 3;
constexpr double TriangleWidth = 3.5;

std::vector<Edges> unitCells(Lattice lattice)
{
    std::vector<Edges> cells;
    if (lattice == Lattice::Square) {
        for (int b = 0; b < SquareCells; ++b)
            for (int a = 0; a < SquareCells; ++a)
                cells.push_back(squareOutline(a, b, 1));
        return cells;
    }
    // Corners lie at a + b / 2 pitches across; keep cells whose corners all
    // lie within the width.
    const auto within = [](double x) {
        return x >= 0 && x <= TriangleWidth;
    };
    for (int b = 0; b < TriangleRows; ++b)
        for (int a = -TriangleRows; a <= int(TriangleWidth) + 1; ++a) {
            const double x = a + b / 2.0;
            if (within(x) && within(x - 0.5) && within(x + 0.5))
                cells.push_back(triangleOutline(a, b, 1, true));
            if (within(x) && within(x + 1) && within(x + 0.5))
                cells.push_back(triangleOutline(a, b, 1, false));
        }
    return cells;
}

bool shareAnEdge(const Edges &a, const Edges &b)
{
    return std::any_of(
        a.begin(), a.end(),
        [&](const Edge &e) { return std::binary_search(b.begin(), b.end(), e); });
}

bool connected(Mask cells, const std::vector<Mask> &neighbours)
{
    Mask reached = cells & (~cells + 1);
    for (Mask grown = 0; grown != reached;) {
        grown = reached;
        for (std::size_t i = 0; i < neighbours.size(); ++i)
            if (reached >> i & 1)
                reached |= neighbours[i] & cells;
    }
    return reached == cells;
}

// Which of a figure's matches each shape within it needs.
struct ShapeMasks
{
    std::vector<Mask> shapes;
    std::vector<int> sizes;
};

ShapeMasks shapeMasks(const Edges &figure)
{
    ShapeMasks masks;
    for (const Outline &outline : outlinesWithin(figure)) {
        Mask mask = 0;
        for (const Edge &e : outline.edges)
            mask |= Mask(1) << (std::lower_bound(figure.begin(), figure.end(), e) - figure.begin());
        masks.shapes.push_back(mask);
        masks.sizes.push_back(outline.size);
    }
    return masks;
}

Edges edgesIn(const Edges &figure, Mask mask)
{
    Edges edges;
    for (std::size_t i = 0; i < figure.size(); ++i)
        if (mask >> i & 1)
            edges.push_back(figure[i]);
    return edges;
}

// What is left when every match is on one of the shapes left: how many
// there are and whether they are all one size.
struct Tally
{
    bool valid = false;
    int shapes = 0;
    bool equal = true;
};

Tally tallyOf(const ShapeMasks &masks, Mask left)
{
    Tally tally;
    Mask covered = 0;
    int size = 0;
    for (std::size_t s = 0; s < masks.shapes.size(); ++s)
        if ((masks.shapes[s] & left) == masks.shapes[s]) {
            covered |= masks.shapes[s];
            ++tally.shapes;
            tally.equal = tally.equal && (size == 0 || size == masks.sizes[s]);
            size = masks.sizes[s];
        }
    tally.valid = covered == left && tally.shapes > 0;
    return tally;
}

double subsetCount(std::size_t n, int k)
{
    double count = 1;
    for (int i = 0; i < k; ++i)
        count = count * double(n - i) / (i + 1);
    return count;
}

// Calls `visit` with every mask of k bits among the lowest n.
template<typename Visit>
void forEachSubset(std::size_t n, int k, Visit visit)
{
    const Mask end = Mask(1) << n;
    for (Mask s = (Mask(1) << k) - 1; s < end;) {
        visit(s);
        const Mask lowest = s & (~s + 1);
        const Mask rippled = s + lowest;
        s = (((rippled ^ s) >> 2) / lowest) | rippled;
    }
}

std::size_t waysUpToShift(const Edges &figure, const std::vector<Mask> &lefts)
{
    std::set<std::string> ways;
    for (Mask left : lefts)
        ways.insert(codeOf(atOrigin(edgesIn(figure, left))));
    return ways.size();
}

Candidate candidate(const Edges &figure, const Edges &start, Change change, int moves,
                    std::string goal)
{
    Candidate c{std::move(goal), figureOf(start), change, moves};
    c.family = canonicalCode(figure);
    return c;
}

Lattice latticeOfFigure(const Edges &figure)
{
    return latticeOf(figure.front());
}

int shapesIn(const Edges &figure)
{
    return int(outlinesWithin(figure).size());
}

// Plain and equal goals for each count, for the search to try.
std::vector<Candidate> goalsAround(const Edges &figure, const Edges &start, Change change,
                                   int moves, int fewest, int most)
{
    std::vector<Candidate> candidates;
    for (int count = std::max(1, fewest); count <= most; ++count)
        for (const bool equal : {false, true})
            candidates.push_back(candidate(figure, start, change, moves,
                                           shapeGoal(latticeOfFigure(figure), count, equal)));
    return candidates;
}

} // namespace

std::string shapeGoal(Lattice lattice, int count, bool equal)
{
    return std::string(lattice == Lattice::Square ? "squares " : "triangles ") +
           std::to_string(count) + (equal ? " equal" : "");
}

std::vector<Edges> cellFigures(Lattice lattice, int fewestCells, int mostCells)
{
    const std::vector<Edges> cells = unitCells(lattice);
    std::vector<Mask> neighbours(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = 0; j < cells.size(); ++j)
            if (i != j && shareAnEdge(cells[i], cells[j]))
                neighbours[i] |= Mask(1) << j;
    std::map<std::pair<int, std::string>, Edges> figures;
    std::set<std::string> seen;
    for (Mask mask = 1; mask < Mask(1) << cells.size(); ++mask) {
        const int count = int(std::bitset<64>(mask).count());
        if (count < fewestCells || count > mostCells || !connected(mask, neighbours))
            continue;
        Edges edges;
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (mask >> i & 1)
                edges = unitedEdges(edges, cells[i]);
        const std::string code = canonicalCode(edges);
        if (seen.insert(code).second)
            figures.emplace(std::pair(count, code), atOrigin(edges));
    }
    std::vector<Edges> ordered;
    for (auto &[key, edges] : figures)
        ordered.push_back(std::move(edges));
    return ordered;
}

std::vector<Candidate> takeAwayCandidates(const Edges &figure, int most)
{
    const ShapeMasks masks = shapeMasks(figure);
    const Mask all = (Mask(1) << figure.size()) - 1;
    std::vector<Candidate> candidates;
    for (int k = 1; k <= most && k + 3 <= int(figure.size()); ++k) {
        if (subsetCount(figure.size(), k) > MostSubsets)
            continue;
        std::map<int, std::vector<Mask>> left, leftEqual;
        forEachSubset(figure.size(), k, [&](Mask taken) {
            const Tally tally = tallyOf(masks, all & ~taken);
            if (!tally.valid)
                return;
            left[tally.shapes].push_back(all & ~taken);
            if (tally.equal)
                leftEqual[tally.shapes].push_back(all & ~taken);
        });
        const Lattice lattice = latticeOfFigure(figure);
        for (const auto &[count, lefts] : left) {
            const std::vector<Mask> &equal = leftEqual[count];
            const bool equalDiffers = !equal.empty() && equal.size() < lefts.size();
            for (const bool withEqual : {false, true}) {
                const std::vector<Mask> &ways = withEqual ? equal : lefts;
                if ((withEqual && !equalDiffers) || waysUpToShift(figure, ways) > MostTakeAwayWays)
                    continue;
                Candidate c = candidate(figure, figure, Change::TakeAway, k,
                                        shapeGoal(lattice, count, withEqual));
                c.solution = figureOf(edgesIn(figure, ways.front()));
                candidates.push_back(std::move(c));
            }
        }
    }
    return candidates;
}

std::vector<Candidate> moveCandidates(const Edges &figure, int moves)
{
    return goalsAround(figure, figure, Change::Move, moves, 1, shapesIn(figure) + MoreShapes);
}

std::vector<Candidate> addCandidates(const Edges &figure, int moves)
{
    const int now = shapesIn(figure);
    return goalsAround(figure, figure, Change::Add, moves, now + 1, now + MoreShapes);
}

std::vector<Candidate> mendCandidates(const Edges &figure, int moves)
{
    std::vector<Edges> starts;
    std::set<std::string> seen;
    forEachSubset(figure.size(), moves, [&](Mask taken) {
        Edges start = edgesIn(figure, ~taken);
        if (seen.insert(canonicalCode(start)).second)
            starts.push_back(std::move(start));
    });
    // A few spread over all the ways, not only those missing the first edges.
    const std::size_t step = std::max<std::size_t>(1, starts.size() / MostMended);
    const std::string goal = shapeGoal(latticeOfFigure(figure), shapesIn(figure), false);
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < starts.size() && candidates.size() < MostMended; i += step)
        candidates.push_back(candidate(figure, starts[i], Change::Add, moves, goal));
    return candidates;
}

std::vector<Candidate> cellFigureCandidates(Lattice lattice, int fewestCells, int mostCells,
                                            int mostTakenAway, int mostMoved)
{
    std::vector<Candidate> candidates;
    const auto append = [&candidates](const std::vector<Candidate> &more) {
        candidates.insert(candidates.end(), more.begin(), more.end());
    };
    for (const Edges &figure : cellFigures(lattice, fewestCells, mostCells)) {
        append(takeAwayCandidates(figure, mostTakenAway));
        for (int moves = 1; moves <= mostMoved; ++moves) {
            append(moveCandidates(figure, moves));
            append(addCandidates(figure, moves));
            append(mendCandidates(figure, moves));
        }
    }
    return candidates;
}

} // namespace puzzles
