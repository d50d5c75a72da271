// flintora-puzzles -- the puzzle author's tool: judges an arrangement of
// matches against a puzzle of a collection with the game's own judge, lists
// a puzzle's answers and checks a whole collection.
#include "board/Judge.h"
#include "storage/PuzzleCollection.h"
#include "tools/puzzles/Puzzle.h"
#include "tools/puzzles/Verify.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

constexpr int SolvedStatus = 0;
constexpr int NotSolvedStatus = 1;
constexpr int UsageStatus = 2;
constexpr int ProblemStatus = 1;

int usage()
{
    std::cerr << "usage: flintora-puzzles judge FILE TITLE ARRANGEMENT\n"
                 "       flintora-puzzles answers FILE TITLE\n"
                 "       flintora-puzzles verify FILE\n"
                 "  ARRANGEMENT: a text file, one match a line as x,y,o (offsets from the\n"
                 "  puzzle box's corner and the orientation, as in the M keys)\n";
    return UsageStatus;
}

int refuse(const std::string &reason)
{
    std::cerr << "flintora-puzzles: " << reason << "\n";
    return UsageStatus;
}

bool parseMatch(const std::string &line, storage::MatchPlacement &match)
{
    std::istringstream in(line);
    int x = 0, y = 0, o = 0;
    char comma1 = 0, comma2 = 0;
    std::string rest;
    if (!(in >> x >> comma1 >> y >> comma2 >> o) || comma1 != ',' || comma2 != ',' ||
        (in >> rest) || o < 0 || o > 15)
        return false;
    match = {std::int16_t(x), std::int16_t(y), std::int16_t(o)};
    return true;
}

// Blank lines are allowed between matches.
bool readArrangement(const std::string &path, board::Arrangement &box, std::string &problem)
{
    std::ifstream in(path);
    if (!in) {
        problem = path + ": cannot be read";
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        storage::MatchPlacement match;
        if (!parseMatch(line, match)) {
            problem = path + ":" + std::to_string(number) + ": not x,y,o: " + line;
            return false;
        }
        box.push_back(match);
    }
    return true;
}

bool listed(const std::string &file, const std::string &title)
{
    for (const std::string &t : storage::ListPuzzleTitles(file))
        if (t == title)
            return true;
    return false;
}

// The rules of the titled puzzle, or the reason there are none.
std::optional<board::PuzzleRules> rulesFor(const std::string &file, const std::string &title,
                                           std::string &problem)
{
    if (!listed(file, title)) {
        problem = file + ": no puzzle titled \"" + title + "\"";
        return std::nullopt;
    }
    const storage::PuzzleRecord record = storage::LoadPuzzleRecord(file, title);
    const std::optional<board::PuzzleRules> rules = puzzles::rulesOf(record);
    if (!rules)
        problem = title + ": the goal \"" + record.goal + "\" cannot be read";
    return rules;
}

int judgeCommand(const std::string &file, const std::string &title, const std::string &path)
{
    std::string problem;
    const std::optional<board::PuzzleRules> rules = rulesFor(file, title, problem);
    if (!rules)
        return refuse(problem);
    board::Arrangement box;
    if (!readArrangement(path, box, problem))
        return refuse(problem);
    const board::Verdict verdict = board::judge(*rules, box);
    std::cout << (verdict.solved() ? "solved" : "not solved");
    if (verdict.goalMet)
        std::cout << ": " << verdict.achieved << (verdict.overLimit ? ", over the limit" : "");
    std::cout << "\nmoves=" << verdict.moves << "\n";
    return verdict.solved() ? SolvedStatus : NotSolvedStatus;
}

// Each answer as a comment line and then its matches, ready for judge.
int answersCommand(const std::string &file, const std::string &title)
{
    std::string problem;
    const std::optional<board::PuzzleRules> rules = rulesFor(file, title, problem);
    if (!rules)
        return refuse(problem);
    bool exhaustive = true;
    const std::vector<board::Answer> answers =
        board::findAnswers(*rules, puzzles::boxRoomOf(rules->start), &exhaustive);
    std::cout << answers.size() << (answers.size() == 1 ? " answer" : " answers");
    if (!answers.empty())
        std::cout << ", fewest moves " << answers.front().moves;
    std::cout << (exhaustive ? "" : " (the search gave up early)") << "\n";
    for (size_t i = 0; i < answers.size(); ++i) {
        std::cout << "# answer " << i + 1 << ": " << answers[i].achieved
                  << ", moves=" << answers[i].moves << "\n";
        for (const storage::MatchPlacement &m : answers[i].box)
            std::cout << m.x << "," << m.y << "," << m.o << "\n";
    }
    return answers.empty() ? ProblemStatus : SolvedStatus;
}

// Puzzles without a goal keep to their one stored answer and are left out.
int verifyCommand(const std::string &file)
{
    if (!std::ifstream(file))
        return refuse(file + ": cannot be read");
    int problems = 0;
    for (const std::string &title : storage::ListPuzzleTitles(file)) {
        const storage::PuzzleRecord record = storage::LoadPuzzleRecord(file, title);
        if (record.goal.empty())
            continue;
        for (const std::string &problem : puzzles::verify(record).problems) {
            std::cout << title << ": " << problem << "\n";
            ++problems;
        }
    }
    return problems ? ProblemStatus : SolvedStatus;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (argc == 5 && command == "judge")
        return judgeCommand(argv[2], argv[3], argv[4]);
    if (argc == 4 && command == "answers")
        return answersCommand(argv[2], argv[3]);
    if (argc == 3 && command == "verify")
        return verifyCommand(argv[2]);
    return usage();
}
