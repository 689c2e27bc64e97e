#include "ui/CAboutDlg.h"
#include "ui/CHyperLink.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

#include <vector>

namespace {

// Catches what the links would hand to the desktop.
class OpenedUrls {
public:
    OpenedUrls() {
        CHyperLink::SetUrlOpener([this](const QUrl& url) {
            m_urls.push_back(url);
            return true;
        });
    }
    ~OpenedUrls() { CHyperLink::SetUrlOpener(nullptr); }
    const std::vector<QUrl>& Urls() const { return m_urls; }

private:
    std::vector<QUrl> m_urls;
};

void Click(QWidget& widget, QPoint at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &event);
    }
}

TEST(HyperLinkTest, AnEmptyControlShowsItsAddressUnderlinedInTheLinkColour) {
    CHyperLink link;
    link.SetURL(QStringLiteral("https://zumeo.example.org/manual"));
    EXPECT_EQ(link.text(), QStringLiteral("https://zumeo.example.org/manual"));
    EXPECT_EQ(link.toolTip(), link.GetURL());
    EXPECT_TRUE(link.font().underline());
    EXPECT_EQ(link.font().pixelSize(), 13);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), CHyperLink::kLinkColor);
    EXPECT_EQ(link.size(), link.fontMetrics().size(Qt::TextSingleLine, link.text()));
}

TEST(HyperLinkTest, AControlWithTextTakesItAsTheAddress) {
    CHyperLink link;
    link.setText(QStringLiteral("https://zumeo.example.org/"));
    link.SetURL(QString());
    EXPECT_EQ(link.GetURL(), QStringLiteral("https://zumeo.example.org/"));
}

TEST(HyperLinkTest, HoverChangesTheColourAndLeavingRestoresIt) {
    CHyperLink link;
    link.SetURL(QStringLiteral("https://zumeo.example.org/"));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&link, &enter);
    EXPECT_TRUE(link.IsHovered());
    EXPECT_NE(link.palette().color(QPalette::WindowText), CHyperLink::kLinkColor);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&link, &leave);
    EXPECT_FALSE(link.IsHovered());
    EXPECT_EQ(link.palette().color(QPalette::WindowText), CHyperLink::kLinkColor);
}

TEST(HyperLinkTest, AClickOpensTheAddressThroughTheDesktopOnly) {
    OpenedUrls opened;
    CHyperLink link;
    link.SetURL(QStringLiteral("https://zumeo.example.org/a b"));
    Click(link, QPoint(2, 2));
    ASSERT_EQ(opened.Urls().size(), 1u);
    EXPECT_EQ(opened.Urls()[0].host(), QStringLiteral("zumeo.example.org"));
    EXPECT_EQ(opened.Urls()[0].path(), QStringLiteral("/a b"));
}

TEST(HyperLinkTest, AnAddressThatIsNoAbsoluteUrlIsNotOpenedMended) {
    OpenedUrls opened;
    for (const char* address : {"", "\" & rm -rf ~ \"", "relative/page.html", "http://[bad"})
        EXPECT_FALSE(CHyperLink::GotoURL(QString::fromUtf8(address))) << address;
    EXPECT_TRUE(opened.Urls().empty());
}

TEST(AboutDlgTest, ShowsNameVersionAndTheProjectsLink) {
    OpenedUrls opened;
    CAboutDlg dialog(QStringLiteral("1.2.3.4"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zumeo のバージョン情報"));
    EXPECT_EQ(dialog.VersionLine(), QStringLiteral("Zumeo / 1.2.3.4"));
    auto* link = dialog.findChild<CHyperLink*>(QStringLiteral("id_1034"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetURL(), QString::fromLatin1(CAboutDlg::kProjectAddress));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    Click(*link, QPoint(2, 2));
    ASSERT_EQ(opened.Urls().size(), 1u);
    EXPECT_EQ(opened.Urls()[0], QUrl(QString::fromLatin1(CAboutDlg::kProjectAddress)));
    dialog.findChild<QPushButton*>(QStringLiteral("id_1"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(AboutDlgTest, TheVersionLineIsPaintedInDarkGrey) {
    CAboutDlg dialog(QStringLiteral("1.0.0.0"));
    const QImage picture = dialog.grab().toImage();
    int dark = 0;
    for (int y = 48; y < 48 + 24; ++y)
        for (int x = 25; x < 200; ++x)
            if (QColor(picture.pixel(x, y)).lightness() < 0x80)
                ++dark;
    EXPECT_GT(dark, 20);
}

} // namespace
