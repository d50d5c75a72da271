#include "dialogs/AboutFrm.h"
#include "ModalDriver.h"
#include "controls/CandyButton.h"
#include "dialogs/HelpWindow.h"

#include <QLabel>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

struct OpenAbout
{
    explicit OpenAbout(const AboutLinks &links)
        : window(nullptr, links)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click(int label) { clickAt(&window, window.label(label), QPoint(4, 4)); }
    AboutFrm window;
};

// A build without an address must not offer a mail to nobody; a mail tells
// the author which version it is about.
TEST(AboutFrm, TheMailLineShowsOnlyWithAnAddressAndItsSubjectNamesTheVersion)
{
    OpenAbout without(AboutLinks{});
    EXPECT_FALSE(without.window.label(4)->isVisible());
    RecordingOpener opener;
    OpenAbout about(AboutLinks{{}, "author@example.org"});
    about.click(4);
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_EQ(opener.urls[0].toString(QUrl::FullyEncoded),
              "mailto:author@example.org?subject=Flintora%3A%20" FLINTORA_VERSION_TEXT "%20&body=");
}

// The About window's own link shows the plain case.
TEST(MakeMailLink, SubjectAndBodyAreEncodedSoTheyCannotChangeTheLink)
{
    RecordingOpener opener;
    EXPECT_TRUE(MakeMailLink("a@b.org", "a&body=x", "#frag?q"));
    EXPECT_TRUE(MakeMailLink("a@b.org", QString::fromUtf8("Caf\u00e9"), "1+1"));
    ASSERT_EQ(opener.urls.size(), 2u);
    EXPECT_EQ(opener.urls[0].toString(QUrl::FullyEncoded),
              "mailto:a@b.org?subject=a%26body%3Dx%20&body=%23frag%3Fq");
    EXPECT_EQ(opener.urls[1].toString(QUrl::FullyEncoded),
              "mailto:a@b.org?subject=Caf%C3%A9%20&body=1%2B1");
}

// Without a home page the web link would lead nowhere, and a machine may
// have no browser: the manual opens in the program's own window, About
// gives way to it, and a second request raises the same window.
TEST(AboutFrm, WithoutAHomePageTheWebLinkOpensTheManualInTheHelpWindow)
{
    RecordingOpener opener;
    QWidget owner;
    OpenAbout about(AboutLinks{});
    about.window.setParent(&owner, Qt::Dialog);
    about.window.show();
    about.click(6);
    EXPECT_TRUE(opener.urls.empty());
    EXPECT_FALSE(about.window.isVisible());
    const auto shown = [&owner] {
        return owner.findChildren<HelpWindow *>();
    };
    ASSERT_EQ(shown().size(), 1);
    HelpWindow *help = shown().front();
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->browser()->toPlainText().contains("How to make a puzzle"));
    OpenHomePage(&owner, AboutLinks{});
    EXPECT_EQ(shown(), QList<HelpWindow *>{help});
    EXPECT_TRUE(opener.urls.empty());
}

// A link that no program opens must not fail silently.
TEST(ShellOpen, ALinkNoProgramTakesIsReported)
{
    RecordingOpener refusing(false);
    QString message;
    whenShown([&message](msgFrm &w) {
        message = w.messageLabel()->text();
        clickButton(w, 0);
    });
    EXPECT_FALSE(MakeMailLink("a@b.org", "s", ""));
    EXPECT_EQ(refusing.urls.size(), 1u);
    EXPECT_TRUE(message.contains("mailto:a@b.org")) << message.toStdString();
}

// Both links and OK must work without a mouse; Tab shows where it is.
TEST(AboutFrm, TheKeyboardGoesRoundTheLinksAndOK)
{
    RecordingOpener opener;
    OpenAbout about(AboutLinks{"https://flintora.example/", "author@example.org"});
    about.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about.window));
    QWindow *keys = about.window.windowHandle();
    ASSERT_TRUE(about.window.cmdok()->hasFocus());
    QTest::keyClick(keys, Qt::Key_Tab);
    ASSERT_TRUE(about.window.label(4)->hasFocus());
    EXPECT_TRUE(about.window.label(4)->font().underline());
    QTest::keyClick(keys, Qt::Key_Space);
    QTest::keyClick(keys, Qt::Key_Tab);
    ASSERT_TRUE(about.window.label(6)->hasFocus());
    EXPECT_FALSE(about.window.label(4)->font().underline());
    QTest::keyClick(keys, Qt::Key_Return);
    ASSERT_EQ(opener.urls.size(), 2u);
    EXPECT_EQ(opener.urls[0].scheme(), "mailto");
    EXPECT_EQ(opener.urls[1], QUrl("https://flintora.example/"));
    QTest::keyClick(keys, Qt::Key_Tab);
    ASSERT_TRUE(about.window.cmdok()->hasFocus());
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_FALSE(about.window.isVisible());
    EXPECT_EQ(about.window.result(), QDialog::Accepted);
}

} // namespace
