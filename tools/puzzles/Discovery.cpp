#include "tools/puzzles/Discovery.h"

#include "tools/puzzles/Difficulty.h"
#include "tools/puzzles/Episodes.h"
#include "tools/puzzles/LatticeFigure.h"
#include "tools/puzzles/Puzzle.h"
#include "tools/puzzles/RomanType.h"
#include "tools/puzzles/Verify.h"

#include "board/EquationReading.h"
#include "board/Orientations.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace puzzles {
namespace {

// Answers tried as the stored solution when the author's does not fit.
constexpr std::size_t SolutionsTried = 3;
// Puzzles made from one figure or one left-hand side in an episode, so
// the choice spreads over them.
constexpr int MostFromOneFamily = 2;

struct EpisodePlan
{
    const char *name;
    std::vector<Candidate> (*candidates)();
    std::size_t size;
};

const EpisodePlan Plans[] = {
    {SquaresEpisode, squareCandidates, 60},
    {RomanEpisode, romanCandidates, 46},
    {DigitsEpisode, digitCandidates, 30},
    {TrianglesEpisode, triangleCandidates, 46},
};

// A candidate that verified, with what the data keeps of it.
struct Found
{
    Candidate candidate;
    Figure solution;
    Point lean;
    int ways;
    int score;
};

bool equalGoal(const std::string &goal)
{
    return goal.size() > 6 && goal.compare(goal.size() - 6, 6, " equal") == 0;
}

Lattice latticeOfGoal(const std::string &goal)
{
    return goal.rfind("squares", 0) == 0 ? Lattice::Square : Lattice::Triangle;
}

// The same start, drawn turned, mirrored or shifted, with the same goal.
std::string sameness(const Candidate &c)
{
    const std::string start =
        c.sum.empty() ? canonicalCode(edgesUnder(latticeOfGoal(c.goal), c.start)) : c.sum;
    return start + "|" + c.goal;
}

board::PuzzleRules searchRules(const Candidate &c)
{
    const board::Arrangement start = placementsOf(c.start, {});
    return {*board::parseGoal(c.goal), c.moves, start, start, answerMatches(c)};
}

bool onlyOutside(const std::vector<std::string> &problems)
{
    return !problems.empty() &&
           std::all_of(
               problems.begin(), problems.end(),
               [](const std::string &p) { return p.rfind(OutsideProblem, 0) == 0; });
}

PuzzleDefinition definitionOf(const Candidate &c, const Figure &solution)
{
    PuzzleDefinition definition{"Candidate", instructionsFor(c.change, c.moves, c.goal), c.start,
                                solution};
    definition.goal = c.goal;
    return definition;
}

// Centred in its box, or leaned to one side so every answer fits; the
// lean, or nothing when the puzzle does not verify either way.
std::optional<Point> verifiedLean(PuzzleDefinition definition)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        storage::PuzzleRecord record;
        try {
            record = recordOf(definition);
        } catch (const std::invalid_argument &) {
            return std::nullopt;
        }
        const Verification verification = verify(record);
        if (verification.problems.empty())
            return definition.lean;
        const std::optional<Point> lean = leanToFit(record, verification.answers);
        if (attempt > 0 || !onlyOutside(verification.problems) || !lean || (!lean->x && !lean->y))
            return std::nullopt;
        definition.lean = {definition.lean.x + lean->x, definition.lean.y + lean->y};
    }
    return std::nullopt;
}

// For a sum, the first answer that is set clear for each true sum it may
// become, the author's sum first: the data keeps only the sum, and the
// collection is built with the same choice. On a lattice, the author's
// answer, then the search's first few.
std::vector<Figure> solutionsToTry(const Candidate &c, const std::vector<board::Answer> &answers)
{
    std::vector<Figure> solutions;
    if (!c.sum.empty()) {
        const std::string authors =
            c.solution.empty() ? "" : board::readEquation(placementsOf(c.solution, {}))->text;
        std::set<std::string> sums;
        for (const board::Answer &answer : answers)
            if (setClear(answer.box) && sums.insert(answer.achieved).second) {
                const auto at = answer.achieved == authors ? solutions.begin() : solutions.end();
                solutions.insert(at, figureOfBox(answer.box, c.start, {}));
            }
        return solutions;
    }
    if (!c.solution.empty())
        solutions.push_back(c.solution);
    for (std::size_t i = 0; i < answers.size() && i < SolutionsTried; ++i)
        solutions.push_back(figureOfBox(answers[i].box, c.start, {}));
    return solutions;
}

std::optional<Found> evaluated(const Candidate &c)
{
    bool exhaustive = true;
    const std::vector<board::Answer> answers =
        board::findAnswers(searchRules(c), board::Room{}, &exhaustive);
    if (!exhaustive || answers.empty() || answers.front().moves != c.moves)
        return std::nullopt;
    const int ways = answerWays(answers);
    if (!c.classic && ways > mostWays(c.change, c.moves))
        return std::nullopt;
    for (const Figure &solution : solutionsToTry(c, answers))
        if (const std::optional<Point> lean = verifiedLean(definitionOf(c, solution)))
            return Found{
                c, solution, *lean, ways,
                difficulty(c.change, c.moves, int(c.start.size()), ways, equalGoal(c.goal))};
    return std::nullopt;
}

std::vector<Found> verifiedCandidates(const EpisodePlan &plan, std::ostream &log)
{
    std::set<std::string> seen;
    std::vector<Found> found;
    const std::vector<Candidate> candidates = plan.candidates();
    for (const Candidate &c : candidates) {
        const std::string key = sameness(c);
        if (seen.count(key))
            continue;
        std::optional<Found> f = evaluated(c);
        if (!f && c.classic)
            throw std::invalid_argument(std::string(plan.name) + ": a classic (" + c.goal +
                                        ") does not verify");
        if (!f)
            continue;
        seen.insert(key);
        found.push_back(std::move(*f));
    }
    log << plan.name << ": " << candidates.size() << " candidates, " << found.size() << " verify\n";
    return found;
}

const char *changeName(Change change)
{
    return change == Change::TakeAway ? "take away" : change == Change::Move ? "move" : "add";
}

// A bin's puzzles from the fewest matches to the most, reordered so that
// those taken first spread over the whole range: the golden ratio's steps
// through it never fall close to where they fell before.
std::vector<Found> spread(std::vector<Found> bin)
{
    std::stable_sort(bin.begin(), bin.end(), [](const Found &a, const Found &b) {
        return a.candidate.start.size() < b.candidate.start.size();
    });
    std::vector<Found> order;
    std::vector<bool> taken(bin.size(), false);
    const double step = 0.6180339887498949;
    for (std::size_t k = 0; k < bin.size(); ++k) {
        std::size_t i = std::size_t(std::fmod(k * step, 1.0) * double(bin.size()));
        while (taken[i])
            i = (i + 1) % bin.size();
        taken[i] = true;
        order.push_back(std::move(bin[i]));
    }
    return order;
}

// The classics, then in turn one puzzle of each way of changing a figure
// and number of moves, few from one family, and easiest first.
std::vector<Found> chosen(std::vector<Found> found, std::size_t size, std::ostream &log)
{
    std::vector<Found> picked;
    std::map<std::pair<Change, int>, std::vector<Found>> bins;
    for (Found &f : found)
        if (f.candidate.classic)
            picked.push_back(std::move(f));
        else
            bins[{f.candidate.change, f.candidate.moves}].push_back(std::move(f));
    for (auto &[key, bin] : bins) {
        log << "  " << changeName(key.first) << " " << key.second << ": " << bin.size() << "\n";
        bin = spread(std::move(bin));
    }
    std::map<std::string, int> fromFamily;
    for (int most = MostFromOneFamily; picked.size() < size && most <= int(size); ++most)
        for (bool progress = true; progress && picked.size() < size;) {
            progress = false;
            for (auto &[key, bin] : bins) {
                const auto next = std::find_if(bin.begin(), bin.end(), [&](const Found &f) {
                    return fromFamily[f.candidate.family] < most;
                });
                if (next == bin.end() || picked.size() == size)
                    continue;
                ++fromFamily[next->candidate.family];
                picked.push_back(std::move(*next));
                bin.erase(next);
                progress = true;
            }
        }
    std::stable_sort(picked.begin(), picked.end(),
                     [](const Found &a, const Found &b) { return a.score < b.score; });
    return picked;
}

std::string quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

// The start and the matches taken and added, on one lattice frame.
std::pair<std::string, std::string> latticeCodes(const Found &f)
{
    const Lattice lattice = latticeOfGoal(f.candidate.goal);
    Edges start = edgesUnder(lattice, f.candidate.start);
    Edges solution = edgesUnder(lattice, f.solution);
    // One shift for both, so the matches left alone keep their edges; a
    // shift keeps the edges' order.
    const Edges both = unitedEdges(start, solution);
    const Edge origin = atOrigin(both).front();
    for (Edges *edges : {&start, &solution})
        for (Edge &e : *edges)
            e = {e.side, e.a + origin.a - both.front().a, e.b + origin.b - both.front().b};
    std::string change;
    for (const auto &[sign, edges] : {std::pair('-', edgesWithout(start, solution)),
                                      std::pair('+', edgesWithout(solution, start))})
        for (const Edge &e : edges)
            change += (change.empty() ? "" : " ") + std::string(1, sign) + codeOf({e});
    return {codeOf(start), change};
}

std::string sumChange(const Found &f)
{
    const Candidate &c = f.candidate;
    const int taken = c.change == Change::Add ? 0 : c.moves;
    const int added = c.change == Change::TakeAway ? 0 : c.moves;
    const auto reading = board::readEquation(placementsOf(f.solution, {}));
    return "-" + std::to_string(taken) + " +" + std::to_string(added) + " " + reading->text;
}

std::string entryLine(const Found &f)
{
    const auto [start, change] =
        f.candidate.sum.empty() ? latticeCodes(f) : std::pair(f.candidate.sum, sumChange(f));
    std::ostringstream line;
    line << "{" << quoted(f.candidate.goal) << ", " << quoted(start) << ", " << quoted(change)
         << ", " << f.lean.x << ", " << f.lean.y << "},\n";
    return line.str();
}

} // namespace

std::string discoveredData(std::ostream &log)
{
    std::string data = "// Written by puzzlegen --discover: the puzzles of each episode, easiest\n"
                       "// first, as goal, start, change and lean (see Episodes.h).\n";
    for (const EpisodePlan &plan : Plans) {
        const std::vector<Found> picked = chosen(verifiedCandidates(plan, log), plan.size, log);
        log << plan.name << ": " << picked.size() << " chosen\n";
        for (const Found &f : picked)
            data += entryLine(f);
    }
    return data;
}

} // namespace puzzles
