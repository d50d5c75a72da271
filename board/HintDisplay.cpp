#include "board/HintDisplay.h"

#include "board/HintMark.h"
#include "board/MatchArt.h"

#include <QtMath>

namespace board {

namespace {

// The matches' pictures are drawn this long at every angle.
constexpr double MatchLength = Orientations[0].height;
// A match going back lies across the matchbox.
constexpr int LyingOrientation = 4;
constexpr int MatchboxGlowMargin = 3;
constexpr qreal MatchboxGlowRadius = 8;

QRect rectOf(const Rect &r)
{
    return QRect(r.left, r.top, r.width, r.height);
}

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

HintDisplay::HintDisplay(const Game &game, QWidget *window,
                         const std::array<QRegion, OrientationCount> &shapes)
    : m_game(game)
    , m_shapes(shapes)
    , m_answers([](const PuzzleRules &rules) { return findAnswers(rules); })
    , m_glow(new HintMark(window))
    , m_ghost(new HintMark(window))
{
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
    const Board &board = m_game.board();
    m_hint = nextHint(m_answers.answersFor(m_game.rules()), board.collectMatches(m_game.workBox()));
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
    const Board &board = m_game.board();
    const QRect matchbox = rectOf(board.areas().matchbox);
    if (m_sprite >= 0) {
        const SpriteState &s = board.sprite(m_sprite);
        m_glow->glow(matchLine({s.left, s.top}, s.k));
    } else {
        QPainterPath outline;
        outline.addRoundedRect(matchbox.adjusted(-MatchboxGlowMargin, -MatchboxGlowMargin,
                                                 MatchboxGlowMargin, MatchboxGlowMargin),
                               MatchboxGlowRadius, MatchboxGlowRadius);
        m_glow->glow(outline);
    }
    if (m_step != Step::Place)
        return;
    if (!m_hint->place) {
        const QImage &lying = orientationImage(LyingOrientation);
        const QPoint corner = matchbox.center() - lying.rect().center();
        return m_ghost->ghost(lying, m_shapes[LyingOrientation], corner);
    }
    const storage::MatchPlacement &place = *m_hint->place;
    const Rect &box = m_game.workBox();
    m_ghost->ghost(orientationImage(place.o), m_shapes[static_cast<std::size_t>(place.o)],
                   QPoint(box.left + place.x, box.top + place.y));
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
