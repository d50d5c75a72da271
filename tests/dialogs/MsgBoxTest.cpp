#include "ModalDriver.h"
#include "dialogs/BalloonShape.h"
#include "dialogs/msgFrm.h"

#include <QCheckBox>
#include <QScreen>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

using Answer = std::function<void(msgFrm &)>;

Answer click(int index)
{
    return [index](msgFrm &w) {
        clickButton(w, index);
    };
}

void tickThenOK(msgFrm &w)
{
    clickAt(&w, w.checkBox(), QPoint(8, w.checkBox()->height() / 2));
    clickButton(w, 0);
}

short answered(int flags, const Answer &answer, const QString &check = {},
               const QStringList &captions = {})
{
    answerWhenShown(answer);
    const QStringList b = captions + QStringList{QString(), QString(), QString()};
    return msg_Box("Pick one", flags, "Title", true, check, b[0], b[1], b[2]);
}

constexpr int InfoIcon = 64;
const Answer Escape = pressKeys({Qt::Key_Escape});
const Answer Enter = pressKeys({Qt::Key_Return});

// A caller must learn which button answered. The game asks with the
// information icon and OK alone; the other rows are smoke. Rows run in
// order: default bits 768 keep the button of the row before.
TEST(MsgBox, AnswersWithTheCodeOfThePressedButton)
{
    // clang-format off
    const struct { const char *name; int flags; Answer answer; short result; QString check = {}; QStringList captions = {}; } rows[] = {
        {"the game's OK, clicked", InfoIcon, click(0), 1},
        {"the game's OK, by Enter", InfoIcon, Enter, 1},
        {"the game's OK, by Escape", InfoIcon, Escape, 1},
        {"set 1: Cancel", 1, click(1), 2},
        {"set 2: Abort", 2, click(0), 3},
        {"set 2: Retry", 2, click(1), 4},
        {"set 3: Yes", 3, click(0), 6},
        {"set 4: No", 4, click(1), 7},
        {"set 5: Retry", 5, click(0), 4},
        {"custom: the middle of three", 6, click(1), 2, {}, {"Left", "Middle", "Right"}},
        {"custom: after an empty caption", 6, click(1), 2, {}, {"", "Only"}},
        {"custom without captions offers OK", 6, click(0), 1},
        {"ticked check box adds 100", 0, tickThenOK, 101, "Don't ask again"},
        {"Escape chooses Cancel before No", 3, Escape, 2},
        {"Escape chooses No", 4, Escape, 7},
        {"Escape otherwise the last button", 2, Escape, 5},
        {"Escape on custom buttons: the one tagged as Cancel", 6, Escape, 2, {}, {"A", "B", "C"}},
        {"closing is Escape", 4, [](msgFrm &w) { w.close(); }, 7},
        {"Enter presses default 2 (256)", 3 | 256, Enter, 7},
        {"Enter presses default 3 (512)", 3 | 512, Enter, 2},
        {"768 keeps default 3", 3 | 768, Enter, 2},
        {"a hidden default falls back to the first", 0 | 512, Enter, 1},
        {"Tab moves on from the default, Space presses", 3 | 256, pressKeys({Qt::Key_Tab, Qt::Key_Space}), 2},
    };
    // clang-format on
    for (const auto &row : rows)
        EXPECT_EQ(answered(row.flags, row.answer, row.check, row.captions), row.result) << row.name;
}

// A long message must not push the buttons off the screen.
TEST(MsgBox, AMessageTallerThanTheScreenScrollsInsideIt)
{
    whenShown([](msgFrm &w) {
        EXPECT_GT(w.height(), 100);
        EXPECT_LE(w.height(), QGuiApplication::primaryScreen()->geometry().height());
        clickButton(w, 0);
    });
    EXPECT_EQ(msg_Box(QString("A line of a very long message.\n").repeated(200), 64, "Long", true),
              1);
}

// A solid window under the whole screen gives the shadow a known colour.
class ShadowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_backdrop.setWindowFlags(Qt::FramelessWindowHint);
        m_backdrop.setPalette(QPalette(Backdrop));
        m_backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
        m_backdrop.show();
        QApplication::processEvents();
    }
    QRgb shaded(int step, short intensity) const
    {
        return ShadePixel(Backdrop.rgb(), qRgb(0, 0, 0), step, intensity);
    }
    const QColor Backdrop{200, 120, 40};
    QWidget m_backdrop;
};

// The shadow must use the limited intensity (200 is 75); a drag must drop the pointer.
TEST_F(ShadowTest, TheTipPointsAtTheTargetUntilADragMovesTheWindowAndDropsThePointer)
{
    bool shown = false;
    whenShown([&](msgFrm &w) {
        shown = true;
        const QPoint outerRing(w.width() / 2, w.height() - 23);
        const QPoint innerRing(w.width() / 2, w.height() - 28);
        EXPECT_EQ(w.surface().pixel(outerRing), shaded(180, 75));
        EXPECT_EQ(w.surface().pixel(innerRing), shaded(140, 75));
        EXPECT_EQ(w.surface().pixel(4, 100), qRgb(255, 255, 204));
        EXPECT_EQ(w.pos(), QPoint(58, 100));
        EXPECT_TRUE(w.mask().contains(QPoint(41, 2)));
        QWindow *win = w.windowHandle();
        QTest::mousePress(win, Qt::LeftButton, {}, QPoint(4, 100));
        QTest::mouseMove(win, QPoint(34, 140));
        QApplication::processEvents();
        // The window has moved under the pointer: same screen point, new place.
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(4, 100));
        EXPECT_EQ(w.pos(), QPoint(58 + 30, 100 + 40));
        EXPECT_FALSE(w.mask().contains(QPoint(41, 2)));
        EXPECT_TRUE(w.mask().contains(innerRing)) << "the shadow is back";
        EXPECT_EQ(w.surface().pixel(innerRing), shaded(140, 75));
        clickButton(w, 0);
    });
    msg_Box("Drag me", 64, "Drag", false, {}, {}, {}, {}, 0, 100, 100, 200);
    EXPECT_TRUE(shown);
}

} // namespace
