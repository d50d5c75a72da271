// What the window shows of the game in play: the chosen puzzle, the move
// count, the solved mark in the top bar and in the list, and the notice
// when the player solves it.
#include "board/Form1.h"

#include "board/SolvedMark.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "dialogs/MsgAutoBox.h"

namespace board {

namespace {

constexpr short SolvedMessageSeconds = 4;

} // namespace

// Every change of the board comes here, and each one outdates a hint.
void Form1::statusChanged(const PlayStatus &status)
{
    m_hints->clear();
    m_hintNote.clear();
    showChoice();
    showMoves(status);
}

void Form1::showMoves(const PlayStatus &status)
{
    const QString text = (m_game.chosen() ? movesText(status) : QString()) + m_hintNote;
    if (m_lbMoves->text() == text)
        return;
    m_lbMoves->setText(text);
    fitTopBarLabels();
}

QString Form1::movesText(const PlayStatus &status) const
{
    QString text = status.moveLimit > 0
                       ? tr("Moves: %1 of %2").arg(status.moves).arg(status.moveLimit)
                       : tr("Moves: %1").arg(status.moves);
    if (status.solved)
        text += tr(" \u2014 solved");
    else if (status.overLimit)
        text += tr(" \u2014 too many moves");
    else if (isTicked(QString::fromStdString(m_game.title())))
        text += tr(" \u2014 solved before");
    return text;
}

// The tick promises the file remembers it; a failed write was reported.
void Form1::puzzleSolved(bool remembered)
{
    if (remembered)
        tickSolved(QString::fromStdString(m_game.title()));
    dialogs::MsgAutoNotice(solvedText(), InformationFlags, tr("Solved"), SolvedMessageSeconds,
                           solvedArea());
}

// Says what the player made, where the goal is not one stored figure.
QString Form1::solvedText() const
{
    const PlayStatus status = m_game.status();
    if (m_game.current().goal.kind == Goal::Figure)
        return tr("Well done, that is the solution!");
    const QString moves = status.moves == 1 ? tr("1 move") : tr("%1 moves").arg(status.moves);
    return tr("Well done: %1 in %2!").arg(QString::fromStdString(status.achieved), moves);
}

// The box the player solved, with any match that reaches out of it: the
// notice points at it without hiding the figure just made.
QRect Form1::solvedArea() const
{
    const Board &board = m_game.board();
    const Rect &box = m_game.workBox();
    QRect area(box.left, box.top, box.width, box.height);
    for (const MatchSprite *sprite : m_sprites)
        if (liesIn(board.sprite(sprite->index()), box))
            area |= sprite->geometry();
    return QRect(mapToGlobal(area.topLeft()), area.size());
}

void Form1::tickSolved(const QString &title)
{
    for (int i = 0; i < m_cl1->ListCount(); ++i)
        if (m_cl1->ItemText(i) == title)
            m_cl1->ModifyItem(i, QString(), SolvedMarkIcon, SolvedMarkIcon);
    showPuzzleStatus();
}

// The list carries what the file says, so a drop need not read the file.
bool Form1::isTicked(const QString &title) const
{
    for (int i = 0; i < m_cl1->ListCount(); ++i)
        if (m_cl1->ItemText(i) == title)
            return m_cl1->ItemIcon(i) == SolvedMarkIcon;
    return false;
}

} // namespace board
