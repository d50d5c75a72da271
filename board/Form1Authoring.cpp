// Saving the board as a puzzle and deleting the chosen one.
#include "board/Form1.h"

#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/msgFrm.h"
#include "storage/PuzzleCollection.h"

namespace board {

namespace {

const QChar Separator(0x00A6); // the dialog's "¦" between title and description

void saveCancelled(const QString &prompt)
{
    dialogs::msg_Box(prompt, InformationFlags, QStringLiteral("Save Cancelled"), true);
}

void refuse(QWidget *parent, const QString &text)
{
    dialogs::information(parent, QStringLiteral("Save puzzle cancelled"), text);
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
    switch (m_game.saveRefusal()) {
    case SaveRefusal::EmptyPuzzleBox:
        return saveCancelled(QStringLiteral("There are no matches in the Puzzle box"));
    case SaveRefusal::EmptySolutionBox:
        return saveCancelled(QStringLiteral("There are no matches in the Solution box"));
    case SaveRefusal::None:
        break;
    }
    const std::optional<std::string> shown = m_game.shownTitle();
    storage::PuzzleRecord record = m_game.collectRecord();
    const QString preset =
        shown ? QString::fromStdString(*shown) + Separator + withCrLf(m_lb1->text()) : QString();
    if (!askDetails(preset, record))
        return;
    // A failed write has been reported already; the board, the list and the
    // chosen puzzle stay as they are so the author can try again.
    if (!storage::SavePuzzleRecord(m_settingsFile, record))
        return;
    m_game.keepSaved(record);
    if (shown && record.title == *shown)
        return showListed(QString::fromStdString(record.title));
    LoadPuzzleList();
    m_game.forgetChoice();
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

bool Form1::mayReplace(const std::string &title)
{
    const std::optional<std::string> replaced =
        m_game.replacedTitle(title, [this] { return storage::ListPuzzleTitles(m_settingsFile); });
    if (!replaced)
        return true;
    return dialogs::question(
               this, tr("Replace Puzzle"),
               tr("A puzzle called \"%1\" is in the list already.\n\nDo you want to replace it "
                  "with this one?")
                   .arg(QString::fromStdString(*replaced)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
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
    const std::optional<std::string> shown = m_game.shownTitle();
    if (!shown) {
        dialogs::information(this, QStringLiteral("No puzzle"),
                             QStringLiteral("No puzzle has been selected to be deleted."));
        return;
    }
    const QMessageBox::StandardButton answer = dialogs::question(
        this, QStringLiteral("Delete Puzzle"),
        QStringLiteral("This will delete the selected puzzle and can not be undone,\n") +
            QString::fromStdString(*shown) +
            QStringLiteral("\n\nAre you sure you wish to continue?"),
        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (!storage::RemovePuzzleRecord(m_settingsFile, *shown))
        return;
    m_game.deleted(*shown);
    LoadPuzzleList();
}

} // namespace board
