// Reaching every control with the keyboard: the Tab order across the
// window, the puzzle list from its drop-down, and the web link.
#include "board/Form1.h"

#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "controls/KeyboardLink.h"

#include <vector>

namespace board {

// Left to right along the top bar, then down between the boxes (the Hint
// link while a puzzle is on show, then the board buttons), then the web
// link. The list is reached by opening its drop-down, so that a list
// hidden in the closed frame never holds the focus.
void Form1::buildKeyboardOrder()
{
    m_cl1->setFocusPolicy(Qt::NoFocus);
    new controls::KeyboardLink(
        m_lbWeb, [this] { lbWeb_MouseUp(); });
    new controls::KeyboardLink(m_lbHint, [this] { requestHint(); });
    connect(m_cl1, &controls::CoolList::KeyDown, this, &Form1::puzzleListKey);
    QWidget *const order[] = {
        m_candyButton1[0], m_candyButton1[1], m_dd1,    m_candyButton1[3], m_candyButton1[2],
        m_lbHint,          m_cb1[2],          m_cb1[1], m_cb1[0],          m_lbWeb};
    // Qt leaves a widget that takes no focus out of the order it is given,
    // and a disabled button takes none until it is enabled again.
    std::vector<Qt::FocusPolicy> policies;
    for (QWidget *widget : order) {
        policies.push_back(widget->focusPolicy());
        widget->setFocusPolicy(Qt::TabFocus);
    }
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (std::size_t i = 0; i < std::size(order); ++i)
        order[i]->setFocusPolicy(policies[i]);
}

void Form1::puzzleListKey(int KeyCode, int)
{
    switch (KeyCode) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_cl1->ListIndex() >= 0)
            ShowPuzzle();
        break;
    case Qt::Key_Escape:
        m_dd1->Collapse();
        break;
    case Qt::Key_Down:
    case Qt::Key_Up:
        // Nothing is current until a row is chosen; the keys start at the top.
        if (m_cl1->ListIndex() < 0 && m_cl1->ListCount() > 0)
            m_cl1->setListIndex(0);
        break;
    default:
        break;
    }
}

} // namespace board
