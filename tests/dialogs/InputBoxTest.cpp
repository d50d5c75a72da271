#include "dialogs/InputBox.h"
#include "ModalDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

using Answer = std::function<void(InputFrm &)>;

// OK (here Enter) does nothing while the field is empty.
void emptyOKThenAnn(InputFrm &w)
{
    w.iTxt()->clear();
    QTest::keyClick(w.windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(w.isVisible());
    typeText(w.windowHandle(), "Ann\n");
}

void tickThenOK(InputFrm &w)
{
    clickAt(&w, w.Check2(), QPoint(8, w.Check2()->height() / 2));
    clickAt(&w, w.iCmd(1), w.iCmd(1)->rect().center());
}

// Smoke only, as nothing asks for text: a cancel must never hand back text.
// Every row asks with "Dora" in the field; Tab meets Cancel, left of OK, first.
TEST(InputBox, AnswersWithTheTextOrEmptyWhenCancelled)
{
    // clang-format off
    const struct { const char *name; QString checkboxTxt; Answer answer; QString result; } rows[] = {
        {"Enter is OK", {}, pressKeys({Qt::Key_Return}), "Dora"},
        {"OK on an empty field waits for text", {}, emptyOKThenAnn, "Ann"},
        {"Escape", {}, pressKeys({Qt::Key_Escape}), ""},
        {"Cancel, by Tab and Space", {}, pressKeys({Qt::Key_Tab, Qt::Key_Space}), ""},
        {"closing the window", {}, [](InputFrm &w) { w.close(); }, ""},
        {"ticked check box", "Remember me", tickThenOK, QString("Dora") + QChar(0x00AC)},
    };
    // clang-format on
    for (const auto &row : rows) {
        answerWhenShown([&row](msgFrm &w) { row.answer(static_cast<InputFrm &>(w)); });
        EXPECT_EQ(input_box("Your name?", 64, "Name", "Dora", true, row.checkboxTxt), row.result)
            << row.name;
    }
}

} // namespace
