// The window and its dialogs on a screen of more device pixels than window
// pixels, as the window_at_2x and window_at_1_5x tests give it: whatever
// used to be painted at 1x and scaled up showed its key colour, and the
// balloon's shadow shaded the wrong part of the screen, in black blocks.
#include "BoardWindow.h"
#include "support/DevicePixels.h"

#include "board/SolvedMark.h"
#include "dialogs/AboutFrm.h"
#include "dialogs/BalloonShape.h"
#include "dialogs/MsgAutoBox.h"
#include "dialogs/SaveAsFrm.h"
#include "dialogs/msgFrm.h"

#include <QGuiApplication>
#include <QScreen>

#include <functional>
#include <memory>

namespace board_test {
namespace {

constexpr int InformationIcon = 64;
constexpr short Intensity = 30;

constexpr int ArrowSide = 18;

// Art at 2x, with the second puzzle solved for its tick in the list.
class DenseArtTest : public BoardWindowTest
{
protected:
    DenseArtTest()
        : BoardWindowTest("[Settings]\r\nSolved Wordy=1\r\n" + twoPuzzles().substr(12))
    {
    }
    qreal ratio() const { return window->devicePixelRatioF(); }

    // The icon's column of the unchosen second row: the tick on a flat colour.
    bool tickInBlocks() const
    {
        const controls::CoolList &list = *window->CL1();
        EXPECT_EQ(list.ItemIcon(1), board::SolvedMarkIcon);
        const QRect column(list.ItemOffset(), list.RowHeight(), board::SolvedMarkSide,
                           list.RowHeight());
        return blownUp(list.surface(), QRect(column.topLeft() * 2, column.size() * 2));
    }
    // The arrow at the title's right end, in the window's picture.
    bool arrowInBlocks(const QImage &shot) const
    {
        const controls::DDFrm &frame = *window->DD1();
        const QPoint corner =
            frame.mapTo(window.get(), frame.contentsRect().topRight()) - QPoint(ArrowSide - 1, 0);
        return blownUp(shot, QRect(corner * 2, QSize(ArrowSide, ArrowSide) * 2));
    }
};

class HiDpiTest : public DenseArtTest
{
protected:
    void SetUp() override
    {
        if (window->devicePixelRatioF() <= 1)
            GTEST_SKIP() << "needs a dense screen, as the window_at_2x test gives it";
        choose(QStringLiteral("Triangle")); // diagonal matches
    }
};

// The matchbox's key green used to fringe its scaled-up edges.
TEST_F(HiDpiTest, TheWindowShowsNoKeyColour)
{
    const QImage shot = window->grab().toImage();
    ASSERT_EQ(shot.width(), qRound(window->width() * ratio()));
    EXPECT_EQ(greenishPixels(shot, shot.rect()), 0);
}

// The list's tick was drawn at 1x and scaled up, in blocks at 2x.
TEST_F(HiDpiTest, TheSolvedTickHasTheScreensResolution)
{
    if (ratio() != 2)
        GTEST_SKIP() << "blocks show at 2x";
    EXPECT_FALSE(tickInBlocks());
}

TEST_F(HiDpiTest, EveryDialogShowsNoKeyColour)
{
    dialogs::MsgFrmState state;
    state.BalloonColor = dialogs::DefaultBalloon;
    const std::vector<std::function<std::unique_ptr<QWidget>()>> dialogs = {
        [] { return std::make_unique<dialogs::AboutFrm>(); },
        [] { return std::make_unique<dialogs::SaveAsFrm>(QStringLiteral("Title")); },
        [&state] {
            auto balloon = std::make_unique<dialogs::msgFrm>(state);
            balloon->SetDisplayIcon(InformationIcon);
            return balloon;
        },
        [&state] { return std::make_unique<dialogs::MsgAutoFrm>(state); },
    };
    for (size_t i = 0; i < dialogs.size(); ++i) {
        SCOPED_TRACE(i);
        const std::unique_ptr<QWidget> dialog = dialogs[i]();
        const QImage shot = dialog->grab().toImage();
        ASSERT_GT(shot.devicePixelRatio(), 1);
        EXPECT_EQ(greenishPixels(shot, shot.rect()), 0);
    }
}

// Each shadow pixel is the screen under it shaded by its ring's step, and
// no device pixel that the mask lets through is left bare.
TEST_F(HiDpiTest, TheBalloonShadowShadesTheScreenUnderIt)
{
    dialogs::MsgFrmState state;
    state.BalloonColor = dialogs::DefaultBalloon;
    dialogs::msgFrm balloon(state);
    const QPoint tip = window->mapToGlobal(QPoint(120, 120));
    balloon.DrawBalloon(false, float(tip.x()), float(tip.y()), Intensity);
    const QImage &surface = balloon.surface();
    ASSERT_EQ(surface.size(), (QSizeF(balloon.size()) * ratio()).toSize());

    const QSize size = balloon.size();
    const QRect area(balloon.pos() - window->screen()->geometry().topLeft(), size);
    const QImage under =
        window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    ASSERT_EQ(under.size(), surface.size());
    for (const dialogs::ShadowPixel &s : dialogs::shadowPixels(size)) {
        const bool belowBody = s.at.y() > size.height() - 33 || s.at.x() > size.width() - 15;
        if (!belowBody || (s.at.x() % 40 != 7 && s.at.y() % 40 != 7))
            continue; // the body covers it, or a point not chosen
        const QPoint device = ((QPointF(s.at) + QPointF(0.5, 0.5)) * ratio()).toPoint();
        ASSERT_EQ(surface.pixel(device),
                  dialogs::ShadePixel(under.pixel(device), qRgb(0, 0, 0), s.step, Intensity))
            << "shadow at " << s.at.x() << "," << s.at.y();
    }
    // The mask's rectangles reach the screen scaled and rounded.
    int bare = 0;
    for (const QRect &r : balloon.mask()) {
        const QRect device(qRound(r.x() * ratio()), qRound(r.y() * ratio()),
                           qRound(r.width() * ratio()), qRound(r.height() * ratio()));
        for (int y = device.top(); y <= device.bottom(); ++y)
            for (int x = device.left(); x <= device.right(); ++x)
                bare += qAlpha(surface.pixel(x, y)) != 255 ? 1 : 0;
    }
    EXPECT_EQ(bare, 0);
}

// The window on a plain screen and a screen of twice its pixels, as the
// window_moved_between_screens test gives them.
class ScreenMoveTest : public DenseArtTest
{
protected:
    void SetUp() override
    {
        for (QScreen *screen : QGuiApplication::screens())
            (screen->devicePixelRatio() == 2 ? dense : plain) = screen;
        if (!plain || !dense)
            GTEST_SKIP() << "needs two screens, as the window_moved_between_screens test gives";
    }
    void moveTo(QScreen *screen)
    {
        window->move(screen->geometry().topLeft() + QPoint(20, 20));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ratio() == screen->devicePixelRatio(); }));
    }

    QScreen *plain = nullptr;
    QScreen *dense = nullptr;
};

// The tick and the arrow stayed as drawn for the screen the window was on
// before, scaled up in blocks.
TEST_F(ScreenMoveTest, TheTickAndTheArrowFollowTheWindowToADenseScreen)
{
    window->DD1()->clearFocus(); // its dotted frame crosses the arrow's square
    moveTo(plain);
    moveTo(dense);
    EXPECT_FALSE(tickInBlocks());
    EXPECT_FALSE(arrowInBlocks(window->grab().toImage()));
}

} // namespace
} // namespace board_test
