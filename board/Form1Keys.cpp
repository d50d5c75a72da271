// The keys of play: R turns the match under the pointer or the one picked
// up (Shift+R the other way), the arrows nudge a picked match (Shift by
// ten pixels), Escape puts it back, H asks for a hint; the undo keys, and F1 for the
// manual.
#include "board/Form1.h"

#include "dialogs/HelpWindow.h"

#include <QKeyEvent>
#include <QShortcut>
#include <optional>

namespace board {

namespace {

std::optional<PlayKey> playKey(int key, bool shift)
{
    switch (key) {
    case Qt::Key_R:
        return shift ? PlayKey::TurnAnticlockwise : PlayKey::TurnClockwise;
    case Qt::Key_Escape:
        return PlayKey::PutBack;
    case Qt::Key_Left:
        return PlayKey::Left;
    case Qt::Key_Right:
        return PlayKey::Right;
    case Qt::Key_Up:
        return PlayKey::Up;
    case Qt::Key_Down:
        return PlayKey::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

// Undo and redo work wherever the focus is. The play keys come as key
// presses that the focused control did not take, so the open puzzle list
// keeps its arrows, Escape and its letters.
void Form1::buildShortcuts()
{
    const auto bind = [this](const QKeySequence &keys, std::function<void()> action) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    bind(
        QKeySequence::Undo, [this] { undo(); });
    bind(
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redo(); });
    bind(
        QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redo(); });
    bind(QKeySequence::HelpContents, [this] { dialogs::HelpWindow::showManual(this); });
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    if (event->key() == Qt::Key_H && modifiers == Qt::NoModifier)
        return requestHint();
    const std::optional<PlayKey> key =
        modifiers == Qt::NoModifier || shift ? playKey(event->key(), shift) : std::nullopt;
    if (!key)
        return QWidget::keyPressEvent(event);
    m_handling.key(*key, shift);
}

void Form1::undo()
{
    m_handling.putBack();
    m_game.undo();
    update();
}

void Form1::redo()
{
    m_handling.putBack();
    m_game.redo();
    update();
}

} // namespace board
