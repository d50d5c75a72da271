#include "QtPrinters.h"
#include "controls/DDFrm.h"
#include "controls/DesignFile.h"
#include "drawing/ControlError.h"
#include "drawing/Twips.h"

#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

using controls::DDFrm;
using controls::DesignFile;
using controls::PropertyBag;

namespace {

QStringList namesOf(const PropertyBag &bag)
{
    QStringList names;
    for (const auto &entry : bag.entries()) {
        names << entry.first;
    }
    return names;
}

void customise(DDFrm &frame)
{
    frame.setTitle(QStringLiteral(" Select a Puzzle "));
    frame.setTitleAlign(1);
    frame.setTitleBorder(1);
    frame.setTitleAppearance(1);
    frame.setExpandedHeight(4321);
    frame.setOpenOn(2);
    frame.setUseIcon(1);
    frame.setTitleGradient(2);
    frame.setDDBorderStyle(0);
    frame.setDDAppearance(0);
    frame.setHoverTime(250);
    frame.setDDBackColor(0x80000005);
    frame.setTitleBackColor(0x404080);
    frame.setTitleBorderColor(0x40);
    frame.setTitleForeColor(0xFFFFFF);
    frame.setTitleHeight(400);
    frame.setTitleFontsize(12.5);
    frame.setTitleFontBold(false);
}

} // namespace

TEST(DDFrmProperties, writtenInTheirStoredOrderWithTheBoldFlagUnderTrue)
{
    DDFrm frame(QStringLiteral("DD1"));
    PropertyBag bag;
    frame.WriteProperties(bag);
    EXPECT_EQ(namesOf(bag), QStringList({"Title", "TitleAlign", "TitleBorder", "TitleAppearance",
                                         "ExpandedHeight", "OpenOn", "UseIcon", "TitleGradient",
                                         "DDBorderStyle", "Appearance", "HoverTime", "DDBackColor",
                                         "TitleBackColor", "TitleBorderColor", "TitleForeColor",
                                         "TitleHeight", "TitleFontsize", "True"}));
    EXPECT_EQ(bag.text(QStringLiteral("True")), QStringLiteral("True"));
}

TEST(DDFrmProperties, writtenPropertiesReadBackIntoAFreshFrame)
{
    QWidget host;
    DDFrm original(QStringLiteral("DD1"), &host);
    customise(original);
    DesignFile design;
    original.WriteProperties(design.control(QStringLiteral("DD1")));

    const DesignFile stored = DesignFile::fromText(design.toText());
    ASSERT_TRUE(stored.isValid()) << stored.errors().join('\n').toStdString();
    DDFrm copy(QStringLiteral("Other"), &host);
    copy.ReadProperties(stored.control(QStringLiteral("DD1")));
    PropertyBag again;
    copy.WriteProperties(again);

    EXPECT_EQ(again.entries(), design.control(QStringLiteral("DD1")).entries());
    EXPECT_EQ(copy.Title(), QStringLiteral(" Select a Puzzle "));
    EXPECT_EQ(copy.displayedTitle(), QStringLiteral(" Select a Puzzle  "));
    EXPECT_EQ(copy.TitleAlign(), 1);
    EXPECT_EQ(copy.ExpandedHeight(), 4321);
    EXPECT_EQ(copy.OpenOn(), 2);
    EXPECT_EQ(copy.HoverTime(), 250);
    EXPECT_EQ(copy.TitleBorderColor(), 0x40u);
    EXPECT_EQ(copy.TitleFontsize(), 12.5);
    EXPECT_FALSE(copy.TitleFontBold());
}

TEST(DDFrmProperties, missingNamesTakeTheirDefaults)
{
    QWidget host;
    DDFrm frame(QStringLiteral("DD1"), &host);
    customise(frame);
    frame.resize(200, 60);
    frame.ReadProperties(PropertyBag());

    EXPECT_EQ(frame.Title(), QString());
    EXPECT_EQ(frame.TitleAlign(), 0);
    EXPECT_EQ(frame.TitleBorder(), 0);
    EXPECT_EQ(frame.TitleAppearance(), 0);
    EXPECT_EQ(frame.ExpandedHeight(), qRound(60 * drawing::twipsPerPixelY()));
    EXPECT_EQ(frame.OpenOn(), 1);
    EXPECT_EQ(frame.UseIcon(), 0);
    EXPECT_EQ(frame.TitleGradient(), 0);
    EXPECT_EQ(frame.DDBorderStyle(), 1);
    EXPECT_EQ(frame.DDAppearance(), 1);
    EXPECT_EQ(frame.HoverTime(), -1);
    EXPECT_EQ(frame.DDBackColor(), 0x8000000Fu);
    EXPECT_EQ(frame.TitleBackColor(), 0x80000004u);
    EXPECT_EQ(frame.TitleBorderColor(), 0x80000003u);
    EXPECT_EQ(frame.TitleForeColor(), 0x80000007u);
    EXPECT_EQ(frame.TitleHeight(), 240);
    EXPECT_EQ(frame.TitleFontsize(), 8);
    EXPECT_TRUE(frame.TitleFontBold());
}

TEST(DDFrmProperties, aNewFrameIsTitledWithItsName)
{
    DDFrm frame(QStringLiteral("DDFrm1"));
    EXPECT_EQ(frame.Title(), QStringLiteral("DDFrm1"));
    EXPECT_EQ(frame.TitleAlign(), 0);
    EXPECT_EQ(frame.OpenOn(), 1);
    EXPECT_EQ(frame.UseIcon(), 0);
    EXPECT_EQ(frame.TitleGradient(), 0);
    EXPECT_EQ(frame.HoverTime(), -1);
    EXPECT_EQ(frame.ExpandedHeight(), qRound(frame.height() * drawing::twipsPerPixelY()));
}

TEST(DDFrmProperties, unusableStoredValuesFallBackWithoutThrowing)
{
    DDFrm frame(QStringLiteral("DD1"));
    const DesignFile design = DesignFile::fromText(
        QStringLiteral("[DD1]\nTitle=Kept\nTitleAlign=7\nTitleFontsize=-3\nTitleHeight=x\n"));
    EXPECT_NO_THROW(frame.ReadProperties(design.control(QStringLiteral("DD1"))));
    EXPECT_EQ(frame.Title(), QStringLiteral("Kept"));
    EXPECT_EQ(frame.TitleAlign(), 0);
    EXPECT_EQ(frame.displayedTitle(), QStringLiteral(" Kept"));
    EXPECT_EQ(frame.TitleFontsize(), 8);
    EXPECT_EQ(frame.TitleHeight(), 240);
    EXPECT_THROW(frame.setTitleFontsize(0), drawing::ControlError);
}
