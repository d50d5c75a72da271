#include "board/Game.h"

#include <algorithm>

namespace board {

namespace {

// Two copies of more than 32 matches do not fit on 64 sprites.
constexpr int MaxCopiedMatches = SpriteCount / 2;

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c < 0x80 ? char(std::tolower(c)) : char(c); });
    return text;
}

bool sameTitle(const std::string &a, const std::string &b)
{
    return lowerAscii(a) == lowerAscii(b);
}

} // namespace

Game::Game(SolvedMemory &memory)
    : m_memory(memory)
{
}

// A goal the program cannot read is taken as the stored solution's figure,
// which every puzzle has.
void Game::choose(const std::string &title, const storage::PuzzleRecord &record)
{
    m_current = {record.instructions,
                 record.puzzle,
                 {record.solution, record.solution},
                 parseGoal(record.goal).value_or(Goal{}),
                 record.moves,
                 record.answerMatches};
    m_title = title;
    m_chosen = true;
    m_deleteOffered = true;
    m_history.clear();
}

void Game::showPuzzleMatches()
{
    m_board.ShowPuzzleMatches(m_current.puzzle);
    m_play = PlayState{};
    m_play.shownPuzzle = m_board.collectMatches(m_board.areas().puzzleBox);
    announce(false);
}

std::optional<std::string> Game::shownTitle() const
{
    if (!m_chosen || m_title == NoPuzzleTitle)
        return std::nullopt;
    return m_title;
}

PlayStatus Game::status() const
{
    const Verdict verdict = judge(rules(), m_board.collectMatches(workBox()));
    return {verdict.moves, verdict.solved(), m_current.moveLimit, verdict.overLimit,
            verdict.achieved};
}

// Keeps the loaded puzzle; only its instructions are forgotten, and the
// stored solution cannot be shown until a puzzle is chosen again.
void Game::reset()
{
    undoable([this] {
        m_board.ResetBoard();
        clearChoice();
    });
}

void Game::clearChoice()
{
    m_current.instructions.clear();
    m_chosen = false;
    m_deleteOffered = false;
    m_play.copyInPlay = false;
    announce(false);
}

void Game::showSolution()
{
    undoable([this] {
        m_board.sendBoxHome(m_board.areas().solutionBox);
        m_board.placeInSolutionBox(m_current.solution[1], m_board.GetMatchesInPuzzle());
        m_play.copyInPlay = false;
        announce(false);
    });
}

CopyOutcome Game::copy()
{
    const int nP = m_board.GetMatchesInPuzzle();
    if (nP == 0)
        return CopyOutcome::NothingToCopy;
    if (nP > MaxCopiedMatches)
        return CopyOutcome::TooManyToCopy;
    undoable([&] {
        const BoardAreas &areas = m_board.areas();
        m_current.puzzle = m_board.collectMatches(areas.puzzleBox);
        m_current.solution[0] = m_current.puzzle;
        m_board.sendBoxHome(areas.solutionBox);
        m_board.placeInSolutionBox(m_current.solution[0], nP);
        m_play.copyInPlay = true;
        m_play.onCopy = true;
        m_play.copiedPuzzle = m_board.collectMatches(areas.solutionBox);
        announce(false);
    });
    return CopyOutcome::Copied;
}

SaveRefusal Game::saveRefusal() const
{
    if (m_board.matchesIn(m_board.areas().puzzleBox) == 0)
        return SaveRefusal::EmptyPuzzleBox;
    if (m_board.matchesIn(m_board.areas().solutionBox) == 0)
        return SaveRefusal::EmptySolutionBox;
    return SaveRefusal::None;
}

storage::PuzzleRecord Game::collectRecord() const
{
    storage::PuzzleRecord record;
    record.puzzle = m_board.collectMatches(m_board.areas().puzzleBox);
    record.solution = m_board.collectMatches(m_board.areas().solutionBox);
    return record;
}

// Re-saving the puzzle on show replaces nothing else.
std::optional<std::string> Game::replacedTitle(const std::string &title,
                                               const TitleList &titles) const
{
    const std::optional<std::string> shown = shownTitle();
    if (shown && sameTitle(title, *shown))
        return std::nullopt;
    for (const std::string &existing : titles())
        if (sameTitle(existing, title))
            return existing;
    return std::nullopt;
}

void Game::keepSaved(const storage::PuzzleRecord &record)
{
    m_current.puzzle = record.puzzle;
    m_current.solution[0] = record.solution;
}

void Game::forgetChoice()
{
    m_board.ResetBoard();
    clearChoice();
    m_history.clear();
}

void Game::deleted(const std::string &title)
{
    m_memory.forgetSolved(title);
    forgetChoice();
}

Game::Snapshot Game::snapshot() const
{
    return {m_board.snapshot(), m_current, m_play, m_title, m_chosen, m_deleteOffered};
}

void Game::record(const Snapshot &before)
{
    if (!(snapshot() == before))
        m_history.record(before);
}

void Game::undoable(const std::function<void()> &action)
{
    const Snapshot before = snapshot();
    action();
    record(before);
}

// The box the match was played in becomes the one the status reports.
void Game::playerMoved(int sprite, std::optional<Rect> boxBefore)
{
    if (!m_chosen)
        return;
    std::optional<Rect> box = boxInPlay(sprite);
    if (!box)
        box = boxBefore;
    if (!box)
        return;
    m_play.onCopy = *box == m_board.areas().solutionBox;
    announce(true);
}

std::optional<Rect> Game::boxInPlay(int sprite) const
{
    const BoardAreas &areas = m_board.areas();
    if (liesIn(m_board.sprite(sprite), areas.puzzleBox))
        return areas.puzzleBox;
    if (m_play.copyInPlay && liesIn(m_board.sprite(sprite), areas.solutionBox))
        return areas.solutionBox;
    return std::nullopt;
}

void Game::undo()
{
    if (auto previous = m_history.undo(snapshot()))
        restore(*previous);
}

void Game::redo()
{
    if (auto next = m_history.redo(snapshot()))
        restore(*next);
}

void Game::restore(const Snapshot &snapshot)
{
    m_board.restore(snapshot.board);
    m_current = snapshot.current;
    m_play = snapshot.play;
    m_title = snapshot.title;
    m_chosen = snapshot.chosen;
    m_deleteOffered = snapshot.deleteOffered;
    announce(false);
}

void Game::relayout(const BoardAreas &areas)
{
    const BoardAreas before = m_board.areas();
    m_board.relayout(areas);
    m_history.update(
        [&](Snapshot &state) { state.board = Board::relaidOut(state.board, before, areas); });
    announce(false);
}

// Only a move that solves the puzzle is congratulated; undo, redo and a
// resize just show where the player stands.
void Game::announce(bool congratulate)
{
    const PlayStatus now = status();
    const bool solvedNow = m_chosen && now.solved;
    const bool newlySolved = solvedNow && !m_play.solved;
    m_play.solved = solvedNow;
    if (m_listener)
        m_listener->statusChanged(now);
    if (!congratulate || !newlySolved)
        return;
    const bool remembered = m_memory.markSolved(m_title);
    if (m_listener)
        m_listener->puzzleSolved(remembered);
}

const Rect &Game::workBox() const
{
    const BoardAreas &areas = m_board.areas();
    return m_play.copyInPlay && m_play.onCopy ? areas.solutionBox : areas.puzzleBox;
}

PuzzleRules Game::rules() const
{
    return {m_current.goal, m_current.moveLimit, startOf(workBox()), m_current.solution[1],
            m_current.answerMatches};
}

// The solution box counts from the copy as COPY laid it out.
const Arrangement &Game::startOf(const Rect &box) const
{
    return box == m_board.areas().solutionBox ? m_play.copiedPuzzle : m_play.shownPuzzle;
}

} // namespace board
