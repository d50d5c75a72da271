#include "board/BoardModel.h"

#include "board/Orientations.h"
#include "board/PixelRounding.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace board {

namespace {

// Spares wait this far above the matchbox's middle, so the two stacks cross
// over the open tray.
constexpr double SpareLift = 70;

} // namespace

bool InRectangle(float xp, float yp, float X1, float Y1, float X2, float Y2)
{
    return X1 <= xp && xp <= X2 && Y1 <= yp && yp <= Y2;
}

bool liesIn(const SpriteState &sprite, const Rect &box)
{
    return InRectangle(sprite.left, sprite.top, box.left, box.top, box.left + box.width - 1,
                       box.top + box.height - 1);
}

int homeOrientation(int i)
{
    return i < VerticalSpareCount ? 0 : 4;
}

Board::Board()
{
    std::iota(m_state.zOrder.begin(), m_state.zOrder.end(), 0);
    for (int i = 0; i < SpriteCount; ++i)
        m_state.sprites[i].k = homeOrientation(i);
}

int Board::stackingPosition(int i) const
{
    const auto &z = m_state.zOrder;
    return static_cast<int>(std::find(z.begin(), z.end(), i) - z.begin());
}

int Board::matchesIn(const Rect &box) const
{
    return static_cast<int>(std::count_if(
        m_state.sprites.begin(), m_state.sprites.end(),
        [&](const SpriteState &s) { return liesIn(s, box); }));
}

int Board::GetMatchesInPuzzle() const
{
    return matchesIn(m_areas.puzzleBox);
}

Arrangement Board::collectMatches(const Rect &box) const
{
    Arrangement matches;
    for (const SpriteState &s : m_state.sprites) {
        if (liesIn(s, box))
            matches.push_back({static_cast<std::int16_t>(s.left - box.left),
                               static_cast<std::int16_t>(s.top - box.top),
                               static_cast<std::int16_t>(s.k)});
    }
    return matches;
}

SpriteState Board::homeOf(int i) const
{
    const Rect &mb = m_areas.matchbox;
    const OrientationInfo &image = Orientations[homeOrientation(i)];
    SpriteState home;
    home.k = homeOrientation(i);
    home.left = roundPixel((mb.width - image.width) / 2.0 + mb.left);
    home.top = roundPixel((mb.height - image.height) / 2.0 + mb.top - SpareLift);
    home.visible = true;
    return home;
}

void Board::sendHome(int i)
{
    const SpriteState home = homeOf(i);
    setOrientation(i, home.k);
    moveTo(i, home.left, home.top);
    if (!m_state.sprites[i].visible) {
        m_state.sprites[i].visible = true;
        if (m_listener)
            m_listener->spriteShown(i);
    }
    raise(i);
}

void Board::ResetBoard()
{
    for (int i = 0; i < SpriteCount; ++i)
        sendHome(i);
}

int Board::ShowPuzzleMatches(const Arrangement &puzzle)
{
    ResetBoard();
    const int shown = std::min<int>(static_cast<int>(puzzle.size()), MaxShownPuzzleMatches);
    const Rect &box = m_areas.puzzleBox;
    for (int j = 1; j <= shown; ++j) {
        const storage::MatchPlacement &m = puzzle[j - 1];
        setOrientation(j, m.o);
        moveTo(j, box.left + m.x, box.top + m.y);
    }
    return shown;
}

void Board::sendBoxHome(const Rect &box)
{
    for (int i = 0; i < SpriteCount; ++i)
        if (liesIn(m_state.sprites[i], box))
            sendHome(i);
}

// Numbers base + 1 .. 64 first, as if the puzzle box held 1 .. base, then
// 1 .. base for the sprites the player took out of it; 64 is sprite 0.
std::vector<int> Board::freeSprites(int base) const
{
    std::vector<int> free;
    for (int n = 0; n < SpriteCount; ++n) {
        const int sprite = (base + n + 1) % SpriteCount;
        if (!liesIn(m_state.sprites[sprite], m_areas.puzzleBox))
            free.push_back(sprite);
    }
    return free;
}

int Board::placeInSolutionBox(const Arrangement &list, int base)
{
    const Rect &box = m_areas.solutionBox;
    const std::vector<int> free = freeSprites(base);
    const int placed = static_cast<int>(std::min(list.size(), free.size()));
    for (int j = 0; j < placed; ++j) {
        setOrientation(free[j], list[j].o);
        moveTo(free[j], box.left + list[j].x, box.top + list[j].y);
    }
    return placed;
}

const Rect &Board::box(int index) const
{
    return index == 0 ? m_areas.puzzleBox : m_areas.solutionBox;
}

std::optional<BoxPlace> Board::placeInBox(int i) const
{
    if (m_state.pulledIn[i].box >= 0)
        return m_state.pulledIn[i];
    const SpriteState &s = m_state.sprites[i];
    for (int b = 0; b < 2; ++b)
        if (s.visible && liesIn(s, box(b)))
            return BoxPlace{b, s.left - box(b).left, s.top - box(b).top};
    return std::nullopt;
}

void Board::relayout(const BoardAreas &newAreas)
{
    std::array<std::optional<BoxPlace>, SpriteCount> kept;
    for (int i = 0; i < SpriteCount; ++i)
        kept[i] = placeInBox(i);
    const std::array<int, SpriteCount> previousOrder = m_state.zOrder;
    m_areas = newAreas;
    for (int i = 0; i < SpriteCount; ++i) {
        if (!kept[i]) {
            sendHome(i);
            continue;
        }
        const BoxPlace &at = *kept[i];
        const Rect &to = box(at.box);
        const int dx = std::clamp(at.dx, 0, std::max(to.width - 1, 0));
        const int dy = std::clamp(at.dy, 0, std::max(to.height - 1, 0));
        place(i, to.left + dx, to.top + dy);
        m_state.pulledIn[i] = dx == at.dx && dy == at.dy ? BoxPlace{} : at;
    }
    // The stacking order stays as the player left it.
    for (int i : previousOrder)
        raise(i);
}

Board::Snapshot Board::relaidOut(const Snapshot &snapshot, const BoardAreas &from,
                                 const BoardAreas &to)
{
    Board board;
    board.m_areas = from;
    board.m_state = snapshot;
    board.relayout(to);
    return board.m_state;
}

void Board::setOrientation(int i, int k)
{
    m_state.pulledIn[i] = {};
    SpriteState &s = m_state.sprites[i];
    if (!isOrientation(k) || s.k == k)
        return;
    s.k = k;
    if (m_listener)
        m_listener->spriteOriented(i);
}

void Board::turn(int i, bool clockwise)
{
    const int k = m_state.sprites[i].k;
    setOrientation(i, clockwise ? turnedClockwise(k) : turnedAnticlockwise(k));
}

void Board::moveTo(int i, int left, int top)
{
    m_state.pulledIn[i] = {};
    place(i, left, top);
}

void Board::place(int i, int left, int top)
{
    SpriteState &s = m_state.sprites[i];
    if (s.left == left && s.top == top)
        return;
    s.left = left;
    s.top = top;
    if (m_listener)
        m_listener->spriteMoved(i);
}

void Board::raise(int i)
{
    auto &z = m_state.zOrder;
    const auto at = std::find(z.begin(), z.end(), i);
    std::rotate(at, at + 1, z.end());
    if (m_listener)
        m_listener->spriteRaised(i);
}

void Board::restore(const Snapshot &snapshot)
{
    m_state = snapshot;
    if (!m_listener)
        return;
    for (int i = 0; i < SpriteCount; ++i) {
        m_listener->spriteOriented(i);
        m_listener->spriteMoved(i);
        m_listener->spriteShown(i);
    }
    for (int i : m_state.zOrder)
        m_listener->spriteRaised(i);
}

} // namespace board
