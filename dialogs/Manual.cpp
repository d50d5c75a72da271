#include "dialogs/Manual.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace dialogs {

namespace {

const char *const ManualResource = ":/manual/manual.html";
const char *const ManualFileName = "flintora-manual.html";

bool writeManual(const QByteArray &page, const QString &folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QSaveFile file(QDir(folder).filePath(QString::fromLatin1(ManualFileName)));
    return file.open(QIODevice::WriteOnly) && file.write(page) == page.size() && file.commit();
}

} // namespace

QUrl bundledManualUrl(QString &problem)
{
    QFile resource(QString::fromLatin1(ManualResource));
    if (!resource.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("The manual is missing from this copy of the program.");
        return {};
    }
    const QByteArray page = resource.readAll();
    const QString folders[] = {QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
                               QDir::tempPath()};
    for (const QString &folder : folders)
        if (writeManual(page, folder))
            return QUrl::fromLocalFile(QDir(folder).filePath(QString::fromLatin1(ManualFileName)));
    problem = QStringLiteral("The manual could not be written to %1 or %2.")
                  .arg(QDir::toNativeSeparators(folders[0]), QDir::toNativeSeparators(folders[1]));
    return {};
}

} // namespace dialogs
