#include "QtPrinters.h"
#include "controls/CandyButton.h"
#include "controls/DesignFile.h"
#include "controls/PropertyBag.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using controls::CandyButton;
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

void customise(CandyButton &button)
{
    QFont font(QStringLiteral("Serif"));
    font.setPointSizeF(11.5);
    font.setBold(true);
    button.setEnabled(false);
    button.setFont(font);
    button.setCaption(QStringLiteral("&Save..."));
    button.setIconHighLite(true);
    button.setIconHighLiteColor(0x0000FF);
    button.setCaptionHighLite(true);
    button.setCaptionHighLiteColor(0xFF0000);
    button.setForeColor(0x80000012);
    button.setPictureAlignment(3);
    button.setStyle(7);
    button.setChecked(true);
    button.setColorScheme(3);
    button.setBorderBrightness(-20);
    button.setDisplayHand(true);
}

} // namespace

TEST(CandyButtonProperties, writtenPropertiesReadBackIntoAFreshButton)
{
    QWidget host;
    CandyButton original(QStringLiteral("CandyButton1(0)"), &host);
    customise(original);
    DesignFile design;
    original.WriteProperties(design.control(original.objectName()));

    const DesignFile stored = DesignFile::fromText(design.toText());
    CandyButton copy(QStringLiteral("CandyButton1(0)"), &host);
    copy.ReadProperties(stored.control(copy.objectName()));
    PropertyBag again;
    copy.WriteProperties(again);

    EXPECT_EQ(again.entries(), stored.control(copy.objectName()).entries());
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.Caption(), QStringLiteral("&Save..."));
    EXPECT_TRUE(copy.Font().bold());
    EXPECT_EQ(copy.ForeColor(), 0x80000012u);
    EXPECT_EQ(copy.Style(), 7);
    EXPECT_TRUE(copy.Checked());
    EXPECT_EQ(copy.ColorScheme(), 3);
    EXPECT_EQ(copy.ColorButtonDown(), 0xF00000u);
    EXPECT_EQ(copy.BorderBrightness(), -20);
    EXPECT_EQ(copy.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(
        namesOf(again),
        (QStringList{"Enabled", "Font", "Caption", "IconHighLite", "IconHighLiteColor",
                     "CaptionHighLite", "CaptionHighLiteColor", "ForeColor", "PictureAlignment",
                     "Style", "Checked", "ColorButtonHover", "ColorButtonUp", "ColorButtonDown",
                     "BorderBrightness", "ColorBright", "DisplayHand", "ColorScheme"}));
}

TEST(CandyButtonProperties, defaultsAreLeftOutAndMissingNamesGiveThem)
{
    QWidget host;
    QFont hostFont(QStringLiteral("Sans"));
    hostFont.setPointSize(13);
    host.setFont(hostFont);
    CandyButton fresh(QStringLiteral("CB1(2)"), &host);
    PropertyBag bag;
    fresh.WriteProperties(bag);
    EXPECT_EQ(namesOf(bag),
              (QStringList{"Checked", "ColorButtonHover", "ColorButtonUp", "ColorButtonDown",
                           "BorderBrightness", "ColorBright", "DisplayHand", "ColorScheme"}));

    CandyButton loaded(QStringLiteral("CB1(2)"), &host);
    customise(loaded);
    loaded.ReadProperties(PropertyBag());
    EXPECT_TRUE(loaded.Enabled());
    EXPECT_EQ(loaded.Caption(), QStringLiteral("CB1(2)")) << "the control's name";
    EXPECT_EQ(loaded.Font().pointSize(), 13) << "the host's font";
    EXPECT_FALSE(loaded.IconHighLite());
    EXPECT_EQ(loaded.CaptionHighLiteColor(), 0x00FF00u);
    EXPECT_EQ(loaded.ForeColor(), 0u);
    EXPECT_EQ(loaded.Style(), 0);
    EXPECT_TRUE(loaded.Checked()) << "an absent Checked keeps the current value";
    EXPECT_EQ(loaded.ColorButtonHover(), 0xFFC090u);
    EXPECT_EQ(loaded.ColorButtonUp(), 0xE99950u);
    EXPECT_EQ(loaded.ColorButtonDown(), 0xE99950u);
    EXPECT_EQ(loaded.ColorBright(), 0xFFEDB0u);
    EXPECT_EQ(loaded.BorderBrightness(), 0);
    EXPECT_FALSE(loaded.DisplayHand());
    EXPECT_EQ(loaded.ColorScheme(), 0);
    EXPECT_EQ(loaded.cursor().shape(), Qt::ArrowCursor);
}

TEST(CandyButtonProperties, outOfRangeBorderBrightnessIsLimitedOnLoad)
{
    PropertyBag bag;
    bag.writeInt(QStringLiteral("BorderBrightness"), 250);
    CandyButton button(QStringLiteral("CB"));
    button.ReadProperties(bag);
    EXPECT_EQ(button.BorderBrightness(), 100);
}

TEST(CandyButtonProperties, pictureKeepsItsPathThroughARoundTrip)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("icon.png"));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path));
    PropertyBag bag;
    bag.writePicture(QStringLiteral("Picture"), path);
    CandyButton button(QStringLiteral("CB"));
    button.ReadProperties(bag);
    EXPECT_EQ(button.Picture().kind(), drawing::Picture::Kind::Bitmap);
    PropertyBag written;
    button.WriteProperties(written);
    EXPECT_EQ(written.text(QStringLiteral("Picture")), path);
    button.setPicture(drawing::Picture::fromImage(image));
    PropertyBag withoutPath;
    button.WriteProperties(withoutPath);
    EXPECT_FALSE(withoutPath.contains(QStringLiteral("Picture")));
}
