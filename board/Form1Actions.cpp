// The board buttons RESET, SOLUTION and COPY.
#include "board/Form1.h"

#include "controls/CandyButton.h"
#include "controls/DDFrm.h"
#include "dialogs/msgFrm.h"

namespace board {

namespace {

constexpr int MaxCopiedMatches = SpriteCount / 2;

void tellAtCursor(const QString &prompt, const QString &caption)
{
    dialogs::msg_Box(prompt, InformationFlags, caption);
}

} // namespace

void Form1::CB1_Click(int Index)
{
    putBack();
    undoable([&] {
        switch (Index) {
        case 0:
            resetChoice();
            break;
        case 1:
            Reposition_SolutionMatches();
            m_board.placeInSolutionBox(m_current.solution[1], GetMatchesInPuzzle());
            m_play.copyInPlay = false;
            showPlayStatus(false);
            m_dd1->raise();
            update();
            break;
        case 2:
            Copy_trick_to_solution();
            m_dd1->raise();
            break;
        }
    });
}

// Keeps the list's selection and the loaded puzzle; only the instructions
// are forgotten, and the stored solution cannot be shown until a puzzle is
// chosen again.
void Form1::resetChoice()
{
    ResetBoard();
    m_lb1->setText({});
    m_current.instructions.clear();
    m_candyButton1[1]->setEnabled(false);
    m_cb1[1]->setEnabled(false);
    m_dd1->setTitle(NoPuzzleTitle);
    m_dd1->raise();
    m_playing = false;
    m_play.copyInPlay = false;
    showPlayStatus(false);
}

void Form1::Reposition_SolutionMatches()
{
    m_board.sendBoxHome(m_board.areas().solutionBox);
}

void Form1::Copy_trick_to_solution()
{
    const int nP = GetMatchesInPuzzle();
    if (nP == 0) {
        tellAtCursor(
            QStringLiteral("There does not appear to be any matches in the Puzzle to copy."),
            QStringLiteral("No Matches"));
        return;
    }
    if (nP > MaxCopiedMatches) {
        tellAtCursor(QStringLiteral(
                         "There are more that 32 matches in the Puzzle box and only 64 matches all "
                         "together. Sorry, it is not possible to copy this puzzle to the solution "
                         "box."),
                     QStringLiteral("Not enought matches"));
        return;
    }
    m_current.puzzle = m_board.collectMatches(m_board.areas().puzzleBox);
    m_current.solution[0] = m_current.puzzle;
    Reposition_SolutionMatches();
    m_board.placeInSolutionBox(m_current.solution[0], nP);
    m_play.copyInPlay = true;
    m_play.onCopy = true;
    m_play.copiedPuzzle = m_board.collectMatches(m_board.areas().solutionBox);
    showPlayStatus(false);
    update();
}

} // namespace board
