// CoolList's drawing: rows into the off-screen surface, the surface and the
// frame onto the widget.
#include "controls/CoolList.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace controls {
namespace {

using drawing::OleColor;
using drawing::toQColor;

enum SelectedLook
{
    PlainFill = 0,
    TintedNormal = 1,
    VerticalGradient = 2,
    HorizontalGradient = 3,
    RoundedBox = 4,
    Underline = 5,
    StretchedPicture = 6
};

QColor solid(OleColor c)
{
    return toQColor(drawing::TranslateColor(c));
}

} // namespace

void CoolList::repaintRows()
{
    drawRows();
    update();
}

void CoolList::drawRows()
{
    // At the screen's resolution, so the text is as sharp as the window's.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(surfaceRect().size()) * ratio).toSize().expandedTo(QSize(1, 1));
    if (m_surface.size() != pixels || m_surface.devicePixelRatio() != ratio) {
        m_surface = QImage(pixels, QImage::Format_RGB32);
        m_surface.setDevicePixelRatio(ratio);
    }
    m_surface.fill(solid(m_backNormal));
    QPainter painter(&m_surface);
    const int top = TopIndex();
    for (int i = top; i < top + m_visibleRows && i < ListCount(); ++i)
        drawItem(painter, i);
    drawFocusRect(painter);
}

void CoolList::drawItem(QPainter &painter, int index)
{
    const QRect row = rowRect(index - TopIndex());
    const bool selected = m_items[index].selected;
    if (selected)
        drawSelectedBackground(painter, row);
    else
        painter.fillRect(row, solid(m_backNormal));
    drawIcon(painter, index, row, selected);
    if (selected && m_selectModeStyle == TintedNormal) {
        // Bitwise AND of the brush with the pixels tints background and icon.
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.fillRect(row, solid(m_backSelected));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    drawText(painter, index, row, selected);
}

void CoolList::drawSelectedBackground(QPainter &painter, const QRect &row)
{
    switch (m_selectModeStyle) {
    case VerticalGradient:
    case HorizontalGradient: {
        const QPointF end = m_selectModeStyle == VerticalGradient ? row.bottomLeft() + QPointF(0, 1)
                                                                  : row.topRight() + QPointF(1, 0);
        QLinearGradient gradient(row.topLeft(), end);
        gradient.setColorAt(0, solid(m_backSelectedG1));
        gradient.setColorAt(1, solid(m_backSelectedG2));
        painter.fillRect(row, gradient);
        break;
    }
    case RoundedBox: {
        painter.fillRect(row, solid(m_backNormal));
        const QRect box =
            row.adjusted(m_boxOffset, m_boxOffset, -m_boxOffset - 1, -m_boxOffset - 1);
        painter.setPen(QPen(solid(m_boxBorder), 1));
        painter.setBrush(solid(m_backSelected));
        painter.drawRoundedRect(box, m_boxRadius / 2.0, m_boxRadius / 2.0);
        painter.setBrush(Qt::NoBrush);
        break;
    }
    case TintedNormal:
    case Underline:
        painter.fillRect(row, solid(m_backNormal));
        break;
    case StretchedPicture:
        if (!m_selectionPicture.isNull()) {
            painter.drawImage(row, m_selectionPicture.kind() == drawing::Picture::Kind::Icon
                                       ? m_selectionPicture.icon().pixmap(row.size()).toImage()
                                       : m_selectionPicture.image());
            break;
        }
        painter.fillRect(row, solid(m_backSelected));
        break;
    default:
        painter.fillRect(row, solid(m_backSelected));
        break;
    }
}

void CoolList::drawIcon(QPainter &painter, int index, const QRect &row, bool selected)
{
    if (m_imageStrip.isNull() || m_iconSize <= 0)
        return;
    const ItemRecord &item = m_items[index];
    const int image = m_singleIcon ? 0 : selected ? item.iconSelected : item.icon;
    const int pixels = qRound(m_iconSize * m_imageStrip.devicePixelRatio());
    if (image < 0 || (image + 1) * pixels > m_imageStrip.width())
        return;
    // A strip drawn for this screen's pixel ratio is copied pixel for pixel;
    // one drawn for another ratio is scaled to the icon's size.
    const QImage icon = m_imageStrip.copy(image * pixels, 0, pixels, pixels);
    const int y = row.top() + static_cast<int>(std::lround((m_rowHeight - m_iconSize) * 0.5));
    const QRect place(m_itemOffset, y, m_iconSize, m_iconSize);
    if (!selected && m_disabledIcons) {
        // The style greys against the palette that the option carries.
        QStyleOption option;
        option.initFrom(this);
        const QPixmap greyed =
            style()->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(icon), &option);
        painter.drawPixmap(place, greyed);
        return;
    }
    painter.drawImage(place, icon);
}

void CoolList::drawText(QPainter &painter, int index, const QRect &row, bool selected)
{
    QFont textFont = font();
    textFont.setUnderline(selected && m_selectModeStyle == Underline);
    painter.setFont(textFont);
    painter.setPen(solid(selected ? m_fontSelected : m_fontNormal));
    const QRect text = textRect(row.top() / m_rowHeight);
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    if (m_wordWrap) {
        const Qt::Alignment horizontal = m_alignment == 1   ? Qt::AlignHCenter
                                         : m_alignment == 2 ? Qt::AlignRight
                                                            : Qt::AlignLeft;
        flags = horizontal | Qt::AlignTop | Qt::TextWordWrap;
    }
    painter.drawText(text, flags, m_items[index].text);
}

void CoolList::drawFocusRect(QPainter &painter)
{
    const int visibleRow = m_listIndex - TopIndex();
    if (!m_focus || !m_hasFocus || m_listIndex < 0 || visibleRow < 0 || visibleRow >= m_visibleRows)
        return;
    painter.setPen(QPen(solid(m_fontSelected), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rowRect(visibleRow).adjusted(0, 0, -1, -1));
}

void CoolList::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another pixel ratio since the rows were drawn.
    if (m_surface.devicePixelRatio() != devicePixelRatioF())
        drawRows();
    QPainter painter(this);
    const QRect area = surfaceRect();
    painter.fillRect(rect(), solid(m_backNormal));
    painter.drawImage(area.topLeft(), m_surface);
    const int frame = frameWidth();
    if (frame > 0) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (frame > 1) {
            painter.setPen(palette().color(QPalette::Shadow));
            painter.drawRect(rect().adjusted(1, 1, -2, -2));
        }
    }
}

} // namespace controls
