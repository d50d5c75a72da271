#include "board/HintDisplay.h"

#include "board/HintMark.h"
#include "board/MatchArt.h"

#include <QtMath>

namespace board {

namespace {

// The matches' pictures are drawn this long at every angle.
constexpr double MatchLength = Orientations[0].height;

QPainterPath matchLine(QPoint corner, int k)
{
    const OrientationInfo &info = Orientations[static_cast<std::size_t>(k)];
    const QPointF centre(corner.x() + info.width / 2.0, corner.y() + info.height / 2.0);
    const double angle = qDegreesToRadians(static_cast<double>(info.angle));
    const QPointF half(std::sin(angle) * MatchLength / 2, -std::cos(angle) * MatchLength / 2);
    QPainterPath line(centre - half);
    line.lineTo(centre + half);
    return line;
}

} // namespace

HintDisplay::HintDisplay(const Game &game, QWidget *matchbox,
                         const std::array<QRegion, OrientationCount> &shapes)
    : m_game(game)
    , m_matchbox(matchbox)
    , m_shapes(shapes)
    , m_answers([](const PuzzleRules &rules, Room room) { return findAnswers(rules, room); })
    , m_glow(new HintMark(matchbox->parentWidget()))
    , m_ghost(new HintMark(matchbox->parentWidget()))
{
    m_glow->stackUnder(matchbox);
    m_ghost->stackUnder(matchbox);
}

// A solved box needs no hint, and a hint already shown in full has no more
// to say.
bool HintDisplay::request()
{
    if (m_step != Step::None) {
        m_step = Step::Place;
        show();
        return true;
    }
    if (m_game.status().solved)
        return true;
    const Rect &box = m_game.workBox();
    m_hint = nextHint(m_answers.answersFor(m_game.rules(), {box.width, box.height}),
                      m_game.board().collectMatches(box));
    if (!m_hint)
        return false;
    m_sprite = m_hint->match ? spriteOf(*m_hint->match) : -1;
    m_step = Step::Match;
    show();
    return true;
}

void HintDisplay::clear()
{
    m_hint.reset();
    m_step = Step::None;
    m_sprite = -1;
    m_glow->hide();
    m_ghost->hide();
}

void HintDisplay::follow(int sprite)
{
    if (m_step != Step::None && sprite == m_sprite)
        show();
}

const QWidget *HintDisplay::glow() const
{
    return m_glow;
}

const QWidget *HintDisplay::ghost() const
{
    return m_ghost;
}

void HintDisplay::show()
{
    if (m_sprite >= 0) {
        const SpriteState &s = m_game.board().sprite(m_sprite);
        m_glow->glow(matchLine({s.left, s.top}, s.k));
    } else {
        m_glow->glow(matchboxOutline());
    }
    if (m_step != Step::Place)
        return;
    if (!m_hint->place)
        return m_ghost->glow(matchboxOutline());
    const storage::MatchPlacement &place = *m_hint->place;
    const Rect &box = m_game.workBox();
    m_ghost->ghost(orientationImage(place.o), m_shapes[static_cast<std::size_t>(place.o)],
                   QPoint(box.left + place.x, box.top + place.y));
}

// A glow beneath the matchbox shows around its drawn shape.
QPainterPath HintDisplay::matchboxOutline() const
{
    QPainterPath outline;
    outline.addRegion(m_matchbox->mask().isEmpty() ? QRegion(m_matchbox->rect())
                                                   : m_matchbox->mask());
    return outline.simplified().translated(m_matchbox->pos());
}

// The box's matches are listed in sprite order.
int HintDisplay::spriteOf(std::size_t match) const
{
    const Board &board = m_game.board();
    const Rect &box = m_game.workBox();
    for (int i = 0; i < SpriteCount; ++i)
        if (liesIn(board.sprite(i), box) && match-- == 0)
            return i;
    return -1;
}

} // namespace board
