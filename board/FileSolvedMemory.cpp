#include "board/FileSolvedMemory.h"

#include "storage/SolvedPuzzles.h"

namespace board {

bool FileSolvedMemory::isSolved(const std::string &title) const
{
    return storage::IsSolved(m_file, title);
}

bool FileSolvedMemory::markSolved(const std::string &title)
{
    return storage::MarkSolved(m_file, title);
}

void FileSolvedMemory::forgetSolved(const std::string &title)
{
    storage::ForgetSolved(m_file, title);
}

} // namespace board
