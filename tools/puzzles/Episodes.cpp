#include "tools/puzzles/Episodes.h"

#include "tools/puzzles/Candidates.h"
#include "tools/puzzles/Difficulty.h"
#include "tools/puzzles/LatticeFigure.h"
#include "tools/puzzles/RomanType.h"
#include "tools/puzzles/Verify.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

namespace puzzles {
namespace {

const std::vector<ChosenPuzzle> Chosen = {
#include "tools/puzzles/ChosenPuzzles.inc"
};

std::vector<std::string> words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

Change changeOf(std::size_t taken, std::size_t added)
{
    return added == 0 ? Change::TakeAway : taken == 0 ? Change::Add : Change::Move;
}

PuzzleDefinition definition(const ChosenPuzzle &chosen, std::size_t taken, std::size_t added,
                            Figure start, Figure solution)
{
    const int moves = int(std::max(taken, added));
    PuzzleDefinition d{{},
                       instructionsFor(changeOf(taken, added), moves, chosen.goal),
                       std::move(start),
                       std::move(solution)};
    d.goal = chosen.goal;
    d.lean = {double(chosen.leanX), double(chosen.leanY)};
    return d;
}

PuzzleDefinition latticePuzzle(const ChosenPuzzle &chosen)
{
    const Edges start = edgesOfCode(chosen.start);
    Edges taken, added;
    for (const std::string &word : words(chosen.change))
        (word.front() == '-' ? taken : added).push_back(edgesOfCode(word.substr(1)).front());
    const Edges solution = unitedEdges(edgesWithout(start, sortedEdges(taken)), added);
    return definition(chosen, taken.size(), added.size(), figureOf(start), figureOf(solution));
}

// The answer search changes the sum where its glyphs stand; the data names
// the true sum, and the first answer that makes it set clear is the one.
PuzzleDefinition sumPuzzle(const ChosenPuzzle &chosen)
{
    const std::vector<std::string> change = words(chosen.change);
    if (change.size() != 3)
        throw std::invalid_argument(std::string("not a change of a sum: ") + chosen.change);
    const auto taken = std::size_t(std::stoi(change[0].substr(1)));
    const auto added = std::size_t(std::stoi(change[1].substr(1)));
    const Figure start = sumFigure(chosen.start);
    const board::Arrangement box = placementsOf(start, {});
    const board::PuzzleRules rules{{board::Goal::Equation},
                                   int(std::max(taken, added)),
                                   box,
                                   box,
                                   int(start.size() - taken + added)};
    for (const board::Answer &answer : board::findAnswers(rules))
        if (answer.achieved == change[2] && setClear(answer.box))
            return definition(chosen, taken, added, start, figureOfBox(answer.box, start, {}));
    throw std::invalid_argument(std::string(chosen.start) + " does not become " + change[2]);
}

const char *episodeOf(const ChosenPuzzle &chosen)
{
    const std::string goal = chosen.goal;
    if (goal == "equation")
        return std::string(chosen.start).find_first_of("0123456789") == std::string::npos
                   ? RomanEpisode
                   : DigitsEpisode;
    return goal.rfind("squares", 0) == 0 ? SquaresEpisode : TrianglesEpisode;
}

// Easiest first, as the discovery orders the other episodes, each leaned
// so that every answer finds room in the box.
std::vector<PuzzleDefinition> orderedPictures()
{
    std::vector<std::pair<int, PuzzleDefinition>> scored;
    for (PuzzleDefinition &picture : picturePuzzles()) {
        const storage::PuzzleRecord record = recordOf(picture);
        const std::vector<board::Answer> answers = board::findAnswers(*rulesOf(record));
        picture.lean = leanToFit(record, answers).value_or(Point{});
        // A picture turns round, and its solution may have no room to lean.
        picture.centredApart = picture.centredApart || picture.lean.x || picture.lean.y;
        const int score = difficulty(Change::Move, record.moves, int(record.puzzle.size()),
                                     answerWays(answers), false);
        scored.emplace_back(score, std::move(picture));
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<PuzzleDefinition> pictures;
    for (auto &[score, picture] : scored)
        pictures.push_back(std::move(picture));
    return pictures;
}

} // namespace

PuzzleDefinition chosenPuzzle(const ChosenPuzzle &chosen)
{
    return std::string(chosen.goal) == "equation" ? sumPuzzle(chosen) : latticePuzzle(chosen);
}

std::vector<PuzzleDefinition> bundledPuzzles()
{
    std::vector<PuzzleDefinition> puzzles;
    std::map<std::string, int> numbers;
    const auto titled = [&](PuzzleDefinition puzzle, const std::string &episode) {
        puzzle.title = episode + " " + std::to_string(++numbers[episode]);
        puzzles.push_back(std::move(puzzle));
    };
    for (const ChosenPuzzle &chosen : Chosen)
        titled(chosenPuzzle(chosen), episodeOf(chosen));
    for (PuzzleDefinition &picture : orderedPictures())
        titled(std::move(picture), PicturesEpisode);
    return puzzles;
}

} // namespace puzzles
