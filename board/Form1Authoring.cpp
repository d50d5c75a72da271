// Saving the board as a puzzle and deleting the chosen one.
#include "board/Form1.h"

#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "dialogs/msgFrm.h"
#include "storage/ProfileDocument.h"
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

// The file matches titles without regard to the case of ASCII letters.
bool sameTitle(const std::string &a, const std::string &b)
{
    return storage::lowerAscii(a) == storage::lowerAscii(b);
}

} // namespace

// A puzzle that happens to be called "Select a Puzzle" reads as none.
std::optional<QString> Form1::shownTitle() const
{
    if (!m_playing || m_dd1->Title() == NoPuzzleTitle)
        return std::nullopt;
    return m_dd1->Title();
}

void Form1::SavePuzzle()
{
    const Rect &puzzleBox = m_board.areas().puzzleBox;
    const Rect &solutionBox = m_board.areas().solutionBox;
    if (m_board.matchesIn(puzzleBox) == 0)
        return saveCancelled(QStringLiteral("There are no matches in the Puzzle box"));
    if (m_board.matchesIn(solutionBox) == 0)
        return saveCancelled(QStringLiteral("There are no matches in the Solution box"));
    const std::optional<QString> shown = shownTitle();
    storage::PuzzleRecord record;
    record.puzzle = m_board.collectMatches(puzzleBox);
    record.solution = m_board.collectMatches(solutionBox);
    if (!askDetails(shown ? *shown + Separator + withCrLf(m_lb1->text()) : QString(), record))
        return;
    // A failed write has been reported already; the board, the list and the
    // chosen puzzle stay as they are so the author can try again.
    if (!storage::SavePuzzleRecord(m_settingsFile, record))
        return;
    m_current.puzzle = record.puzzle;
    m_current.solution[0] = record.solution;
    const QString title = QString::fromStdString(record.title);
    if (shown && title == *shown) {
        showListed(title);
        return;
    }
    LoadPuzzleList();
    resetChoice();
    m_history.clear();
}

// Asks until the author gives details that can be saved, cancels, or leaves
// a field empty. Text that cannot be stored, and a title that would replace
// another puzzle the author does not want to lose, bring the dialog back
// with what was typed.
bool Form1::askDetails(QString preset, storage::PuzzleRecord &record)
{
    for (;;) {
        const QString answer = m_detailsDialog ? m_detailsDialog(preset) : QString(Separator);
        if (answer == QString(Separator))
            return false;
        const QStringList parts = answer.split(Separator);
        const QString title = parts.value(0);
        const QString description = parts.value(1);
        if (title.isEmpty()) {
            refuse(this, QStringLiteral("You have not provided a description for the puzzle, "
                                        "please try again."));
            return false;
        }
        if (description.isEmpty()) {
            refuse(this, QStringLiteral("You have not provided any instructions on what to do "
                                        "for this puzzle, please try again."));
            return false;
        }
        preset = title + Separator + description;
        record.title = title.toStdString();
        record.instructions = withCrLf(description).toStdString();
        if (const auto problem = saveProblem(record)) {
            refuse(this,
                   tr("The puzzle cannot be saved: %1").arg(QString::fromStdString(*problem)));
            continue;
        }
        if (mayReplace(record.title))
            return true;
    }
}

// Saving over another puzzle loses it; re-saving the one on show does not.
bool Form1::mayReplace(const std::string &title)
{
    const std::optional<QString> shown = shownTitle();
    if (shown && sameTitle(title, shown->toStdString()))
        return true;
    for (const std::string &existing : storage::ListPuzzleTitles(m_settingsFile)) {
        if (!sameTitle(existing, title))
            continue;
        return QMessageBox::question(
                   this, tr("Replace Puzzle"),
                   tr("A puzzle called \"%1\" is in the list already.\n\nDo you want to "
                      "replace it with this one?")
                       .arg(QString::fromStdString(existing)),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    }
    return true;
}

// Chooses the list row of a title and shows it, as a click on it would.
void Form1::showListed(const QString &title)
{
    for (int i = 0; i < m_cl1->ListCount(); ++i) {
        if (m_cl1->ItemText(i) == title) {
            m_cl1->setListIndex(i);
            ShowPuzzle();
            return;
        }
    }
}

// Acts on the puzzle on show, never on a list row the pointer merely
// crossed on its way to the board.
void Form1::DeletePuzzle()
{
    const std::optional<QString> shown = shownTitle();
    if (!shown) {
        QMessageBox::information(this, QStringLiteral("No puzzle"),
                                 QStringLiteral("No puzzle has been selected to be deleted."));
        return;
    }
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, QStringLiteral("Delete Puzzle"),
        QStringLiteral("This will delete the selected puzzle and can not be undone,\n") + *shown +
            QStringLiteral("\n\nAre you sure you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (!storage::RemovePuzzleRecord(m_settingsFile, shown->toStdString()))
        return;
    forgetSolved(*shown);
    resetChoice();
    LoadPuzzleList();
    m_history.clear();
}

} // namespace board
