#include "controls/WindowMessages.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <array>

namespace controls {
using namespace WindowMessage;
namespace {

struct ButtonMessages
{
    Qt::MouseButton button;
    int down;
    int up;
    int doubleClick;
};

constexpr std::array<ButtonMessages, 3> ButtonTable = {{
    {Qt::LeftButton, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
    {Qt::RightButton, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
    {Qt::MiddleButton, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK},
}};

qint32 mouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    qint32 flags = 0;
    flags |= buttons.testFlag(Qt::LeftButton) ? MK_LBUTTON : 0;
    flags |= buttons.testFlag(Qt::RightButton) ? MK_RBUTTON : 0;
    flags |= buttons.testFlag(Qt::MiddleButton) ? MK_MBUTTON : 0;
    flags |= modifiers.testFlag(Qt::ShiftModifier) ? MK_SHIFT : 0;
    flags |= modifiers.testFlag(Qt::ControlModifier) ? MK_CONTROL : 0;
    return flags;
}

int buttonMessage(const QMouseEvent &event)
{
    for (const ButtonMessages &entry : ButtonTable) {
        if (entry.button != event.button())
            continue;
        switch (event.type()) {
        case QEvent::MouseButtonPress:
            return entry.down;
        case QEvent::MouseButtonRelease:
            return entry.up;
        default:
            return entry.doubleClick;
        }
    }
    return QtEventBase + event.type();
}

RoutedMessage mouseMessage(const QMouseEvent &event)
{
    const QPoint pos = event.position().toPoint();
    const int message = event.type() == QEvent::MouseMove ? WM_MOUSEMOVE : buttonMessage(event);
    return {message, mouseKeyFlags(event.buttons(), event.modifiers()),
            makeLParam(pos.x(), pos.y())};
}

Qt::MouseButtons buttonsOf(qint32 wParam)
{
    Qt::MouseButtons buttons;
    buttons.setFlag(Qt::LeftButton, wParam & MK_LBUTTON);
    buttons.setFlag(Qt::RightButton, wParam & MK_RBUTTON);
    buttons.setFlag(Qt::MiddleButton, wParam & MK_MBUTTON);
    return buttons;
}

Qt::KeyboardModifiers modifiersOf(qint32 wParam)
{
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, wParam & MK_SHIFT);
    modifiers.setFlag(Qt::ControlModifier, wParam & MK_CONTROL);
    return modifiers;
}

std::unique_ptr<QEvent> mouseEventFor(QEvent::Type type, Qt::MouseButton button, qint32 wParam,
                                      qint32 lParam)
{
    const QPointF pos(signedLowWord(lParam), signedHighWord(lParam));
    return std::make_unique<QMouseEvent>(type, pos, pos, button, buttonsOf(wParam),
                                         modifiersOf(wParam));
}

std::unique_ptr<QEvent> buttonEventFor(int message, qint32 wParam, qint32 lParam)
{
    for (const ButtonMessages &entry : ButtonTable) {
        if (message == entry.down)
            return mouseEventFor(QEvent::MouseButtonPress, entry.button, wParam, lParam);
        if (message == entry.up)
            return mouseEventFor(QEvent::MouseButtonRelease, entry.button, wParam, lParam);
        if (message == entry.doubleClick)
            return mouseEventFor(QEvent::MouseButtonDblClick, entry.button, wParam, lParam);
    }
    return nullptr;
}

} // namespace

RoutedMessage messageForEvent(const QEvent &event, bool leaveRequested)
{
    switch (event.type()) {
    case QEvent::Paint:
        return {WM_PAINT, 0, 0};
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return mouseMessage(static_cast<const QMouseEvent &>(event));
    case QEvent::Leave:
        return {leaveRequested ? WM_MOUSELEAVE : QtEventBase + QEvent::Leave, 0, 0};
    case QEvent::FocusIn:
        return {WM_SETFOCUS, 0, 0};
    case QEvent::FocusOut:
        return {WM_KILLFOCUS, 0, 0};
    case QEvent::Resize: {
        const QSize size = static_cast<const QResizeEvent &>(event).size();
        return {WM_SIZE, 0, makeLParam(size.width(), size.height())};
    }
    default:
        return {QtEventBase + event.type(), 0, 0};
    }
}

std::unique_ptr<QEvent> eventForMessage(int message, qint32 wParam, qint32 lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        return mouseEventFor(QEvent::MouseMove, Qt::NoButton, wParam, lParam);
    case WM_MOUSELEAVE:
        return std::make_unique<QEvent>(QEvent::Leave);
    case WM_SETFOCUS:
        return std::make_unique<QFocusEvent>(QEvent::FocusIn, Qt::OtherFocusReason);
    case WM_KILLFOCUS:
        return std::make_unique<QFocusEvent>(QEvent::FocusOut, Qt::OtherFocusReason);
    default:
        return buttonEventFor(message, wParam, lParam);
    }
}

} // namespace controls
