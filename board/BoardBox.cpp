#include "board/BoardBox.h"

#include "board/BoardFonts.h"

#include <QPainter>

namespace board {

namespace {

constexpr drawing::OleColor White = 0xFFFFFF;
constexpr drawing::OleColor BoxBlue = 0xFFC0C0; // RGB(192, 192, 255)
// The gradient starts at the top-left corner.
constexpr std::int16_t CornerGradient = 0;

} // namespace

BoardBox::BoardBox(const QString &caption, QWidget *parent)
    : QWidget(parent)
    , m_caption(new QLabel(caption, this))
    , m_backColor(BoxBlue)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_caption->setFont(comicFont(14.25, true));
    m_caption->adjustSize();
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BoardBox::resizeEvent(QResizeEvent *)
{
    repaintBackground();
}

// Painted once per size: a drag repaints the box under the moving match on
// every step.
void BoardBox::repaintBackground()
{
    if (size().isEmpty())
        return;
    // At the screen's resolution and drawn whole, clipped to the update:
    // parts scaled one by one at 1.5x would not meet without a seam.
    const qreal ratio = devicePixelRatioF();
    m_background = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
    m_background.setDevicePixelRatio(ratio);
    QPainter painter(&m_background);
    drawing::PaintGradientBackground(painter, size(), White, BoxBlue, CornerGradient);
    painter.setPen(QColor(64, 64, 96));
    painter.drawRect(QRect(QPoint(0, 0), size()).adjusted(0, 0, -Border, -Border));
    update();
}

void BoardBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), m_background);
}

} // namespace board
