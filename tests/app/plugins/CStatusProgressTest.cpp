#include "app/CStatusProgress.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStatusBar>

namespace {

// "読み込み中・・・" in CP932.
const char* const kReading = "\x93\xC7\x82\xDD\x8D\x9E\x82\xDD\x92\x86\x81\x45\x81\x45\x81\x45";

class CStatusProgressTest : public ::testing::Test {
protected:
    QProgressBar* Bar() const { return m_statusBar.findChild<QProgressBar*>(); }
    QLabel* Caption() const { return m_statusBar.findChild<QLabel*>(); }

    QStatusBar m_statusBar;
    CStatusProgress m_progress{&m_statusBar};
};

TEST_F(CStatusProgressTest, ShowsTheCaptionAndTheBarInTheStatusBar) {
    m_statusBar.showMessage("Ready");
    ASSERT_EQ(m_progress.ShowInPane(0, kReading, 0), 1);
    ASSERT_NE(Bar(), nullptr);
    EXPECT_TRUE(Bar()->isVisibleTo(&m_statusBar));
    EXPECT_EQ(Caption()->text(), QString::fromUtf8("読み込み中・・・"));
    EXPECT_TRUE(Caption()->isVisibleTo(&m_statusBar));
    EXPECT_TRUE(m_statusBar.currentMessage().isEmpty());
    EXPECT_EQ(Bar()->maximum(), 0);
    EXPECT_EQ(m_progress.GetSafeHwnd(), &m_progress);
}

TEST_F(CStatusProgressTest, ShowingItAgainChangesNothing) {
    ASSERT_EQ(m_progress.ShowInPane(0, "first", 100), 1);
    EXPECT_EQ(m_progress.ShowInPane(0, "second", 50), 0);
    EXPECT_EQ(m_statusBar.findChildren<QProgressBar*>().size(), 1);
    EXPECT_EQ(Caption()->text(), "first");
    EXPECT_EQ(Bar()->maximum(), 100);
    EXPECT_EQ(Bar()->maximumWidth(), 100);
}

TEST_F(CStatusProgressTest, OnlyTheMessagePaneTakesTheBar) {
    EXPECT_EQ(m_progress.ShowInPane(1, kReading, 10), 0);
    EXPECT_EQ(m_progress.SetPaneText(1, "text"), 0);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(m_progress.GetSafeHwnd(), nullptr);
}

struct WidthCase {
    int maximum;
    int least;
    int most;
};

TEST_F(CStatusProgressTest, PositiveMaximumLimitsTheWidthInPixels) {
    const WidthCase cases[] = {
        {50, 1, 50},
        {0, 300, 600}, // the rest of the pane behind the caption
        {100000, 300, 600},
    };
    m_statusBar.resize(600, 24);
    for (const WidthCase& c : cases) {
        SCOPED_TRACE(c.maximum);
        ASSERT_EQ(m_progress.ShowInPane(0, kReading, c.maximum), 1);
        m_statusBar.layout()->activate();
        Bar()->parentWidget()->layout()->activate();
        EXPECT_GE(Bar()->width(), c.least);
        EXPECT_LE(Bar()->width(), c.most);
        m_progress.DestroyWindow();
    }
}

struct PositionCase {
    int position;
    int shown;
};

TEST_F(CStatusProgressTest, PositionsStayInsideTheRange) {
    ASSERT_EQ(m_progress.ShowInPane(0, kReading, 0), 1);
    HWND window = m_progress.GetSafeHwnd();
    SendMessage(window, PBM_SETRANGE32, 10, 1000);
    EXPECT_EQ(Bar()->minimum(), 10);
    EXPECT_EQ(Bar()->maximum(), 1000);
    const PositionCase cases[] = {{250, 250}, {1000, 1000}, {5000, 1000}, {-3, 10}, {10, 10}};
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.position);
        const LRESULT previous = SendMessage(window, PBM_GETPOS, 0, 0);
        EXPECT_EQ(SendMessage(window, PBM_SETPOS, static_cast<WPARAM>(c.position), 0), previous);
        EXPECT_EQ(Bar()->value(), c.shown);
        EXPECT_EQ(SendMessage(window, PBM_GETPOS, 0, 0), c.shown);
    }
}

TEST_F(CStatusProgressTest, NarrowerRangePullsThePositionIn) {
    ASSERT_EQ(m_progress.ShowInPane(0, kReading, 1000), 1);
    HWND window = m_progress.GetSafeHwnd();
    EXPECT_EQ(SendMessage(window, PBM_GETPOS, 0, 0), 0);
    SendMessage(window, PBM_SETPOS, 800, 0);
    SendMessage(window, PBM_SETRANGE32, 0, 100);
    EXPECT_EQ(SendMessage(window, PBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(SendMessage(window, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessage(window, PBM_GETRANGE, FALSE, 0), 100);
}

TEST_F(CStatusProgressTest, ClearingThePaneTextHidesTheCaption) {
    ASSERT_EQ(m_progress.ShowInPane(0, kReading, 0), 1);
    EXPECT_EQ(m_progress.SetPaneText(0, ""), 1);
    EXPECT_FALSE(Caption()->isVisibleTo(&m_statusBar));
    EXPECT_TRUE(Bar()->isVisibleTo(&m_statusBar));
}

TEST_F(CStatusProgressTest, PaneTextWithoutTheBarIsTheStatusMessage) {
    EXPECT_EQ(m_progress.SetPaneText(0, kReading), 1);
    EXPECT_EQ(m_statusBar.currentMessage(), QString::fromUtf8("読み込み中・・・"));
    EXPECT_EQ(m_progress.SetPaneText(0, ""), 1);
    EXPECT_TRUE(m_statusBar.currentMessage().isEmpty());
}

TEST_F(CStatusProgressTest, DestroyingRemovesTheBarAndAllowsTheNextStage) {
    ASSERT_EQ(m_progress.ShowInPane(0, kReading, 0), 1);
    m_progress.DestroyWindow();
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(Caption(), nullptr);
    EXPECT_EQ(m_progress.GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_progress.ShowInPane(0, "next", 400), 1);
    EXPECT_EQ(Bar()->maximum(), 400);
}

TEST(CStatusProgressWithoutBarTest, NothingIsShownWithoutAStatusBar) {
    CStatusProgress progress(nullptr);
    EXPECT_EQ(progress.ShowInPane(0, kReading, 0), 0);
    EXPECT_EQ(progress.SetPaneText(0, ""), 0);
    EXPECT_EQ(progress.GetSafeHwnd(), nullptr);
    EXPECT_EQ(SendMessage(progress.GetSafeHwnd(), PBM_SETPOS, 5, 0), 0);
}

TEST(CStatusProgressWithoutBarTest, StatusBarGoingAwayLeavesAHarmlessHandle) {
    auto* statusBar = new QStatusBar;
    CStatusProgress progress(statusBar);
    ASSERT_EQ(progress.ShowInPane(0, kReading, 100), 1);
    HWND window = progress.GetSafeHwnd();
    delete statusBar;
    EXPECT_EQ(SendMessage(window, PBM_SETPOS, 5, 0), 0);
    EXPECT_EQ(progress.GetSafeHwnd(), nullptr);
    progress.DestroyWindow();
}

} // namespace
