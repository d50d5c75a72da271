#include "controls/CoolList.h"
#include "QtPrinters.h"
#include "controls/PropertyBag.h"
#include "drawing/ControlError.h"

#include <QImage>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

using controls::CoolList;
using controls::PropertyBag;
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

    QStringList texts() const
    {
        QStringList all;
        for (int i = 0; i < list.ListCount(); ++i) {
            all << list.ItemText(i);
        }
        return all;
    }

    CoolList list;
};

TEST_F(CoolListModelTest, removingAndInsertingShiftTheCurrentItem)
{
    fill({"a", "b", "c", "d"});
    list.setListIndex(2);
    list.RemoveItem(0);
    EXPECT_EQ(list.ListIndex(), 1);
    list.InsertItem(1, QStringLiteral("x"));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.ItemText(2), QStringLiteral("c"));
    list.InsertItem(3, QStringLiteral("y"));
    EXPECT_EQ(list.ListIndex(), 2);
    list.RemoveItem(2);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(texts(), (QStringList{"b", "x", "y", "d"}));
}

TEST_F(CoolListModelTest, singleSelectionFollowsTheCurrentItem)
{
    fill({"a", "b", "c"});
    list.setListIndex(0);
    list.setListIndex(2);
    EXPECT_FALSE(list.ItemSelected(0));
    EXPECT_TRUE(list.ItemSelected(2));
    EXPECT_EQ(list.SelectedCount(), 1);
}

TEST_F(CoolListModelTest, findFirstMatchesStartOrAnywhereIgnoringCase)
{
    fill({"Red box", "the BOX", "Boxed in"});
    struct Case
    {
        QString find;
        int start;
        bool startWith;
        int expected;
    } cases[] = {
        {"box", 0, true, 2},   {"box", 0, false, 0}, {"box", 1, false, 1},
        {"zzz", 0, false, -1}, {"RED", 0, true, 0},  {"box", 3, false, -1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(list.FindFirst(c.find, c.start, c.startWith), c.expected)
            << c.find.toStdString() << " from " << c.start;
    }
}

TEST_F(CoolListModelTest, orderTypesGiveOppositeOrders)
{
    const QStringList items{"pear",   "Apple", "fig",  "apple", "kiwi",  "date",  "banana",
                            "cherry", "lime",  "plum", "grape", "melon", "olive", "peach"};
    QStringList ascending = items;
    std::sort(ascending.begin(), ascending.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b) < 0; });
    QStringList descending(ascending.rbegin(), ascending.rend());

    fill(items);
    list.setListIndex(3);
    list.setOrderType(0);
    list.Order();
    const QStringList orderZero = texts();
    list.setOrderType(1);
    list.Order();
    const QStringList orderOne = texts();
    EXPECT_TRUE(orderZero == ascending || orderZero == descending);
    EXPECT_EQ(QStringList(orderOne.rbegin(), orderOne.rend()), orderZero);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.SelectedCount(), 0);
}

TEST_F(CoolListModelTest, badIndexesRaiseTheirErrors)
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

TEST_F(CoolListModelTest, scrollBarAppearsOnlyWhenItemsDoNotFit)
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

TEST_F(CoolListModelTest, currentItemBelowTheViewBecomesTheLastVisibleRow)
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

TEST_F(CoolListModelTest, eachRowShowsItsOwnIconAndTheSelectedOneWhileSelected)
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

TEST_F(CoolListModelTest, disabledIconsPaintUnselectedRowsGreyedInsteadOfCrashing)
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

TEST(CoolListPropertiesTest, roundTripIntoAFreshListKeepsEverySetting)
{
    QWidget host;
    CoolList source(&host);
    QFont font(QStringLiteral("Serif"));
    font.setPointSize(12);
    source.setFont(font);
    source.setAppearance(0);
    source.setBackNormal(drawing::rgb(224, 225, 248));
    source.setBackSelected(0xFFFFFF);
    source.setBackSelectedG1(drawing::rgb(128, 0, 0));
    source.setBackSelectedG2(drawing::rgb(255, 192, 192));
    source.setFocus(false);
    source.setHoverSelection(true);
    source.setSelectModeStyle(2);
    source.setItemHeight(37);
    source.setTTipText(QStringLiteral("tip"));
    source.setOrderType(1);
    PropertyBag bag;
    source.WriteProperties(bag);

    CoolList copy(&host);
    copy.ReadProperties(bag);
    PropertyBag again;
    copy.WriteProperties(again);
    EXPECT_EQ(again.entries(), bag.entries());
    EXPECT_EQ(copy.BackSelectedG1(), drawing::rgb(128, 0, 0));
    EXPECT_TRUE(copy.HoverSelection());
    EXPECT_FALSE(copy.Focus());
    EXPECT_EQ(copy.Font().pointSize(), 12);
    QStringList names;
    for (const auto &entry : bag.entries()) {
        names << entry.first;
    }
    EXPECT_EQ(names, (QStringList{"TTipText", "Appearance", "Font", "BackNormal", "BackSelected",
                                  "BackSelectedG1", "BackSelectedG2", "Focus", "HoverSelection",
                                  "OrderType", "SelectModeStyle", "ItemHeight"}));
}

TEST(CoolListPropertiesTest, missingNamesGiveTheirDefaults)
{
    QWidget host;
    CoolList list(&host);
    list.setScrollBarWidth(30);
    list.setWordWrap(false);
    list.setItemTextLeft(9);
    list.ReadProperties(PropertyBag());
    EXPECT_EQ(list.ScrollBarWidth(), 13);
    EXPECT_TRUE(list.WordWrap());
    EXPECT_EQ(list.ItemTextLeft(), 2);
    EXPECT_EQ(list.BackNormal(), 0x80000005u);
    EXPECT_EQ(list.BackSelected(), 0x8000000Du);
    EXPECT_TRUE(list.Focus());
    EXPECT_FALSE(list.HoverSelection());
}

} // namespace
