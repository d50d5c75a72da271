// WindowMessages -- the message numbers a routed widget's events carry, and
// the translation between Qt events and (message, wParam, lParam).
//
// Events with a window-message counterpart carry its classic number, so
// tables and reports speak the familiar values (WM_MOUSELEAVE is &H2A3).
// Every other Qt event type T is message QtEventBase + T, above the whole
// window-message range.
#pragma once

#include <QtGlobal>
#include <memory>

class QEvent;

namespace controls {

namespace WindowMessage {
// Names fixed by the program's design: keep them as they are.
constexpr int ALL_MESSAGES = -1;
constexpr int WM_SIZE = 0x0005;
constexpr int WM_SETFOCUS = 0x0007;
constexpr int WM_KILLFOCUS = 0x0008;
constexpr int WM_PAINT = 0x000F;
constexpr int WM_MOUSEMOVE = 0x0200;
constexpr int WM_LBUTTONDOWN = 0x0201;
constexpr int WM_LBUTTONUP = 0x0202;
constexpr int WM_LBUTTONDBLCLK = 0x0203;
constexpr int WM_RBUTTONDOWN = 0x0204;
constexpr int WM_RBUTTONUP = 0x0205;
constexpr int WM_RBUTTONDBLCLK = 0x0206;
constexpr int WM_MBUTTONDOWN = 0x0207;
constexpr int WM_MBUTTONUP = 0x0208;
constexpr int WM_MBUTTONDBLCLK = 0x0209;
constexpr int WM_MOUSELEAVE = 0x02A3;

// wParam flags of the mouse messages.
constexpr qint32 MK_LBUTTON = 0x0001;
constexpr qint32 MK_RBUTTON = 0x0002;
constexpr qint32 MK_SHIFT = 0x0004;
constexpr qint32 MK_CONTROL = 0x0008;
constexpr qint32 MK_MBUTTON = 0x0010;

// Project helpers.
constexpr int QtEventBase = 0x10000;
} // namespace WindowMessage

struct RoutedMessage
{
    int message = 0;
    qint32 wParam = 0;
    qint32 lParam = 0;
};

// A Leave is WM_MOUSELEAVE only while a leave notification was requested;
// otherwise it is an ordinary Qt event.
RoutedMessage messageForEvent(const QEvent &event, bool leaveRequested);

// Mouse positions travel in lParam as signed 16-bit x (low) and y (high).
constexpr qint32 makeLParam(int low, int high)
{
    return qint32((quint32(high & 0xFFFF) << 16) | quint32(low & 0xFFFF));
}
constexpr int signedLowWord(qint32 value)
{
    return qint16(quint32(value) & 0xFFFF);
}
constexpr int signedHighWord(qint32 value)
{
    return qint16((quint32(value) >> 16) & 0xFFFF);
}

// The event a message stands for, for the mouse, leave and focus messages;
// null for any other message, which cannot be rebuilt from its parameters.
std::unique_ptr<QEvent> eventForMessage(int message, qint32 wParam, qint32 lParam);

} // namespace controls
