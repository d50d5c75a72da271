// A game on a board of the design size, with a memory of solved puzzles
// that tests read, for the tests that need no window.
#pragma once

#include "board/FormLayout.h"
#include "board/Game.h"

#include <set>

namespace board {

struct MapMemory : SolvedMemory
{
    std::set<std::string> solved;
    bool writable = true;
    bool isSolved(const std::string &title) const override { return solved.count(title) > 0; }
    bool markSolved(const std::string &title) override
    {
        if (writable)
            solved.insert(title);
        return writable;
    }
    void forgetSolved(const std::string &title) override { solved.erase(title); }
};

// One upright match to be laid flat beside a lying one: four clockwise
// turns of match 1 solve it.
inline storage::PuzzleRecord layItDown()
{
    return {"Lay it down",
            "Lay the match down.",
            {{100, 100, 0}, {300, 100, 4}},
            {{20, 150, 4}, {220, 150, 4}}};
}

inline void chooseOnTheDesignBoard(Game &game, const storage::PuzzleRecord &record)
{
    game.board().setAreas(Form_ResizeLayout(LayoutInput{})->areas);
    game.board().ResetBoard();
    game.choose(record.title, record);
    game.showPuzzleMatches();
}

} // namespace board
