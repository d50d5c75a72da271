#include "dialogs/InputBox.h"
#include "DialogDriver.h"
#include "ModalDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

constexpr int InfoIcon = 64;
constexpr int OK = 1;
constexpr int Cancel = 0;

void whenInputShown(std::function<void(InputFrm &)> action)
{
    whenShown([action](msgFrm &w) {
        auto *input = qobject_cast<InputFrm *>(&w);
        ASSERT_NE(input, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(input));
        action(*input);
        if (input->isVisible()) {
            ADD_FAILURE() << "the input box is still open";
            input->close();
        }
    });
}

QString ask(const QString &DefaultText = {}, const QString &CheckboxTxt = {})
{
    return input_box("Your name?", InfoIcon, "Name", DefaultText, true, CheckboxTxt);
}

TEST(InputBox, OKOnAnEmptyFieldDoesNothingUntilTextIsTyped)
{
    bool openAfterEmptyOK = false;
    whenInputShown([&](InputFrm &w) {
        clickChild(&w, w.iCmd(OK));
        QTest::keyClick(w.windowHandle(), Qt::Key_Return);
        openAfterEmptyOK = w.isVisible();
        clickChild(&w, w.iTxt());
        typeText(w.windowHandle(), "Ann");
        clickChild(&w, w.iCmd(OK));
    });
    EXPECT_EQ(ask(), "Ann");
    EXPECT_TRUE(openAfterEmptyOK);
    EXPECT_EQ(msgFrmState().ButtonResult, 0);
}

// Cancel stands left of OK, so Tab meets it first.
TEST(InputBox, TabGoesFromTheFieldToCancelThenOKAndSpacePressesThem)
{
    whenInputShown([](InputFrm &w) {
        typeText(w.windowHandle(), "Cy");
        QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
        EXPECT_TRUE(w.iCmd(Cancel)->hasFocus());
        QTest::keyClick(w.windowHandle(), Qt::Key_Space);
    });
    EXPECT_EQ(ask(), "");
    whenInputShown([](InputFrm &w) {
        typeText(w.windowHandle(), "Di");
        QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
        QTest::keyClick(w.windowHandle(), Qt::Key_Tab);
        EXPECT_TRUE(w.iCmd(OK)->hasFocus());
        QTest::keyClick(w.windowHandle(), Qt::Key_Space);
    });
    EXPECT_EQ(ask(), "Di");
}

TEST(InputBox, EnterIsOKAndEscapeOrCancelOrClosingGiveEmptyText)
{
    whenInputShown([](InputFrm &w) {
        typeText(w.windowHandle(), "Bob");
        QTest::keyClick(w.windowHandle(), Qt::Key_Return);
    });
    EXPECT_EQ(ask(), "Bob");

    const std::function<void(InputFrm &)> cancels[] = {
        [](InputFrm &w) { QTest::keyClick(w.windowHandle(), Qt::Key_Escape); },
        [](InputFrm &w) { clickChild(&w, w.iCmd(Cancel)); },
        [](InputFrm &w) { w.close(); },
    };
    for (const auto &cancel : cancels) {
        whenInputShown([&cancel](InputFrm &w) {
            typeText(w.windowHandle(), "typed");
            cancel(w);
        });
        EXPECT_EQ(ask("preset"), "");
        EXPECT_EQ(msgFrmState().ButtonResult, -1);
    }
}

TEST(InputBox, DefaultTextIsTheAnswerWhenAccepted)
{
    whenInputShown([](InputFrm &w) { clickChild(&w, w.iCmd(OK)); });
    EXPECT_EQ(ask("Carla"), "Carla");
}

TEST(InputBox, ATickedCheckBoxAppendsTheMark)
{
    struct Case
    {
        bool tick;
        QString result;
    } const cases[] = {{true, QString("Dora") + QChar(0x00AC)}, {false, "Dora"}};
    for (const Case &c : cases) {
        bool shown = false;
        whenInputShown([&](InputFrm &w) {
            shown = w.Check2()->isVisible();
            if (c.tick) {
                clickAt(&w, w.Check2(), QPoint(8, w.Check2()->height() / 2));
            }
            clickChild(&w, w.iCmd(OK));
        });
        EXPECT_EQ(ask("Dora", "Remember me"), c.result);
        EXPECT_TRUE(shown);
    }
}

TEST(InputBox, WithoutCheckboxTextThereIsNoCheckBox)
{
    bool shown = true;
    whenInputShown([&](InputFrm &w) {
        shown = w.Check2()->isVisible();
        clickChild(&w, w.iCmd(OK));
    });
    EXPECT_EQ(ask("Eve"), "Eve");
    EXPECT_FALSE(shown);
}

TEST(InputBox, ButtonsSitUnderTheFieldWithOKAlignedToItsRightEdge)
{
    QRect field;
    QRect ok;
    QRect cancel;
    whenInputShown([&](InputFrm &w) {
        field = w.iTxt()->geometry();
        ok = w.iCmd(OK)->geometry();
        cancel = w.iCmd(Cancel)->geometry();
        clickChild(&w, w.iCmd(Cancel));
    });
    ask("x");
    EXPECT_LE(std::abs(ok.right() - field.right()), 1);
    EXPECT_GT(ok.top(), field.bottom());
    EXPECT_EQ(cancel.top(), ok.top());
    EXPECT_LT(cancel.right(), ok.left());
}

} // namespace
