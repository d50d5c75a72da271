// A desktop matches a program's windows to its menu entry by the entry's
// file name (Wayland's app id) or its StartupWMClass (X11's window class);
// unmatched, they showed under another name with a generic icon.
#include "board/AppIdentity.h"

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

TEST(AppIdentity, TheWindowsBelongToTheMenuEntryAndShowAnIcon)
{
    board::nameApplication(*qApp);
    const QString entry = QStringLiteral(FLINTORA_SOURCE_DIR "/assets/desktop/") +
                          QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    ASSERT_TRUE(QFile::exists(entry)) << entry.toStdString();
    EXPECT_EQ(entryValue(entry, QStringLiteral("StartupWMClass")),
              QCoreApplication::applicationName());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

} // namespace
