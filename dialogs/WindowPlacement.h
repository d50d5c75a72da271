// WindowPlacement -- where the balloons and dialogs go. Where the program
// places its own top-level windows (X11, offscreen) nothing changes here.
// On Wayland the compositor would put a top-level window anywhere, so each
// balloon and dialog becomes a pop-up of the window it is opened over,
// which the compositor places where the program asks, relative to that
// window; and since where that window lies on the screen is unknown, the
// window stands in for the screen.
// No name here is fixed by the program's design.
#pragma once

#include <QPoint>
#include <QRect>

class QDialog;
class QWidget;

namespace dialogs {

// The window that a balloon opened now belongs to: the active window, else
// the one under the pointer, else the first one shown; null when none is.
QWidget *ownerWindow();

// On Wayland, makes `window` a pop-up of `owner` of the given kind:
// Qt::Popup takes all input, as a modal window does, and ignores clicks on
// the windows under it, which a pop-up would take as closing; Qt::ToolTip
// leaves the keyboard where it is. A pop-up is not modal: Qt 6.4 on Wayland
// gives a modal pop-up's keys to the window it blocks, which drops them.
// Does nothing elsewhere or without owner.
void attachToOwner(QWidget *window, QWidget *owner, Qt::WindowType kind);

// The area that a window placed for point p should keep to: the screen
// holding p, whole or its available part; on Wayland, for a pop-up, its
// owner's area.
QRect placementArea(const QWidget *window, QPoint p);
QRect availablePlacementArea(const QWidget *window, QPoint p);

// On Wayland, makes a dialog a modal pop-up of its parent, centred over it,
// as the window system centres it elsewhere. Call once its size is set.
void popUpOverParent(QWidget *dialog);

// QDialog::exec() for a dialog that may be such a pop-up, which runs
// without being modal.
int execOverParent(QDialog *dialog);

} // namespace dialogs
