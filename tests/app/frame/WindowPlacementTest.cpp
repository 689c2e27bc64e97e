#include "app/CWindowPlacement.h"
#include "tests/support/TempProfile.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct RectCase {
    RECT rect;
    const char* text;
};

class RectRoundTrip : public ::testing::TestWithParam<RectCase> {};

TEST_P(RectRoundTrip, WritesTheSavedFormAndReadsItBack) {
    const RECT& rect = GetParam().rect;
    const QString text = CWindowPlacement::FormatRect(rect);
    EXPECT_EQ(text, QString::fromLatin1(GetParam().text));
    const RECT back = CWindowPlacement::ParseRect(text);
    EXPECT_EQ(back.left, rect.left);
    EXPECT_EQ(back.top, rect.top);
    EXPECT_EQ(back.right, rect.right);
    EXPECT_EQ(back.bottom, rect.bottom);
}

INSTANTIATE_TEST_SUITE_P(Rects, RectRoundTrip,
                         ::testing::Values(RectCase{{0, 0, 800, 600}, "0000 0000 0800 0600"},
                                           RectCase{{-8, -8, 1928, 1088}, "-008 -008 1928 1088"},
                                           RectCase{{-1280, -1024, -10, 12345},
                                                    "-1280 -1024 -010 12345"},
                                           RectCase{{-1920, 0, 0, 1080}, "-1920 0000 0000 1080"}));

TEST(WindowPlacement, ShortOrEmptyTexts) {
    const RECT empty = CWindowPlacement::ParseRect(QString());
    EXPECT_EQ(empty.right, 800);
    EXPECT_EQ(empty.bottom, 600);
    const RECT two = CWindowPlacement::ParseRect(QStringLiteral("0010 0020"));
    EXPECT_EQ(two.left, 10);
    EXPECT_EQ(two.top, 20);
    EXPECT_EQ(two.right, 0);
    EXPECT_EQ(two.bottom, 0);
}

TEST(WindowPlacement, AFreshProfileOpensMaximised) {
    TempProfile profile;
    const CWindowPlacement placement = CWindowPlacement::Load();
    EXPECT_TRUE(placement.m_bMax);
    EXPECT_FALSE(placement.m_bIcon);
    EXPECT_EQ(placement.m_rcNormal.right, 800);
}

TEST(WindowPlacement, MinimisedFromMaximisedComesBackTheSame) {
    TempProfile profile;
    CWindowPlacement saved;
    saved.m_rcNormal = RECT{-1280, 10, -200, 700};
    saved.m_bIcon = true;
    saved.m_bMax = true;
    saved.Save();
    const CWindowPlacement loaded = CWindowPlacement::Load();
    EXPECT_TRUE(loaded.m_bIcon);
    EXPECT_TRUE(loaded.m_bMax);
    EXPECT_EQ(loaded.m_rcNormal.left, -1280);
    EXPECT_EQ(loaded.m_rcNormal.right, -200);

    QWidget window;
    loaded.Apply(window);
    EXPECT_TRUE(window.windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
}

} // namespace
