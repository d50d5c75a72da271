// What the mouse and the keys do to the matches, as sequences of the events
// the sprites report, without a window.
#include "GameFixture.h"

#include "board/MatchHandling.h"
#include "controls/MouseButtonCodes.h"

#include <gtest/gtest.h>

namespace board {
namespace {

using controls::LeftButton;
using controls::MiddleButton;
using controls::RightButton;

struct Grab : PointerGrab
{
    int held = -1;
    void grabPointer(int sprite) override { held = sprite; }
    void releasePointer(int) override { held = -1; }
};

// clang-format off: one helper a line
// One helper a line.
// clang-format off
struct Event
{
    enum Kind { Press, Move, Release, Wheel, Key, Leave } kind;
    int sprite = 1;
    int button = 0; // the buttons held while moving; the wheel's steps
    int shift = 0, x = 0, y = 0;
    PlayKey key = PlayKey::PutBack;
    bool big = false;
};
Event press(int button, int shift = 0, int x = 4, int y = 40)
{ return {Event::Press, 1, button, shift, x, y}; }
Event release(int button) { return {Event::Release, 1, button}; }
Event move(int buttons, int x, int y, int sprite = 1)
{ return {Event::Move, sprite, buttons, 0, x, y}; }
Event key(PlayKey k, bool big = false) { return {Event::Key, 1, 0, 0, 0, 0, k, big}; }
// clang-format on

// Positions are inside the sprite, which follows the pointer: after a step
// of a drag the grab point lies under the pointer again.
struct GestureCase
{
    const char *name;
    std::vector<Event> events;
    int sprite; // the match looked at afterwards
    int k;
    int dx, dy; // its travel
    int undoSteps;
    int picked = -1;
};

class MatchHandlingTest : public ::testing::TestWithParam<GestureCase>
{
protected:
    MatchHandlingTest() { chooseOnTheDesignBoard(game, layItDown()); }
    void send(const Event &e)
    {
        switch (e.kind) {
        case Event::Press:
            return handling.press(e.sprite, e.button, e.shift, e.x, e.y);
        case Event::Move:
            return handling.move(e.sprite, e.button, e.x, e.y);
        case Event::Release:
            return handling.release(e.sprite, e.button);
        case Event::Wheel:
            return handling.wheel(e.sprite, e.button);
        case Event::Key:
            return handling.key(e.key, e.big);
        case Event::Leave:
            return handling.pointerLeft(e.sprite);
        }
    }
    int undoSteps()
    {
        int steps = 0;
        for (; game.canUndo(); ++steps)
            game.undo();
        return steps;
    }
    MapMemory memory;
    Game game{memory};
    Grab grab;
    MatchHandling handling{game, grab};
};

TEST_P(MatchHandlingTest, EventsGiveTheExpectedMatchAndUndoSteps)
{
    const GestureCase &c = GetParam();
    const SpriteState start = game.board().sprite(c.sprite);
    for (const Event &e : c.events)
        send(e);
    const SpriteState &now = game.board().sprite(c.sprite);
    EXPECT_EQ(now.k, c.k);
    EXPECT_EQ(now.left - start.left, c.dx);
    EXPECT_EQ(now.top - start.top, c.dy);
    EXPECT_EQ(handling.picked(), c.picked);
    EXPECT_EQ(grab.held, c.picked) << "the pointer stays with the picked match only";
    EXPECT_TRUE((!c.dx && !c.dy) || game.board().zOrder().back() == c.sprite)
        << "a moved match lies on top";
    EXPECT_EQ(undoSteps(), c.undoSteps);
}

// One gesture a row.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Gestures, MatchHandlingTest, ::testing::Values(
    GestureCase{"RightClickTurnsClockwise",
        {press(RightButton), release(RightButton)}, 1, 1, 0, 0, 1},
    GestureCase{"AnyModifierTurnsAnticlockwise",
        {press(RightButton, 1), release(RightButton), press(RightButton, 2),
         release(RightButton), press(RightButton, 4), release(RightButton)}, 1, 13, 0, 0, 3},
    GestureCase{"MiddleButtonDoesNothing",
        {press(MiddleButton), release(MiddleButton)}, 1, 0, 0, 0, 0},
    GestureCase{"RightDragTurnsButMovesNothing",
        {press(RightButton), move(RightButton, 40, 60), release(RightButton)}, 1, 1, 0, 0, 1},
    GestureCase{"TwoButtonsDragNothing",
        {press(LeftButton), move(LeftButton | RightButton, 40, 60), release(LeftButton)},
        1, 0, 0, 0, 0, 1},
    GestureCase{"LeftDragFollowsThePointersTravel",
        {press(LeftButton, 0, 4, 40), move(LeftButton, 34, 60), move(LeftButton, 14, 50),
         release(LeftButton)}, 1, 0, 40, 30, 1},
    GestureCase{"AClickPicksUpAndTheNextPutsDownAsOneMove",
        {press(LeftButton, 0, 4, 40), release(LeftButton), move(0, 54, 60), key(PlayKey::Right),
         key(PlayKey::Down, true), key(PlayKey::TurnClockwise), press(LeftButton),
         release(LeftButton)}, 1, 1, 51, 30, 1},
    GestureCase{"EscapePutsAPickedMatchBack",
        {press(LeftButton), release(LeftButton), move(0, 84, 40), key(PlayKey::TurnClockwise),
         key(PlayKey::PutBack)}, 1, 0, 0, 0, 0},
    GestureCase{"APickedMatchStaysPickedUntilTheNextPress",
        {press(LeftButton), release(LeftButton), move(0, 14, 40)}, 1, 0, 10, 0, 0, 1},
    GestureCase{"TheWheelTurnsTheMatchUnderThePointer",
        {{Event::Wheel, 2, 2}}, 2, 6, 0, 0, 1},
    GestureCase{"WhileOneIsPickedOnlyItTurnsByTheWheel",
        {press(LeftButton), release(LeftButton), {Event::Wheel, 2, 2}}, 2, 4, 0, 0, 0, 1},
    GestureCase{"RTurnsTheMatchLastHoveredAnticlockwiseWithShift",
        {move(0, 5, 5, 2), key(PlayKey::TurnAnticlockwise)}, 2, 3, 0, 0, 1},
    GestureCase{"RDoesNothingOnceThePointerLeftTheMatch",
        {move(0, 5, 5, 2), {Event::Leave, 2}, key(PlayKey::TurnClockwise)}, 2, 4, 0, 0, 0},
    GestureCase{"ArrowsMoveNothingWithoutAPickedMatch",
        {key(PlayKey::Left), key(PlayKey::Up, true)}, 1, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<GestureCase> &info) { return info.param.name; });
// clang-format on

} // namespace
} // namespace board
