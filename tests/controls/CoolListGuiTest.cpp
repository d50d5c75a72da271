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

    QWidget top;
    CoolList *list = nullptr;
    std::vector<std::string> log;
};

TEST_F(CoolListGuiTest, clickSelectsTheRowAndRaisesClick)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(list->ListIndex(), 3);
    EXPECT_TRUE(list->ItemSelected(3));
    EXPECT_EQ(log, (std::vector<std::string>{"Index3", "Click"}));
}

// X11 hands the widget the second press and then the double click; handling
// both as presses raised MouseDown twice.
TEST_F(CoolListGuiTest, doubleClickRaisesEachEventOncePerClick)
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

TEST_F(CoolListGuiTest, keysMoveTheCurrentItem)
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

TEST_F(CoolListGuiTest, hoverSelectionFollowsThePointerWithoutClick)
{
    list->setHoverSelection(true);
    QTest::mouseMove(window(), rowCentre(0));
    QTest::mouseMove(window(), rowCentre(1));
    QTest::mouseMove(window(), rowCentre(2));
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"Index1", "Index2"}));
}

TEST_F(CoolListGuiTest, heightIsTrimmedToWholeRowsSoNoStripUnderTheLastRowSelects)
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

TEST_F(CoolListGuiTest, withoutHoverSelectionMovesChangeNothing)
{
    QTest::mouseMove(window(), rowCentre(1));
    QTest::mouseMove(window(), rowCentre(3));
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_TRUE(log.empty());
}

TEST_F(CoolListGuiTest, dragPastTheBottomEdgeScrollsOnATimer)
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

TEST_F(CoolListGuiTest, inPlaceEditCommitsOnEnterAndDiscardsOnEscape)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(2));
    list->StartEdit();
    ASSERT_TRUE(list->isEditing());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Renamed"));
    QTest::keyClick(window(), Qt::Key_Return);
    EXPECT_FALSE(list->isEditing());
    EXPECT_EQ(list->ItemText(2), QStringLiteral("Renamed"));
    EXPECT_TRUE(list->hasFocus());

    list->StartEdit();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Lost"));
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_FALSE(list->isEditing());
    EXPECT_EQ(list->ItemText(2), QStringLiteral("Renamed"));
}

} // namespace
