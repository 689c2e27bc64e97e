// The redline-kind commands of the menu and the tool bar's redline button:
// which are enabled, which is ticked, and the palette each opens.
#include "app/CLayerBar.h"
#include "app/CMainFrame.h"
#include "app/CToolDlgBar.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "controls/CHoverButton.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukMarkEllipse.h"
#include "markups/CRukMarkSquare.h"
#include "tests/app/document/TestMarkup.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SplashOff.h"
#include "tests/support/TempProfile.h"
#include "ui/CRedTabCtrl.h"
#include "ui/CRedlineDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

class RedlineCommandsTest : public ::testing::Test {
protected:
    SplashOff m_splashOff;
    void SetUp() override {
        // The classes are found by name; the test links the two it draws.
        ASSERT_NE(RUNTIME_CLASS(CRukMarkEllipse), nullptr);
        ASSERT_NE(RUNTIME_CLASS(CRukMarkSquare), nullptr);
        m_drawing = m_folder.path() + QStringLiteral("/simple.dxf");
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"), m_drawing));
        m_app = std::make_unique<CZumeoApp>();
        ASSERT_EQ(m_app->InitInstance({QFile::encodeName(m_drawing)}), CZumeoApp::kRun);
    }
    void TearDown() override { m_app->ExitInstance(); }

    CMainFrame& Frame() const { return *m_app->GetMainFrame(); }
    static CRedlineDlg* Palette() { return dynamic_cast<CRedlineDlg*>(CRedlinePalette::Current()); }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
    QString m_drawing;
    std::unique_ptr<CZumeoApp> m_app;
};

TEST_F(RedlineCommandsTest, AKindIsEnabledOnADrawingExactlyWhenItsMarkupClassIsInTheProgram) {
    for (UINT id : CZumeoView::RedlineCommandIds()) {
        const int kind = CZumeoView::RedlineKindOfCommand(id);
        SCOPED_TRACE(id);
        EXPECT_EQ(Frame().IsCommandEnabled(id), CMarkupKinds::HasToolClass(kind));
    }
    EXPECT_TRUE(Frame().IsCommandEnabled(CommandIds::kRedlineEllipseMark))
        << "the leader marks are in the program";
    EXPECT_TRUE(Frame().IsCommandEnabled(CToolDlgBar::kLastTool));
    m_app->GetDocument()->ClearContents();
    for (UINT id : CZumeoView::RedlineCommandIds())
        EXPECT_FALSE(Frame().IsCommandEnabled(id)) << "no drawing: " << id;
    EXPECT_TRUE(Frame().IsCommandEnabled(CToolDlgBar::kLastTool));
}

TEST_F(RedlineCommandsTest, AKindCommandOpensItsPageAnewAndTicksItsItem) {
    Frame().OnCommand(CommandIds::kRedlineSquareMark);
    CRedlineDlg* first = Palette();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->TabCtrl()->CurrentPage(), 0);
    EXPECT_EQ(first->m_style.m_kind, 1);
    EXPECT_EQ(m_app->GetDocument()->m_markupKind, 1);
    Frame().UpdateMenu(Frame().Menu());
    EXPECT_TRUE(Frame().Menu().FindItem(CommandIds::kRedlineSquareMark)->isChecked());
    EXPECT_FALSE(Frame().Menu().FindItem(CommandIds::kRedlineEllipseMark)->isChecked());

    Frame().OnCommand(CommandIds::kRedlineEllipseMark);
    EXPECT_NE(Palette(), first) << "the palette is closed and made again";
    ASSERT_NE(Palette(), nullptr);
    EXPECT_EQ(Palette()->m_style.m_kind, 0);
    Frame().UpdateMenu(Frame().Menu());
    EXPECT_TRUE(Frame().Menu().FindItem(CommandIds::kRedlineEllipseMark)->isChecked());
    EXPECT_TRUE(m_dialogs.Messages().empty()) << "a writable folder asks nothing";
}

TEST_F(RedlineCommandsTest, TheToolBarButtonOpensThePaletteOnTheShapePageWithoutATool) {
    Frame().UpdateBars();
    Frame().ToolBar()->Button(CToolDlgBar::kLastTool)->click();
    ASSERT_NE(Palette(), nullptr);
    EXPECT_TRUE(Palette()->isVisible());
    EXPECT_EQ(Palette()->TabCtrl()->CurrentPage(), 1);
    EXPECT_NE(Frame().GetActiveView()->m_toolMode, CZumeoView::kToolRedline);
}

TEST_F(RedlineCommandsTest, PropertiesOpenThePaletteOnTheSelectionAndDeleteResetsIt) {
    CZumeoDoc* document = m_app->GetDocument();
    auto* markup = new TestMarkup(0x10000008);
    markup->m_layerName = "0";
    document->AddMarkup(markup);
    document->AddToLayer(markup);
    document->m_topObjects.AddTail(markup);
    document->m_selection.AddTail(markup);
    Frame().GetActiveView()->m_toolMode = CZumeoView::kToolNone;
    ASSERT_TRUE(Frame().IsCommandEnabled(CommandIds::kProperties));
    Frame().OnCommand(CommandIds::kProperties);
    ASSERT_NE(Palette(), nullptr);
    EXPECT_EQ(Palette()->EditMode(), 1);
    EXPECT_EQ(Palette()->m_selected, markup);
    EXPECT_EQ(Palette()->m_style.m_kind, 8);
    EXPECT_FALSE(Frame().IsCommandEnabled(CommandIds::kProperties)) << "the palette is open";

    m_dialogs.Answer(IDNO);
    Frame().OnCommand(CommandIds::kEditDelete);
    EXPECT_EQ(Palette()->m_selected, nullptr) << "reset even when nothing was deleted";
    EXPECT_EQ(Palette()->EditMode(), 0);
    EXPECT_EQ(Palette()->m_style.m_kind, -1);
}

TEST_F(RedlineCommandsTest, RedlinesStayShownWhileARedlineToolIsActiveMended) {
    Frame().OnCommand(CommandIds::kRedlineSquareMark);
    ASSERT_EQ(Frame().GetActiveView()->m_toolMode, CZumeoView::kToolRedline);
    ASSERT_EQ(Frame().GetActiveView()->m_pTool, nullptr) << "nothing drawn yet";
    QCheckBox* box = Frame().LayerBar()->ShowRedlinesBox();
    ASSERT_TRUE(box->isEnabled());
    box->click();
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text,
              CString::FromUtf8("朱書き作図中は朱書きを非表示にできません。"));
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(m_app->m_settings.m_showRedlines, 1);
}

TEST_F(RedlineCommandsTest, TheMoveAndPointEditToolsCloseThePalette) {
    for (UINT tool : {CommandIds::kMoveTool, CommandIds::kPointEditTool}) {
        Frame().OnCommand(CommandIds::kRedlineEllipseMark);
        ASSERT_NE(Palette(), nullptr);
        Frame().OnCommand(tool);
        EXPECT_EQ(Palette(), nullptr) << tool;
    }
}

TEST_F(RedlineCommandsTest, TheMeasureToolLeavesThePaletteWithoutAKind) {
    Frame().OnCommand(CommandIds::kRedlineSquareMark);
    ASSERT_NE(Palette(), nullptr);
    Frame().OnCommand(CommandIds::kMeasureTool);
    ASSERT_NE(Palette(), nullptr);
    EXPECT_EQ(Palette()->m_style.m_kind, -1);
    EXPECT_EQ(Palette()->EditMode(), 0);
    EXPECT_EQ(Frame().GetActiveView()->m_toolMode, CZumeoView::kToolMeasure);
}

// A mark drawn with the palette open: its text, tooltip and layer join the
// recent lists, and the palette's layer boxes know the new layer.
TEST_F(RedlineCommandsTest, FilingAMarkTeachesThePaletteItsTextTooltipAndLayer) {
    Frame().OnCommand(CommandIds::kRedlineEllipseMark);
    CRedlineDlg* palette = Palette();
    ASSERT_NE(palette, nullptr);
    const QString layer = QString::fromUtf8("朱書き層");
    for (auto* combo : palette->findChildren<QComboBox*>(QStringLiteral("id_1057")))
        combo->setEditText(layer);
    palette->m_style.m_text = "A-1";
    palette->m_style.m_tooltip = "tip";

    CZumeoView* view = Frame().GetActiveView();
    for (const QPointF point : {QPointF(view->width() * 0.3, view->height() * 0.3),
                                QPointF(view->width() * 0.5, view->height() * 0.5),
                                QPointF(view->width() * 0.7, view->height() * 0.6)})
        for (const QEvent::Type type :
             {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButton button =
                type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent event(type, point, view->mapToGlobal(point), button, held, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &event);
        }
    ASSERT_EQ(m_app->GetDocument()->m_undo.GetCount(), 1) << "the mark is filed";
    ASSERT_TRUE(m_dialogs.Messages().empty());

    const CRecentTexts& recent = m_app->m_recentTexts;
    ASSERT_FALSE(recent.m_recentMarkupTexts.empty());
    EXPECT_EQ(recent.m_recentMarkupTexts.front(), CString("A-1"));
    EXPECT_TRUE(recent.m_recentRedlineTexts.empty()) << "only a note's text goes there";
    ASSERT_FALSE(recent.m_recentTooltipTexts.empty());
    EXPECT_EQ(recent.m_recentTooltipTexts.front(), CString("tip"));
    ASSERT_FALSE(recent.m_recentLayerNames.empty());
    EXPECT_EQ(recent.m_recentLayerNames.front(), CString::FromQString(layer));
    for (auto* list : palette->findChildren<QListWidget*>(QStringLiteral("id_1199")))
        EXPECT_FALSE(list->findItems(layer, Qt::MatchExactly).isEmpty());
}

} // namespace
