#include "board/MatchSprite.h"

#include "board/MatchArt.h"
#include "controls/MouseCodes.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace board {

MatchSprite::MatchSprite(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    // Moves without a button tell which match the keys turn.
    setMouseTracking(true);
}

void MatchSprite::setPicture(const ArtImage &picture)
{
    m_picture = &picture;
    resize(picture.size());
    update();
}

// Not opaque: on a denser screen the finer picture leaves some of the
// mask's device pixels to whatever lies beneath.
void MatchSprite::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0, 0), m_picture->forRatio(devicePixelRatioF()));
}

void MatchSprite::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    emit MouseDown(m_index, controls::buttonCode(event->button()),
                   controls::shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

// The second press of a quick double click arrives as a double click
// only; it is a press like any other, so two quick turns are two turns.
void MatchSprite::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void MatchSprite::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    emit MouseMove(m_index, controls::buttonCode(event->buttons()),
                   controls::shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void MatchSprite::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    emit MouseUp(m_index, controls::buttonCode(event->button()),
                 controls::shiftCode(event->modifiers()), float(at.x()), float(at.y()));
}

void MatchSprite::leaveEvent(QEvent *)
{
    emit PointerLeft(m_index);
}

// A wheel step is 120 eighths of a degree; touchpads send smaller parts.
void MatchSprite::wheelEvent(QWheelEvent *event)
{
    constexpr int Step = 120;
    m_wheelEighths += event->angleDelta().y();
    const int steps = m_wheelEighths / Step;
    m_wheelEighths -= steps * Step;
    if (steps != 0)
        emit WheelTurned(m_index, steps);
    event->accept();
}

} // namespace board
