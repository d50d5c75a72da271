// Hints: the H key and the Hint link between the boxes ask for one; the
// board shows it (HintDisplay) and the move count's place says when there
// is none.
#include "board/Form1.h"

#include "board/BoardFonts.h"
#include "board/FormDesign.h"

namespace board {

namespace {

// The glow's gold: it reads on the dark top of the board and ties the link
// to the marks.
const QColor HintLinkColor(255, 210, 90);
constexpr double HintLinkPoints = 12;

} // namespace

void Form1::buildHintLink()
{
    m_lbHint = new QLabel(tr("Hint"), this);
    m_lbHint->setFont(comicFont(HintLinkPoints, true));
    m_lbHint->setAlignment(Qt::AlignCenter);
    m_lbHint->setToolTip(tr("Show a match to move (H)"));
    m_lbHint->setCursor(Qt::PointingHandCursor);
    QPalette link = m_lbHint->palette();
    link.setColor(QPalette::WindowText, HintLinkColor);
    m_lbHint->setPalette(link);
    m_lbHint->resize(HintLinkSize.width, HintLinkSize.height);
    m_lbHint->installEventFilter(this);
    m_lbHint->hide();
}

// A match picked up goes back first: the hint is for the board as it lies.
void Form1::requestHint()
{
    m_handling.putBack();
    if (!m_game.chosen())
        return noteHint(tr("Choose a puzzle first"));
    if (!m_hints->request())
        noteHint(tr(" \u2014 no hint found"));
}

void Form1::noteHint(const QString &note)
{
    m_hintNote = note;
    showMoves(m_game.status());
}

} // namespace board
