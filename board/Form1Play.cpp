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
// Solved puzzles are remembered in the settings section, which the puzzle
// operations never read, so the file still loads as before.
const std::string SettingsSection = "Settings";

} // namespace

bool FormSnapshot::operator==(const FormSnapshot &other) const
{
    return board == other.board && current == other.current &&
           play.shownPuzzle == other.play.shownPuzzle &&
           play.copiedPuzzle == other.play.copiedPuzzle &&
           play.copyInPlay == other.play.copyInPlay && play.onCopy == other.play.onCopy &&
           play.solved == other.play.solved && title == other.title &&
           instructionsText == other.instructionsText && solutionEnabled == other.solutionEnabled &&
           deleteEnabled == other.deleteEnabled;
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
    showPlayStatus(false);
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

// After a drop or a turn: the box the match was played in becomes the one
// the status reports.
void Form1::playerMoved(int sprite, std::optional<Rect> boxBefore)
{
    if (!m_playing)
        return;
    std::optional<Rect> box = boxInPlay(m_board, sprite, m_play);
    if (!box)
        box = boxBefore;
    if (!box)
        return;
    m_play.onCopy = *box == m_board.areas().solutionBox;
    showPlayStatus(true);
}

// Only a move that solves the puzzle is congratulated; undo, redo and a
// resize just show where the player stands.
void Form1::showPlayStatus(bool announce)
{
    if (!m_playing) {
        m_lbMoves->clear();
        return;
    }
    const PlayStatus status = playStatus(m_board, m_play, m_current.solution[1]);
    const bool solvedNow = status.solved && !m_play.solved;
    m_play.solved = status.solved;
    QString text = tr("Moves: %1").arg(status.moves);
    if (status.solved)
        text += tr(" \u2014 solved");
    else if (isTicked(m_dd1->Title()))
        text += tr(" \u2014 solved before");
    m_lbMoves->setText(text);
    fitTopBarLabels();
    if (announce && solvedNow)
        markSolved();
}

void Form1::markSolved()
{
    const QString title = m_dd1->Title();
    // The tick promises the file remembers it; a failed write was reported.
    if (storage::WriteProfileString(SettingsSection, solvedKey(title.toStdString()),
                                    std::string("1"), m_settingsFile) == "1")
        tickSolved(title);
    dialogs::MsgAutoNotice(tr("Well done, that is the solution!"), InformationFlags, tr("Solved"),
                           SolvedMessageSeconds, solvedArea());
}

// The box the player solved, with any match that reaches out of it: the
// notice points at it without hiding the figure just made.
QRect Form1::solvedArea() const
{
    const Rect &box = workBox(m_board, m_play);
    QRect area(box.left, box.top, box.width, box.height);
    for (const MatchSprite *sprite : m_sprites) {
        if (liesIn(m_board.sprite(sprite->index()), box))
            area |= sprite->geometry();
    }
    return QRect(mapToGlobal(area.topLeft()), area.size());
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

// The list carries what the file says, so a drop need not read the file.
bool Form1::isTicked(const QString &title) const
{
    for (int i = 0; i < m_cl1->ListCount(); ++i) {
        if (m_cl1->ItemText(i) == title)
            return m_cl1->ItemIcon(i) == SolvedMarkIcon;
    }
    return false;
}

} // namespace board
