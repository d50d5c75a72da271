#include "BoardWindow.h"
#include "ModalAnswers.h"

#include "board/BoardBox.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"
#include "storage/FileIObas.h"
#include "storage/PuzzleCollection.h"

#include <filesystem>

namespace board_test {
namespace {

const QChar Separator(0x00A6);

class AuthoringTest : public BoardWindowTest
{
protected:
    // The dialog answers as the author would have typed, one answer per
    // showing, and cancels once they are used up.
    void answerDetails(std::vector<QString> answers)
    {
        window->setDetailsDialog([this, answers](const QString &preset) {
            presets.push_back(preset);
            const std::size_t showing = presets.size() - 1;
            return showing < answers.size() ? answers[showing] : QString(Separator);
        });
        presets.clear();
    }
    void answerDetails(const QString &answer) { answerDetails(std::vector<QString>{answer}); }
    // Passes the pointer down the open list to a row, which selects it.
    void hoverRow(int row)
    {
        for (int r = 0; r <= row; ++r)
            pointAt(openListAt(r));
        ASSERT_EQ(window->CL1()->ListIndex(), row);
        window->DD1()->Collapse(); // as when the pointer leaves it for the board
    }
    void press(int topBarButton) { window->CandyButton1_Click(topBarButton); }
    std::string file() const { return folder.file("Kindlet.ini"); }
    std::vector<QString> presets;
};

// Another puzzle's title used to be overwritten without a word.
TEST_F(AuthoringTest, SavingOverAnotherPuzzleAsksFirstAndNoReturnsToTheDialog)
{
    choose("Triangle");
    window->CB1_Click(1);
    answerDetails("triangle" + QString(Separator) + "Lower");
    press(0);
    EXPECT_EQ(window->DD1()->Title(), "Select a Puzzle"); // a new title for the window
    EXPECT_EQ(window->CL1()->ListCount(), 2);
    EXPECT_EQ(storage::LoadPuzzleRecord(file(), "Triangle").instructions, "Lower");
    choose("Triangle");
    window->CB1_Click(1);
    const std::string before = readBytes(file());
    const QString over = "WORDY" + QString(Separator) + "Over";
    answerDetails(over);
    SeenBox seen;
    answerMessageBox(QMessageBox::No, seen);
    press(0);
    EXPECT_EQ(seen.title, "Replace Puzzle");
    EXPECT_TRUE(seen.text.contains("\"Wordy\"")) << seen.text.toStdString();
    ASSERT_EQ(presets.size(), 2u);
    EXPECT_EQ(presets[1], over) << "the dialog comes back with what was typed";
    EXPECT_EQ(readBytes(file()), before);
    answerDetails(over);
    answerMessageBox(QMessageBox::Yes, seen);
    press(0);
    EXPECT_EQ(storage::ListPuzzleTitles(file()), (std::vector<std::string>{"Triangle", "Wordy"}));
    EXPECT_EQ(storage::LoadPuzzleRecord(file(), "Wordy").instructions, "Over");
    EXPECT_EQ(window->GetMatchesInPuzzle(), 0);
}

// The pointer crossing the open list on its way to the board selects rows;
// Delete used to remove that row's puzzle, and a re-save showed it.
TEST_F(AuthoringTest, DeleteAndResaveActOnThePuzzleOnShowNotOnAHoveredRow)
{
    choose("Triangle");
    window->CB1_Click(1);
    hoverRow(1);
    answerDetails("Triangle" + QString(Separator) + "Changed");
    press(0);
    EXPECT_EQ(window->DD1()->Title(), "Triangle");
    EXPECT_EQ(window->lb1()->text(), "Changed");
    hoverRow(1);
    SeenBox seen;
    answerMessageBox(QMessageBox::Yes, seen);
    press(1);
    EXPECT_EQ(seen.text, "This will delete the selected puzzle and can not be undone,\nTriangle\n\n"
                         "Are you sure you wish to continue?");
    EXPECT_EQ(storage::ListPuzzleTitles(file()), std::vector<std::string>{"Wordy"});
}

TEST_F(AuthoringTest, EmptyBoxesCancelAndEmptyFieldsWriteNothing)
{
    answerDetails(QString(Separator));
    SeenBox seen;
    answerBalloon(seen);
    press(0);
    EXPECT_EQ(seen.text, "There are no matches in the Puzzle box");
    EXPECT_EQ(seen.title, "Save Cancelled");
    choose("Triangle");
    answerBalloon(seen);
    press(0);
    EXPECT_EQ(seen.text, "There are no matches in the Solution box");
    EXPECT_TRUE(presets.empty()) << "empty boxes stop the save before the dialog";
    window->CB1_Click(1);
    const std::string before = readBytes(file());
    const board::Board::Snapshot board = window->boardState().snapshot();
    press(0);
    struct Case
    {
        QString answer;
        QString message;
    } cases[] = {
        {Separator + QString("Some text"),
         "You have not provided a description for the puzzle, please try again."},
        {"Title" + QString(Separator),
         "You have not provided any instructions on what to do for this puzzle, please try again."},
    };
    for (const Case &c : cases) {
        answerDetails(c.answer);
        answerMessageBox(QMessageBox::Ok, seen);
        press(0);
        EXPECT_TRUE(seen.text.startsWith(c.message)) << seen.text.toStdString();
        EXPECT_EQ(presets.size(), 1u) << "an empty field ends the save";
    }
    // A title the file cannot keep brings the dialog back with the typed text.
    const QString unstorable = "Settings" + QString(Separator) + "Text";
    answerDetails(unstorable);
    answerMessageBox(QMessageBox::Ok, seen);
    press(0);
    EXPECT_TRUE(seen.text.startsWith("The puzzle cannot be saved")) << seen.text.toStdString();
    ASSERT_EQ(presets.size(), 2u);
    EXPECT_EQ(presets[1], unstorable);
    EXPECT_EQ(readBytes(file()), before);
    EXPECT_EQ(window->boardState().snapshot(), board);
}

TEST_F(AuthoringTest, AFailedWriteKeepsTheBoardTheListAndTheChoice)
{
    choose("Triangle");
    window->CB1_Click(1);
    // The file's folder turns into something that cannot take a new file.
    std::filesystem::rename(file(), folder.file("moved.ini"));
    std::filesystem::create_directory(file());
    const board::Board::Snapshot board = window->boardState().snapshot();
    answerDetails("Another" + QString(Separator) + "Text");
    press(0);
    EXPECT_EQ(window->boardState().snapshot(), board);
    EXPECT_EQ(window->CL1()->ListCount(), 2);
    EXPECT_EQ(window->DD1()->Title(), "Triangle");
}

// A row the pointer crossed is no puzzle on show: Delete used to offer it.
TEST_F(AuthoringTest, DeleteWithNothingOnShowSaysSoEvenAfterTheListWasCrossed)
{
    hoverRow(1);
    SeenBox seen;
    answerMessageBox(QMessageBox::Ok, seen);
    press(1);
    EXPECT_EQ(seen.title, "No puzzle");
    EXPECT_EQ(seen.text, "No puzzle has been selected to be deleted.");
    EXPECT_EQ(storage::ListPuzzleTitles(file()).size(), 2u);
}

} // namespace
} // namespace board_test
