// Ctrl+S, undo and redo in the menu, and the questions when the window closes.
#include "app/CMainFrame.h"
#include "app/CUndoRecord.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "entities/CRukLine.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SplashOff.h"
#include "tests/support/TempProfile.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A record that counts what was done to it.
class CountingRecord : public CUndoRecord {
public:
    CountingRecord(CZumeoDoc* document, int& undone)
        : CUndoRecord(document, "X"), m_undone(undone) {}
    int Undo() override { return ++m_undone; }
    int Redo() override {
        --m_undone;
        return 1;
    }

private:
    int& m_undone;
};

class SaveCommandsTest : public ::testing::Test {
protected:
    SplashOff m_splashOff;
    void SetUp() override {
        m_drawing = m_folder.path() + QStringLiteral("/simple.dxf");
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/simple_entities.dxf"), m_drawing));
        m_app = std::make_unique<CZumeoApp>();
        ASSERT_EQ(m_app->InitInstance({QFile::encodeName(m_drawing)}), CZumeoApp::kRun);
        m_frame = m_app->GetMainFrame();
        m_document = m_app->GetDocument();
        // Closing would offer the conversion first.
        m_app->m_settings.m_saveConfirm = 0;
    }
    void TearDown() override { m_app->ExitInstance(); }

    void AddRedline() {
        auto* line = new CRukLine;
        line->m_layerName = "Red";
        line->m_x2 = 100;
        line->RecalcExtents();
        m_document->AddMarkup(line);
        m_document->AddToLayer(line);
    }

    QString MenuText(UINT id) {
        m_frame->UpdateMenu(m_frame->Menu());
        return m_frame->Menu().GetMenuText(id);
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
    QString m_drawing;
    std::unique_ptr<CZumeoApp> m_app;
    CMainFrame* m_frame = nullptr;
    CZumeoDoc* m_document = nullptr;
};

TEST_F(SaveCommandsTest, CtrlSWritesTheControlFile) {
    QAction* save = m_frame->Menu().FindItem(CommandIds::kFileSave);
    EXPECT_EQ(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    AddRedline();
    save->trigger();
    EXPECT_EQ(CCommonDoc::GetFileKind(m_document->m_controlPath), 2);
    EXPECT_EQ(m_document->m_redlineModified, 0);
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("Zumeo - simple.dxf"));
}

TEST_F(SaveCommandsTest, UndoAndRedoFollowTheHistory) {
    EXPECT_FALSE(m_frame->IsCommandEnabled(CommandIds::kEditUndo));
    EXPECT_FALSE(m_frame->IsCommandEnabled(CommandIds::kEditRedo));
    int undone = 0;
    m_document->m_undo.Push(new CountingRecord(m_document, undone));
    EXPECT_TRUE(m_frame->IsCommandEnabled(CommandIds::kEditUndo));
    EXPECT_EQ(MenuText(CommandIds::kEditUndo), QStringLiteral("元に戻す(&N) X\tCtrl+Z"));
    m_frame->Menu().FindItem(CommandIds::kEditUndo)->trigger();
    EXPECT_EQ(undone, 1);
    EXPECT_FALSE(m_frame->IsCommandEnabled(CommandIds::kEditUndo));
    EXPECT_TRUE(m_frame->IsCommandEnabled(CommandIds::kEditRedo));
    EXPECT_EQ(MenuText(CommandIds::kEditRedo), QStringLiteral("やり直し(&O) X\tCtrl+Y"));
    m_frame->OnCommand(CommandIds::kEditRedo);
    EXPECT_EQ(undone, 0);
}

TEST_F(SaveCommandsTest, ClosingAsksForModifiedRedlines) {
    AddRedline();
    m_dialogs.Answer(IDCANCEL);
    EXPECT_FALSE(m_frame->close());
    EXPECT_TRUE(m_frame->isVisible());
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text.ToQString(),
              QStringLiteral("朱書きは変更されています。保存しますか？"));
    m_dialogs.Answer(IDYES);
    EXPECT_TRUE(m_frame->close());
    EXPECT_EQ(CCommonDoc::GetFileKind(m_document->m_controlPath), 2);
}

TEST_F(SaveCommandsTest, ClosingAnImportOffersTheConversion) {
    m_app->m_settings.m_saveConfirm = 1;
    m_dialogs.Answer(IDNO);
    m_dialogs.AnswerCheck(TRUE);
    EXPECT_TRUE(m_frame->close());
    EXPECT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_app->m_settings.m_saveConfirm, 0);
}

} // namespace
