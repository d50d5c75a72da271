// The solved puzzles as the puzzle file remembers them, for the game.
#pragma once

#include "board/Game.h"

#include <string>

namespace board {

class FileSolvedMemory : public SolvedMemory
{
public:
    explicit FileSolvedMemory(std::string file)
        : m_file(std::move(file))
    {
    }
    bool isSolved(const std::string &title) const override;
    bool markSolved(const std::string &title) override;
    void forgetSolved(const std::string &title) override;

private:
    std::string m_file;
};

} // namespace board
