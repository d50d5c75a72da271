#include "controls/CandyButton.h"
#include "ReportRecorder.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using controls::CandyButton;
using drawing::OleColor;
using Log = std::vector<std::string>;

namespace {

constexpr OleColor Up = 0x402010;
constexpr OleColor HoverColor = 0x10A040;
constexpr OleColor DownColor = 0x1010C0;
constexpr QPoint ButtonOrigin(50, 40);
constexpr QSize ButtonSize(130, 40);
// Inside the inner outline but outside the second glow ellipse: plain base.
constexpr QPoint BasePixel(3, 36);
constexpr QPoint Centre(65, 20);
constexpr QPoint Outside(10, 10);

// A style-7 button in a shown window; every pointer event goes to the
// window, so the button's mask decides what reaches it.
class CandyButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        top.resize(300, 140);
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        freshButton();
    }

    // Replaces the button by a new one, shown, with the pointer outside it.
    void freshButton()
    {
        delete button;
        button = new CandyButton(QStringLiteral("CB1"), &top);
        button->setGeometry(QRect(ButtonOrigin, ButtonSize));
        button->setStyle(7);
        button->setCaption(QString());
        button->setColorButtonUp(Up);
        button->setColorButtonHover(HoverColor);
        button->setColorButtonDown(DownColor);
        QObject::connect(
            button, &CandyButton::Click, [this] { log.push_back("Click"); });
        QObject::connect(
            button, &CandyButton::DblClick, [this] { log.push_back("DblClick"); });
        QObject::connect(
            button, &CandyButton::MouseDown,
            [this](qint16 b) { log.push_back("Down" + std::to_string(b)); });
        QObject::connect(
            button, &CandyButton::MouseUp,
            [this](qint16 b) { log.push_back("Up" + std::to_string(b)); });
        QObject::connect(
            button, &CandyButton::MouseMove, [this] { ++moves; });
        QObject::connect(
            button, &CandyButton::MouseEnter, [this] { log.push_back("Enter"); });
        QObject::connect(button, &CandyButton::MouseLeave, [this] { log.push_back("Leave"); });
        button->show();
        QTest::mouseMove(window(), Outside);
        log.clear();
    }

    QWindow *window() { return top.windowHandle(); }
    QPoint inButton(QPoint local) const { return ButtonOrigin + local; }
    QPoint centre() const { return inButton(Centre); }
    OleColor pixel(QPoint local) const
    {
        return drawing::fromQColor(button->grab().toImage().pixelColor(local));
    }

    ReportRecorder recorder;
    QWidget top;
    CandyButton *button = nullptr;
    Log log;
    int moves = 0;
};

// Click belongs to a left press and release inside the mask, once per
// double click; a disabled button raises only MouseEnter and MouseLeave.
TEST_F(CandyButtonTest, GesturesRaiseTheirEvents)
{
    const auto click = [this](QPoint local, Qt::MouseButton which = Qt::LeftButton) {
        QTest::mouseClick(window(), which, {}, inButton(local));
    };
    // clang-format off
    const struct { const char *name; std::function<void()> gesture; Log expected; } cases[] = {
        {"a left click", [&] { click(Centre); }, {"Enter", "Down1", "Up1", "Click"}},
        {"a right click", [&] { click(Centre, Qt::RightButton); }, {"Enter", "Down2", "Up2"}},
        {"a double click", [this] { QTest::mouseDClick(window(), Qt::LeftButton, {}, centre()); },
         {"Enter", "Down1", "Up1", "Click", "DblClick", "Up1"}},
        {"beside the rounded corners", [&] { click({1, 1}); click({128, 38}); }, {}},
        {"on the straight edge", [&] { click({1, 20}); }, {"Enter", "Down1", "Up1", "Click"}},
        {"dragged out before the release", [this] {
             QTest::mousePress(window(), Qt::LeftButton, {}, centre()); QTest::mouseMove(window(), Outside);
             QTest::mouseRelease(window(), Qt::LeftButton, {}, Outside); }, {"Enter", "Down1", "Up1", "Leave"}},
        {"disabled", [this] {
             button->setEnabled(false); QTest::mouseDClick(window(), Qt::LeftButton, {}, centre());
             QTest::keyClick(button, Qt::Key_Return); QTest::mouseMove(window(), Outside); }, {"Enter", "Leave"}},
    };
    // clang-format on
    for (const auto &c : cases) {
        freshButton();
        c.gesture();
        EXPECT_EQ(log, c.expected) << c.name;
    }
}

// The hover look comes from the routed leave notification; a press shows the
// down colour, a drag with the left button held no hover, a disabled button grey.
TEST_F(CandyButtonTest, HoverPressAndDisabledDrawTheirColours)
{
    EXPECT_EQ(pixel(BasePixel), Up);
    QTest::mouseMove(window(), centre());
    EXPECT_EQ(pixel(BasePixel), HoverColor);
    QTest::mousePress(window(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(pixel(BasePixel), DownColor);
    QTest::mouseRelease(window(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(pixel(BasePixel), HoverColor);
    QTest::mousePress(window(), Qt::LeftButton, {}, centre());
    QTest::mouseMove(window(), Outside);
    EXPECT_EQ(pixel(BasePixel), Up) << "dragged out";
    QTest::mouseMove(window(), centre());
    EXPECT_EQ(pixel(BasePixel), Up) << "no hover while the left button is held";
    QTest::mouseRelease(window(), Qt::LeftButton, {}, centre());
    QTest::mouseMove(window(), Outside);
    EXPECT_EQ(pixel(BasePixel), Up);
    EXPECT_EQ(moves, 3);
    EXPECT_TRUE(recorder.reports().empty());
    button->setEnabled(false);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << "Tab passes a disabled button";
    QTest::mouseMove(window(), centre());
    EXPECT_EQ(pixel(BasePixel), 0xB0C0C0u) << "grey even while hovered";
}

// A held Enter must click once and Space not at all; a dialog closed by the
// Enter press hands the focus back with Enter still down, whose release must not click.
TEST_F(CandyButtonTest, EnterClicksOnceAndOnlyAfterItsOwnPress)
{
    auto *closer = new QPushButton(&top);
    closer->setAutoDefault(true);
    closer->show();
    QObject::connect(closer, &QPushButton::clicked, [this] { button->setFocus(); });
    top.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
    closer->setFocus();
    QTest::keyPress(closer, Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), button);
    QTest::keyRelease(button, Qt::Key_Return);
    EXPECT_TRUE(log.empty());

    QTest::keyPress(button, Qt::Key_Return);
    EXPECT_EQ(pixel(BasePixel), DownColor);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(button, &repeatRelease);
    QCoreApplication::sendEvent(button, &repeatPress);
    EXPECT_TRUE(repeatPress.isAccepted()) << "a held Enter does not reach the window";
    QTest::keyRelease(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_A);
    EXPECT_EQ(log, (Log{"Down1", "Up1", "Click"}));
    EXPECT_EQ(pixel(BasePixel), Up) << "focused, not hovered";

    QTest::keyPress(button, Qt::Key_Return);
    closer->setFocus();
    button->setFocus();
    QTest::keyRelease(button, Qt::Key_Return);
    EXPECT_EQ(log.back(), "Down1") << "the focus left while Enter was down";
}

// A repaint must not schedule another one while the shape stays the same.
TEST_F(CandyButtonTest, AnUnchangedShapeCausesNoFurtherPaint)
{
    struct PaintCounter : QObject
    {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
    } paints;
    const auto settle = [] {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    };
    settle();
    button->installEventFilter(&paints);
    button->update();
    settle();
    EXPECT_EQ(paints.count, 1);
    button->resize(140, 40);
    settle();
    EXPECT_EQ(paints.count, 2);
}

// Smoke only: what the game's buttons never use must still change the look
// of a hovered button with a caption and a picture.
TEST_F(CandyButtonTest, UnusedLooksChangeTheButton)
{
    QImage picture(12, 10, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    using B = CandyButton;
    using Change = std::function<void(B &)>;
    const auto render = [&](const Change &change) {
        freshButton();
        button->setCaption(QStringLiteral("OK"));
        button->setPicture(drawing::Picture::fromImage(picture));
        change(*button);
        button->DrawIconWCaption(controls::Hover);
        return button->grab().toImage();
    };
    // clang-format off
    const std::pair<const char *, Change> cases[] = {
        {"Checked", [](B &b) { b.setChecked(true); }},
        {"ColorScheme", [](B &b) { b.setColorScheme(2); }},
        {"BorderBrightness", [](B &b) { b.setBorderBrightness(100); }},
        {"PaintClassic", [](B &b) { b.setStyle(0); }}, {"PaintSoft", [](B &b) { b.setStyle(1); }},
        {"style 3", [](B &b) { b.setStyle(3); }}, {"style 4", [](B &b) { b.setStyle(4); }},
        {"style 5", [](B &b) { b.setStyle(5); }}, {"PaintBead", [](B &b) { b.setStyle(6); }},
        {"PictureAlignment", [](B &b) { b.setPictureAlignment(2); }},
        {"IconHighLite", [](B &b) { b.setIconHighLite(true); }},
        {"CaptionHighLite", [](B &b) { b.setCaptionHighLite(true); }},
    };
    // clang-format on
    const QImage plain = render([](B &) {});
    for (const auto &[name, change] : cases)
        EXPECT_NE(render(change), plain) << name;
}

} // namespace
