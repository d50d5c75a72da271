#include "dialogs/AboutFrm.h"
#include "DialogDriver.h"
#include "ModalDriver.h"
#include "controls/CandyButton.h"

#include <QFile>
#include <QLabel>
#include <QUrlQuery>
#include <gtest/gtest.h>

using namespace dialogs;
using namespace dialogs_test;

namespace {

const QString Version = QStringLiteral(FLINTORA_VERSION_TEXT);

struct OpenAbout
{
    explicit OpenAbout(const AboutLinks &links)
        : window(nullptr, links)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click(int label) { clickAt(&window, window.label(label), QPoint(4, 4)); }
    QColor colour(int label) const
    {
        return window.label(label)->palette().color(QPalette::WindowText);
    }
    AboutFrm window;
};

const AboutLinks WithMail{{}, "author@example.org"};

TEST(AboutFrm, ShowsNameVersionAndTheProjectsRightsNotice)
{
    OpenAbout about(WithMail);
    EXPECT_EQ(about.window.windowTitle(), "About");
    EXPECT_EQ(about.window.label(1)->text(), "Flintora");
    EXPECT_EQ(about.window.label(2)->text(), "Freeware Version: " + Version);
    EXPECT_TRUE(about.window.label(3)->text().contains("MIT"));
    EXPECT_TRUE(about.window.label(3)->text().contains("Flintora developers"));
    EXPECT_TRUE(about.window.label(4)->text().startsWith("Email The Author: "));
}

TEST(AboutFrm, TheMailLineIsHiddenWithoutAnAddress)
{
    OpenAbout without(AboutLinks{});
    EXPECT_FALSE(without.window.label(4)->isVisible());
    OpenAbout with(WithMail);
    EXPECT_TRUE(with.window.label(4)->isVisible());
}

TEST(AboutFrm, TheMailLinkCarriesTheVersionInItsSubject)
{
    RecordingOpener opener;
    OpenAbout about(WithMail);
    about.click(4);
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_EQ(opener.urls[0].toString(QUrl::FullyEncoded),
              "mailto:author@example.org?subject=Flintora%3A%20" + Version + "%20&body=");
}

TEST(MakeMailLink, SubjectAndBodyAreEncodedSoTheyCannotChangeTheLink)
{
    struct Case
    {
        QString subject;
        QString body;
        QString link;
    } const cases[] = {
        {"", "", "mailto:a@b.org?subject=%20&body="},
        {"Hi there", "", "mailto:a@b.org?subject=Hi%20there%20&body="},
        {"a&body=x", "#frag?q", "mailto:a@b.org?subject=a%26body%3Dx%20&body=%23frag%3Fq"},
        {QString::fromUtf8("Caf\u00e9"), "1+1", "mailto:a@b.org?subject=Caf%C3%A9%20&body=1%2B1"},
    };
    for (const Case &c : cases) {
        RecordingOpener opener;
        EXPECT_TRUE(MakeMailLink("a@b.org", c.subject, c.body));
        ASSERT_EQ(opener.urls.size(), 1u);
        const QUrl &url = opener.urls[0];
        EXPECT_EQ(url.toString(QUrl::FullyEncoded), c.link);
        const QUrlQuery query(url);
        EXPECT_EQ(query.queryItems().size(), 2) << c.link.toStdString();
        EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), c.subject + " ");
        EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), c.body);
    }
}

TEST(AboutFrm, TheWebLinkOpensTheHomePage)
{
    RecordingOpener opener;
    OpenAbout about(AboutLinks{"https://flintora.example/", {}});
    EXPECT_EQ(about.window.label(6)->text(), "https://flintora.example/");
    about.click(6);
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_EQ(opener.urls[0], QUrl("https://flintora.example/"));
}

TEST(AboutFrm, WithoutAHomePageTheWebLinkOpensTheBundledManual)
{
    RecordingOpener opener;
    OpenAbout about(AboutLinks{});
    about.click(6);
    ASSERT_EQ(opener.urls.size(), 1u);
    ASSERT_TRUE(opener.urls[0].isLocalFile());
    QFile page(opener.urls[0].toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    for (const char *topic : {"How to play", "How to make a puzzle", "Kindlet.ini", "Shift", "Ctrl",
                              "Save...", "Delete"}) {
        EXPECT_TRUE(html.contains(topic)) << topic;
    }
}

TEST(AboutFrm, LinksLightUpUnderThePointerAndDimOverTheBackground)
{
    OpenAbout about(WithMail);
    const QColor link(0, 0, 192);
    const QColor lit(192, 0, 192);
    EXPECT_EQ(about.colour(4), link);
    // A move to where the pointer already is would not count as one.
    moveOver(&about.window, &about.window, QPoint(about.window.width() / 2, 4));
    moveOver(&about.window, about.window.label(6), QPoint(4, 4));
    EXPECT_EQ(about.colour(6), lit);
    EXPECT_EQ(about.colour(4), link);
    moveOver(&about.window, about.window.label(4), QPoint(4, 4));
    EXPECT_EQ(about.colour(4), lit);
    moveOver(&about.window, &about.window, QPoint(about.window.width() / 2, 4));
    EXPECT_EQ(about.colour(4), link);
    EXPECT_EQ(about.colour(6), link);
}

TEST(AboutFrm, OKClosesTheWindow)
{
    OpenAbout about(WithMail);
    clickAt(&about.window, about.window.cmdok(), about.window.cmdok()->rect().center());
    EXPECT_FALSE(about.window.isVisible());
    EXPECT_EQ(about.window.result(), QDialog::Accepted);
}

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
    EXPECT_TRUE(message.startsWith("No program on this computer could open"))
        << message.toStdString();
    EXPECT_TRUE(message.contains("mailto:a@b.org"));
}

} // namespace

TEST(AboutFrm, TheKeyboardGoesRoundTheLinksAndOK)
{
    RecordingOpener opener;
    OpenAbout about(AboutLinks{"https://flintora.example/", "author@example.org"});
    about.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about.window));
    const auto type = [&](Qt::Key key) {
        QTest::keyClick(about.window.windowHandle(), key);
    };
    ASSERT_TRUE(about.window.cmdok()->hasFocus());
    type(Qt::Key_Tab);
    ASSERT_TRUE(about.window.label(4)->hasFocus());
    EXPECT_TRUE(about.window.label(4)->font().underline());
    type(Qt::Key_Space);
    type(Qt::Key_Tab);
    ASSERT_TRUE(about.window.label(6)->hasFocus());
    EXPECT_FALSE(about.window.label(4)->font().underline());
    type(Qt::Key_Return);
    ASSERT_EQ(opener.urls.size(), 2u);
    EXPECT_EQ(opener.urls[0].scheme(), "mailto");
    EXPECT_EQ(opener.urls[1], QUrl("https://flintora.example/"));
    type(Qt::Key_Tab);
    ASSERT_TRUE(about.window.cmdok()->hasFocus());
    type(Qt::Key_Return);
    EXPECT_FALSE(about.window.isVisible());
    EXPECT_EQ(about.window.result(), QDialog::Accepted);
}
