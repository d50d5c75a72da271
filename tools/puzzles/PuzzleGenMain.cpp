// Writes the bundled puzzle collection, and on request a preview picture of
// every puzzle with its solution for checking them by eye; or chooses the
// collection's puzzles anew with the answer search (see Discovery.h).
//   puzzlegen <Kindlet.ini> [--preview <folder>]
//   puzzlegen --discover <ChosenPuzzles.inc>
#include "tools/puzzles/CollectionFile.h"
#include "tools/puzzles/Discovery.h"
#include "tools/puzzles/Preview.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace {

bool writePreviews(const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "puzzlegen: cannot make %s\n", qPrintable(folder));
        return false;
    }
    const auto records = puzzles::bundledRecords();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const QString path = QDir(folder).filePath(
            QStringLiteral("puzzle%1.png").arg(i + 1, 3, 10, QLatin1Char('0')));
        if (!puzzles::previewImage(records[i]).save(path, "PNG")) {
            std::fprintf(stderr, "puzzlegen: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

int discover(const char *path)
{
    try {
        const std::string data = puzzles::discoveredData(std::cerr);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << data;
        out.close();
        if (out)
            return 0;
        std::fprintf(stderr, "puzzlegen: cannot write %s\n", path);
    } catch (const std::invalid_argument &e) {
        std::fprintf(stderr, "puzzlegen: %s\n", e.what());
    }
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--discover")
        return discover(argv[2]);
    const bool preview = argc == 4 && QByteArray(argv[2]) == "--preview";
    if (argc != 2 && !preview) {
        std::fprintf(stderr, "usage: puzzlegen <Kindlet.ini> [--preview <folder>]\n"
                             "       puzzlegen --discover <ChosenPuzzles.inc>\n");
        return 2;
    }
    std::string error;
    if (!puzzles::writeCollection(argv[1], error)) {
        std::fprintf(stderr, "puzzlegen: %s\n", error.c_str());
        return 1;
    }
    if (!preview)
        return 0;
    QGuiApplication app(argc, argv); // the captions need the font system
    try {
        return writePreviews(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    } catch (const std::invalid_argument &e) {
        std::fprintf(stderr, "puzzlegen: %s\n", e.what());
        return 1;
    }
}
