// Filling the puzzle list, choosing a puzzle and showing it.
#include "board/Form1.h"

#include "board/BoardBox.h"
#include "board/BoardFonts.h"
#include "board/InstructionFit.h"
#include "board/SolvedMark.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "dialogs/MessageBoxes.h"
#include "storage/PuzzleCollection.h"

#include <QCoreApplication>

namespace board {

namespace {

QString displayText(const std::string &instructions)
{
    return QString::fromStdString(instructions)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A hand-edited record loads with its impossible values corrected; the
// author should know which lines were changed.
void reportCorrections(QWidget *parent, const QString &title,
                       const std::vector<storage::LoadCorrection> &corrections)
{
    QStringList lines;
    for (const storage::LoadCorrection &c : corrections)
        lines << (c.line ? QObject::tr("Line %1: %2").arg(c.line) : QStringLiteral("%2"))
                     .arg(QString::fromStdString(c.text));
    auto *box = new QMessageBox(QMessageBox::Warning, QObject::tr("Puzzle corrected"),
                                QObject::tr("Some values of \"%1\" could not be used as they "
                                            "stand in the puzzle file and were replaced:")
                                    .arg(title),
                                QMessageBox::Ok, parent);
    box->setDetailedText(lines.join('\n'));
    box->setAttribute(Qt::WA_DeleteOnClose);
    dialogs::openOverParent(box);
}

} // namespace

void Form1::LoadPuzzleList()
{
    const std::vector<std::string> titles = storage::ListPuzzleTitles(m_settingsFile);
    m_cl1->Clear();
    for (const std::string &title : titles) {
        const QString text = QString::fromStdString(title);
        const int mark = m_game.solvedBefore(title) ? SolvedMarkIcon : NoMarkIcon;
        m_cl1->AddItem(text, mark, mark);
    }
    showPuzzleStatus();
}

void Form1::showPuzzleStatus()
{
    int solved = 0;
    for (int i = 0; i < m_cl1->ListCount(); ++i)
        solved += m_cl1->ItemIcon(i) == SolvedMarkIcon ? 1 : 0;
    QString status = QString::number(m_cl1->ListCount()) + QStringLiteral(" puzzles loaded");
    if (solved > 0)
        status += tr(", %1 solved").arg(solved);
    m_lbstats->setText(status);
    fitTopBarLabels();
}

void Form1::ShowPuzzle()
{
    const int index = m_cl1->ListIndex();
    if (index < 0)
        return;
    const QString title = m_cl1->ItemText(index);
    m_dd1->setTitle(title);
    m_dd1->Collapse();
    QCoreApplication::processEvents();
    std::vector<storage::LoadCorrection> corrections;
    const storage::PuzzleRecord record =
        storage::LoadPuzzleRecord(m_settingsFile, title.toStdString(), corrections);
    m_handling.putBack();
    m_game.choose(title.toStdString(), record);
    ShowPuzzleMatches();
    if (!corrections.empty())
        reportCorrections(this, title, corrections);
}

// The whole placement shows at once.
void Form1::ShowPuzzleMatches()
{
    setUpdatesEnabled(false);
    m_game.showPuzzleMatches();
    fitInstructions();
    setUpdatesEnabled(true);
    update();
}

// What follows from whether a puzzle is chosen. The controls redraw on
// every change, and most moves change none of this.
void Form1::showChoice()
{
    const bool chosen = m_game.chosen();
    const QString title =
        chosen ? QString::fromStdString(m_game.title()) : QString::fromUtf8(NoPuzzleTitle);
    if (m_dd1->Title() != title)
        m_dd1->setTitle(title);
    m_lb1->setText(displayText(m_game.current().instructions));
    if (m_lbHint->isHidden() == chosen)
        m_lbHint->setVisible(chosen);
    if (m_cb1[1]->Enabled() != chosen)
        m_cb1[1]->setEnabled(chosen);
    if (m_candyButton1[1]->Enabled() != m_game.deleteOffered())
        m_candyButton1[1]->setEnabled(m_game.deleteOffered());
}

void Form1::fitInstructions()
{
    m_lb1->hide();
    m_lb1->setText(displayText(m_game.current().instructions));
    const int limit = instructionHeightLimit(height(), m_lb1->y(), m_lb1->x());
    const int width = m_shape2->x() + m_shape2->width() - m_shape1->x();
    const int points = fitInstructionPoints(
        [&](int p) {
            m_lb1->setFont(comicFont(p));
            return m_lb1->heightForWidth(width);
        },
        limit);
    m_lb1->setFont(comicFont(points));
    m_lb1->resize(width, m_lb1->heightForWidth(width));
    m_lb1->show();
}

} // namespace board
