// A hint on the board. Asked once, it marks the match that must move with a
// glow, or the matchbox when a match comes from there; asked again, it adds
// a ghost of the match where it goes, or a glow on the matchbox when it
// goes back. It never moves a match; the window clears it on any change of the
// board. The answers are searched at the first hint of a puzzle only.
#pragma once

#include "board/Game.h"
#include "board/Hint.h"
#include "board/Orientations.h"

#include <QPainterPath>
#include <QRegion>
#include <array>

class QWidget;

namespace board {

class HintMark;

class HintDisplay
{
public:
    // The marks become the matchbox's siblings, made just after it and
    // stacked beneath it: above the boxes, beneath the matches.
    // The shapes are the match pictures' hit shapes, by orientation.
    HintDisplay(const Game &game, QWidget *matchbox,
                const std::array<QRegion, OrientationCount> &shapes);

    // False when the box is not solved and no answer gives a hint.
    bool request();
    void clear();
    // The hinted match moved or turned: its glow goes with it.
    void follow(int sprite);

    // Test accessors.
    const QWidget *glow() const;
    const QWidget *ghost() const;

private:
    enum class Step
    {
        None,
        Match,
        Place
    };

    void show();
    QPainterPath matchboxOutline() const;
    int spriteOf(std::size_t match) const;

    const Game &m_game;
    const QWidget *m_matchbox;
    const std::array<QRegion, OrientationCount> &m_shapes;
    AnswerCache m_answers;
    std::optional<Hint> m_hint;
    Step m_step = Step::None;
    int m_sprite = -1; // the hinted match; -1 when it comes from the matchbox
    HintMark *m_glow;
    HintMark *m_ghost;
};

} // namespace board
