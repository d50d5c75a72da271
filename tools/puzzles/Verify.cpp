#include "tools/puzzles/Verify.h"

#include "board/ShapeCount.h"
#include "tools/puzzles/Puzzle.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <regex>

namespace puzzles {

namespace {

const std::array<std::string, 21> NumberWords = {
    "zero",     "one",     "two",     "three",     "four",     "five",     "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",   "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen", "twenty"};

std::string lowered(std::string word)
{
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word;
}

// Words up to twenty, or figures; nothing for any other word.
std::optional<int> numberOf(const std::string &word)
{
    const auto named = std::find(NumberWords.begin(), NumberWords.end(), lowered(word));
    if (named != NumberWords.end())
        return static_cast<int>(named - NumberWords.begin());
    if (word.size() > 6 ||
        !std::all_of(word.begin(), word.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::stoi(word);
}

std::string placementText(const board::Arrangement &box)
{
    std::string text;
    for (const storage::MatchPlacement &m : box)
        text += " " + std::to_string(m.x) + "," + std::to_string(m.y) + "," + std::to_string(m.o);
    return text;
}

// What a number before a noun may truly count in this puzzle.
std::vector<int> truthsFor(const std::string &noun, const storage::PuzzleRecord &record,
                           const board::Goal &goal)
{
    if (noun == "square" || noun == "triangle") {
        const bool squares = noun == "square";
        const auto shapes =
            squares ? board::countSquares(record.puzzle) : board::countTriangles(record.puzzle);
        std::vector<int> truths{shapes.shapes};
        if (goal.kind == (squares ? board::Goal::Squares : board::Goal::Triangles))
            truths.push_back(goal.count);
        return truths;
    }
    return {static_cast<int>(record.puzzle.size()), static_cast<int>(record.solution.size()),
            record.moves, record.answerMatches};
}

void checkStatedCounts(const storage::PuzzleRecord &record, const board::Goal &goal,
                       std::vector<std::string> &problems)
{
    for (const std::string &text : {record.title, record.instructions})
        for (const StatedCount &stated : statedCounts(text)) {
            const std::vector<int> truths = stated.moves ? std::vector<int>{record.moves}
                                                         : truthsFor(stated.noun, record, goal);
            if (std::find(truths.begin(), truths.end(), stated.number) == truths.end())
                problems.push_back("says " + std::to_string(stated.number) + " " + stated.noun +
                                   (stated.number == 1       ? ""
                                    : stated.noun == "match" ? "es"
                                                             : "s") +
                                   ", which the puzzle does not have");
        }
}

void checkAnswers(const storage::PuzzleRecord &record, const board::PuzzleRules &rules,
                  Verification &result)
{
    bool exhaustive = true;
    // An answer is what the player can make in the box at the window's
    // design size, or at its default size for a figure too high for the
    // smallest; it must also stay clear of what reaches into the box.
    const Area &area = puzzleAreaOf(record.puzzle);
    result.answers = board::findAnswers(rules, boxRoomOf(record.puzzle), &exhaustive);
    if (!exhaustive)
        result.problems.push_back("the answer search gave up: too many ways to try");
    if (result.answers.empty()) {
        result.problems.push_back("no answer within " + std::to_string(record.moves) + " moves");
        return;
    }
    if (result.answers.front().moves < record.moves)
        result.problems.push_back("Moves=" + std::to_string(record.moves) + " but " +
                                  std::to_string(result.answers.front().moves) + " suffice");
    for (const board::Answer &answer : result.answers)
        if (!liesIn(answer.box, area))
            result.problems.push_back(OutsideProblem + placementText(answer.box));
}

} // namespace

std::optional<board::PuzzleRules> rulesOf(const storage::PuzzleRecord &record)
{
    const std::optional<board::Goal> goal = board::parseGoal(record.goal);
    if (!goal)
        return std::nullopt;
    return board::PuzzleRules{*goal, record.moves, record.puzzle, record.solution,
                              record.answerMatches};
}

Verification verify(const storage::PuzzleRecord &record)
{
    Verification result;
    const std::optional<board::PuzzleRules> rules = rulesOf(record);
    if (!rules) {
        result.problems.push_back("the goal \"" + record.goal + "\" cannot be read");
        return result;
    }
    if (record.moves <= 0)
        result.problems.push_back("no Moves: the search cannot tell the fewest");
    else if (!board::judge(*rules, record.solution).goalMet)
        result.problems.push_back("the stored solution does not meet the goal");
    else
        checkAnswers(record, *rules, result);
    checkStatedCounts(record, rules->goal, result.problems);
    return result;
}

std::vector<StatedCount> statedCounts(const std::string &text)
{
    static const std::regex counted(
        "(\\b(Move|Take away|Remove|Add)\\s+)?\\b([0-9]+|[A-Za-z]+)\\s+"
        "(?:(?:equal|more|new|small|large)\\s+)?(square|triangle|match)(es|s)?\\b",
        std::regex::icase);
    std::vector<StatedCount> counts;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), counted);
         it != std::sregex_iterator(); ++it) {
        const std::smatch &m = *it;
        const std::optional<int> number = numberOf(m[3]);
        if (number)
            counts.push_back({*number, lowered(m[4]), m[1].matched});
    }
    return counts;
}

} // namespace puzzles
