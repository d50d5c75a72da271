// Renders the main window offscreen to a PNG, optionally with a puzzle
// chosen, for screenshots and for looking at the art and the collection.
//
//   flintora-render [--file Kindlet.ini] [--puzzle TITLE [--solution | --solve]]
//                   [--play-answers] [--size WxH] out.png
//
// --solve plays the puzzle's first answer (one the judge accepts within the
// moves allowed) in the puzzle box with mouse events and shows the window
// as the player sees it then, the message that greets a
// solved puzzle included; --play-answers plays every answer of every puzzle
// (or of the one chosen) and fails unless the window calls each solved. The
// file itself is left as it was.
#include "PlaySolution.h"
#include "board/AnswerSearch.h"
#include "board/BoardBox.h"
#include "board/Form1.h"
#include "controls/AppStarted.h"
#include "controls/CoolList.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

bool choosePuzzle(board::Form1 &window, const QString &title)
{
    controls::CoolList *list = window.CL1();
    for (int i = 0; i < list->ListCount(); ++i) {
        if (list->ItemText(i) == title) {
            list->setListIndex(i);
            window.ShowPuzzle();
            return true;
        }
    }
    return false;
}

bool calledSolved(const board::Form1 &window)
{
    return window.lbMoves()->text().endsWith(QStringLiteral(" \u2014 solved"));
}

std::vector<board::Answer> answersOfChosen(const board::Form1 &window)
{
    const board::CurrentPuzzle &puzzle = window.currentPuzzle();
    const QSize box = window.Shape1()->size();
    return board::findAnswers(
        {puzzle.goal, puzzle.moveLimit, puzzle.puzzle, puzzle.solution[1], puzzle.answerMatches},
        {box.width(), box.height()});
}

bool solve(board::Form1 &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    const std::vector<board::Answer> answers = answersOfChosen(window);
    if (!answers.empty())
        playArrangement(window, answers.front().box);
    QCoreApplication::processEvents();
    if (!calledSolved(window)) {
        std::fprintf(stderr, "The puzzle has no answer that the window calls solved.\n");
        return false;
    }
    return true;
}

// One line for each answer the window does not call solved.
int playAnswersOf(board::Form1 &window, const QString &title, int &played)
{
    if (!choosePuzzle(window, title))
        return 1;
    const std::vector<board::Answer> answers = answersOfChosen(window);
    if (answers.empty())
        std::fprintf(stderr, "\"%s\": no answer found\n", qPrintable(title));
    int failed = answers.empty() ? 1 : 0;
    for (std::size_t i = 0; i < answers.size(); ++i, ++played) {
        choosePuzzle(window, title);
        playArrangement(window, answers[i].box);
        QCoreApplication::processEvents();
        if (!calledSolved(window)) {
            std::fprintf(stderr, "\"%s\": answer %zu (%s) is not called solved: %s\n",
                         qPrintable(title), i + 1, answers[i].achieved.c_str(),
                         qPrintable(window.lbMoves()->text()));
            ++failed;
        }
    }
    return failed;
}

bool playAnswers(board::Form1 &window, const QString &only)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    int failed = 0, played = 0, puzzles = 0;
    controls::CoolList *list = window.CL1();
    for (int i = 0; i < list->ListCount(); ++i) {
        const QString title = list->ItemText(i);
        if (only.isEmpty() || title == only) {
            failed += playAnswersOf(window, title, played);
            ++puzzles;
        }
    }
    std::printf("%d answers of %d puzzles played, %d not solved\n", played, puzzles, failed);
    return failed == 0 && puzzles > 0;
}

// The window with the other visible top-level windows that lie over it,
// such as a timed message, painted where they stand.
QImage withPopUps(board::Form1 &window)
{
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top == &window || !top->isVisible())
            continue;
        const QPoint at = window.mapFromGlobal(top->mapToGlobal(QPoint(0, 0)));
        QPixmap picture = top->grab();
        if (!top->mask().isEmpty()) {
            QPixmap shaped(picture.size());
            shaped.setDevicePixelRatio(picture.devicePixelRatio());
            shaped.fill(Qt::transparent);
            QPainter clip(&shaped);
            clip.setClipRegion(top->mask());
            clip.drawPixmap(0, 0, picture);
            picture = shaped;
        }
        painter.drawPixmap(at, picture);
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    controls::AppStarted = true;
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"file", "The puzzle file.", "path", "Kindlet.ini"});
    parser.addOption({"puzzle", "The title of the puzzle to choose.", "title"});
    parser.addOption({"size", "The window's inner size.", "WxH", "975x600"});
    parser.addOption({"solution", "Show the chosen puzzle's solution too."});
    parser.addOption({"solve", "Play an answer to the chosen puzzle in the puzzle box."});
    parser.addOption({"play-answers", "Play every answer of every puzzle, or of the chosen one."});
    parser.addPositionalArgument("out", "The PNG to write.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    // Solving marks the puzzle solved in the file: play on a copy.
    QTemporaryDir scratch;
    QString file = parser.value("file");
    if (parser.isSet("solve") || parser.isSet("play-answers")) {
        const QString copy = scratch.filePath(QStringLiteral("Kindlet.ini"));
        if (!QFile::copy(file, copy)) {
            std::fprintf(stderr, "Could not copy %s.\n", qPrintable(file));
            return 1;
        }
        file = copy;
    }
    board::Form1 window(file.toStdString());
    window.Form_Load();
    // After loading, which fits the window to the screen.
    const QStringList size = parser.value("size").split('x');
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    QCoreApplication::processEvents();
    if (parser.isSet("play-answers"))
        return playAnswers(window, parser.value("puzzle")) ? 0 : 1;
    if (parser.isSet("puzzle") && !choosePuzzle(window, parser.value("puzzle"))) {
        std::fprintf(stderr, "No puzzle titled \"%s\".\n", qPrintable(parser.value("puzzle")));
        return 1;
    }
    if (parser.isSet("solution"))
        window.CB1_Click(1);
    if (parser.isSet("solve") && !solve(window))
        return 1;
    QCoreApplication::processEvents();
    if (!withPopUps(window).save(parser.positionalArguments().first())) {
        std::fprintf(stderr, "Could not write %s.\n",
                     qPrintable(parser.positionalArguments().first()));
        return 1;
    }
    return 0;
}
