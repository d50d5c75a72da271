// The whole program as a player and an author use it: only mouse and key
// events reach the main window and the windows it opens.
#include "BoardWindow.h"
#include "ModalAnswers.h"
#include "dialogs/DialogDriver.h"

#include "board/BoardBox.h"
#include "controls/CandyButton.h"
#include "controls/DDFrm.h"
#include "dialogs/SaveAsFrm.h"
#include "storage/PuzzleCollection.h"

#include <QLineEdit>
#include <algorithm>
#include <tuple>

namespace board_test {
namespace {

const char *const BundledCollection = FLINTORA_SOURCE_DIR "/assets/Kindlet.ini";

board::Arrangement sorted(board::Arrangement matches)
{
    std::sort(matches.begin(), matches.end(), [](const auto &a, const auto &b) {
        return std::tie(a.x, a.y, a.o) < std::tie(b.x, b.y, b.o);
    });
    return matches;
}

class EndToEndTest : public BoardWindowTest
{
protected:
    EndToEndTest()
        : BoardWindowTest(readBytes(BundledCollection))
    {
    }
    std::string file() const { return folder.file("Kindlet.ini"); }
    const board::BoardAreas &areas() const { return window->boardState().areas(); }
    board::Arrangement inPuzzleBox() const
    {
        return sorted(window->boardState().collectMatches(areas().puzzleBox));
    }
    board::Arrangement inSolutionBox() const
    {
        return sorted(window->boardState().collectMatches(areas().solutionBox));
    }

    void chooseRow(int row)
    {
        click(window.get(), openListAt(row));
        ASSERT_EQ(window->CL1()->ListIndex(), row);
    }

    // A point of the match that no other match covers.
    QPoint uncovered(int i) const
    {
        const QRect area = window->Image2(i)->geometry();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (window->childAt(QPoint(x, y)) == window->Image2(i))
                    return {x, y};
        ADD_FAILURE() << "match " << i << " is hidden";
        return area.center();
    }
    int firstMatchIn(const board::Rect &box) const
    {
        for (int i = 0; i < board::SpriteCount; ++i)
            if (board::liesIn(sprite(i), box))
                return i;
        return 0;
    }

    // Takes the top match of the upright stack to a spot inside a box.
    void dealInto(board::BoardBox *box, QPoint spot)
    {
        drag(verticalStack(), box->pos() + spot + (verticalStack() - homeOf(31)));
    }

    // Fills in the details dialog with real clicks and keys and presses OK.
    void saveWithDetails(const QString &title, const QString &description, QString &preset)
    {
        dialogs_test::whenModal<dialogs::SaveAsFrm>([=, &preset](dialogs::SaveAsFrm &w) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
            preset = w.Text1()->text() + "|" + w.Text2()->toPlainText();
            replaceText(w, w.Text1(), title);
            replaceText(w, w.Text2(), description);
            dialogs_test::clickAt(&w, w.cmdOK(), w.cmdOK()->rect().center());
            if (w.isVisible()) {
                ADD_FAILURE() << "the details dialog is still open";
                w.reject();
            }
        });
        click(window->CandyButton1(0));
    }
    static void replaceText(dialogs::SaveAsFrm &w, QWidget *field, const QString &text)
    {
        dialogs_test::clickAt(&w, field, QPoint(5, 5));
        QTest::keyClick(w.windowHandle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w.windowHandle(), Qt::Key_Delete);
        dialogs_test::typeText(w.windowHandle(), text);
    }

    void restart()
    {
        window.reset();
        window = openAtDesignSize(file());
    }
};

TEST_F(EndToEndTest, PlayingAPuzzleLeavesTheFileAlone)
{
    const std::string original = readBytes(file());
    chooseRow(0);
    EXPECT_EQ(window->DD1()->Title(), window->CL1()->ItemText(0));
    const board::Arrangement stored = inPuzzleBox();
    ASSERT_FALSE(stored.empty());
    const board::Arrangement storedSolution = sorted(window->currentPuzzle().solution[1]);

    const int moved = 1; // the puzzle is laid out from match 1
    const board::SpriteState before = sprite(moved);
    const QPoint grip = uncovered(moved);
    drag(grip, grip + QPoint(4, 3));
    EXPECT_EQ(sprite(moved).left, before.left + 4);
    EXPECT_EQ(sprite(moved).top, before.top + 3);
    rightClick(uncovered(moved));
    const board::Arrangement played = inPuzzleBox();

    click(window->CB1(2)); // COPY
    EXPECT_EQ(inSolutionBox(), played);
    EXPECT_EQ(inPuzzleBox(), played);
    click(window->CB1(1)); // SOLUTION
    EXPECT_EQ(inSolutionBox(), storedSolution);
    EXPECT_EQ(inPuzzleBox(), played);
    click(window->CB1(0)); // RESET
    EXPECT_EQ(window->GetMatchesInPuzzle(), 0);
    EXPECT_TRUE(inSolutionBox().empty());
    EXPECT_EQ(window->DD1()->Title(), "Select a Puzzle");
    EXPECT_TRUE(window->lb1()->text().isEmpty());
    EXPECT_FALSE(window->CB1(1)->Enabled());
    EXPECT_EQ(window->childAt(window->DD1()->geometry().center()), window->DD1());
    EXPECT_EQ(readBytes(file()), original);
}

TEST_F(EndToEndTest, AnAuthoredPuzzleOutlivesARestartAndIsDeletedOnlyOnYes)
{
    const std::string original = readBytes(file());
    const int puzzles = window->CL1()->ListCount();
    // The upright stack gives its matches from the top: 31, 30, 29, 28.
    dealInto(window->Shape1(), {40, 30});
    dealInto(window->Shape1(), {160, 60});
    rightClick(uncovered(30));
    dealInto(window->shape2(), {70, 20});
    dealInto(window->shape2(), {200, 40});
    rightClick(uncovered(28));
    EXPECT_NE(sprite(30).k, sprite(31).k);
    EXPECT_NE(sprite(28).k, sprite(29).k);
    const board::Arrangement puzzle = inPuzzleBox();
    const board::Arrangement solution = inSolutionBox();
    ASSERT_EQ(puzzle.size(), 2u);
    ASSERT_EQ(solution.size(), 2u);

    QString preset;
    saveWithDetails("Bridge", "Move one\nmatch", preset);
    EXPECT_EQ(preset, "|");
    const std::string saved = readBytes(file());
    ASSERT_GT(saved.size(), original.size());
    EXPECT_EQ(saved.substr(0, original.size()), original);
    EXPECT_EQ(saved.find("[Bridge]\r\nInstructions=Move one\xB6match\r\n"), original.size());

    restart();
    ASSERT_EQ(window->CL1()->ListCount(), puzzles + 1);
    chooseRow(puzzles);
    EXPECT_EQ(window->DD1()->Title(), "Bridge");
    EXPECT_EQ(window->lb1()->text(), "Move one\nmatch");
    EXPECT_EQ(inPuzzleBox(), puzzle);
    click(window->CB1(1));
    EXPECT_EQ(inSolutionBox(), solution);

    const QPoint grip = uncovered(firstMatchIn(areas().puzzleBox));
    drag(grip, grip + QPoint(0, 100));
    const board::Arrangement changed = inPuzzleBox();
    saveWithDetails("Bridge", "Move one match", preset);
    EXPECT_EQ(preset, "Bridge|Move one\nmatch");
    EXPECT_EQ(window->CL1()->ListCount(), puzzles + 1);
    EXPECT_EQ(window->DD1()->Title(), "Bridge");
    const std::string resaved = readBytes(file());
    EXPECT_EQ(resaved.substr(0, original.size()), original);
    EXPECT_NE(resaved.find("[Bridge]\r\nInstructions=Move one match\r\n", original.size()),
              std::string::npos);
    const storage::PuzzleRecord record = storage::LoadPuzzleRecord(file(), "Bridge");
    EXPECT_EQ(sorted(record.puzzle), changed);
    EXPECT_EQ(sorted(record.solution), solution);

    SeenBox seen;
    answerMessageBox(QMessageBox::No, seen);
    click(window->CandyButton1(1));
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Delete Puzzle");
    EXPECT_EQ(readBytes(file()), resaved);
    EXPECT_EQ(window->CL1()->ListCount(), puzzles + 1);
    answerMessageBox(QMessageBox::Yes, seen);
    click(window->CandyButton1(1));
    EXPECT_EQ(readBytes(file()), original);
    EXPECT_EQ(window->CL1()->ListCount(), puzzles);
    EXPECT_EQ(window->DD1()->Title(), "Select a Puzzle");
}

} // namespace
} // namespace board_test
