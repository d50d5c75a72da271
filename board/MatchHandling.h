// What the player does to the matches with the mouse and the keys: drag
// with the left button, turn with the right one, the wheel or R, click to
// pick a match up and again to put it down, nudge a picked match with the
// arrows, Escape to put it back. Input comes as the sprites' mouse events
// report it; the results go to the board and the game. No widget here.
#pragma once

#include "board/Game.h"

#include <optional>

namespace board {

// A picked-up match follows the pointer anywhere, so the window sends it
// every pointer event until it is put down.
class PointerGrab
{
public:
    virtual ~PointerGrab() = default;
    virtual void grabPointer(int sprite) = 0;
    virtual void releasePointer(int sprite) = 0;
};

enum class PlayKey
{
    TurnClockwise,
    TurnAnticlockwise,
    PutBack,
    Left,
    Right,
    Up,
    Down
};

class MatchHandling
{
public:
    MatchHandling(Game &game, PointerGrab &pointer);

    // Buttons and modifiers as the controls' codes (MouseButtonCodes.h);
    // x and y are pixels inside the sprite.
    void press(int sprite, int button, int shift, int x, int y);
    void move(int sprite, int buttons, int x, int y);
    void release(int sprite, int button);
    void wheel(int sprite, int steps);
    void pointerLeft(int sprite);
    // Nudges move a picked match one pixel, or ten when big.
    void key(PlayKey key, bool big);

    // The picked match goes back where it was picked up, before anything
    // else changes the board.
    void putBack();
    int picked() const { return m_picked; }

private:
    void pickUp(int sprite);
    void putDown();
    void nudgePicked(int dx, int dy);
    void turnByKey(bool clockwise);

    Game &m_game;
    Board &m_board;
    PointerGrab &m_pointer;
    int m_grabX = 0; // where the left button went down inside the sprite
    int m_grabY = 0;
    std::optional<Game::Snapshot> m_pressedFrom; // before a button went down on a match
    std::optional<Rect> m_pressedBox;
    bool m_dragged = false;
    int m_picked = -1;
    int m_hovered = -1;
    bool m_dropping = false; // the press that puts a picked match down
    SpriteState m_pickedFrom;
    std::optional<Game::Snapshot> m_pickedState;
};

} // namespace board
