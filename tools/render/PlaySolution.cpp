#include "PlaySolution.h"

#include "board/BoardBox.h"
#include "board/Form1.h"
#include "board/MatchSprite.h"
#include "board/Orientations.h"

#include <QTest>
#include <QWindow>
#include <algorithm>

namespace {

using board::Arrangement;

bool samePlace(const storage::MatchPlacement &a, const storage::MatchPlacement &b)
{
    return a.x == b.x && a.y == b.y &&
           a.o % board::OrientationCount == b.o % board::OrientationCount;
}

// For each target, the puzzle entry that goes there: one already on it if
// there is one, otherwise any entry not yet on a target.
std::vector<int> assignTargets(const Arrangement &puzzle, const Arrangement &targets)
{
    std::vector<int> mover(targets.size(), -1);
    std::vector<bool> used(puzzle.size(), false);
    for (std::size_t t = 0; t < targets.size(); ++t)
        for (std::size_t p = 0; p < puzzle.size(); ++p)
            if (!used[p] && samePlace(puzzle[p], targets[t])) {
                mover[t] = int(p);
                used[p] = true;
                break;
            }
    std::size_t next = 0;
    for (int &m : mover) {
        while (m < 0 && next < puzzle.size()) {
            if (!used[next] && std::none_of(targets.begin(), targets.end(), [&](const auto &t) {
                    return samePlace(puzzle[next], t);
                })) {
                m = int(next);
                used[next] = true;
            }
            ++next;
        }
    }
    return mover;
}

// A point of the sprite that no other widget covers.
QPoint uncovered(board::Form1 &window, int sprite)
{
    const QRect area = window.Image2(sprite)->geometry();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (window.childAt(QPoint(x, y)) == window.Image2(sprite))
                return {x, y};
    return area.center();
}

void dragMatch(board::Form1 &window, int sprite, QPoint topLeft)
{
    QWindow *handle = window.windowHandle();
    const QRect now = window.Image2(sprite)->geometry();
    const QPoint grip = uncovered(window, sprite);
    const QPoint to = topLeft + (grip - now.topLeft());
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, (grip + to) / 2);
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
}

void turnTo(board::Form1 &window, int sprite, int orientation)
{
    constexpr int Turn = board::OrientationCount;
    const int turns = ((orientation - window.boardState().sprite(sprite).k) % Turn + Turn) % Turn;
    for (int i = 0; i < turns; ++i)
        QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, uncovered(window, sprite));
}

// Out into the gap beside the puzzle box, one under another. Each drop
// raises the match, so the last one parked is the one on top.
void park(board::Form1 &window, int sprite, int parked)
{
    const QRect box = window.Shape1()->geometry();
    dragMatch(window, sprite, QPoint(box.right() + 8, box.top() + 8 + 12 * parked));
}

// The top match of the matchbox's stack that the puzzle does not use.
int spareOnTop(const board::Board &board, int puzzleMatches)
{
    const auto &order = board.zOrder();
    for (auto i = order.rbegin(); i != order.rend(); ++i)
        if ((*i == 0 || *i > puzzleMatches) && board.sprite(*i) == board.homeOf(*i))
            return *i;
    return 0;
}

struct Parked
{
    int sprite;
    int target; // -1: the solution has no place for it
};

} // namespace

void playArrangement(board::Form1 &window, const Arrangement &targets)
{
    const Arrangement &puzzle = window.currentPuzzle().puzzle;
    const std::vector<int> mover = assignTargets(puzzle, targets);
    // The puzzle's entries are shown on sprites 1, 2, ... Every match that
    // goes elsewhere is parked first, so that no match is ever picked up
    // from under another: those the solution has no place for first, and
    // they stay; then the others, and matches from the matchbox for the
    // places left, taken back last parked first.
    std::vector<int> targetOf(puzzle.size(), -1);
    for (std::size_t t = 0; t < targets.size(); ++t)
        if (mover[t] >= 0)
            targetOf[std::size_t(mover[t])] = int(t);
    std::vector<Parked> parked;
    const auto parkOne = [&](int sprite, int target) {
        park(window, sprite, int(parked.size()));
        parked.push_back({sprite, target});
    };
    for (const bool placed : {false, true})
        for (std::size_t p = 0; p < puzzle.size(); ++p) {
            const bool hasPlace = targetOf[p] >= 0;
            if (hasPlace == placed &&
                (!hasPlace || !samePlace(puzzle[p], targets[std::size_t(targetOf[p])])))
                parkOne(int(p) + 1, targetOf[p]);
        }
    for (std::size_t t = 0; t < targets.size(); ++t)
        if (mover[t] < 0)
            parkOne(spareOnTop(window.boardState(), int(puzzle.size())), int(t));
    for (auto p = parked.rbegin(); p != parked.rend() && p->target >= 0; ++p) {
        const storage::MatchPlacement &target = targets[std::size_t(p->target)];
        turnTo(window, p->sprite, target.o);
        dragMatch(window, p->sprite, window.Shape1()->pos() + QPoint(target.x, target.y));
    }
}
