#include "controls/CoolList.h"
#include "drawing/ControlError.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using controls::CoolList;
using Log = std::vector<std::string>;

namespace {

constexpr int RowHeight = 20;
constexpr int Rows = 5;
constexpr QPoint ListOrigin(20, 30);
const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255);

// The ControlError number the action raises, or 0.
int raised(const std::function<void()> &action)
{
    try {
        action();
    } catch (const drawing::ControlError &error) {
        return error.number();
    }
    return 0;
}

// A strip of three solid icons, red, green and blue, 8 pixels square.
QImage threeIcons()
{
    QImage strip(24, 8, QImage::Format_RGB32);
    QPainter painter(&strip);
    painter.fillRect(0, 0, 8, 8, Red);
    painter.fillRect(8, 0, 8, 8, Green);
    painter.fillRect(16, 0, 8, 8, Blue);
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
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        freshList();
    }

    void freshList()
    {
        delete list;
        list = new CoolList(&top);
        list->setBorderStyle(0);
        list->setItemHeightAuto(false);
        list->setItemHeight(RowHeight);
        list->setGeometry(ListOrigin.x(), ListOrigin.y(), 150, RowHeight * Rows);
        for (int i = 0; i < 12; ++i)
            list->AddItem(QStringLiteral("Item %1").arg(i));
        QObject::connect(
            list, &CoolList::Click, [this] { log.push_back("Click"); });
        QObject::connect(list, &CoolList::ListIndexChange,
                         [this] { log.push_back("Index" + std::to_string(list->ListIndex())); });
        list->show();
        QTest::mouseMove(window(), QPoint(5, 5));
        log.clear();
    }

    QWindow *window() { return top.windowHandle(); }
    QPoint rowCentre(int row) const
    {
        return ListOrigin + QPoint(40, RowHeight * row + RowHeight / 2);
    }
    QRgb iconPixel(int row) const { return list->surface().pixel(4, row * RowHeight + 10); }

    QWidget top;
    CoolList *list = nullptr;
    Log log;
};

// A click must choose its row alone and raise Click after ListIndexChange. X11
// hands the widget the second press and then the double click; handling both
// as presses raised MouseDown twice.
TEST_F(CoolListTest, ClicksRaiseEachEventOncePerClick)
{
    QObject::connect(
        list, &CoolList::MouseDown, [this] { log.push_back("Down"); });
    QObject::connect(
        list, &CoolList::MouseUp, [this] { log.push_back("Up"); });
    QObject::connect(list, &CoolList::DblClick, [this] { log.push_back("DblClick"); });
    const Log expected = {"Index1", "Down",     "Up", "Click", "Index1",
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
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_TRUE(list->ItemSelected(3));
    EXPECT_EQ(list->SelectedCount(), 1) << "one selected row at a time";
}

// Navigation keys must stop at the ends, keep the current row in view, and
// Space must click.
TEST_F(CoolListTest, KeysMoveTheCurrentItem)
{
    QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(1));
    // Each key with the current item and the top row after it.
    // clang-format off
    const struct { Qt::Key key; int current, top; } steps[] = {{Qt::Key_Down, 2, 0}, {Qt::Key_PageDown, 7, 3},
        {Qt::Key_End, 11, 7}, {Qt::Key_Down, 11, 7}, {Qt::Key_PageUp, 6, 6}, {Qt::Key_Up, 5, 5},
        {Qt::Key_PageUp, 0, 0}, {Qt::Key_Up, 0, 0}, {Qt::Key_Home, 0, 0}};
    // clang-format on
    for (const auto &step : steps) {
        QTest::keyClick(window(), step.key);
        EXPECT_EQ(list->ListIndex(), step.current) << QTest::toString(step.key);
        EXPECT_EQ(list->TopIndex(), step.top) << QTest::toString(step.key);
    }
    log.clear();
    QTest::keyClick(window(), Qt::Key_Space);
    EXPECT_EQ(log, Log{"Click"});
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
    EXPECT_EQ(log, (Log{"Index1", "Index2"}));
}

// A strip under the last row selected a row no one could see; the scroll bar
// must come and go with the items and narrow the rows while shown.
TEST_F(CoolListTest, LayoutFollowsWholeRowsAndTheItems)
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

    list->setBorderStyle(0);
    list->Clear();
    const int fullWidth = list->surfaceRect().width();
    for (int i = 0; i < Rows; ++i)
        list->AddItem(QString::number(i));
    EXPECT_FALSE(list->isScrollBarShown());
    list->AddItem(QStringLiteral("sixth"));
    EXPECT_TRUE(list->isScrollBarShown());
    EXPECT_EQ(list->scrollBar()->maximum(), 1);
    EXPECT_EQ(list->surfaceRect().width(), fullWidth - list->ScrollBarWidth());
    list->Clear();
    EXPECT_FALSE(list->isScrollBarShown());
}

// Each row must show its item's icon (the game's solved mark), also once
// changed on the chosen row; the chosen row shows the game's look, the
// vertical gradient of SelectModeStyle 2.
TEST_F(CoolListTest, RowsShowTheirIconsAndTheChosenRowItsGradient)
{
    list->Clear();
    list->setItemTextLeft(20);
    list->AddItem(QStringLiteral("Blue"), 2, 2);
    list->AddItem(QStringLiteral("Red"), 0, 0);
    list->AddItem(QStringLiteral("Past the strip"), 3, 3);
    list->SetImageList(threeIcons(), 0, 8);
    EXPECT_EQ(iconPixel(0), Blue);
    EXPECT_EQ(iconPixel(1), Red);
    EXPECT_EQ(iconPixel(2), list->surface().pixel(4, 90)) << "an icon beyond the strip is left out";
    list->setListIndex(0);
    list->ModifyItem(0, QString(), 1, 1);
    EXPECT_EQ(iconPixel(0), Green);

    list->setSelectModeStyle(2);
    list->setBackSelectedG1(drawing::rgb(128, 0, 0));
    list->setBackSelectedG2(drawing::rgb(255, 192, 192));
    EXPECT_LT(qRed(list->surface().pixel(140, 0)), 140) << "dark red at the top";
    EXPECT_GT(qGreen(list->surface().pixel(140, RowHeight - 1)), 170) << "pale at the bottom";
}

// Smoke only: what the game never calls, each on a fresh list with the third
// item current and the focus, an icon strip with item 0 green, the game's look.
TEST_F(CoolListTest, FeaturesTheGameDoesNotUse)
{
    const auto changesLook = [this](std::function<void()> change) {
        return [this, change] {
            const QImage before = list->surface();
            change();
            return list->surface() != before;
        };
    };
    const auto edit = [this](const char *typed, Qt::Key key) {
        list->StartEdit();
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        QTest::keyClick(window(), key);
        return list->ItemText(2);
    };
    const auto x = QStringLiteral("x");
    const int styles[] = {0, 1, 3, 4, 5};
    // clang-format off
    const std::pair<const char *, std::function<bool()>> cases[] = {
        {"InsertItem above the current item", [&] { list->InsertItem(1, x); return list->ListIndex() == 3; }},
        {"RemoveItem above it", [&] { list->RemoveItem(0); return list->ListIndex() == 1; }},
        {"RemoveItem of it", [&] { list->RemoveItem(2); return list->ListIndex() == -1; }},
        {"an edit kept by Enter", [&] { return edit("New", Qt::Key_Return) == "New"; }},
        {"an edit dropped by Escape", [&] { return edit("New", Qt::Key_Escape) == "Item 2"; }},
        {"FindFirst", [&] { return list->FindFirst("item 1", 2, true) == 10 && list->FindFirst("m 3") == 3; }},
        {"OrderType 0 and 1", [&] {
             list->Order(); const bool ascending = list->ItemText(2) == "Item 10"; list->setOrderType(1); list->Order();
             return ascending && list->ItemText(0) == "Item 9" && list->ListIndex() == -1; }},
        {"toggle selection", [&] {
             list->setSelectMode(1); QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(4));
             return list->SelectedCount() == 2; }},
        {"the TopIndex setter", [&] { list->setTopIndex(4); return list->TopIndex() == 4; }},
        {"auto-scroll", [&] {
             QTest::mousePress(window(), Qt::LeftButton, {}, rowCentre(4)); QTest::mouseMove(window(), rowCentre(6));
             const bool scrolled = QTest::qWaitFor([&] { return list->TopIndex() > 0; });
             QTest::mouseRelease(window(), Qt::LeftButton, {}, rowCentre(6)); return scrolled; }},
        {"bad indexes", [&] {
             return raised([&] { list->ItemText(12); }) == 381 && raised([&] { list->RemoveItem(12); }) == 381 &&
                    raised([&] { list->InsertItem(13, x); }) == 381 && raised([&] { list->ModifyItem(-1, x); }) == 381 &&
                    raised([&] { list->setListIndex(12); }) == 380 && raised([&] { list->setTopIndex(8); }) == 380 &&
                    list->ListCount() == 12; }},
        {"IconSelected", changesLook([&] { list->ModifyItem(2, QString(), -1, 2); })},
        {"SingleIcon", changesLook([&] { list->setSingleIcon(true); })},
        {"DisabledIcons", changesLook([&] { list->setDisabledIcons(true); })},
        {"SelectModeStyle 0, 1, 3, 4 and 5 each", [&] {
             const QImage game = list->surface();
             return std::all_of(std::begin(styles), std::end(styles),
                                [&](int style) { list->setSelectModeStyle(style); return list->surface() != game; }); }},
        {"SelectModeStyle 6", changesLook([&] {
             list->setSelectionPicture(drawing::Picture::fromImage(threeIcons())); list->setSelectModeStyle(6); })},
    };
    // clang-format on
    for (const auto &[name, works] : cases) {
        freshList();
        list->SetImageList(threeIcons(), 0, 8);
        list->ModifyItem(0, QString(), 1, 1);
        list->setSelectModeStyle(2);
        QTest::mouseClick(window(), Qt::LeftButton, {}, rowCentre(2));
        EXPECT_TRUE(works()) << name;
        EXPECT_FALSE(list->isEditing()) << name;
        EXPECT_TRUE(list->hasFocus()) << name;
    }
}

} // namespace
