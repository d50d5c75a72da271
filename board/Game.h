// The game in play, without any widget: the chosen puzzle, what the player
// has done with it, undo, the move count and the solved decision, and the
// board actions RESET, SOLUTION and COPY. The main window shows what the
// game reports and picks the messages for its outcomes.
#pragma once

#include "board/ArrangementMatch.h"
#include "board/BoardModel.h"
#include "board/Judge.h"
#include "board/UndoHistory.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace board {

// The chosen puzzle as loaded. The solution is held twice: COPY overwrites
// the first copy, SOLUTION lays out the second, which is also what a solved
// board is compared with.
struct CurrentPuzzle
{
    std::string instructions; // real line breaks
    Arrangement puzzle;
    std::array<Arrangement, 2> solution;
    Goal goal;
    int moveLimit = 0;     // 0: no limit
    int answerMatches = 0; // 0: any number
    friend bool operator==(const CurrentPuzzle &a, const CurrentPuzzle &b)
    {
        return a.instructions == b.instructions && a.puzzle == b.puzzle &&
               a.solution == b.solution && a.goal == b.goal && a.moveLimit == b.moveLimit &&
               a.answerMatches == b.answerMatches;
    }
};

// What the player has done with the chosen puzzle.
struct PlayState
{
    Arrangement shownPuzzle;  // the puzzle box as the puzzle was shown
    Arrangement copiedPuzzle; // the solution box as COPY laid it out
    bool copyInPlay = false;  // the solution box holds the player's copy
    bool onCopy = false;      // the player last worked in the copy
    bool solved = false;
    friend bool operator==(const PlayState &a, const PlayState &b)
    {
        return a.shownPuzzle == b.shownPuzzle && a.copiedPuzzle == b.copiedPuzzle &&
               a.copyInPlay == b.copyInPlay && a.onCopy == b.onCopy && a.solved == b.solved;
    }
};

struct PlayStatus
{
    int moves = 0;
    bool solved = false;    // the goal is met within the moves allowed
    int moveLimit = 0;      // 0: no limit
    bool overLimit = false; // more moves than the puzzle allows
    std::string achieved;   // what the box makes, as the judge says it
};

// What the drop-down shows when no puzzle is chosen; a puzzle of that title
// counts as none.
constexpr const char *NoPuzzleTitle = "Select a Puzzle";

// Which puzzles the player has solved, kept between runs.
class SolvedMemory
{
public:
    virtual ~SolvedMemory() = default;
    virtual bool isSolved(const std::string &title) const = 0;
    // False when it could not be kept.
    virtual bool markSolved(const std::string &title) = 0;
    virtual void forgetSolved(const std::string &title) = 0;
};

class GameListener
{
public:
    virtual ~GameListener() = default;
    // The chosen puzzle, the moves or the solved mark may have changed;
    // status is the game's status() as it stands.
    virtual void statusChanged(const PlayStatus &status) = 0;
    // The move just made solved the puzzle; remembered is false when the
    // memory could not keep it.
    virtual void puzzleSolved(bool remembered) = 0;
};

enum class CopyOutcome
{
    Copied,
    NothingToCopy,
    TooManyToCopy
};

enum class SaveRefusal
{
    None,
    EmptyPuzzleBox,
    EmptySolutionBox
};

class Game
{
public:
    // Everything an undo step brings back.
    struct Snapshot
    {
        Board::Snapshot board;
        CurrentPuzzle current;
        PlayState play;
        std::string title;
        bool chosen = false;
        bool deleteOffered = true;
        friend bool operator==(const Snapshot &a, const Snapshot &b)
        {
            return a.board == b.board && a.current == b.current && a.play == b.play &&
                   a.title == b.title && a.chosen == b.chosen && a.deleteOffered == b.deleteOffered;
        }
    };

    explicit Game(SolvedMemory &memory);

    void setListener(GameListener *listener) { m_listener = listener; }
    Board &board() { return m_board; }
    const Board &board() const { return m_board; }

    // Choosing: the record becomes the current puzzle and undo starts
    // afresh; showPuzzleMatches lays it out and counts moves from there.
    void choose(const std::string &title, const storage::PuzzleRecord &record);
    void showPuzzleMatches();
    // The puzzle on show; none after RESET, and none for a puzzle that
    // happens to be called like the empty choice.
    std::optional<std::string> shownTitle() const;
    bool chosen() const { return m_chosen; }
    const std::string &title() const { return m_title; }
    const CurrentPuzzle &current() const { return m_current; }
    // Delete is offered at the start and while a puzzle is on show.
    bool deleteOffered() const { return m_deleteOffered; }
    // The moves made in the box the player last worked in, and whether its
    // matches meet the goal within them: worked out afresh from the board,
    // so it follows undo, redo and a resize.
    PlayStatus status() const;
    // The puzzle box, or the solution box while the player works in a copy.
    const Rect &workBox() const;
    // What the work box is judged by: the goal, the moves allowed and the
    // box as the player started from it.
    PuzzleRules rules() const;
    bool solvedBefore(const std::string &title) const { return m_memory.isSolved(title); }

    // The board buttons, each one step of undo.
    void reset();
    void showSolution();
    CopyOutcome copy();

    // Authoring.
    SaveRefusal saveRefusal() const;
    storage::PuzzleRecord collectRecord() const;
    // The existing title that a save under this title would replace, other
    // than the puzzle on show; the file matches ASCII letters in any case.
    // The titles are listed only when they are needed.
    using TitleList = std::function<std::vector<std::string>()>;
    std::optional<std::string> replacedTitle(const std::string &title,
                                             const TitleList &titles) const;
    // The saved matches become the current puzzle's, as the save took them.
    void keepSaved(const storage::PuzzleRecord &record);
    // After a delete or a save under a new title: nothing is chosen and
    // there is nothing to undo. A deleted puzzle's solved mark goes too, so
    // a new puzzle saved under its title starts unsolved.
    void forgetChoice();
    void deleted(const std::string &title);

    // A gesture on a match: the state before it, then the match it ended on
    // and the box that match was played in before.
    Snapshot snapshot() const;
    void record(const Snapshot &before);
    void playerMoved(int sprite, std::optional<Rect> boxBefore);
    // The box whose matches a drop or turn of this sprite plays with: the
    // puzzle box, or the solution box while it holds the player's copy.
    std::optional<Rect> boxInPlay(int sprite) const;
    // A change the player makes in one step, for undo.
    void undoable(const std::function<void()> &action);

    void undo();
    void redo();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }

    // A new window size: the board and every undo step follow it.
    void relayout(const BoardAreas &areas);

private:
    void restore(const Snapshot &snapshot);
    void clearChoice();
    void announce(bool congratulate);
    const Arrangement &startOf(const Rect &box) const;

    Board m_board;
    CurrentPuzzle m_current;
    PlayState m_play;
    std::string m_title;
    bool m_chosen = false;
    bool m_deleteOffered = true;
    UndoHistory<Snapshot> m_history;
    SolvedMemory &m_memory;
    GameListener *m_listener = nullptr;
};

} // namespace board
