// The window and its dialogs on a screen of more device pixels than window
// pixels, as the window_at_2x and window_at_1_5x tests give it: whatever
// used to be painted at 1x and scaled up showed its key colour, and the
// balloon's shadow shaded the wrong part of the screen, in black blocks.
#include "BoardWindow.h"

#include "dialogs/AboutFrm.h"
#include "dialogs/BalloonShape.h"
#include "dialogs/MsgAutoBox.h"
#include "dialogs/SaveAsFrm.h"
#include "dialogs/msgFrm.h"

#include <QScreen>

#include <functional>
#include <memory>

namespace board_test {
namespace {

constexpr int InformationIcon = 64;
constexpr short Intensity = 30;

// The match art's key green, or a blend of it with a neighbour.
bool greenish(QRgb c)
{
    return qGreen(c) > 160 && qRed(c) < 120 && qBlue(c) < 120;
}

int greenishPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += greenish(image.pixel(x, y)) ? 1 : 0;
    return count;
}

class HiDpiTest : public BoardWindowTest
{
protected:
    void SetUp() override
    {
        if (window->devicePixelRatioF() <= 1)
            GTEST_SKIP() << "needs a dense screen, as the window_at_2x test gives it";
        choose(QStringLiteral("Triangle")); // diagonal matches
    }
    qreal ratio() const { return window->devicePixelRatioF(); }
};

// The matchbox's key green used to fringe its scaled-up edges.
TEST_F(HiDpiTest, TheWindowShowsNoKeyColour)
{
    const QImage shot = window->grab().toImage();
    ASSERT_EQ(shot.width(), qRound(window->width() * ratio()));
    EXPECT_EQ(greenishPixels(shot), 0);
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
        EXPECT_EQ(greenishPixels(shot), 0);
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

} // namespace
} // namespace board_test
