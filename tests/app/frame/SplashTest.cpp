#include "app/CSplashWnd.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class SplashTest : public ::testing::Test {
protected:
    SplashTest() { CSplashWnd::EnableSplashScreen(true); }
    ~SplashTest() override { CSplashWnd::HideSplashScreen(); }

    QWidget frame;
};

TEST_F(SplashTest, HidesByItselfAfterItsTime) {
    QElapsedTimer clock;
    clock.start();
    CSplashWnd::ShowSplashScreen(&frame);
    ASSERT_TRUE(CSplashWnd::IsActive());
    CSplashWnd::WaitUntilHidden();
    EXPECT_FALSE(CSplashWnd::IsActive());
    EXPECT_GE(clock.elapsed(), CSplashWnd::kShowMilliseconds - 50);
}

TEST_F(SplashTest, TheFirstKeyPressHidesItAndIsConsumed) {
    CSplashWnd::ShowSplashScreen(&frame);
    const QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(&press));
    EXPECT_FALSE(CSplashWnd::IsActive());
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&press));
}

TEST_F(SplashTest, KeyReleasesAndMovesLeaveItShown) {
    CSplashWnd::ShowSplashScreen(&frame);
    const QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    const QEvent move(QEvent::MouseMove);
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&release));
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&move));
    EXPECT_TRUE(CSplashWnd::IsActive());
}

TEST_F(SplashTest, NothingShowsWhenTurnedOff) {
    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::ShowSplashScreen(&frame);
    EXPECT_FALSE(CSplashWnd::IsActive());
}

TEST_F(SplashTest, GoesWithItsFrame) {
    auto* owner = new QWidget;
    CSplashWnd::ShowSplashScreen(owner);
    delete owner;
    EXPECT_FALSE(CSplashWnd::IsActive());
}

} // namespace
