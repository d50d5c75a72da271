#include "controls/CoolList.h"

#include "controls/CoolListEditor.h"
#include "drawing/ControlError.h"

#include <QFontMetrics>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace controls {
namespace {

using drawing::ControlError;
using drawing::OleColor;

using drawing::SysHighlight;
using drawing::SysHighlightText;
using drawing::SysWindow;
using drawing::SysWindowText;
constexpr int AutoScrollPollMs = 10;

} // namespace

CoolList::CoolList(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QScrollBar(Qt::Vertical, this))
    , m_editor(new CoolListEditor(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    m_bar->hide();
    m_bar->setRange(0, 0);
    m_bar->setFocusPolicy(Qt::NoFocus);
    connect(m_bar, &QScrollBar::valueChanged, this, &CoolList::onBarValueChanged);
    connect(
        m_bar, &QScrollBar::sliderMoved, this, [this] { emit Scroll(); });
    m_editor->onFinished = [this](bool commit) {
        finishEdit(commit);
    };
    m_autoScrollTimer.setInterval(AutoScrollPollMs);
    connect(&m_autoScrollTimer, &QTimer::timeout, this, &CoolList::autoScrollTick);
    applyDefaults();
    updateLayout();
}

CoolList::~CoolList()
{
    m_mouseIsDown = false;
    m_autoScrollTimer.stop();
}

void CoolList::applyDefaults()
{
    m_backNormal = SysWindow;
    m_backSelected = SysHighlight;
    m_backSelectedG1 = SysHighlight;
    m_backSelectedG2 = SysWindow;
    m_boxBorder = SysHighlightText;
    m_fontNormal = SysWindowText;
    m_fontSelected = SysHighlightText;
    m_itemHeight = sampleTextHeight();
}

// ---- items ----

void CoolList::checkItemIndex(int index) const
{
    if (index < 0 || index >= ListCount())
        throw ControlError(ControlError::InvalidPropertyArrayIndex);
}

void CoolList::checkListNotEmpty(int index, int limit) const
{
    if (m_items.empty() || index < 0 || index > limit)
        throw ControlError(ControlError::InvalidPropertyArrayIndex);
}

void CoolList::AddItem(const QString &Text, int Icon, int IconSelected)
{
    m_items.push_back({Text, Icon, IconSelected, false});
    updateScrollBar();
    repaintRows();
}

void CoolList::InsertItem(int Index, const QString &Text, int Icon, int IconSelected)
{
    checkListNotEmpty(Index, ListCount());
    m_items.insert(m_items.begin() + Index, {Text, Icon, IconSelected, false});
    updateScrollBar();
    m_scrollOnNextIndexChange = false;
    if (Index <= m_listIndex) {
        ++m_listIndex;
        m_previousIndex = m_listIndex;
    }
    repaintRows();
}

void CoolList::ModifyItem(int Index, const QString &Text, int Icon, int IconSelected)
{
    checkListNotEmpty(Index, ListCount() - 1);
    ItemRecord &item = m_items[Index];
    if (!Text.isNull())
        item.text = Text;
    if (Icon > -1)
        item.icon = Icon;
    if (IconSelected > -1)
        item.iconSelected = IconSelected;
    repaintRows();
}

void CoolList::RemoveItem(int Index)
{
    checkListNotEmpty(Index, ListCount() - 1);
    m_items.erase(m_items.begin() + Index);
    updateScrollBar();
    m_scrollOnNextIndexChange = false;
    if (Index == m_listIndex)
        m_listIndex = -1;
    else if (Index < m_listIndex)
        --m_listIndex;
    m_previousIndex = m_listIndex;
    repaintRows();
}

int CoolList::FindFirst(const QString &FindString, int StartIndex, bool StartWith) const
{
    if (m_items.empty())
        throw ControlError(ControlError::InvalidPropertyArrayIndex);
    for (int i = std::max(0, StartIndex); i < ListCount(); ++i) {
        const QString &text = m_items[i].text;
        const bool found = StartWith ? text.startsWith(FindString, Qt::CaseInsensitive)
                                     : text.contains(FindString, Qt::CaseInsensitive);
        if (found)
            return i;
    }
    return -1;
}

void CoolList::Clear()
{
    finishEdit(false);
    m_items.clear();
    m_bar->hide();
    m_bar->setMaximum(0);
    m_lastBarValue = 0;
    m_previousIndex = -1;
    m_listIndex = -1;
    updateLayout();
}

void CoolList::Order()
{
    const int count = ListCount();
    if (count < 2)
        return;
    if (m_selectMode == 0 && m_listIndex >= 0)
        m_items[m_listIndex].selected = false;
    // Shell sort with the gaps 1, 4, 13, 40, ...; an element moves towards
    // the front while its comparison with the one a gap before differs from
    // the chosen direction.
    const bool ascending = m_orderType != 1;
    int gap = 1;
    while (gap <= count)
        gap = 3 * gap + 1;
    do {
        gap /= 3;
        for (int i = gap; i < count; ++i) {
            ItemRecord moving = m_items[i];
            int j = i;
            while (j >= gap &&
                   ((QString::compare(m_items[j - gap].text, moving.text) > 0) == ascending)) {
                m_items[j] = m_items[j - gap];
                j -= gap;
            }
            m_items[j] = moving;
        }
    } while (gap > 1);
    for (ItemRecord &item : m_items)
        item.selected = false;
    m_listIndex = -1;
    m_previousIndex = -1;
    m_bar->setValue(0);
    repaintRows();
}

int CoolList::SelectedCount() const
{
    return static_cast<int>(std::count_if(
        m_items.begin(), m_items.end(), [](const ItemRecord &i) { return i.selected; }));
}

QString CoolList::ItemText(int index) const
{
    checkItemIndex(index);
    return m_items[index].text;
}

void CoolList::setItemText(int index, const QString &text)
{
    checkItemIndex(index);
    m_items[index].text = text;
    repaintRows();
}

int CoolList::ItemIcon(int index) const
{
    checkItemIndex(index);
    return m_items[index].icon;
}

void CoolList::setItemIcon(int index, int icon)
{
    checkItemIndex(index);
    m_items[index].icon = icon;
    repaintRows();
}

int CoolList::ItemIconSelected(int index) const
{
    checkItemIndex(index);
    return m_items[index].iconSelected;
}

void CoolList::setItemIconSelected(int index, int icon)
{
    checkItemIndex(index);
    m_items[index].iconSelected = icon;
    repaintRows();
}

bool CoolList::ItemSelected(int index) const
{
    checkItemIndex(index);
    return m_items[index].selected;
}

void CoolList::setItemSelected(int index, bool selected)
{
    checkItemIndex(index);
    if (m_selectMode == 0 && selected) {
        // One selection at a time: choosing a row makes it the current one.
        setListIndex(index);
        return;
    }
    m_items[index].selected = selected;
    repaintRows();
}

// ---- current item and scrolling ----

void CoolList::setListIndex(int value)
{
    if (value < -1 || value > ListCount() - 1)
        throw ControlError(ControlError::InvalidPropertyValue);
    finishEdit(false);
    m_listIndex = (value < 0 || m_items.empty()) ? -1 : value;
    if (m_selectMode == 0) {
        if (m_previousIndex >= 0 && m_previousIndex < ListCount())
            m_items[m_previousIndex].selected = false;
        if (m_listIndex >= 0)
            m_items[m_listIndex].selected = true;
    }
    m_previousIndex = m_listIndex;
    if (m_scrollOnNextIndexChange) {
        if (m_listIndex >= 0 && m_listIndex < TopIndex())
            m_bar->setValue(m_listIndex);
        else if (m_listIndex > TopIndex() + m_visibleRows - 1)
            m_bar->setValue(m_listIndex - m_visibleRows + 1);
    } else {
        m_scrollOnNextIndexChange = true;
    }
    repaintRows();
    emit ListIndexChange();
}

int CoolList::TopIndex() const
{
    return m_bar->value();
}

void CoolList::setTopIndex(int value)
{
    if (value < 0 || value > ListCount() - m_visibleRows)
        throw ControlError(ControlError::InvalidPropertyValue);
    m_bar->setValue(value);
    emit TopIndexChange();
}

void CoolList::onBarValueChanged(int value)
{
    if (value == m_lastBarValue)
        return;
    m_lastBarValue = value;
    finishEdit(false);
    repaintRows();
    emit Scroll();
    emit TopIndexChange();
}

bool CoolList::isScrollBarShown() const
{
    return !m_bar->isHidden();
}

void CoolList::updateScrollBar()
{
    const bool needed = ListCount() > m_visibleRows;
    const bool changed = needed == m_bar->isHidden();
    m_bar->setMaximum(std::max(0, ListCount() - m_visibleRows));
    m_bar->setPageStep(std::max(1, m_visibleRows));
    m_bar->setVisible(needed);
    if (changed)
        updateLayout();
}

// ---- layout ----

int CoolList::frameWidth() const
{
    if (m_borderStyle == 0)
        return 0;
    return m_appearance == 1 ? 2 : 1;
}

QRect CoolList::surfaceRect() const
{
    const int frame = frameWidth();
    QRect inner = rect().adjusted(frame, frame, -frame, -frame);
    if (isScrollBarShown())
        inner.setRight(inner.right() - m_scrollBarWidth);
    return inner;
}

void CoolList::updateLayout()
{
    const int textHeight = QFontMetrics(font()).height();
    m_rowHeight = m_itemHeightAuto ? textHeight : std::max(m_itemHeight, textHeight);
    m_rowHeight = std::max(1, m_rowHeight);
    const int frame = frameWidth();
    const int clientHeight = std::max(0, height() - 2 * frame);
    m_visibleRows = clientHeight / m_rowHeight;
    trimToRows(frame);
    const QRect inner = rect().adjusted(frame, frame, -frame, -frame);
    m_bar->setGeometry(inner.right() - m_scrollBarWidth + 1, inner.top(), m_scrollBarWidth,
                       inner.height());
    m_bar->setPageStep(std::max(1, m_visibleRows));
    m_bar->setMaximum(std::max(0, ListCount() - m_visibleRows));
    m_bar->setVisible(ListCount() > m_visibleRows);
    repaintRows();
}

// No strip is left under the last row for the pointer to select from. A
// hidden list takes the height at once, before anyone reads it; a shown
// one lays itself out again, and that pass finds nothing left to trim.
void CoolList::trimToRows(int frame)
{
    const int rowsHeight = m_visibleRows * m_rowHeight + 2 * frame;
    if (height() != rowsHeight)
        resize(width(), rowsHeight);
}

QRect CoolList::rowRect(int visibleRow) const
{
    const int width = qRound(m_surface.deviceIndependentSize().width());
    return QRect(0, m_rowHeight * visibleRow, width, m_rowHeight);
}

QRect CoolList::textRect(int visibleRow) const
{
    const QRect row = rowRect(visibleRow);
    return QRect(QPoint(m_itemTextLeft + m_itemOffset, row.top() + m_itemOffset),
                 QPoint(row.right() - m_itemOffset, row.bottom() - m_itemOffset));
}

int CoolList::rowAt(int y) const
{
    return TopIndex() + static_cast<int>(std::floor(static_cast<double>(y) / m_rowHeight));
}

void CoolList::resizeEvent(QResizeEvent *)
{
    updateLayout();
}

void CoolList::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateLayout();
    QWidget::changeEvent(event);
}

} // namespace controls
