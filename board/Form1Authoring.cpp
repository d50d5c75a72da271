// Saving the board as a puzzle and deleting the chosen one.
#include "board/Form1.h"

#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "dialogs/msgFrm.h"
#include "storage/PuzzleCollection.h"

#include <QMessageBox>

namespace board {

namespace {

const QChar Separator(0x00A6); // the dialog's "¦" between title and description

void saveCancelled(const QString &prompt)
{
    dialogs::msg_Box(prompt, InformationFlags, QStringLiteral("Save Cancelled"), true);
}

void refuse(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QStringLiteral("Save puzzle cancelled"), text);
}

// The dialog and the file both break lines with CR LF.
QString withCrLf(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

// Why the storage layer cannot keep this record, if it cannot.
std::optional<std::string> saveProblem(const storage::PuzzleRecord &record)
{
    if (auto problem = storage::TitleProblem(record.title))
        return problem;
    return storage::RecordProblem(record);
}

} // namespace

void Form1::SavePuzzle()
{
    const Rect &puzzleBox = m_board.areas().puzzleBox;
    const Rect &solutionBox = m_board.areas().solutionBox;
    if (m_board.matchesIn(puzzleBox) == 0)
        return saveCancelled(QStringLiteral("There are no matches in the Puzzle box"));
    if (m_board.matchesIn(solutionBox) == 0)
        return saveCancelled(QStringLiteral("There are no matches in the Solution box"));
    const bool chosen = m_dd1->Title() != NoPuzzleTitle;
    const QString preset =
        chosen ? m_dd1->Title() + Separator + withCrLf(m_lb1->text()) : QString();
    const int chosenIndex = m_cl1->ListIndex();
    const QString answer = m_detailsDialog ? m_detailsDialog(preset) : QString(Separator);
    if (answer == QString(Separator))
        return;
    const QStringList parts = answer.split(Separator);
    const QString title = parts.value(0);
    const QString description = parts.value(1);
    const bool newTitle = !chosen || title != m_dd1->Title();
    if (title.isEmpty())
        return refuse(this, QStringLiteral("You have not provided a description for the puzzle, "
                                           "please try again."));
    if (description.isEmpty())
        return refuse(this,
                      QStringLiteral("You have not provided any instructions on what to do for "
                                     "this puzzle, please try again."));
    storage::PuzzleRecord record;
    record.title = title.toStdString();
    record.instructions = withCrLf(description).toStdString();
    record.puzzle = m_board.collectMatches(puzzleBox);
    record.solution = m_board.collectMatches(solutionBox);
    if (const auto problem = saveProblem(record))
        return refuse(this,
                      tr("The puzzle cannot be saved: %1").arg(QString::fromStdString(*problem)));
    // A failed write has been reported already; the board, the list and the
    // chosen puzzle stay as they are so the author can try again.
    if (!storage::SavePuzzleRecord(m_settingsFile, record))
        return;
    m_current.puzzle = record.puzzle;
    m_current.solution[0] = record.solution;
    if (!newTitle) {
        m_cl1->setListIndex(chosenIndex);
        ShowPuzzle();
        return;
    }
    LoadPuzzleList();
    resetChoice();
    m_history.clear();
}

void Form1::DeletePuzzle()
{
    const int index = m_cl1->ListIndex();
    if (index < 0) {
        QMessageBox::information(this, QStringLiteral("No puzzle"),
                                 QStringLiteral("No puzzle has been selected to be deleted."));
        return;
    }
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, QStringLiteral("Delete Puzzle"),
        QStringLiteral(
            "This will delete the selected puzzle and can not be undone,\n\nAre you sure "
            "you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const QString title = m_cl1->ItemText(index);
    if (!storage::RemovePuzzleRecord(m_settingsFile, title.toStdString()))
        return;
    forgetSolved(title);
    resetChoice();
    LoadPuzzleList();
    m_history.clear();
}

} // namespace board
