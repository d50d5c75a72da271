// The state of the board without any widget: the 64 match sprites (corner,
// orientation, visibility, stacking order) and where the two boxes and the
// matchbox lie. Widgets show this state and forward input to it; tests drive
// it directly.
#pragma once

#include "board/ArrangementMatch.h"

#include <array>
#include <optional>
#include <vector>

namespace board {

constexpr int SpriteCount = 64;
// Sprites 0..31 are the vertical spares, 32..63 the horizontal ones.
constexpr int VerticalSpareCount = 32;
// Puzzle match j uses sprite j, so sprite 0 is never used for a puzzle.
constexpr int MaxShownPuzzleMatches = SpriteCount - 1;

struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect &a, const Rect &b)
    {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
};

struct BoardAreas
{
    Rect puzzleBox;
    Rect solutionBox;
    Rect matchbox;
};

// Where a match belongs while a box too small for it holds it pulled in:
// growing the box back puts the match where the player left it.
struct BoxPlace
{
    int box = -1; // 0 the puzzle box, 1 the solution box, -1 none
    int dx = 0;   // offset of the match's corner from the box's corner
    int dy = 0;
    friend bool operator==(const BoxPlace &a, const BoxPlace &b)
    {
        return a.box == b.box && a.dx == b.dx && a.dy == b.dy;
    }
};

struct SpriteState
{
    int left = 0;
    int top = 0;
    int k = 0;
    bool visible = false;
    friend bool operator==(const SpriteState &a, const SpriteState &b)
    {
        return a.left == b.left && a.top == b.top && a.k == b.k && a.visible == b.visible;
    }
};

// Told about every change so the sprite widgets can follow.
class BoardListener
{
public:
    virtual ~BoardListener() = default;
    virtual void spriteOriented(int i) = 0; // picture, size and hit shape
    virtual void spriteMoved(int i) = 0;
    virtual void spriteShown(int i) = 0;
    virtual void spriteRaised(int i) = 0;
};

// Names fixed by the program's design: keep them as they are.
// Both bounds inclusive on both axes.
bool InRectangle(float xp, float yp, float X1, float Y1, float X2, float Y2);

// Only the sprite's top-left corner decides, never its body.
bool liesIn(const SpriteState &sprite, const Rect &box);

int homeOrientation(int i);

class Board
{
public:
    struct Snapshot
    {
        std::array<SpriteState, SpriteCount> sprites;
        std::array<int, SpriteCount> zOrder;
        std::array<BoxPlace, SpriteCount> pulledIn;
        friend bool operator==(const Snapshot &a, const Snapshot &b)
        {
            return a.sprites == b.sprites && a.zOrder == b.zOrder && a.pulledIn == b.pulledIn;
        }
    };

    Board();

    void setListener(BoardListener *listener) { m_listener = listener; }

    const SpriteState &sprite(int i) const { return m_state.sprites[i]; }
    // Sprite indexes from the bottom of the stacking order to the top.
    const std::array<int, SpriteCount> &zOrder() const { return m_state.zOrder; }
    int stackingPosition(int i) const;

    const BoardAreas &areas() const { return m_areas; }
    void setAreas(const BoardAreas &areas) { m_areas = areas; }

    // Names fixed by the program's design: keep them as they are.
    int GetMatchesInPuzzle() const;
    void ResetBoard();
    // Places up to 63 matches (sprite j for match j); returns how many.
    int ShowPuzzleMatches(const Arrangement &puzzle);

    int matchesIn(const Rect &box) const;
    // The matches whose corner lies in the box, in sprite order, as offsets
    // from the box's corner: what a save stores.
    Arrangement collectMatches(const Rect &box) const;
    SpriteState homeOf(int i) const;

    // Sends every match whose corner lies in the box back to the matchbox.
    void sendBoxHome(const Rect &box);
    // Lays a list out in the solution box on the sprites after `base`
    // (64 meaning sprite 0), as if the puzzle box held sprites 1..base.
    // Sprites whose corner lies in the puzzle box are passed over, so the
    // puzzle is never disturbed; entries beyond the free sprites are left
    // out only when every free sprite is used. Returns how many were placed.
    int placeInSolutionBox(const Arrangement &list, int base);

    // A resize keeps the player's work: matches in a box keep their offset
    // from its corner, the others go back to the matchbox. A box too small
    // for a match pulls it in and remembers where it was, so growing the
    // window back restores every figure exactly.
    void relayout(const BoardAreas &newAreas);
    // The same for a stored state, so undo survives a resize.
    static Snapshot relaidOut(const Snapshot &snapshot, const BoardAreas &from,
                              const BoardAreas &to);

    // Orientations outside 0..15 are ignored. A match the player turns or
    // moves is where they want it, pulled in or not.
    void setOrientation(int i, int k);
    void turn(int i, bool clockwise);
    void moveTo(int i, int left, int top);
    void raise(int i);

    Snapshot snapshot() const { return m_state; }
    void restore(const Snapshot &snapshot);

private:
    void sendHome(int i);
    void place(int i, int left, int top);
    std::optional<BoxPlace> placeInBox(int i) const;
    const Rect &box(int index) const;
    std::vector<int> freeSprites(int base) const;

    Snapshot m_state;
    BoardAreas m_areas;
    BoardListener *m_listener = nullptr;
};

} // namespace board
