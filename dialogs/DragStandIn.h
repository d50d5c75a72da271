// DragStandIn -- what follows the pointer while a balloon is dragged where
// the window cannot move until it is dropped (a Wayland pop-up, which
// stays where it was mapped). The balloon turns clear, keeping the pointer
// that dragging needs, and a picture of it moves over the window it
// belongs to.
// No name here is fixed by the program's design.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace dialogs {

class DragStandIn : public QWidget
{
public:
    // Pictures `shape` of `window` over `owner`, where the window lies, and
    // hides the window's own widgets; the window clears its own surface.
    DragStandIn(QWidget *window, const QRegion &shape, QWidget *owner);
    // Shows the window's widgets and gives the keyboard back as it was.
    ~DragStandIn() override;

    // Follows the window's would-be place, in global coordinates.
    void moveTo(QPoint globalTopLeft);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QRegion m_shape;
    std::vector<QPointer<QWidget>> m_hidden;
    QPointer<QWidget> m_focus;
};

} // namespace dialogs
