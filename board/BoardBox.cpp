#include "board/BoardBox.h"

#include "board/BoardFonts.h"

#include <QPaintEvent>
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
    m_background = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&m_background);
    drawing::PaintGradientBackground(painter, size(), White, BoxBlue, CornerGradient);
    painter.setPen(QColor(64, 64, 96));
    painter.drawRect(QRect(QPoint(0, 0), size()).adjusted(0, 0, -Border, -Border));
    update();
}

void BoardBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_background, event->rect());
}

} // namespace board
