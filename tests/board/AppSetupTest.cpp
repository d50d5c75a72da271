// What the program takes from and gives to the desktop.
#include "BoardWindow.h"
#include "support/DevicePixels.h"

#include "board/AppSetup.h"
#include "board/BoardBox.h"
#include "dialogs/AboutFrm.h"
#include "dialogs/SaveAsFrm.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

QString entryValue(const QString &entry, const QString &key)
{
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

// A desktop matches a program's windows to its menu entry by the entry's
// file name (Wayland's app id) or its StartupWMClass (X11's window class);
// unmatched, they showed under another name with a generic icon.
TEST(AppSetup, TheWindowsBelongToTheMenuEntryAndShowAnIcon)
{
    board::setUpApplication(*qApp);
    const QString entry = QStringLiteral(FLINTORA_SOURCE_DIR "/assets/desktop/") +
                          QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    ASSERT_TRUE(QFile::exists(entry)) << entry.toStdString();
    EXPECT_EQ(entryValue(entry, QStringLiteral("StartupWMClass")),
              QCoreApplication::applicationName());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// Pixels of text as dark as the game's: a light desktop palette's.
int darkPixels(const QImage &image, const QRect &area)
{
    return pixelsWhere(
        image, area, [](QRgb c) { return qGray(c) < 60; });
}

QImage shotOf(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Under a dark desktop theme the instructions, the boxes' captions and the
// dialogs' texts came out light on the game's light backgrounds.
TEST(AppSetup, TextOnTheGamesLightBackgroundsStaysDarkUnderADarkDesktop)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark(QColor(50, 50, 50), QColor(30, 30, 30));
    QApplication::setPalette(dark);
    board::setUpApplication(*qApp);
    TempFolder folder;
    writeBytes(folder.file("Kindlet.ini"), board_test::twoPuzzles());
    const std::unique_ptr<board::Form1> window =
        board_test::openAtDesignSize(folder.file("Kindlet.ini"));
    dialogs::AboutFrm about;
    dialogs::SaveAsFrm save(QStringLiteral("Title"));
    const QImage main = shotOf(*window);
    const struct
    {
        const char *name;
        QImage shot;
        QRect text;
    } rows[] = {
        {"the puzzle box's caption", main,
         QRect(window->Shape1()->pos(), QSize(window->Shape1()->width(), 30))},
        {"the About window's text", shotOf(about), QRect(0, 80, about.width(), 60)},
        {"the save dialog's explanation", shotOf(save), QRect(0, 0, save.width(), 60)},
    };
    for (const auto &row : rows)
        EXPECT_GT(darkPixels(row.shot, row.text), 20) << row.name;
    QApplication::setPalette(desktop);
}

} // namespace
