#include "dialogs/DragStandIn.h"

#include <QPainter>

namespace dialogs {

DragStandIn::DragStandIn(QWidget *window, const QRegion &shape, QWidget *owner)
    : QWidget(owner)
    , m_picture(window->grab())
    , m_shape(shape)
    , m_focus(window->focusWidget())
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(window->size());
    moveTo(window->pos());
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !child->isWindow()) {
            m_hidden.emplace_back(child);
            child->hide();
        }
    }
    raise();
    show();
}

DragStandIn::~DragStandIn()
{
    for (const QPointer<QWidget> &child : m_hidden)
        if (child)
            child->show();
    if (m_focus)
        m_focus->setFocus();
}

void DragStandIn::moveTo(QPoint globalTopLeft)
{
    move(parentWidget()->mapFromGlobal(globalTopLeft));
}

void DragStandIn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRegion(m_shape);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace dialogs
