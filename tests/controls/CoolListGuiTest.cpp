#include "QtPrinters.h"
#include "controls/CoolList.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using controls::CoolList;

namespace {

constexpr int RowHeight = 20;
constexpr int Rows = 5;
constexpr QPoint ListOrigin(20, 30);

// A borderless list of 12 items, 5 rows visible, in a shown window; the
// pointer and keys go to the window.
class CoolListGuiTest : public ::testing::Test
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

TEST_F(CoolListGuiTest, ClickSelectsTheRowAndRaisesClick)
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
TEST_F(CoolListGuiTest, DoubleClickRaisesEachEventOncePerClick)
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

TEST_F(CoolListGuiTest, KeysMoveTheCurrentItem)
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

TEST_F(CoolListGuiTest, HoverSelectionFollowsThePointerWithoutClick)
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

TEST_F(CoolListGuiTest, HeightIsTrimmedToWholeRowsSoNoStripUnderTheLastRowSelects)
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

TEST_F(CoolListGuiTest, DragPastTheBottomEdgeScrollsOnATimer)
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
TEST_F(CoolListGuiTest, ItemMethodsTheGameDoesNotCall)
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
TEST_F(CoolListGuiTest, OrderTypesGiveOppositeOrders)
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

} // namespace
