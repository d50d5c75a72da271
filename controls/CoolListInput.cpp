// CoolList's mouse, keyboard, focus, auto-scroll and in-place editing.
#include "controls/CoolList.h"

#include "controls/CoolListEditor.h"
#include "controls/MouseCodes.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace controls {
namespace {

constexpr int AutoScrollFastestMs = 40;
constexpr int AutoScrollSlowestMs = 500;
constexpr int AutoScrollMsPerPixel = 20;

} // namespace

void CoolList::mousePressEvent(QMouseEvent *event)
{
    m_pressSeen = true;
    const QPointF p = event->position() - surfaceRect().topLeft();
    const int button = buttonCode(event->button());
    if (button != RightButton && m_enabled) {
        const int index = rowAt(static_cast<int>(p.y()));
        if (index >= 0 && index < ListCount()) {
            if (m_selectMode == 0) {
                m_items[index].selected = true;
            } else {
                m_items[index].selected = !m_items[index].selected;
                m_dragState = m_items[index].selected;
            }
            m_lastPointerY = static_cast<int>(p.y());
            setListIndex(index);
        }
        m_mouseIsDown = true;
    }
    emit MouseDown(button, shiftCode(event->modifiers()), p.x(), p.y());
}

void CoolList::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = event->position() - surfaceRect().topLeft();
    m_pointerY = static_cast<int>(std::floor(p.y()));
    const int surfaceHeight = surfaceRect().height();
    const bool outside = m_pointerY < 0 || m_pointerY > surfaceHeight - 1;
    if (outside && m_mouseIsDown) {
        if (!m_autoScrollTimer.isActive()) {
            m_sinceLastStep.start();
            m_autoScrollTimer.start();
        }
    } else if (!outside && m_enabled && rowAt(m_pointerY) != rowAt(m_lastPointerY) &&
               (m_hoverSelection || m_mouseIsDown)) {
        selectUnderPointer(m_pointerY);
    }
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), p.x(), p.y());
}

void CoolList::selectUnderPointer(int y)
{
    const int index = rowAt(y);
    m_lastPointerY = y;
    if (index < 0 || index >= ListCount())
        return;
    m_items[index].selected = m_dragState;
    setListIndex(index);
}

void CoolList::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF p = event->position() - surfaceRect().topLeft();
    m_pressSeen = false;
    m_mouseIsDown = false;
    m_dragState = true;
    m_autoScrollTimer.stop();
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        m_listIndex > -1)
        emit Click();
}

// Some platforms hand a widget the second press of a double click, others
// only the double click: either way that press counts once.
void CoolList::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!m_pressSeen)
        mousePressEvent(event);
    if (event->button() == Qt::LeftButton && m_listIndex > -1)
        emit DblClick();
}

int CoolList::autoScrollInterval() const
{
    const int height = surfaceRect().height();
    const int raw = m_pointerY < 0
                        ? AutoScrollSlowestMs + AutoScrollMsPerPixel * m_pointerY
                        : AutoScrollSlowestMs - (m_pointerY - height - 1) * AutoScrollMsPerPixel;
    return std::max(AutoScrollFastestMs, raw);
}

// Polled by a timer while a held button is past an edge, so the event loop
// keeps delivering moves and the release between steps.
void CoolList::autoScrollTick()
{
    const int height = surfaceRect().height();
    const bool above = m_pointerY < 0;
    const bool below = m_pointerY > height - 1;
    if (!m_mouseIsDown || (!above && !below)) {
        m_autoScrollTimer.stop();
        return;
    }
    if (m_sinceLastStep.elapsed() <= autoScrollInterval())
        return;
    m_sinceLastStep.start();
    moveListIndexBy(above ? -1 : 1);
}

void CoolList::moveListIndexBy(int step)
{
    const int next = m_listIndex + step;
    if (m_listIndex < 0 || next < 0 || next > ListCount() - 1)
        return;
    if (m_selectMode == 1)
        m_items[next].selected = m_dragState;
    setListIndex(next);
}

void CoolList::handleNavigationKey(int key)
{
    const int last = ListCount() - 1;
    switch (key) {
    case Qt::Key_Space:
        if (m_selectMode == 1) {
            m_items[m_listIndex].selected = !m_items[m_listIndex].selected;
            repaintRows();
        }
        emit Click();
        break;
    case Qt::Key_PageUp:
        setListIndex(m_listIndex > m_visibleRows ? m_listIndex - m_visibleRows : 0);
        break;
    case Qt::Key_PageDown:
        setListIndex(std::min(m_listIndex + m_visibleRows, last));
        break;
    case Qt::Key_Home:
        setListIndex(0);
        break;
    case Qt::Key_End:
        setListIndex(last);
        break;
    case Qt::Key_Up:
        if (m_listIndex > 0)
            setListIndex(m_listIndex - 1);
        break;
    case Qt::Key_Down:
        if (m_listIndex < last)
            setListIndex(m_listIndex + 1);
        break;
    default:
        break;
    }
}

void CoolList::keyPressEvent(QKeyEvent *event)
{
    if (!m_enabled)
        return;
    if (!m_items.empty() && m_listIndex >= 0)
        handleNavigationKey(event->key());
    emit KeyDown(event->key(), shiftCode(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 256)
        emit KeyPress(text.at(0).unicode());
}

void CoolList::keyReleaseEvent(QKeyEvent *event)
{
    if (m_enabled && !event->isAutoRepeat())
        emit KeyUp(event->key(), shiftCode(event->modifiers()));
}

void CoolList::focusInEvent(QFocusEvent *)
{
    m_hasFocus = true;
    repaintRows();
}

void CoolList::focusOutEvent(QFocusEvent *)
{
    m_hasFocus = false;
    repaintRows();
}

// ---- in-place editing ----

bool CoolList::isEditing() const
{
    return m_editor->isVisible();
}

void CoolList::StartEdit()
{
    const int visibleRow = m_listIndex - TopIndex();
    if (m_listIndex < 0 || visibleRow < 0 || visibleRow >= m_visibleRows)
        return;
    const bool selectedLook = m_items[m_listIndex].selected && m_selectModeStyle != 5;
    QPalette colours = m_editor->palette();
    colours.setColor(QPalette::Base, drawing::toQColor(drawing::TranslateColor(
                                         selectedLook ? m_backSelected : m_backNormal)));
    colours.setColor(QPalette::Text, drawing::toQColor(drawing::TranslateColor(
                                         selectedLook ? m_fontSelected : m_fontNormal)));
    m_editor->setPalette(colours);
    m_editor->setFont(font());
    m_editor->setMultiLine(m_wordWrap);
    m_editor->document()->setDocumentMargin(0);
    const QPoint origin = surfaceRect().topLeft();
    QRect box = m_wordWrap ? textRect(visibleRow) : rowRect(visibleRow);
    if (!m_wordWrap) {
        const int lineHeight = QFontMetrics(font()).height();
        box = QRect(box.left() + m_itemTextLeft + m_itemOffset,
                    box.top() + (box.height() - lineHeight) / 2,
                    box.width() - m_itemTextLeft - 2 * m_itemOffset, lineHeight);
    }
    m_editor->setGeometry(box.translated(origin));
    m_editor->setPlainText(m_items[m_listIndex].text);
    QTextOption option = m_editor->document()->defaultTextOption();
    option.setAlignment(m_alignment == 1   ? Qt::AlignHCenter
                        : m_alignment == 2 ? Qt::AlignRight
                                           : Qt::AlignLeft);
    m_editor->document()->setDefaultTextOption(option);
    m_editor->selectAll();
    m_editor->show();
    m_editor->setFocus();
}

void CoolList::EndEdit(bool Modify)
{
    finishEdit(Modify);
}

void CoolList::finishEdit(bool commit)
{
    if (!m_editor->isVisible())
        return;
    if (commit && m_listIndex >= 0)
        m_items[m_listIndex].text = m_editor->toPlainText();
    const bool hadFocus = m_editor->hasFocus();
    m_editor->hide();
    if (hadFocus)
        QWidget::setFocus();
    repaintRows();
}

} // namespace controls
