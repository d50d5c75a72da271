// flintora-puzzles -- the puzzle author's tool: judges an arrangement of
// matches against a puzzle of a collection with the game's own judge.
#include "board/Judge.h"
#include "storage/PuzzleCollection.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

constexpr int SolvedStatus = 0;
constexpr int NotSolvedStatus = 1;
constexpr int UsageStatus = 2;

int usage()
{
    std::cerr << "usage: flintora-puzzles judge FILE TITLE ARRANGEMENT\n"
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

int judgeCommand(const std::string &file, const std::string &title, const std::string &path)
{
    if (!listed(file, title))
        return refuse(file + ": no puzzle titled \"" + title + "\"");
    const storage::PuzzleRecord record = storage::LoadPuzzleRecord(file, title);
    const std::optional<board::Goal> goal = board::parseGoal(record.goal);
    if (!goal)
        return refuse(title + ": the goal \"" + record.goal + "\" cannot be read");
    board::Arrangement box;
    std::string problem;
    if (!readArrangement(path, box, problem))
        return refuse(problem);
    const board::Verdict verdict =
        board::judge({*goal, record.moves, record.puzzle, record.solution}, box);
    std::cout << (verdict.solved() ? "solved" : "not solved");
    if (verdict.goalMet)
        std::cout << ": " << verdict.achieved << (verdict.overLimit ? ", over the limit" : "");
    std::cout << "\nmoves=" << verdict.moves << "\n";
    return verdict.solved() ? SolvedStatus : NotSolvedStatus;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::string(argv[1]) == "judge")
        return judgeCommand(argv[2], argv[3], argv[4]);
    return usage();
}
