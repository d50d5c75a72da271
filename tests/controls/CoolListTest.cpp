#include "controls/CoolList.h"
#include "QtPrinters.h"

#include "drawing/ControlError.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using controls::CoolList;
using drawing::ControlError;

namespace {

constexpr int RowHeight = 20;
constexpr int Rows = 5;
constexpr QPoint ListOrigin(20, 30);

int errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const ControlError &error) {
        return error.number();
    }
    return 0;
}

// A strip of three solid icons, red, green and blue, 8 pixels square.
QImage threeIcons()
{
    QImage strip(24, 8, QImage::Format_RGB32);
    QPainter painter(&strip);
    painter.fillRect(0, 0, 8, 8, QColor(255, 0, 0));
    painter.fillRect(8, 0, 8, 8, QColor(0, 255, 0));
    painter.fillRect(16, 0, 8, 8, QColor(0, 0, 255));
    painter.end();
    return strip;
}

// A borderless list of 12 items, 5 rows visible, in a shown window; the
// pointer and keys go to the window.
class CoolListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        top.resize(240, 200);
        list = new CoolList(&top);
        list->setBorderStyle(0);
        list->setItemHeightAuto(false);
        list->setItemHeight(RowHeight);
        list->setGeometry(ListOrigin.x(), ListOrigin.y(), 150, RowHeight * Rows);
        for (int i = 0; i < 12; ++i) {
            list->AddItem(QStringLiteral("Item %1").arg(i));
        }
        QObject::connect(list, &CoolList::Click, [this] { log.push_back("Click"); });
        QObject::connect(list, &CoolList::ListIndexChange,
                         [this] { log.push_back("Index" + std::to_string(list->ListIndex())); });
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        QTest::mouseMove(window(), QPoint(5, 5));
    }

    QWindow *window() { return top.windowHandle(); }
    QPoint rowCentre(int row) const
    {
        return ListOrigin + QPoint(40, RowHeight * row + RowHeight / 2);
    }

    QStringList texts() const
    {
        QStringList all;
        for (int i = 0; i < list->ListCount(); ++i) {
            all << list->ItemText(i);
        }
        return all;
    }

    QWidget top;
    CoolList *list = nullptr;
    std::vector<std::string> log;
};

// A click must choose its row alone and raise Click after ListIndexChange.
TEST_F(CoolListTest, ClickSelectsTheRowAndRaisesClick)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(list->ListIndex(), 3);
    EXPECT_TRUE(list->ItemSelected(3));
    EXPECT_EQ(log, (std::vector<std::string>{"Index3", "Click"}));
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(1));
    EXPECT_FALSE(list->ItemSelected(3)) << "one selected row at a time";
    EXPECT_EQ(list->SelectedCount(), 1);
}

// X11 hands the widget the second press and then the double click; handling
// both as presses raised MouseDown twice.
TEST_F(CoolListTest, DoubleClickRaisesEachEventOncePerClick)
{
    QObject::connect(list, &CoolList::MouseDown, [this] { log.push_back("Down"); });
    QObject::connect(list, &CoolList::MouseUp, [this] { log.push_back("Up"); });
    QObject::connect(list, &CoolList::DblClick, [this] { log.push_back("DblClick"); });
    const std::vector<std::string> expected = {"Index1", "Down",     "Up", "Click", "Index1",
                                               "Down",   "DblClick", "Up", "Click"};
    QTest::mouseDClick(window(), Qt::LeftButton, {}, rowCentre(1));
    EXPECT_EQ(log, expected) << "the double click alone";
    list->setListIndex(-1);
    log.clear();
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(1));
    QTest::mousePress(window(), Qt::LeftButton, {}, rowCentre(1));
    const QPointF inList = rowCentre(1) - ListOrigin;
    QMouseEvent twice(QEvent::MouseButtonDblClick, inList, list->mapToGlobal(inList),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list, &twice);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, rowCentre(1));
    EXPECT_EQ(log, expected) << "the second press, then the double click";
}

// Navigation keys must stop at the ends and Space must click.
TEST_F(CoolListTest, KeysMoveTheCurrentItem)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(1));
    struct Step
    {
        Qt::Key key;
        int expected;
    } steps[] = {{Qt::Key_Down, 2},   {Qt::Key_PageDown, 7}, {Qt::Key_End, 11},
                 {Qt::Key_Down, 11},  {Qt::Key_PageUp, 6},   {Qt::Key_Up, 5},
                 {Qt::Key_PageUp, 0}, {Qt::Key_Up, 0},       {Qt::Key_Home, 0}};
    for (const Step &step : steps) {
        QTest::keyClick(window(), step.key);
        EXPECT_EQ(list->ListIndex(), step.expected) << QTest::toString(step.key);
    }
    EXPECT_EQ(list->TopIndex(), 0);
    log.clear();
    QTest::keyClick(window(), Qt::Key_Space);
    EXPECT_EQ(log, (std::vector<std::string>{"Click"}));
}

// Only HoverSelection lets the pointer choose rows, and without a click.
TEST_F(CoolListTest, HoverSelectionFollowsThePointerWithoutClick)
{
    QTest::mouseMove(window(), rowCentre(1));
    QTest::mouseMove(window(), rowCentre(3));
    EXPECT_EQ(list->ListIndex(), -1) << "not without HoverSelection";
    list->setHoverSelection(true);
    QTest::mouseMove(window(), QPoint(5, 5));
    QTest::mouseMove(window(), rowCentre(0));
    QTest::mouseMove(window(), rowCentre(1));
    QTest::mouseMove(window(), rowCentre(2));
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"Index1", "Index2"}));
}

// A strip under the last row selected a row no one could see.
TEST_F(CoolListTest, HeightIsTrimmedToWholeRowsSoNoStripUnderTheLastRowSelects)
{
    constexpr int Strip = 13;
    constexpr int Frame = 2;
    list->setHoverSelection(true);
    list->hide();
    list->resize(list->width(), RowHeight * Rows + Strip);
    list->setBorderStyle(1);
    EXPECT_EQ(list->height(), RowHeight * Rows + 2 * Frame) << "trimmed before it is shown";
    list->show();
    QTest::mouseMove(window(), ListOrigin + QPoint(40, RowHeight * Rows + Frame + Strip / 2));
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->TopIndex(), 0);
}

// Dragging past the edge must scroll on, and stop with the release.
TEST_F(CoolListTest, DragPastTheBottomEdgeScrollsOnATimer)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, rowCentre(4));
    QTest::mouseMove(window(), rowCentre(4) + QPoint(0, RowHeight * 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->ListIndex() == 7; }, 3000));
    EXPECT_GT(list->TopIndex(), 0);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, rowCentre(4) + QPoint(0, RowHeight * 2));
    const int stopped = list->ListIndex();
    QTest::qWait(200);
    EXPECT_EQ(list->ListIndex(), stopped);
}

// Item methods that the game itself never calls: one row each, on the list
// "Red box", "the BOX", "Boxed in", "pear" with the third item current and
// the focus; an edit gives the focus back.
TEST_F(CoolListTest, ItemMethodsTheGameDoesNotCall)
{
    const QStringList start{"Red box", "the BOX", "Boxed in", "pear"};
    const auto edit = [this](const QString &typed, Qt::Key key) {
        list->StartEdit();
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(window(), key);
    };
    const struct
    {
        const char *name;
        std::function<void()> change;
        int current;
        QStringList texts;
    } cases[] = {
        {"removing above the current item", [&] { list->RemoveItem(0); }, 1, start.mid(1)},
        {"inserting above it",
         [&] { list->InsertItem(1, QStringLiteral("x")); },
         3,
         {"Red box", "x", "the BOX", "Boxed in", "pear"}},
        {"inserting below it",
         [&] { list->InsertItem(3, QStringLiteral("y")); },
         2,
         {"Red box", "the BOX", "Boxed in", "y", "pear"}},
        {"removing it", [&] { list->RemoveItem(2); }, -1, {"Red box", "the BOX", "pear"}},
        {"edit committed by Enter",
         [&] { edit(QStringLiteral("Renamed"), Qt::Key_Return); },
         2,
         {"Red box", "the BOX", "Renamed", "pear"}},
        {"edit dropped by Escape", [&] { edit(QStringLiteral("Lost"), Qt::Key_Escape); }, 2, start},
    };
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(2));
    for (const auto &c : cases) {
        list->Clear();
        for (const QString &text : start) {
            list->AddItem(text);
        }
        list->setListIndex(2);
        c.change();
        EXPECT_EQ(list->ListIndex(), c.current) << c.name;
        EXPECT_EQ(texts(), c.texts) << c.name;
        EXPECT_FALSE(list->isEditing()) << c.name;
        EXPECT_TRUE(list->hasFocus()) << c.name;
    }
    const struct
    {
        const char *find;
        int start;
        bool startWith;
        int found;
    } finds[] = {{"box", 0, true, 2},   {"box", 0, false, 0}, {"box", 1, false, 1},
                 {"zzz", 0, false, -1}, {"RED", 0, true, 0},  {"box", 4, false, -1}};
    for (const auto &f : finds) {
        EXPECT_EQ(list->FindFirst(QString::fromLatin1(f.find), f.start, f.startWith), f.found)
            << f.find << " from " << f.start;
    }
}

// OrderType 1 and any other value sort in opposite directions, and
// ordering leaves no current item.
TEST_F(CoolListTest, OrderTypesGiveOppositeOrders)
{
    list->setListIndex(3);
    list->setOrderType(0);
    list->Order();
    const QStringList orderZero = texts();
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->SelectedCount(), 0);
    const auto before = [](const QString &a, const QString &b) {
        return a < b;
    };
    EXPECT_TRUE(std::is_sorted(orderZero.begin(), orderZero.end(), before) ||
                std::is_sorted(orderZero.rbegin(), orderZero.rend(), before));
    list->setOrderType(1);
    list->Order();
    EXPECT_EQ(QStringList(orderZero.rbegin(), orderZero.rend()), texts());
}

// Bad indexes must raise 381 (items) or 380 (ListIndex, TopIndex) and change nothing.
TEST_F(CoolListTest, BadIndexesRaiseTheirErrors)
{
    list->Clear();
    EXPECT_EQ(errorOf([&] { list->FindFirst(QStringLiteral("a")); }), 381);
    EXPECT_EQ(errorOf([&] { list->InsertItem(0, QStringLiteral("a")); }), 381);
    list->AddItem(QStringLiteral("a"));
    list->AddItem(QStringLiteral("b"));
    EXPECT_EQ(errorOf([&] { list->InsertItem(3, QStringLiteral("a")); }), 381);
    EXPECT_EQ(errorOf([&] { list->InsertItem(2, QStringLiteral("c")); }), 0);
    EXPECT_EQ(errorOf([&] { list->RemoveItem(3); }), 381);
    EXPECT_EQ(errorOf([&] { list->ModifyItem(-1, QStringLiteral("a")); }), 381);
    EXPECT_EQ(errorOf([&] { list->ItemText(3); }), 381);
    EXPECT_EQ(errorOf([&] { list->setListIndex(3); }), 380);
    EXPECT_EQ(errorOf([&] { list->setListIndex(-2); }), 380);
    EXPECT_EQ(errorOf([&] { list->setTopIndex(1); }), 380);
    EXPECT_EQ(list->ListCount(), 3);
    EXPECT_EQ(list->ListIndex(), -1);
}

// The scroll bar must come and go with the items and narrow the rows while shown.
TEST_F(CoolListTest, ScrollBarAppearsOnlyWhenItemsDoNotFit)
{
    list->Clear();
    const int fullWidth = list->surfaceRect().width();
    for (int i = 0; i < Rows; ++i) {
        list->AddItem(QString::number(i));
    }
    EXPECT_FALSE(list->isScrollBarShown());
    list->AddItem(QStringLiteral("ninth"));
    EXPECT_TRUE(list->isScrollBarShown());
    EXPECT_EQ(list->scrollBar()->maximum(), 1);
    EXPECT_EQ(list->surfaceRect().width(), fullWidth - list->ScrollBarWidth());
    list->RemoveItem(0);
    EXPECT_FALSE(list->isScrollBarShown());
    list->AddItem(QStringLiteral("again"));
    list->Clear();
    EXPECT_FALSE(list->isScrollBarShown());
    EXPECT_EQ(list->ListCount(), 0);
}

// Choosing a row out of view must scroll it just into view.
TEST_F(CoolListTest, CurrentItemBelowTheViewBecomesTheLastVisibleRow)
{
    list->setListIndex(10);
    EXPECT_EQ(list->TopIndex(), 10 - Rows + 1);
    list->setListIndex(2);
    EXPECT_EQ(list->TopIndex(), 2);
}

// Icons must follow each item, its selection and SingleIcon.
TEST_F(CoolListTest, EachRowShowsItsOwnIconAndTheSelectedOneWhileSelected)
{
    list->Clear();
    list->setItemTextLeft(20);
    list->AddItem(QStringLiteral("Blue, green when chosen"), 2, 1);
    list->AddItem(QStringLiteral("Red"), 0, 0);
    list->AddItem(QStringLiteral("Past the strip"), 3, 3);
    list->SetImageList(threeIcons(), 0, 8);
    const auto iconPixel = [this](int row) {
        return list->surface().pixel(4, row * RowHeight + 10);
    };
    const QRgb background = list->surface().pixel(4, 90);
    EXPECT_EQ(iconPixel(0), qRgb(0, 0, 255));
    EXPECT_EQ(iconPixel(1), qRgb(255, 0, 0));
    EXPECT_EQ(iconPixel(2), background) << "an icon beyond the strip is left out";

    list->setListIndex(0);
    EXPECT_EQ(iconPixel(0), qRgb(0, 255, 0));
    list->setListIndex(1);
    EXPECT_EQ(iconPixel(0), qRgb(0, 0, 255));

    list->ModifyItem(1, QString(), 1);
    EXPECT_EQ(iconPixel(1), qRgb(255, 0, 0)) << "selected: still its IconSelected";
    list->setListIndex(0);
    EXPECT_EQ(iconPixel(1), qRgb(0, 255, 0));

    list->setSingleIcon(true);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(iconPixel(row), qRgb(255, 0, 0)) << row;
    }
}

// DisabledIcons with an image strip crashed for want of a style option.
TEST_F(CoolListTest, DisabledIconsPaintUnselectedRowsGreyedInsteadOfCrashing)
{
    list->Clear();
    list->setItemTextLeft(20);
    list->AddItem(QStringLiteral("Red"));
    list->AddItem(QStringLiteral("Green"), 1, 1);
    list->SetImageList(threeIcons(), 0, 8);
    list->setListIndex(1);
    list->setDisabledIcons(true);
    const QColor unselected = list->surface().pixelColor(4, 10);
    EXPECT_EQ(unselected.saturation(), 0) << "greyed";
    EXPECT_NE(unselected, list->surface().pixelColor(4, 90)) << "but drawn";
    EXPECT_EQ(list->surface().pixel(4, 30), qRgb(0, 255, 0)) << "selected: in colour";
}

} // namespace
