// Playing without dragging: a click picks a match up and the next click
// puts it down; the wheel and R turn; arrow keys nudge the picked match;
// Escape puts it back. Also the undo keys.
#include "board/Form1.h"

#include "controls/DDFrm.h"

#include <QKeyEvent>
#include <QShortcut>

namespace board {

namespace {

constexpr int BigNudge = 10;

} // namespace

// Undo and redo work wherever the focus is. The play keys come as key
// presses that the focused control did not take, so the open puzzle list
// keeps its arrows and Escape.
void Form1::buildShortcuts()
{
    const auto bind = [this](const QKeySequence &keys, std::function<void()> action) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    bind(QKeySequence::Undo, [this] { undo(); });
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redo(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redo(); });
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    if (modifiers != Qt::NoModifier && !shift)
        return QWidget::keyPressEvent(event);
    const int step = shift ? BigNudge : 1;
    switch (event->key()) {
    case Qt::Key_R:
        return turnByKey(!shift);
    case Qt::Key_Escape:
        return putBack();
    case Qt::Key_Left:
        return nudgePicked(-step, 0);
    case Qt::Key_Right:
        return nudgePicked(step, 0);
    case Qt::Key_Up:
        return nudgePicked(0, -step);
    case Qt::Key_Down:
        return nudgePicked(0, step);
    default:
        return QWidget::keyPressEvent(event);
    }
}

// Not raised until it moves, like a drag.
void Form1::pickUp(int sprite)
{
    m_picked = sprite;
    m_pickedFrom = m_board.sprite(sprite);
    m_pickedState = m_pressedFrom;
    m_sprites[sprite]->grabMouse(Qt::ClosedHandCursor);
}

// The drop counts as one move from where the match was picked up.
void Form1::putDown()
{
    const int sprite = m_picked;
    m_sprites[sprite]->releaseMouse();
    m_picked = -1;
    if (m_pickedState && !(capture() == *m_pickedState))
        m_history.record(*m_pickedState);
    playerMoved(sprite, m_pressedBox);
    m_pickedState.reset();
}

void Form1::putBack()
{
    if (m_picked < 0)
        return;
    const int sprite = m_picked;
    m_sprites[sprite]->releaseMouse();
    m_picked = -1;
    m_board.setOrientation(sprite, m_pickedFrom.k);
    m_board.moveTo(sprite, m_pickedFrom.left, m_pickedFrom.top);
    m_pickedState.reset();
    m_dd1->raise();
}

void Form1::nudgePicked(int dx, int dy)
{
    if (m_picked < 0)
        return;
    const SpriteState &s = m_board.sprite(m_picked);
    m_board.moveTo(m_picked, s.left + dx, s.top + dy);
}

void Form1::turnByKey(bool clockwise)
{
    const int sprite = m_picked >= 0 ? m_picked : m_hovered;
    if (sprite < 0)
        return;
    if (m_picked >= 0) {
        m_board.turn(sprite, clockwise);
        return;
    }
    const std::optional<Rect> before = boxInPlay(m_board, sprite, m_play);
    undoable([&] { m_board.turn(sprite, clockwise); });
    playerMoved(sprite, before);
}

void Form1::Image2_Wheel(int Index, int steps)
{
    if (m_picked >= 0 && m_picked != Index)
        return;
    const std::optional<Rect> before = boxInPlay(m_board, Index, m_play);
    const auto turn = [&] {
        for (int i = 0; i < std::abs(steps); ++i)
            m_board.turn(Index, steps > 0);
    };
    if (m_picked >= 0)
        return turn();
    undoable(turn);
    playerMoved(Index, before);
}

} // namespace board
