// Playing a chosen puzzle: counting moves, noticing when it is solved,
// remembering solved puzzles, and undo.
#include "board/Form1.h"

#include "board/ArrangementMatch.h"
#include "board/BoardBox.h"
#include "board/SolvedMark.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "dialogs/MsgAutoBox.h"
#include "storage/FileIObas.h"

namespace board {

namespace {

constexpr short SolvedMessageSeconds = 4;
constexpr int SolvedBalloonTip = 32;
// Solved puzzles are remembered in the settings section, which the puzzle
// operations never read, so the file still loads as before.
const std::string SettingsSection = "Settings";

} // namespace

bool FormSnapshot::operator==(const FormSnapshot &other) const
{
    return board == other.board && current == other.current &&
           play.shownPuzzle == other.play.shownPuzzle &&
           play.copiedPuzzle == other.play.copiedPuzzle &&
           play.copyInPlay == other.play.copyInPlay && play.solved == other.play.solved &&
           title == other.title && instructionsText == other.instructionsText &&
           solutionEnabled == other.solutionEnabled && deleteEnabled == other.deleteEnabled;
}

FormSnapshot Form1::capture() const
{
    return {m_board.snapshot(),
            m_current,
            m_play,
            m_dd1->Title(),
            m_lb1->text(),
            m_cb1[1]->Enabled(),
            m_candyButton1[1]->Enabled()};
}

void Form1::restore(const FormSnapshot &snapshot)
{
    m_board.restore(snapshot.board);
    m_current = snapshot.current;
    m_play = snapshot.play;
    m_playing = snapshot.title != NoPuzzleTitle;
    m_dd1->setTitle(snapshot.title);
    m_lb1->setText(snapshot.instructionsText);
    m_cb1[1]->setEnabled(snapshot.solutionEnabled);
    m_candyButton1[1]->setEnabled(snapshot.deleteEnabled);
    m_dd1->raise();
    update();
}

void Form1::undoable(const std::function<void()> &action)
{
    FormSnapshot before = capture();
    action();
    if (!(capture() == before))
        m_history.record(std::move(before));
}

void Form1::undo()
{
    if (m_picked >= 0)
        putBack();
    if (auto previous = m_history.undo(capture()))
        restore(*previous);
}

void Form1::redo()
{
    if (m_picked >= 0)
        putBack();
    if (auto next = m_history.redo(capture()))
        restore(*next);
}

// After a drop or a turn: the moves so far in the box played with, and
// whether its figure is now the stored solution.
void Form1::playerMoved(int sprite, std::optional<Rect> boxBefore)
{
    if (!m_playing)
        return;
    std::optional<Rect> box = boxInPlay(m_board, sprite, m_play);
    if (!box)
        box = boxBefore;
    if (!box)
        return;
    const Arrangement now = m_board.collectMatches(*box);
    const Arrangement &solution = m_current.solution[1];
    const bool solvedNow = !m_play.solved && !solution.empty() && SameFigure(now, solution);
    if (solvedNow)
        m_play.solved = true;
    showMoves(CountMoves(startOf(m_board, *box, m_play), now));
    if (solvedNow)
        markSolved();
}

void Form1::showMoves(int moves)
{
    QString text = tr("Moves: %1").arg(moves);
    if (m_play.solved)
        text += tr(" \u2014 solved");
    else if (solvedBefore(m_dd1->Title()))
        text += tr(" \u2014 solved before");
    m_lbMoves->setText(text);
    fitTopBarLabels();
}

void Form1::markSolved()
{
    const QString title = m_dd1->Title();
    // The tick promises the file remembers it; a failed write was reported.
    if (storage::WriteProfileString(SettingsSection, solvedKey(title.toStdString()),
                                    std::string("1"), m_settingsFile) == "1")
        tickSolved(title);
    // Under the box's caption, so the balloon hangs above the figure just
    // made rather than over it.
    const QPoint at = m_shape1->mapToGlobal(QPoint(m_shape1->width() / 2, SolvedBalloonTip));
    dialogs::MsgAuto_box(tr("Well done, that is the solution!"), InformationFlags, tr("Solved"),
                         SolvedMessageSeconds, false, 0, float(at.x()), float(at.y()));
}

void Form1::tickSolved(const QString &title)
{
    for (int i = 0; i < m_cl1->ListCount(); ++i) {
        if (m_cl1->ItemText(i) == title)
            m_cl1->ModifyItem(i, QString(), SolvedMarkIcon, SolvedMarkIcon);
    }
    showPuzzleStatus();
}

// A new puzzle saved later under the same title starts unsolved.
void Form1::forgetSolved(const QString &title)
{
    storage::WriteProfileString(SettingsSection, solvedKey(title.toStdString()), std::nullopt,
                                m_settingsFile);
}

bool Form1::solvedBefore(const QString &title) const
{
    return storage::ReadProfileString(SettingsSection, solvedKey(title.toStdString()), "", 2,
                                      m_settingsFile) == "1";
}

} // namespace board
