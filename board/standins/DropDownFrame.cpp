#include "board/standins/DropDownFrame.h"

#include <QMouseEvent>

namespace board {

DropDownFrame::DropDownFrame(QWidget *parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
{
    setAutoFillBackground(true);
    m_title->setGeometry(4, 0, 280, m_titleHeight);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(296, m_titleHeight);
}

void DropDownFrame::Collapse()
{
    if (!isExpanded())
        return;
    resize(width(), m_titleHeight);
    emit Collapsed();
}

void DropDownFrame::Expand()
{
    if (isExpanded())
        return;
    resize(width(), m_expandedHeight);
    raise();
    emit Expanded();
}

void DropDownFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->position().y() >= m_titleHeight)
        return;
    if (isExpanded())
        Collapse();
    else
        Expand();
}

} // namespace board
