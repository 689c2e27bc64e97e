#include "app/CMainFrame.h"
#include "app/CToolDlgBar.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "controls/CHoverButton.h"
#include "platform/win/CProfile.h"
#include "tests/app/frame/FrameTestSupport.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SplashOff.h"
#include "tests/support/TempProfile.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    SplashOff m_splashOff;
    MainFrameTest() {
        frame = std::make_unique<CMainFrame>(app);
        frame->SetDocument(&document);
    }

    bool MenuEnabled(UINT id) {
        frame->UpdateMenu(frame->Menu());
        return frame->Menu().FindItem(id)->isEnabled();
    }

    TempProfile profile;
    ScriptedDialogs dialogs;
    CZumeoApp app;
    CZumeoDoc document;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameTest, MenuFollowsTheDocument) {
    EXPECT_FALSE(MenuEnabled(CommandIds::kCopyAll));
    EXPECT_FALSE(MenuEnabled(CommandIds::kFit));
    EXPECT_FALSE(MenuEnabled(CommandIds::kFileSave));
    EXPECT_TRUE(MenuEnabled(CommandIds::kFileOpen));
    AddObject(document);
    EXPECT_TRUE(MenuEnabled(CommandIds::kCopyAll));
    EXPECT_TRUE(MenuEnabled(CommandIds::kFit));
    EXPECT_FALSE(MenuEnabled(CommandIds::kFileSave));
}

// The properties command has no handler yet: its item stays grey with a drawing.
TEST_F(MainFrameTest, CommandsWithoutAHandlerAreGrey) {
    AddObject(document);
    EXPECT_FALSE(MenuEnabled(CommandIds::kProperties));
    frame->UpdateBars();
    EXPECT_TRUE(frame->ToolBar()->Button(CToolDlgBar::kCopyAll)->isEnabled());
}

// The folder commands need no open drawing.
TEST_F(MainFrameTest, FolderCommandsAreAlwaysOffered) {
    EXPECT_TRUE(MenuEnabled(CommandIds::kBatchConvert));
    EXPECT_TRUE(MenuEnabled(CommandIds::kContinuousPrint));
    frame->UpdateBars();
    EXPECT_TRUE(frame->ToolBar()->Button(CToolDlgBar::kContinuousPrint)->isEnabled());
}

TEST_F(MainFrameTest, PrintingNeedsADrawingAndTheMenu) {
    EXPECT_FALSE(frame->IsCommandEnabled(CommandIds::kFilePrint));
    EXPECT_FALSE(frame->IsCommandEnabled(CommandIds::kFilePrintPreview));
    AddObject(document);
    EXPECT_TRUE(frame->IsCommandEnabled(CommandIds::kFilePrint));
    EXPECT_TRUE(frame->IsCommandEnabled(CommandIds::kFilePrintPreview));
    frame->UpdateBars();
    EXPECT_TRUE(frame->ToolBar()->Button(CToolDlgBar::kPrint)->isEnabled());
    EXPECT_TRUE(frame->ToolBar()->Button(CToolDlgBar::kPreview)->isEnabled());
    frame->menuBar()->hide();
    EXPECT_FALSE(frame->IsCommandEnabled(CommandIds::kFilePrint));
    EXPECT_TRUE(frame->IsCommandEnabled(CommandIds::kFilePrintPreview));
}

TEST_F(MainFrameTest, HiddenBarsStayHiddenAtTheNextStart) {
    frame->ActivateFrame();
    frame->OnCommand(CommandIds::kViewLayerBar);
    frame->OnCommand(CommandIds::kViewStatusBar);
    frame.reset();
    EXPECT_EQ(CProfile::GetProfileInt("ToolBarState", "ToolBar", 9), 1u);
    EXPECT_EQ(CProfile::GetProfileInt("ToolBarState", "LayerBar", 9), 0u);
    EXPECT_EQ(CProfile::GetProfileInt("ToolBarState", "StatusBar", 9), 0u);

    frame = std::make_unique<CMainFrame>(app);
    frame->ActivateFrame();
    EXPECT_TRUE(frame->ToolBarWindow()->isVisible());
    EXPECT_FALSE(frame->LayerBarWindow()->isVisible());
    EXPECT_FALSE(frame->statusBar()->isVisible());
}

TEST_F(MainFrameTest, MovingTheMouseOverTheDrawingShowsWhereItIs) {
    AddObject(document);
    frame->resize(800, 600);
    frame->show();
    QWidget* view = frame->GetActiveView();
    const QPointF point(view->width() / 2.0, view->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, point, view->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?\\d+\\.\\d{3} -?\\d+\\.\\d{3}$"))
                    .match(frame->GetStatusText(1))
                    .hasMatch())
        << frame->GetStatusText(1).toStdString();
}

TEST_F(MainFrameTest, TheViewsStatusTextReachesTheSecondPane) {
    frame->GetActiveView()->SetStatusText(1, "12.500 3.000");
    EXPECT_EQ(frame->GetStatusText(1), QStringLiteral("12.500 3.000"));
}

TEST_F(MainFrameTest, BarCommandsToggleTheBarAndItsCheck) {
    frame->show();
    ASSERT_TRUE(frame->ToolBarWindow()->isVisible());
    frame->OnCommand(CommandIds::kViewToolBar);
    EXPECT_FALSE(frame->ToolBarWindow()->isVisible());
    frame->UpdateMenu(frame->Menu());
    EXPECT_FALSE(frame->Menu().FindItem(CommandIds::kViewToolBar)->isChecked());
    EXPECT_TRUE(frame->Menu().FindItem(CommandIds::kViewLayerBar)->isChecked());
    frame->OnCommand(CommandIds::kViewLayerBar);
    EXPECT_FALSE(frame->LayerBarWindow()->isVisible());
}

TEST_F(MainFrameTest, StatusPanesHoldTheirTexts) {
    frame->SetStatusText(0, "ready");
    frame->SetStatusText(1, "1:100");
    EXPECT_EQ(frame->GetStatusText(0), QStringLiteral("ready"));
    EXPECT_EQ(frame->GetStatusText(1), QStringLiteral("1:100"));
}

TEST_F(MainFrameTest, PlacementIsSavedWhenTheFrameGoes) {
    frame->ActivateFrame();
    frame->setWindowState(Qt::WindowNoState);
    frame->setGeometry(30, 40, 500, 300);
    frame.reset();
    EXPECT_EQ(CProfile::GetProfileString("MAINWINDOW", "RECT").ToQString(),
              QStringLiteral("0030 0040 0530 0340"));
    EXPECT_EQ(CProfile::GetProfileInt("MAINWINDOW", "MAX", 1), 0u);
    EXPECT_EQ(CProfile::GetProfileInt("MAINWINDOW", "ICON", 1), 0u);
}

} // namespace
