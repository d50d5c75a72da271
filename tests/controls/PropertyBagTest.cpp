#include "controls/PropertyBag.h"
#include "controls/DesignFile.h"

#include <gtest/gtest.h>

using controls::DesignFile;
using controls::PropertyBag;

TEST(PropertyBag, TypedValuesSurviveTheDesignText)
{
    DesignFile design;
    PropertyBag &bag = design.control(QStringLiteral("DD1"));
    bag.writeString(QStringLiteral("Title"), QStringLiteral("Select a Puzzle"));
    bag.writeInt(QStringLiteral("TitleAlign"), 2);
    bag.writeColor(QStringLiteral("DDBackColor"), 0x80000005u);
    bag.writeDouble(QStringLiteral("TitleFontsize"), 12.5);
    bag.writeBool(QStringLiteral("True"), false);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    bag.writeFont(QStringLiteral("Font"), font);

    const DesignFile back = DesignFile::fromText(design.toText());
    const PropertyBag &read = back.control(QStringLiteral("DD1"));
    EXPECT_EQ(read.readString(QStringLiteral("Title"), {}), QStringLiteral("Select a Puzzle"));
    EXPECT_EQ(read.readInt(QStringLiteral("TitleAlign"), 0), 2);
    EXPECT_EQ(read.readColor(QStringLiteral("DDBackColor"), 0), 0x80000005u);
    EXPECT_EQ(read.readDouble(QStringLiteral("TitleFontsize"), 0), 12.5);
    EXPECT_FALSE(read.readBool(QStringLiteral("True"), true));
    const QFont readFont = read.readFont(QStringLiteral("Font"), QFont());
    EXPECT_EQ(readFont.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(readFont.pointSizeF(), 8.25);
    EXPECT_TRUE(readFont.bold());
    EXPECT_EQ(read.entries().front().first, QStringLiteral("Title")) << "write order is kept";
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

TEST(PropertyBag, WriterLeavesOutValuesEqualToTheirDefault)
{
    PropertyBag bag;
    bag.writeBool(QStringLiteral("Enabled"), true, true);
    bag.writeInt(QStringLiteral("Style"), 7, 0);
    bag.writeColor(QStringLiteral("ForeColor"), 0, 0);
    bag.writeBool(QStringLiteral("Checked"), false);
    ASSERT_EQ(bag.entries().size(), 2u);
    EXPECT_EQ(bag.entries()[0].first, QStringLiteral("Style"));
    EXPECT_EQ(bag.entries()[1].second, QStringLiteral("False"));
}
