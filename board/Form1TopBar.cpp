// The top bar's buttons and the web link in the bottom-right corner.
#include "board/Form1.h"

#include "board/BoardFonts.h"
#include "board/HelpText.h"
#include "controls/CandyButton.h"
#include "controls/DDFrm.h"
#include "dialogs/msgFrm.h"

#include <QEvent>

namespace board {

namespace {

constexpr drawing::OleColor HelpBalloonColor = 0xC5C5D9; // RGB(217, 197, 197)
constexpr short HelpShadowIntensity = 20;
constexpr int BarGap = 6;
constexpr double MinimumBarPoints = 6;

} // namespace

void Form1::CandyButton1_Click(int Index)
{
    switch (Index) {
    case 0:
        SavePuzzle();
        break;
    case 1:
        DeletePuzzle();
        break;
    case 2:
        if (m_showAbout)
            m_showAbout(this);
        break;
    case 3:
        dialogs::msg_Box(instructionsHelpText(), InformationFlags, QStringLiteral("Instructions"),
                         false, {}, {}, {}, {}, HelpBalloonColor, 0, 0, HelpShadowIntensity);
        break;
    }
}

// The counts share the bar with the buttons; a long text gets a smaller font
// rather than running under them.
void Form1::fitTopBarLabels()
{
    const auto fit = [this](QLabel *label, int room) {
        label->setFont(fittingFont(m_p1->font(), label->text(), room, MinimumBarPoints));
        label->resize(std::max(room, 0), label->height());
    };
    fit(m_lbstats, m_candyButton1[3]->x() - BarGap - m_lbstats->x());
    fit(m_lbMoves, m_dd1->x() - BarGap - m_lbMoves->x());
}

void Form1::setLinkColor(const QColor &color)
{
    if (m_lbWeb->palette().color(QPalette::WindowText) == color)
        return;
    QPalette link = m_lbWeb->palette();
    link.setColor(QPalette::WindowText, color);
    m_lbWeb->setPalette(link);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lbHint && event->type() == QEvent::MouseButtonRelease)
        requestHint();
    if (watched != m_lbWeb)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove)
        lbWeb_MouseMove();
    else if (event->type() == QEvent::MouseButtonRelease)
        lbWeb_MouseUp();
    return false;
}

void Form1::lbWeb_MouseMove()
{
    setLinkColor(LinkBlue);
}

void Form1::lbWeb_MouseUp()
{
    if (m_openHomePage)
        m_openHomePage();
}

} // namespace board
