// The entry procedure: note that the program has started, find the puzzle
// file, and open the main window.
#include "board/AppSetup.h"
#include "board/CollectionSeed.h"
#include "board/Form1.h"
#include "board/MatchesMod.h"
#include "controls/AppStarted.h"
#include "storage/FileIObas.h"

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

void findSettingsFile()
{
    board::AppFolder =
        board::withTrailingSlash(QCoreApplication::applicationDirPath().toStdString());
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const board::SettingsLocation location =
        board::chooseSettingsFile(board::AppFolder, dataFolder.toStdString());
    board::SettingsFile = location.file;
    if (location.perUser &&
        !board::seedSettingsFile(board::SettingsFile, board::seedCollection(location.seedFrom)))
        QMessageBox::warning(
            nullptr, QStringLiteral("Flintora"),
            QObject::tr("The puzzle file could not be created in %1.").arg(dataFolder));
}

} // namespace

int main(int argc, char *argv[])
{
    controls::AppStarted = true;
    QApplication app(argc, argv);
    board::setUpApplication(app);
    findSettingsFile();
    storage::setErrorHandler([](const std::string &message) {
        QMessageBox::critical(nullptr, QStringLiteral("Flintora"), QString::fromStdString(message));
    });
    board::Form1 window(board::SettingsFile);
    window.Form_Load();
    return app.exec();
}
