#include "board/PlayState.h"

#include "board/ArrangementMatch.h"

namespace board {

std::optional<Rect> boxInPlay(const Board &board, int sprite, const PlayState &play)
{
    const BoardAreas &areas = board.areas();
    if (liesIn(board.sprite(sprite), areas.puzzleBox))
        return areas.puzzleBox;
    if (play.copyInPlay && liesIn(board.sprite(sprite), areas.solutionBox))
        return areas.solutionBox;
    return std::nullopt;
}

const Arrangement &startOf(const Board &board, const Rect &box, const PlayState &play)
{
    return box == board.areas().solutionBox ? play.copiedPuzzle : play.shownPuzzle;
}

const Rect &workBox(const Board &board, const PlayState &play)
{
    const BoardAreas &areas = board.areas();
    return play.copyInPlay && play.onCopy ? areas.solutionBox : areas.puzzleBox;
}

PlayStatus playStatus(const Board &board, const PlayState &play, const Arrangement &solution)
{
    const Rect &box = workBox(board, play);
    const Arrangement now = board.collectMatches(box);
    return {CountMoves(startOf(board, box, play), now),
            !solution.empty() && SameFigure(now, solution)};
}

std::string solvedKey(const std::string &title)
{
    std::string key = "Solved ";
    for (const char c : title) {
        if (c == '%')
            key += "%25";
        else if (c == '=')
            key += "%3D";
        else
            key += c;
    }
    return key;
}

} // namespace board
