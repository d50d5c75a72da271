// Writes the bundled puzzle collection, and on request a preview picture of
// every puzzle with its solution for checking them by eye.
//   puzzlegen <Kindlet.ini> [--preview <folder>]
#include "tools/puzzles/CollectionFile.h"
#include "tools/puzzles/Preview.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
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
            QStringLiteral("puzzle%1.png").arg(i + 1, 2, 10, QLatin1Char('0')));
        if (!puzzles::previewImage(records[i]).save(path, "PNG")) {
            std::fprintf(stderr, "puzzlegen: cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const bool preview = argc == 4 && QByteArray(argv[2]) == "--preview";
    if (argc != 2 && !preview) {
        std::fprintf(stderr, "usage: puzzlegen <Kindlet.ini> [--preview <folder>]\n");
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
