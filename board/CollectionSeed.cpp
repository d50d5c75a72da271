#include "board/CollectionSeed.h"

#include <QFile>
#include <QStandardPaths>

namespace board {

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

std::string seedCollection(const std::string &besideProgram)
{
    // An empty file is a broken install; seeding it would leave the player
    // with no puzzles at all.
    QByteArray collection = readAll(QString::fromStdString(besideProgram));
    if (collection.isEmpty())
        collection = readAll(QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                    QString::fromLatin1(InstalledCollection)));
    if (collection.isEmpty())
        collection = readAll(QString::fromLatin1(BundledCollection));
    return collection.toStdString();
}

} // namespace board
