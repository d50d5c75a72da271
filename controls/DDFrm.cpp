// DDFrm's opening, closing and the timer that closes it behind the pointer.
#include "controls/DDFrm.h"

#include "controls/AppStarted.h"
#include "controls/DDFrmUnits.h"
#include "controls/WindowSystem.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

namespace controls {
namespace {

constexpr int CloseTimerMs = 1;
// While another window covers the frame no leave event will come, so the
// cursor is looked at less often.
constexpr int CoveredPollMs = 50;
constexpr int NoAutomaticOpening = 3;
constexpr int OpenOnMouseOver = 1;
constexpr int OpenOnTitleClick = 2;

} // namespace

DDFrm::DDFrm(const QString &name, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    // Tab only: a click on the title opens the list, it does not take the focus.
    setFocusPolicy(Qt::TabFocus);
    connect(qApp, &QApplication::focusChanged, this, &DDFrm::focusMoved);
    m_closeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_closeTimer, &QTimer::timeout, this, &DDFrm::closeTimerTick);
    applyDefaults(name);
    m_expandedHeight = ddTwipsY(height());
    updateMargins();
    DrawTitle();
}

int DDFrm::CollapsedHeight() const
{
    if (m_borderStyle != 1)
        return m_titleHeight;
    const int borderPixels = m_appearance == 1 ? 4 : 2;
    return m_titleHeight + qRound(borderPixels * drawing::twipsPerPixelY());
}

int DDFrm::titlePixelHeight() const
{
    return ddPixelsY(m_titleHeight);
}

void DDFrm::setHeightTwips(int twips)
{
    resize(width(), std::max(0, ddPixelsY(twips)));
}

void DDFrm::Expand()
{
    if (!m_collapsed)
        return;
    emit BeforeExpand();
    setHeightTwips(m_expandedHeight);
    m_collapsed = false;
}

void DDFrm::Collapse()
{
    if (!AppStarted || m_collapsed)
        return;
    // A child cut off by the closed frame must not keep the focus unseen.
    if (QWidget *focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        setFocus(Qt::OtherFocusReason);
    stopWatchingClicks();
    setHeightTwips(CollapsedHeight());
    m_collapsed = true;
    emit AfterCollapse();
}

void DDFrm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (AppStarted && !event->spontaneous()) {
        setHeightTwips(CollapsedHeight());
        m_collapsed = true;
    }
    DrawTitle();
}

void DDFrm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!AppStarted)
        m_expandedHeight = ddTwipsY(height());
    if (event->size().width() != event->oldSize().width())
        DrawTitle();
}

void DDFrm::startCloseTimer()
{
    m_closeTimer.start(CloseTimerMs);
}

void DDFrm::mouseMoveEvent(QMouseEvent *event)
{
    if (AppStarted && !m_closeTimer.isActive() && m_openOn != NoAutomaticOpening)
        startCloseTimer();
    const QPoint pos = event->position().toPoint() - contentsRect().topLeft();
    const QRect scale = contentsRect();
    if (m_openOn == OpenOnMouseOver && pos.x() >= 0 && pos.x() <= scale.width() && pos.y() >= 0 &&
        pos.y() <= scale.height())
        Expand();
    QWidget::mouseMoveEvent(event);
}

bool DDFrm::isOnTitleBar(const QPoint &pos) const
{
    const QRect title(contentsRect().topLeft(), QSize(contentsRect().width(), titlePixelHeight()));
    return title.contains(pos);
}

void DDFrm::mousePressEvent(QMouseEvent *event)
{
    m_pressedOnTitle =
        event->button() == Qt::LeftButton && isOnTitleBar(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void DDFrm::mouseReleaseEvent(QMouseEvent *event)
{
    const bool titleClick = m_pressedOnTitle && event->button() == Qt::LeftButton &&
                            isOnTitleBar(event->position().toPoint());
    m_pressedOnTitle = false;
    if (titleClick && m_openOn == OpenOnTitleClick) {
        if (m_collapsed)
            Expand();
        else
            Collapse();
    }
    QWidget::mouseReleaseEvent(event);
}

void DDFrm::leaveEvent(QEvent *event)
{
    if (AppStarted && !m_closeTimer.isActive() && m_openOn != NoAutomaticOpening)
        startCloseTimer();
    QWidget::leaveEvent(event);
}

bool DDFrm::cursorInsideFrame() const
{
    // On Wayland the last position seen stays inside the frame when the
    // pointer leaves the window from it; the window's leave tells instead.
    if (isWayland() && !window()->underMouse())
        return false;
    const QPoint cursor = QCursor::pos();
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    return cursor.x() >= topLeft.x() && cursor.x() <= topLeft.x() + width() &&
           cursor.y() >= topLeft.y() && cursor.y() <= topLeft.y() + height();
}

void DDFrm::closeTimerTick()
{
    if (!cursorInsideFrame()) {
        m_closeTimer.stop();
        Collapse();
    } else if (underMouse()) {
        // The pointer rests on the frame or its children; the leave event
        // that ends that starts the timer again.
        m_closeTimer.stop();
    } else {
        m_closeTimer.setInterval(CoveredPollMs);
    }
}

} // namespace controls
