// Every command of the menu, the tool bar and the layer bar, sent as a click
// on an open drawing, either changes what the user can see or is disabled.
#include "app/CLayerBar.h"
#include "app/CMainFrame.h"
#include "app/CToolDlgBar.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "app/MainMenuTemplate.h"
#include "controls/CHoverButton.h"
#include "tests/app/document/TestEntity.h"
#include "tests/app/document/TestMarkup.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SplashOff.h"
#include "tests/support/TempProfile.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <tuple>

namespace {

// What a command can change that the user sees or gets.
struct Landing {
    int windowExtX, windowExtY, panX, panY, toolMode, savedView;
    bool hasTool;
    QStringList clipboardFormats;
    std::size_t messages, openRequests, saveRequests, shellOpens;
    int dialogs, selected;
    bool toolBar, layerBar, statusBar, frameShown;
    // The side files beside the drawing, and the window's title.
    bool controlFile, ownFile;
    QString title;

    auto Tie() const {
        return std::tie(windowExtX, windowExtY, panX, panY, toolMode, savedView, hasTool,
                        clipboardFormats, messages, openRequests, saveRequests, shellOpens, dialogs,
                        selected, toolBar, layerBar, statusBar, frameShown, controlFile, ownFile,
                        title);
    }
    bool operator==(const Landing& other) const { return Tie() == other.Tie(); }
};

// One way a user gives a command: where it sits and how it is clicked.
struct Sender {
    QString where;
    UINT id;
    // Null when the command has no control there.
    std::function<bool(CMainFrame&)> isEnabled;
    std::function<void(CMainFrame&)> click;
};

std::vector<Sender> AllSenders(CMainFrame& frame) {
    std::vector<Sender> senders;
    for (UINT id : frame.Menu().ItemIds())
        senders.push_back({QStringLiteral("menu"), id,
                           [id](CMainFrame& f) {
                               f.UpdateMenu(f.Menu());
                               return f.Menu().FindItem(id)->isEnabled();
                           },
                           [id](CMainFrame& f) { f.Menu().FindItem(id)->trigger(); }});
    for (UINT id : CToolDlgBar::ButtonIds())
        senders.push_back({QStringLiteral("tool bar"), id,
                           [id](CMainFrame& f) {
                               f.UpdateBars();
                               return f.ToolBar()->Button(id)->isEnabled();
                           },
                           [id](CMainFrame& f) { f.ToolBar()->Button(id)->click(); }});
    for (UINT id : CLayerBar::ButtonIds())
        senders.push_back({QStringLiteral("layer bar"), id,
                           [id](CMainFrame& f) {
                               f.UpdateBars();
                               return f.LayerBar()->Button(id)->isEnabled();
                           },
                           [id](CMainFrame& f) { f.LayerBar()->Button(id)->click(); }});
    return senders;
}

class CommandRoutingTest : public ::testing::Test {
protected:
    SplashOff m_splashOff;
    // The program on the drawing.
    std::unique_ptr<CZumeoApp> OpenDrawing() {
        auto app = std::make_unique<CZumeoApp>();
        EXPECT_EQ(app->InitInstance({QFile::encodeName(m_drawing)}), CZumeoApp::kRun);
        return app;
    }

    // Every bar shown, the view zoomed away from the fit with the fit kept
    // as the previous view, a tool object in progress, an empty clipboard,
    // no side files, one markup and nothing selected.
    static void Prepare(CMainFrame& frame) {
        CZumeoDoc* document = frame.GetActiveView()->GetDocument();
        if (document->m_drawOrder.IsEmpty()) {
            auto* markup = new TestMarkup(0x10000007);
            markup->m_layerName = "0";
            document->AddMarkup(markup);
            document->AddToLayer(markup);
            document->m_topObjects.AddTail(markup);
        }
        document->ClearSelection();
        QFile::remove(document->m_controlPath.ToQString());
        QFile::remove(document->m_ownDocPath.ToQString());
        frame.show();
        for (QWidget* bar : {frame.ToolBarWindow(), frame.LayerBarWindow(),
                             static_cast<QWidget*>(frame.statusBar())})
            bar->show();
        CZumeoView* view = frame.GetActiveView();
        view->ShowLoadedDrawing();
        view->SaveView();
        view->ZoomByFactor(0.5);
        view->m_pTool = std::make_unique<TestEntity>(1);
        QGuiApplication::clipboard()->clear();
    }

    Landing Observe(CMainFrame& frame) const {
        const CZumeoView* view = frame.GetActiveView();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return Landing{view->m_windowExtX,
                       view->m_windowExtY,
                       view->m_panX,
                       view->m_panY,
                       view->m_toolMode,
                       view->m_bSavedView,
                       view->m_pTool != nullptr,
                       data ? data->formats() : QStringList(),
                       m_dialogs.Messages().size(),
                       m_dialogs.OpenRequests().size(),
                       m_dialogs.SaveRequests().size(),
                       m_dialogs.ShellOpens().size(),
                       m_dialogs.DialogsShown(),
                       static_cast<int>(view->GetDocument()->m_selection.GetCount()),
                       frame.ToolBarWindow()->isVisibleTo(&frame),
                       frame.LayerBarWindow()->isVisibleTo(&frame),
                       frame.statusBar()->isVisibleTo(&frame),
                       frame.isVisible(),
                       QFile::exists(view->GetDocument()->m_controlPath.ToQString()),
                       QFile::exists(view->GetDocument()->m_ownDocPath.ToQString()),
                       frame.windowTitle()};
    }

    void SetUp() override {
        m_drawing = m_folder.path() + QStringLiteral("/simple.dxf");
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"), m_drawing));
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
    QString m_drawing;
};

TEST_F(CommandRoutingTest, EveryEnabledCommandLandsAndEveryOtherIsInert) {
    const std::unique_ptr<CZumeoApp> app = OpenDrawing();
    CMainFrame& frame = *app->GetMainFrame();
    const std::vector<Sender> senders = AllSenders(frame);
    int landed = 0;
    for (const Sender& sender : senders) {
        const QAction* item = frame.Menu().FindItem(sender.id);
        SCOPED_TRACE((sender.where + QStringLiteral(" command %1 ").arg(sender.id) +
                      (item ? item->text() : QString()))
                         .toStdString());
        Prepare(frame);
        const Landing before = Observe(frame);
        if (sender.isEnabled(frame)) {
            sender.click(frame);
            EXPECT_FALSE(Observe(frame) == before) << "enabled, but nothing happened";
            ++landed;
        } else {
            EXPECT_FALSE(frame.IsCommandEnabled(sender.id));
            frame.OnCommand(sender.id);
            EXPECT_TRUE(Observe(frame) == before) << "disabled, but it ran";
        }
    }
    // The view's commands at least must be reachable on a drawing.
    EXPECT_GE(landed, 8);
    app->ExitInstance();
}

// The commands the user expects to work on an open drawing, by their id.
TEST_F(CommandRoutingTest, ViewCommandsAreEnabledOnADrawing) {
    const std::unique_ptr<CZumeoApp> app = OpenDrawing();
    CMainFrame& frame = *app->GetMainFrame();
    for (UINT id : {CommandIds::kFit, CommandIds::kPan, CommandIds::kZoom,
                    CommandIds::kPreviousView, CommandIds::kWindowZoom, CommandIds::kRedraw,
                    CommandIds::kCopyAll, CommandIds::kEditCopy}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(frame.IsCommandEnabled(id));
    }
    app->ExitInstance();
}

TEST_F(CommandRoutingTest, RedrawHasItsKey) {
    const std::unique_ptr<CZumeoApp> app = OpenDrawing();
    EXPECT_EQ(app->GetMainFrame()->Menu().FindItem(CommandIds::kRedraw)->shortcut(),
              QKeySequence(Qt::Key_F5));
    app->ExitInstance();
}

// The redlines of a drawing in a folder the program cannot write to are
// saved only under another name.
TEST_F(CommandRoutingTest, SavingFollowsTheFolder) {
    const std::unique_ptr<CZumeoApp> app = OpenDrawing();
    CMainFrame& frame = *app->GetMainFrame();
    EXPECT_TRUE(frame.IsCommandEnabled(CommandIds::kFileSave));
    EXPECT_TRUE(frame.IsCommandEnabled(CommandIds::kFileSaveAs));
    EXPECT_TRUE(frame.IsCommandEnabled(CommandIds::kOpenWithApp));
    app->GetDocument()->RemoveWorkFile();
    EXPECT_FALSE(frame.IsCommandEnabled(CommandIds::kFileSave));
    EXPECT_TRUE(frame.IsCommandEnabled(CommandIds::kFileSaveAs));
    app->ExitInstance();
}

struct ShortcutCase {
    const char* name;
    UINT id;
    QKeySequence keys;
};

void PrintTo(const ShortcutCase& c, std::ostream* os) {
    *os << c.name;
}

class ShortcutTest : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutTest, MenuCommandHasItsKey) {
    QMenuBar bar;
    CBitmapMenu menu;
    menu.LoadMenu(&bar, MainMenuTemplate());
    const QAction* item = menu.FindItem(GetParam().id);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->shortcut(), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutTest,
    ::testing::Values(
        ShortcutCase{"Open", CommandIds::kFileOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
        ShortcutCase{"Save", CommandIds::kFileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
        ShortcutCase{"Print", CommandIds::kFilePrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
        ShortcutCase{"Undo", CommandIds::kEditUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        ShortcutCase{"Redo", CommandIds::kEditRedo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        ShortcutCase{"CopyVisible", CommandIds::kEditCopy, QKeySequence(Qt::CTRL | Qt::Key_C)},
        ShortcutCase{"SelectAll", CommandIds::kEditSelectAll, QKeySequence(Qt::CTRL | Qt::Key_A)},
        ShortcutCase{"Delete", CommandIds::kEditDelete, QKeySequence(Qt::Key_Delete)}),
    [](const ::testing::TestParamInfo<ShortcutCase>& info) { return info.param.name; });

} // namespace
