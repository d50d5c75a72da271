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

const QString Form1Design = QStringLiteral(":/designs/Form1.design");

std::string joined(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')).toStdString();
}

// What a control writes back after reading its stored bag must be what the
// file holds; the file may also list values equal to their defaults.
void expectStoredForm(const PropertyBag &stored, const PropertyBag &rewritten, const QString &name)
{
    for (const auto &[key, value] : rewritten.entries()) {
        EXPECT_EQ(stored.text(key), value) << name.toStdString() << "." << key.toStdString();
    }
}

} // namespace

TEST(Form1Design, holdsEveryOwnControlOfTheMainWindow)
{
    const DesignFile design = DesignFile::load(Form1Design);
    ASSERT_TRUE(design.isValid()) << joined(design.errors());
    EXPECT_EQ(design.controlNames(),
              QStringList({"DD1", "CL1", "CB1(0)", "CB1(1)", "CB1(2)", "CandyButton1(0)",
                           "CandyButton1(1)", "CandyButton1(2)", "CandyButton1(3)"}));
}

TEST(Form1Design, dropDownFrameGetsItsStoredLook)
{
    const DesignFile design = DesignFile::load(Form1Design);
    QWidget host;
    controls::DDFrm frame(QStringLiteral("DD1"), &host);
    frame.ReadProperties(design.control(QStringLiteral("DD1")));
    EXPECT_EQ(frame.Title(), QStringLiteral("Select a Puzzle"));
    EXPECT_EQ(frame.TitleAlign(), 2);
    EXPECT_EQ(frame.TitleBorder(), 1);
    EXPECT_EQ(frame.ExpandedHeight(), 405);
    EXPECT_EQ(frame.OpenOn(), 1);
    EXPECT_EQ(frame.UseIcon(), 1);
    EXPECT_EQ(frame.TitleGradient(), 2);
    EXPECT_EQ(frame.DDBorderStyle(), 0);
    EXPECT_EQ(frame.DDAppearance(), 0);
    EXPECT_EQ(frame.DDBackColor(), 0x80000005u);
    EXPECT_EQ(frame.TitleBackColor(), 0x404080u);
    EXPECT_EQ(frame.TitleBorderColor(), 0x40u);
    EXPECT_EQ(frame.TitleForeColor(), 0xFFFFFFu);
    EXPECT_EQ(frame.TitleHeight(), 400);
    EXPECT_EQ(frame.TitleFontsize(), 12);
    EXPECT_TRUE(frame.TitleFontBold());
    PropertyBag rewritten;
    frame.WriteProperties(rewritten);
    EXPECT_EQ(rewritten.entries(), design.control(QStringLiteral("DD1")).entries());
}

TEST(Form1Design, puzzleListGetsItsStoredLook)
{
    const DesignFile design = DesignFile::load(Form1Design);
    QWidget host;
    controls::CoolList list(&host);
    list.ReadProperties(design.control(QStringLiteral("CL1")));
    EXPECT_EQ(list.Appearance(), 0);
    EXPECT_EQ(list.Font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(list.Font().pointSizeF(), 12);
    EXPECT_EQ(list.BackSelected(), drawing::rgb(255, 255, 255));
    EXPECT_EQ(list.BackSelectedG1(), drawing::rgb(128, 0, 0));
    EXPECT_EQ(list.BackSelectedG2(), drawing::rgb(255, 192, 192));
    EXPECT_FALSE(list.Focus());
    EXPECT_TRUE(list.HoverSelection());
    EXPECT_EQ(list.SelectModeStyle(), 2);
    EXPECT_EQ(list.ItemHeight(), 20);
    EXPECT_TRUE(list.ItemHeightAuto());
    PropertyBag rewritten;
    list.WriteProperties(rewritten);
    expectStoredForm(design.control(QStringLiteral("CL1")), rewritten, QStringLiteral("CL1"));
}

TEST(Form1Design, buttonsGetTheirCaptionsAsStyle7)
{
    const DesignFile design = DesignFile::load(Form1Design);
    const struct
    {
        const char *name;
        const char *caption;
        bool enabled;
    } buttons[] = {{"CB1(0)", "RESET", true},
                   {"CB1(1)", "SOLUTION", false},
                   {"CB1(2)", "COPY", true},
                   {"CandyButton1(0)", "Save...", true},
                   {"CandyButton1(1)", "Delete", true},
                   {"CandyButton1(2)", "About", true},
                   {"CandyButton1(3)", "Instructions", true}};
    QWidget host;
    for (const auto &b : buttons) {
        const QString name = QString::fromLatin1(b.name);
        controls::CandyButton button(name, &host);
        button.ReadProperties(design.control(name));
        EXPECT_EQ(button.Caption(), QString::fromLatin1(b.caption));
        EXPECT_EQ(button.Style(), 7) << b.name;
        EXPECT_EQ(button.Enabled(), b.enabled) << b.name;
        PropertyBag rewritten;
        button.WriteProperties(rewritten);
        EXPECT_EQ(rewritten.entries(), design.control(name).entries()) << b.name;
    }
}

TEST(DesignFile, damagedLinesAreReportedAndTheRestIsRead)
{
    const struct
    {
        const char *text;
        const char *fault;
    } cases[] = {
        {"Title=Early\n[DD1]\nTitleAlign=2\n", "line 1: Title=Early lies outside any [control]"},
        {"[DD1]\nTitleAlign=2\nthis is no property\n", "line 3: \"this is no property\""},
        {"[DD1]\nTitleAlign=2\n=2\n", "line 3: \"=2\""},
        {"[]\nTitle=Lost\n[DD1]\nTitleAlign=2\n", "line 1: [] names no control"},
        {"[DD1]\nTitleAlign=1\nTitleAlign=2\n", "line 3: TitleAlign is given a second time"},
        {"[DD1]\nTitleAlign=2\n[DD1]\nTitle=\\q\n", "line 3: [DD1] appears a second time"},
        {"[DD1]\nTitleAlign=2\nTitle=a\\qb\n", "line 3: unknown \\ escape"},
        {"[DD1\nTitleAlign=3\n[DD1]\nTitleAlign=2\n", "line 1: \"[DD1\""},
    };
    for (const auto &c : cases) {
        const DesignFile design = DesignFile::fromText(QString::fromLatin1(c.text));
        EXPECT_FALSE(design.isValid()) << c.text;
        ASSERT_FALSE(design.errors().isEmpty()) << c.text;
        EXPECT_TRUE(design.errors().front().startsWith(QString::fromLatin1(c.fault)))
            << joined(design.errors());
        EXPECT_EQ(design.control(QStringLiteral("DD1")).readInt(QStringLiteral("TitleAlign"), 0), 2)
            << c.text;
    }
}

TEST(DesignFile, missingFileGivesAnEmptyDesignAndSaysWhy)
{
    const DesignFile design = DesignFile::load(QStringLiteral(":/designs/Nowhere.design"));
    EXPECT_FALSE(design.isValid());
    ASSERT_EQ(design.errors().size(), 1);
    EXPECT_TRUE(
        design.errors().front().startsWith(QStringLiteral(":/designs/Nowhere.design: cannot read")))
        << joined(design.errors());
    EXPECT_TRUE(design.controlNames().isEmpty());
    EXPECT_TRUE(design.control(QStringLiteral("DD1")).entries().empty());

    QTemporaryDir dir;
    EXPECT_FALSE(DesignFile::load(dir.path()).isValid()) << "a folder is no design";
}

TEST(DesignFile, bytesThatAreNotUtf8AreReported)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Broken.design"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[CB1(0)]\nCaption=R\xff\xfeSET\nStyle=7\n");
    file.close();
    const DesignFile design = DesignFile::load(path);
    ASSERT_EQ(design.errors().size(), 1);
    EXPECT_TRUE(design.errors().front().contains(QStringLiteral("not UTF-8")));
    EXPECT_EQ(design.control(QStringLiteral("CB1(0)")).readInt(QStringLiteral("Style"), 0), 7);
}

TEST(DesignFile, writerKeepsEveryValueExactlyThroughAFile)
{
    DesignFile design;
    PropertyBag &bag = design.control(QStringLiteral("CL1"));
    const QStringList values = {QStringLiteral(" leading and trailing  "),
                                QStringLiteral("two\nlines\r\nand a\ttab"),
                                QStringLiteral("C:\\path\\n"),
                                QStringLiteral("#not a comment"),
                                QStringLiteral("=[x]="),
                                QString(),
                                QStringLiteral(" ")};
    for (int i = 0; i < values.size(); ++i) {
        bag.setText(QStringLiteral("Value%1").arg(i), values[i]);
    }
    design.control(QStringLiteral("CB1(0)"))
        .setText(QStringLiteral("Caption"), QStringLiteral("RESET"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Form1.design"));
    QString error;
    ASSERT_TRUE(design.save(path, &error)) << error.toStdString();
    const DesignFile back = DesignFile::load(path);
    ASSERT_TRUE(back.isValid()) << joined(back.errors());
    EXPECT_EQ(back.controlNames(), design.controlNames());
    EXPECT_EQ(back.control(QStringLiteral("CL1")).entries(), bag.entries());
    EXPECT_EQ(back.toText(), design.toText());
}

TEST(DesignFile, saveIntoAMissingFolderFailsAndSaysWhere)
{
    DesignFile design;
    design.control(QStringLiteral("DD1")).setText(QStringLiteral("Title"), QStringLiteral("x"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no/such/folder/Form1.design"));
    QString error;
    EXPECT_FALSE(design.save(path, &error));
    EXPECT_TRUE(error.startsWith(path + QStringLiteral(": cannot write"))) << error.toStdString();
}
