#include "dialogs/WindowPlacement.h"

#include "controls/WindowSystem.h"
#include "dialogs/BalloonContent.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QEventLoop>
#include <QFrame>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace dialogs {

namespace {

// A window that others may belong to: not itself a pop-up.
bool canOwn(const QWidget *window)
{
    return window && window->isVisible() &&
           (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog);
}

// Qt hands a pop-up the presses on the program's other windows, and on
// Wayland those on the pop-up's transparent parts: a modal window ignores
// them, where a pop-up would close.
class OutsidePressGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonDblClick)
            return false;
        const auto *window = static_cast<QWidget *>(watched);
        const QWindow *handle = window->windowHandle();
        const QRegion shape =
            handle && !handle->mask().isEmpty() ? handle->mask() : QRegion(window->rect());
        return !shape.contains(static_cast<QMouseEvent *>(event)->position().toPoint());
    }
};

// What activating a window does, which a pop-up never is.
void focusFirstField(QWidget *window)
{
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->isVisibleTo(window) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// The owner's inside, in the coordinates that pop-ups are placed in.
QRect ownerArea(const QWidget *window)
{
    const QWidget *owner = window->parentWidget()->window();
    return QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
}

// Without the frame that the compositor gives a window, a line round it,
// which follows it as it grows (a message box showing its details).
class Outline : public QFrame
{
public:
    explicit Outline(QWidget *window)
        : QFrame(window)
    {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
        lower();
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
};

bool placedByOwner(const QWidget *window)
{
    return controls::isWayland() && window->parentWidget();
}

} // namespace

QWidget *ownerWindow()
{
    if (QWidget *active = QApplication::activeWindow(); canOwn(active))
        return active;
    if (QWidget *under = QApplication::topLevelAt(QCursor::pos()); canOwn(under))
        return under;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (canOwn(top))
            return top;
    return nullptr;
}

void attachToOwner(QWidget *window, QWidget *owner, Qt::WindowType kind)
{
    if (!controls::isWayland() || !owner)
        return;
    // A parent makes Qt name the owner's window as the pop-up's transient
    // parent, and keeps it through later changes of the window's flags.
    window->setParent(owner->window(), kind | Qt::FramelessWindowHint);
    window->setWindowModality(Qt::NonModal);
    if (kind == Qt::Popup)
        window->installEventFilter(new OutsidePressGuard(window));
}

QRect placementArea(const QWidget *window, QPoint p)
{
    return placedByOwner(window) ? ownerArea(window) : screenHolding(p)->geometry();
}

QRect availablePlacementArea(const QWidget *window, QPoint p)
{
    return placedByOwner(window) ? ownerArea(window) : screenHolding(p)->availableGeometry();
}

void popUpOverParent(QWidget *dialog)
{
    QWidget *owner = dialog->parentWidget();
    if (!controls::isWayland() || !owner)
        return;
    attachToOwner(dialog, owner, Qt::Popup);
    new Outline(dialog);
    QRect place(QPoint(), dialog->size());
    place.moveCenter(ownerArea(dialog).center());
    dialog->move(place.topLeft());
}

int execOverParent(QDialog *dialog)
{
    if (dialog->windowType() != Qt::Popup)
        return dialog->QDialog::exec();
    QEventLoop loop;
    QObject::connect(dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog->show();
    if (!dialog->focusWidget())
        focusFirstField(dialog);
    loop.exec(QEventLoop::DialogExec);
    return dialog->result();
}

} // namespace dialogs
