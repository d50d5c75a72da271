#include "tools/puzzles/Puzzle.h"

#include "board/Orientations.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace puzzles {
namespace {

// The extent of the figures' orientation images around their centres.
Area extentOf(const std::vector<const Figure *> &figures)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    Area extent{inf, inf, -inf, -inf};
    for (const Figure *figure : figures)
        for (const Match &m : *figure) {
            const auto &image = board::Orientations[m.orientation];
            extent.left = std::min(extent.left, m.centre.x - image.width / 2.0);
            extent.top = std::min(extent.top, m.centre.y - image.height / 2.0);
            extent.right = std::max(extent.right, m.centre.x + image.width / 2.0);
            extent.bottom = std::max(extent.bottom, m.centre.y + image.height / 2.0);
        }
    return extent;
}

// Whole pixels, so both figures move by exactly the same amount.
Point centringShift(const Area &extent, const Area &area)
{
    return {std::round((area.left + area.right - extent.left - extent.right) / 2),
            std::round((area.top + area.bottom - extent.top - extent.bottom) / 2)};
}

std::vector<storage::MatchPlacement> placed(const Figure &figure, Point shift, const Area &area,
                                            const std::string &title)
{
    std::vector<storage::MatchPlacement> placements;
    for (const Match &m : figure) {
        const storage::MatchPlacement p = placementOf(m, shift);
        const auto &image = board::Orientations[p.o];
        if (p.x < area.left || p.y < area.top || p.x + image.width > area.right ||
            p.y + image.height > area.bottom)
            throw std::invalid_argument("\"" + title +
                                        "\" does not fit its box: " + std::to_string(p.x) + "," +
                                        std::to_string(p.y) + "," + std::to_string(p.o));
        placements.push_back(p);
    }
    return placements;
}

std::string withLineBreaks(const std::string &text)
{
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

} // namespace

bool liesIn(const std::vector<storage::MatchPlacement> &box, const Area &area)
{
    return std::all_of(
        box.begin(), box.end(),
        [&area](const storage::MatchPlacement &m) {
            const auto &image = board::Orientations[static_cast<size_t>(m.o)];
            return m.x >= area.left && m.y >= area.top && m.x + image.width <= area.right &&
                   m.y + image.height <= area.bottom;
        });
}

const Area &puzzleAreaOf(const std::vector<storage::MatchPlacement> &start)
{
    return liesIn(start, PuzzleArea) ? PuzzleArea : TallPuzzleArea;
}

board::Room boxRoomOf(const std::vector<storage::MatchPlacement> &start)
{
    return {BoxWidth, &puzzleAreaOf(start) == &PuzzleArea ? BoxHeight : TallBoxHeight};
}

storage::PuzzleRecord recordOf(const PuzzleDefinition &definition)
{
    const Area together = extentOf({&definition.puzzle, &definition.solution});
    const Area puzzleExtent = definition.centredApart ? extentOf({&definition.puzzle}) : together;
    const Area solutionExtent =
        definition.centredApart ? extentOf({&definition.solution}) : together;
    const Area own = extentOf({&definition.puzzle});
    const bool tall = own.bottom - own.top > PuzzleArea.bottom - PuzzleArea.top;
    const Area &puzzleArea = tall ? TallPuzzleArea : PuzzleArea;
    const Area &solutionArea = tall ? TallSolutionArea : SolutionArea;
    storage::PuzzleRecord record;
    record.title = definition.title;
    record.instructions = withLineBreaks(definition.instructions);
    const Point lean = definition.lean;
    record.puzzle = placed(definition.puzzle, centringShift(puzzleExtent, puzzleArea) + lean,
                           puzzleArea, definition.title);
    record.solution = placed(definition.solution,
                             centringShift(solutionExtent, solutionArea) +
                                 (definition.centredApart ? Point{} : lean),
                             solutionArea, definition.title);
    record.goal = definition.goal;
    record.moves = movesBetween(definition.puzzle, definition.solution);
    if (!definition.goal.empty())
        record.answerMatches = static_cast<int>(definition.solution.size());
    return record;
}

std::optional<Point> leanToFit(const storage::PuzzleRecord &record,
                               const std::vector<board::Answer> &answers)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    Area extent{inf, inf, -inf, -inf};
    const auto cover = [&extent](const board::Arrangement &box) {
        for (const storage::MatchPlacement &m : box) {
            const auto &image = board::Orientations[m.o];
            extent = {std::min(extent.left, double(m.x)), std::min(extent.top, double(m.y)),
                      std::max(extent.right, double(m.x + image.width)),
                      std::max(extent.bottom, double(m.y + image.height))};
        }
    };
    cover(record.puzzle);
    for (const board::Answer &answer : answers)
        cover(answer.box);
    const Area &area = puzzleAreaOf(record.puzzle);
    if (extent.left >= area.left && extent.top >= area.top && extent.right <= area.right &&
        extent.bottom <= area.bottom)
        return Point{};
    if (extent.right - extent.left > area.right - area.left ||
        extent.bottom - extent.top > area.bottom - area.top)
        return std::nullopt;
    return centringShift(extent, area);
}

PuzzleDefinition aimedAt(PuzzleDefinition definition, const char *goal)
{
    definition.goal = goal;
    return definition;
}

} // namespace puzzles
