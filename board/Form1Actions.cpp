// The board buttons RESET, SOLUTION and COPY.
#include "board/Form1.h"

#include "dialogs/msgFrm.h"

namespace board {

namespace {

void tellAtCursor(const QString &prompt, const QString &caption)
{
    dialogs::msg_Box(prompt, InformationFlags, caption);
}

} // namespace

void Form1::CB1_Click(int Index)
{
    m_handling.putBack();
    switch (Index) {
    case 0:
        m_game.reset();
        break;
    case 1:
        m_game.showSolution();
        update();
        break;
    case 2:
        Copy_trick_to_solution();
        break;
    }
}

void Form1::Reposition_SolutionMatches()
{
    m_game.board().sendBoxHome(m_game.board().areas().solutionBox);
}

void Form1::Copy_trick_to_solution()
{
    switch (m_game.copy()) {
    case CopyOutcome::NothingToCopy:
        return tellAtCursor(
            QStringLiteral("There does not appear to be any matches in the Puzzle to copy."),
            QStringLiteral("No Matches"));
    case CopyOutcome::TooManyToCopy:
        return tellAtCursor(
            QStringLiteral("There are more that 32 matches in the Puzzle box and only 64 matches "
                           "all together. Sorry, it is not possible to copy this puzzle to the "
                           "solution box."),
            QStringLiteral("Not enought matches"));
    case CopyOutcome::Copied:
        return update();
    }
}

} // namespace board
