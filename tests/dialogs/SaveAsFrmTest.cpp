#include "dialogs/SaveAsFrm.h"
#include "DialogDriver.h"
#include "controls/CandyButton.h"

#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

const QChar Sep(0x00A6);

QString sep(const QString &title, const QString &description)
{
    return title + Sep + description;
}

// Runs the action in the open dialog; a dialog left open fails the test.
QString details(const QString &iTx, std::function<void(SaveAsFrm &)> action)
{
    whenModal<SaveAsFrm>([action](SaveAsFrm &w) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        action(w);
        if (w.isVisible()) {
            ADD_FAILURE() << "the dialog is still open";
            w.reject();
        }
    });
    return SaveAsFrm::GetDetails(iTx);
}

void pressOK(SaveAsFrm &w)
{
    clickAt(&w, w.cmdOK(), w.cmdOK()->rect().center());
}

void typeInto(SaveAsFrm &w, QWidget *field, const QString &text)
{
    clickAt(&w, field, QPoint(5, 5));
    typeText(w.windowHandle(), text);
}

void pasteInto(SaveAsFrm &w, QWidget *field, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    clickAt(&w, field, QPoint(5, 5));
    QTest::keyClick(w.windowHandle(), Qt::Key_End);
    QTest::keyClick(w.windowHandle(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(w.windowHandle(), Qt::Key_V, Qt::ControlModifier);
}

// Enter in the description starts a line, which comes back as CR LF.
TEST(SaveAsFrm, TheKeyboardAloneFillsBothFieldsAndPressesOK)
{
    const QString answer = details({}, [](SaveAsFrm &w) {
        QWindow *keys = w.windowHandle();
        EXPECT_TRUE(w.Text1()->hasFocus()) << "the title comes first";
        typeText(keys, "Fish");
        QTest::keyClick(keys, Qt::Key_Tab);
        EXPECT_TRUE(w.Text2()->hasFocus());
        typeText(keys, "Turn\nit");
        QTest::keyClick(keys, Qt::Key_Tab);
        EXPECT_TRUE(w.cmdOK()->hasFocus()) << "Tab leaves the description, it types no tab";
        QTest::keyClick(keys, Qt::Key_Return);
    });
    EXPECT_EQ(answer, sep("Fish", "Turn\r\nit"));
}

// A cancelled showing must not leak its text into the answer or the next one.
TEST(SaveAsFrm, ClosingOrEscapeAnswersTheSeparatorAloneAndTheNextShowingStartsAfresh)
{
    using Finish = std::function<void(SaveAsFrm &)>;
    const auto typedThen = [](const char *title, Finish finish) {
        return [=](SaveAsFrm &w) {
            typeInto(w, w.Text1(), title);
            finish(w);
        };
    };
    const Finish escape = [](SaveAsFrm &w) {
        QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
    };
    EXPECT_EQ(details(sep("Old", "text"), typedThen("more", &SaveAsFrm::close)), QString(Sep));
    EXPECT_EQ(details(sep("Old", "text"), typedThen("more", escape)), QString(Sep));
    EXPECT_EQ(details({}, typedThen("New", pressOK)), sep("New", ""));
    EXPECT_EQ(details({}, pressOK), QString(Sep));
}

// Longer texts did not fit the file's fields; a typed "¶" came back as a line break.
TEST(SaveAsFrm, TheFieldsStopAtTheirLimitsAndRefuseTheSeparatorAndLineBreakMark)
{
    const QChar mark(0x00B6);
    const QString answer = details({}, [mark](SaveAsFrm &w) {
        typeInto(w, w.Text1(), QString("a") + Sep + "b" + mark);
        pasteInto(w, w.Text1(), QString("c") + Sep + mark + "d");
        typeText(w.windowHandle(), QString(60, 'x'));
        typeInto(w, w.Text2(), QString(250, 'b') + "\n" + Sep + mark + "e");
        pasteInto(w, w.Text2(), QString(Sep) + "f" + mark + "\r\ng");
        typeText(w.windowHandle(), "hh");
        pressOK(w);
    });
    EXPECT_EQ(answer, sep("abcd" + QString(46, 'x'), QString(250, 'b') + "\r\nef\r\ng"));
}

// A preset from the file may be longer than typing allows; it is kept, but
// not lengthened.
TEST(SaveAsFrm, APasteIsCutToWhatTheLimitLeaves)
{
    const QString longTitle(60, 't');
    const QString answer = details(sep(longTitle, QString(250, 'd')), [&](SaveAsFrm &w) {
        pasteInto(w, w.Text1(), "0123456789");
        pasteInto(w, w.Text2(), "x\r\ny\r\nz123");
        pressOK(w);
    });
    EXPECT_EQ(answer, sep(longTitle, QString(250, 'd') + "x\r\ny\r\nz"));
}

TEST(MendEdit, KeepsEveryEditThatFitsAndMendsTheRest)
{
    // clang-format off
    const struct { const char *name; QString before, after; int limit; QString mended; } cases[] = {
        {"typed within the limit", "ab", "abc", 5, "abc"},
        {"typed past the limit", "abcde", "abcdef", 5, "abcde"},
        {"separator typed", "ab", QString("a") + Sep + "b", 5, "ab"},
        {"paste cut to fit", "ab", "aXYZWb", 4, "aXYb"},
        {"paste loses separators", "", QString("x") + Sep + "y" + Sep, 9, "xy"},
        {"over-long text may shrink", "abcdefg", "abcdeg", 5, "abcdeg"},
        {"over-long text may not grow", "abcdefg", "abcdefgh", 5, "abcdefg"},
        {"selection replaced within old length", "abcdefg", "abXg", 5, "abXg"},
    };
    // clang-format on
    for (const auto &c : cases) {
        int cursor = 0;
        EXPECT_EQ(mendEdit(c.before, c.after, c.limit, cursor), c.mended) << c.name;
    }
}

} // namespace
