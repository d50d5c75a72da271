#include "board/MatchHandling.h"

#include "controls/MouseButtonCodes.h"

#include <cstdlib>

namespace board {

namespace {

constexpr int BigNudge = 10;

} // namespace

MatchHandling::MatchHandling(Game &game, PointerGrab &pointer)
    : m_game(game)
    , m_board(game.board())
    , m_pointer(pointer)
{
}

// A left press puts a picked match down; otherwise it marks the grab point
// of a drag or a click. A right press turns the match at once, clockwise
// unless a modifier is held.
void MatchHandling::press(int sprite, int button, int shift, int x, int y)
{
    if (m_picked >= 0 && button == controls::LeftButton) {
        putDown();
        m_dropping = true;
        return;
    }
    if (m_picked < 0) {
        m_pressedFrom = m_game.snapshot();
        m_pressedBox = m_game.boxInPlay(sprite);
        m_dragged = false;
    }
    if (button == controls::LeftButton) {
        m_grabX = x;
        m_grabY = y;
    } else if (button == controls::RightButton) {
        m_board.turn(sprite, shift == 0);
    }
}

// The sprite follows the pointer, so each event's offset from the grab
// point is the travel since the last one. Only the left button alone drags;
// a picked-up match follows with no button held.
void MatchHandling::move(int sprite, int buttons, int x, int y)
{
    const bool following = sprite == m_picked && buttons == 0;
    if (buttons == 0 && !following)
        m_hovered = sprite;
    if (!following && (buttons != controls::LeftButton || m_picked >= 0))
        return;
    const int dx = x - m_grabX;
    const int dy = y - m_grabY;
    if (dx == 0 && dy == 0)
        return;
    m_dragged = true;
    const SpriteState &s = m_board.sprite(sprite);
    m_board.moveTo(sprite, s.left + dx, s.top + dy);
    m_board.raise(sprite);
}

// A left click without a drag picks the match up; anything else ends a
// move, which undo can take back.
void MatchHandling::release(int sprite, int button)
{
    if (m_dropping || m_picked >= 0) {
        m_dropping = false;
        return;
    }
    if (button == controls::LeftButton && !m_dragged) {
        pickUp(sprite);
        return;
    }
    if (m_pressedFrom)
        m_game.record(*m_pressedFrom);
    m_pressedFrom.reset();
    m_game.playerMoved(sprite, m_pressedBox);
}

// While a match is picked up only it turns, and it counts as one move when
// it is put down.
void MatchHandling::wheel(int sprite, int steps)
{
    if (m_picked >= 0 && m_picked != sprite)
        return;
    const std::optional<Rect> before = m_game.boxInPlay(sprite);
    const auto turn = [&] {
        for (int i = 0; i < std::abs(steps); ++i)
            m_board.turn(sprite, steps > 0);
    };
    if (m_picked >= 0)
        return turn();
    m_game.undoable(turn);
    m_game.playerMoved(sprite, before);
}

void MatchHandling::pointerLeft(int sprite)
{
    if (m_hovered == sprite)
        m_hovered = -1;
}

void MatchHandling::key(PlayKey key, bool big)
{
    const int step = big ? BigNudge : 1;
    switch (key) {
    case PlayKey::TurnClockwise:
        return turnByKey(true);
    case PlayKey::TurnAnticlockwise:
        return turnByKey(false);
    case PlayKey::PutBack:
        return putBack();
    case PlayKey::Left:
        return nudgePicked(-step, 0);
    case PlayKey::Right:
        return nudgePicked(step, 0);
    case PlayKey::Up:
        return nudgePicked(0, -step);
    case PlayKey::Down:
        return nudgePicked(0, step);
    }
}

// Not raised until it moves, like a drag.
void MatchHandling::pickUp(int sprite)
{
    m_picked = sprite;
    m_pickedFrom = m_board.sprite(sprite);
    m_pickedState = m_pressedFrom;
    m_pointer.grabPointer(sprite);
}

// The drop counts as one move from where the match was picked up.
void MatchHandling::putDown()
{
    const int sprite = m_picked;
    m_pointer.releasePointer(sprite);
    m_picked = -1;
    if (m_pickedState)
        m_game.record(*m_pickedState);
    m_game.playerMoved(sprite, m_pressedBox);
    m_pickedState.reset();
}

void MatchHandling::putBack()
{
    if (m_picked < 0)
        return;
    const int sprite = m_picked;
    m_pointer.releasePointer(sprite);
    m_picked = -1;
    m_board.setOrientation(sprite, m_pickedFrom.k);
    m_board.moveTo(sprite, m_pickedFrom.left, m_pickedFrom.top);
    m_pickedState.reset();
}

void MatchHandling::nudgePicked(int dx, int dy)
{
    if (m_picked < 0)
        return;
    const SpriteState &s = m_board.sprite(m_picked);
    m_board.moveTo(m_picked, s.left + dx, s.top + dy);
}

// The picked match, or else the one under the pointer.
void MatchHandling::turnByKey(bool clockwise)
{
    const int sprite = m_picked >= 0 ? m_picked : m_hovered;
    if (sprite < 0)
        return;
    if (m_picked >= 0)
        return m_board.turn(sprite, clockwise);
    const std::optional<Rect> before = m_game.boxInPlay(sprite);
    m_game.undoable([&] { m_board.turn(sprite, clockwise); });
    m_game.playerMoved(sprite, before);
}

} // namespace board
