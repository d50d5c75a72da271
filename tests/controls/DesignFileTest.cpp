#include "controls/DesignFile.h"
#include "QtPrinters.h"
#include "controls/CandyButton.h"
#include "controls/CoolList.h"
#include "controls/DDFrm.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using controls::DesignFile;
using controls::PropertyBag;

namespace {

std::string joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

// A control reads every stored value as stored: its table knows each name,
// in the stored order.
template<typename Control>
void expectReadsAsStored(Control &control, const PropertyBag &stored)
{
    control.ReadProperties(stored);
    PropertyBag read;
    for (const auto &row : Control::propertyTable())
        if (stored.contains(row.name))
            controls::writeProperty(read, row.name, row.get(control));
    EXPECT_EQ(read.entries(), stored.entries());
}

} // namespace

TEST(Form1Design, EveryControlReadsItsStoredValues)
{
    const DesignFile design = DesignFile::load(QStringLiteral(":/designs/Form1.design"));
    ASSERT_TRUE(design.isValid()) << joined(design.errors());
    QWidget host; // owns each control made below
    for (const QString &name : design.controlNames()) {
        SCOPED_TRACE(name.toStdString());
        const PropertyBag &stored = design.control(name);
        if (name == QLatin1String("DD1"))
            expectReadsAsStored(*new controls::DDFrm(name, &host), stored);
        else if (name == QLatin1String("CL1"))
            expectReadsAsStored(*new controls::CoolList(&host), stored);
        else
            expectReadsAsStored(*new controls::CandyButton(name, &host), stored);
    }
}

TEST(DesignFile, DamagedLinesAreReportedAndTheRestIsRead)
{
    // clang-format off
    const std::pair<const char *, const char *> cases[] = {
        {"Title=Early\n[DD1]\nTitleAlign=2\n", "line 1: Title=Early lies outside any [control]"},
        {"[DD1]\nTitleAlign=2\nthis is no property\n", "line 3: \"this is no property\""},
        {"[DD1]\nTitleAlign=2\n=2\n", "line 3: \"=2\""},
        {"[]\nTitle=Lost\n[DD1]\nTitleAlign=2\n", "line 1: [] names no control"},
        {"[DD1]\nTitleAlign=1\nTitleAlign=2\n", "line 3: TitleAlign is given a second time"},
        {"[DD1]\nTitleAlign=2\n[DD1]\nTitle=\\q\n", "line 3: [DD1] appears a second time"},
        {"[DD1]\nTitleAlign=2\nTitle=a\\qb\n", "line 3: unknown \\ escape"},
        {"[DD1\nTitleAlign=3\n[DD1]\nTitleAlign=2\n", "line 1: \"[DD1\""},
    };
    // clang-format on
    for (const auto &[text, fault] : cases) {
        const DesignFile design = DesignFile::fromText(QString::fromLatin1(text));
        EXPECT_FALSE(design.isValid()) << text;
        ASSERT_FALSE(design.errors().isEmpty()) << text;
        EXPECT_TRUE(design.errors().front().startsWith(QString::fromLatin1(fault)))
            << joined(design.errors());
        EXPECT_EQ(design.control(QStringLiteral("DD1")).readInt(QStringLiteral("TitleAlign"), 0), 2)
            << text;
    }
}

// Bytes that are not UTF-8 are reported and the rest is read; a missing file
// gives an empty design.
TEST(DesignFile, UnreadableFilesSayWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Broken.design"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[CB1(0)]\nCaption=R\xff\xfeSET\nStyle=7\n");
    file.close();
    const DesignFile broken = DesignFile::load(path);
    ASSERT_EQ(broken.errors().size(), 1);
    EXPECT_TRUE(broken.errors().front().contains(QStringLiteral("not UTF-8")));
    EXPECT_EQ(broken.control(QStringLiteral("CB1(0)")).readInt(QStringLiteral("Style"), 0), 7);
    const DesignFile missing = DesignFile::load(dir.filePath(QStringLiteral("Nowhere.design")));
    EXPECT_TRUE(missing.errors().join(QString()).contains(QStringLiteral(": cannot read")));
}

// Smoke only: the game never writes a design.
TEST(DesignFile, WriterKeepsEveryValueExactlyThroughAFile)
{
    DesignFile design;
    PropertyBag &bag = design.control(QStringLiteral("CL1"));
    // clang-format off
    const QStringList values = {" leading and trailing  ", "two\nlines\r\nand a\ttab", "C:\\path\\n",
                                "#not a comment", "=[x]=", "", " "};
    // clang-format on
    for (int i = 0; i < values.size(); ++i)
        bag.setText(QStringLiteral("Value%1").arg(i), values[i]);
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(design.save(dir.filePath(QStringLiteral("Form1.design")), &error));
    EXPECT_EQ(
        DesignFile::load(dir.filePath(QStringLiteral("Form1.design"))).control("CL1").entries(),
        bag.entries());
    EXPECT_FALSE(design.save(dir.filePath(QStringLiteral("no/such/folder/Form1.design")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral(": cannot write"))) << error.toStdString();
}

TEST(PropertyBag, MissingOrUnreadableNamesGiveTheDefault)
{
    const DesignFile design = DesignFile::fromText(
        QStringLiteral("# comment\n[CB1(0)]\nStyle=seven\nColorButtonUp=&Hzz&\n"));
    const PropertyBag &bag = design.control(QStringLiteral("CB1(0)"));
    EXPECT_EQ(bag.readInt(QStringLiteral("Style"), 7), 7);
    EXPECT_EQ(bag.readColor(QStringLiteral("ColorButtonUp"), 0xE99950u), 0xE99950u);
    EXPECT_EQ(bag.readInt(QStringLiteral("Absent"), -1), -1);
    EXPECT_TRUE(design.control(QStringLiteral("Nobody")).entries().empty());
}
