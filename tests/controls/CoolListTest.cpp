#include "controls/CoolList.h"
#include "QtPrinters.h"
#include "drawing/ControlError.h"

#include <QImage>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

using controls::CoolList;
using drawing::ControlError;

namespace {

constexpr int Rows = 8;

int errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ControlError &error) {
        return error.number();
    }
    return 0;
}

class CoolListModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.setItemHeightAuto(false);
        list.setItemHeight(20);
        list.resize(150, 20 * Rows);
        // A hidden widget gets no resize event; the border change lays it out.
        list.setBorderStyle(0);
        ASSERT_EQ(list.VisibleRows(), Rows);
    }

    void fill(const QStringList &texts)
    {
        for (const QString &text : texts) {
            list.AddItem(text);
        }
    }

    CoolList list;
};

TEST_F(CoolListModelTest, BadIndexesRaiseTheirErrors)
{
    EXPECT_EQ(errorOf([&] { list.FindFirst(QStringLiteral("a")); }), 381);
    EXPECT_EQ(errorOf([&] { list.InsertItem(0, QStringLiteral("a")); }), 381);
    fill({"a", "b"});
    EXPECT_EQ(errorOf([&] { list.InsertItem(3, QStringLiteral("a")); }), 381);
    EXPECT_EQ(errorOf([&] { list.InsertItem(2, QStringLiteral("c")); }), 0);
    EXPECT_EQ(errorOf([&] { list.RemoveItem(3); }), 381);
    EXPECT_EQ(errorOf([&] { list.ModifyItem(-1, QStringLiteral("a")); }), 381);
    EXPECT_EQ(errorOf([&] { list.ItemText(3); }), 381);
    EXPECT_EQ(errorOf([&] { list.setListIndex(3); }), 380);
    EXPECT_EQ(errorOf([&] { list.setListIndex(-2); }), 380);
    EXPECT_EQ(errorOf([&] { list.setTopIndex(1); }), 380);
    EXPECT_EQ(list.ListCount(), 3);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(CoolListModelTest, ScrollBarAppearsOnlyWhenItemsDoNotFit)
{
    const int fullWidth = list.surfaceRect().width();
    for (int i = 0; i < Rows; ++i) {
        list.AddItem(QString::number(i));
    }
    EXPECT_FALSE(list.isScrollBarShown());
    list.AddItem(QStringLiteral("ninth"));
    EXPECT_TRUE(list.isScrollBarShown());
    EXPECT_EQ(list.scrollBar()->maximum(), 1);
    EXPECT_EQ(list.surfaceRect().width(), fullWidth - list.ScrollBarWidth());
    list.RemoveItem(0);
    EXPECT_FALSE(list.isScrollBarShown());
    list.AddItem(QStringLiteral("again"));
    list.Clear();
    EXPECT_FALSE(list.isScrollBarShown());
    EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(CoolListModelTest, CurrentItemBelowTheViewBecomesTheLastVisibleRow)
{
    for (int i = 0; i < 20; ++i) {
        list.AddItem(QString::number(i));
    }
    list.setListIndex(12);
    EXPECT_EQ(list.TopIndex(), 12 - Rows + 1);
    list.setListIndex(2);
    EXPECT_EQ(list.TopIndex(), 2);
}

// A strip of three solid icons, red, green and blue, 8 pixels square.
QImage threeIcons()
{
    QImage strip(24, 8, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                strip.setPixel(i * 8 + x, y, colours[i]);
            }
        }
    }
    return strip;
}

TEST_F(CoolListModelTest, EachRowShowsItsOwnIconAndTheSelectedOneWhileSelected)
{
    list.setItemTextLeft(20);
    list.AddItem(QStringLiteral("Blue, green when chosen"), 2, 1);
    list.AddItem(QStringLiteral("Red"), 0, 0);
    list.AddItem(QStringLiteral("Past the strip"), 3, 3);
    list.SetImageList(threeIcons(), 0, 8);
    const auto iconPixel = [this](int row) {
        return list.surface().pixel(4, row * 20 + 10);
    };
    const QRgb background = list.surface().pixel(4, 150);
    EXPECT_EQ(iconPixel(0), qRgb(0, 0, 255));
    EXPECT_EQ(iconPixel(1), qRgb(255, 0, 0));
    EXPECT_EQ(iconPixel(2), background) << "an icon beyond the strip is left out";

    list.setListIndex(0);
    EXPECT_EQ(iconPixel(0), qRgb(0, 255, 0));
    list.setListIndex(1);
    EXPECT_EQ(iconPixel(0), qRgb(0, 0, 255));

    list.ModifyItem(1, QString(), 1);
    EXPECT_EQ(iconPixel(1), qRgb(255, 0, 0)) << "selected: still its IconSelected";
    list.setListIndex(0);
    EXPECT_EQ(iconPixel(1), qRgb(0, 255, 0));

    list.setSingleIcon(true);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(iconPixel(row), qRgb(255, 0, 0)) << row;
    }
}

TEST_F(CoolListModelTest, DisabledIconsPaintUnselectedRowsGreyedInsteadOfCrashing)
{
    list.setItemTextLeft(20);
    list.AddItem(QStringLiteral("Red"));
    list.AddItem(QStringLiteral("Green"), 1, 1);
    list.SetImageList(threeIcons(), 0, 8);
    list.setListIndex(1);
    list.setDisabledIcons(true);
    const QColor unselected = list.surface().pixelColor(4, 10);
    EXPECT_EQ(unselected.saturation(), 0) << "greyed";
    EXPECT_NE(unselected, list.surface().pixelColor(4, 150)) << "but drawn";
    EXPECT_EQ(list.surface().pixel(4, 30), qRgb(0, 255, 0)) << "selected: in colour";
}

} // namespace
