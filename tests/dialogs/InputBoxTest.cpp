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

constexpr int OK = 1;

using Answer = std::function<void(InputFrm &)>;

void emptyOKThenAnn(InputFrm &w)
{
    w.iTxt()->clear();
    clickChild(&w, w.iCmd(OK));
    EXPECT_TRUE(w.isVisible());
    clickChild(&w, w.iTxt());
    typeText(w.windowHandle(), "Ann");
    clickChild(&w, w.iCmd(OK));
}

void tickThenOK(InputFrm &w)
{
    clickAt(&w, w.Check2(), QPoint(8, w.Check2()->height() / 2));
    clickChild(&w, w.iCmd(OK));
}

// A cancel must never hand back text, nor OK an empty field. Every row asks
// with "Dora" in the field; Cancel stands left of OK, so Tab meets it first.
TEST(InputBox, AnswersWithTheTextOrEmptyWhenCancelled)
{
    const struct
    {
        const char *name;
        QString checkboxTxt;
        Answer answer;
        QString result;
    } rows[] = {
        {"Enter is OK", {}, pressKeys({Qt::Key_Return}), "Dora"},
        {"OK on an empty field waits for text", {}, emptyOKThenAnn, "Ann"},
        {"Escape", {}, pressKeys({Qt::Key_Escape}), ""},
        {"Cancel, by Tab and Space", {}, pressKeys({Qt::Key_Tab, Qt::Key_Space}), ""},
        {"closing the window", {}, [](InputFrm &w) { w.close(); }, ""},
        {"ticked check box", "Remember me", tickThenOK, QString("Dora") + QChar(0x00AC)},
        {"unticked check box", "Remember me", pressKeys({Qt::Key_Return}), "Dora"},
    };
    for (const auto &row : rows) {
        answerWhenShown([&row](msgFrm &shown) {
            auto &w = static_cast<InputFrm &>(shown);
            EXPECT_EQ(w.Check2()->isVisible(), !row.checkboxTxt.isEmpty()) << row.name;
            row.answer(w);
        });
        EXPECT_EQ(input_box("Your name?", 64, "Name", "Dora", true, row.checkboxTxt), row.result)
            << row.name;
    }
}

} // namespace
