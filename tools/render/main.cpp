// Renders the main window offscreen to a PNG, optionally with a puzzle
// chosen, for screenshots and for looking at the art and the collection.
//
//   flintora-render [--file Kindlet.ini] [--puzzle TITLE [--solution]] [--size WxH] out.png
#include "board/Form1.h"
#include "controls/AppStarted.h"
#include "controls/CoolList.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
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
    parser.addPositionalArgument("out", "The PNG to write.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    board::Form1 window(parser.value("file").toStdString());
    const QStringList size = parser.value("size").split('x');
    if (size.size() == 2)
        window.resize(size[0].toInt(), size[1].toInt());
    window.Form_Load();
    QCoreApplication::processEvents();
    if (parser.isSet("puzzle") && !choosePuzzle(window, parser.value("puzzle"))) {
        std::fprintf(stderr, "No puzzle titled \"%s\".\n", qPrintable(parser.value("puzzle")));
        return 1;
    }
    if (parser.isSet("solution"))
        window.CB1_Click(1);
    QCoreApplication::processEvents();
    if (!window.grab().toImage().save(parser.positionalArguments().first())) {
        std::fprintf(stderr, "Could not write %s.\n",
                     qPrintable(parser.positionalArguments().first()));
        return 1;
    }
    return 0;
}
