// Saving an imported drawing's redlines, converting it to an own drawing
// file, and the questions on closing.
#include "ImportFixture.h"

#include "entities/CRukLine.h"
#include "tests/support/TempProfile.h"

#include <string>

namespace {

class SaveAndCloseTest : public ImportFixture {
protected:
    void SetUp() override { ASSERT_EQ(Import("plan.por", OneLine()), 1); }

    void AddRedline() {
        auto* line = new CRukLine;
        line->m_layerName = "Red";
        line->m_x2 = 100;
        line->RecalcExtents();
        m_document.AddMarkup(line);
        m_document.AddToLayer(line);
    }

    std::string LastMessage() const {
        return m_dialogs.Messages().empty()
                   ? std::string()
                   : m_dialogs.Messages().back().text.ToQString().toStdString();
    }

    TempProfile m_profile;
    CDrawDefaults m_settings;
};

TEST_F(SaveAndCloseTest, ImportedDrawingIsConvertedOnCloseAndOpensWithoutItsPlugIn) {
    m_dialogs.Answer(IDYES);
    ASSERT_TRUE(m_document.QueryCloseDrawing(m_settings));
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), "閉じようとしているデータは、Zumeoのオリジナルデータに変換することで\n"
                             "次回から読み込み速度が速くなります。（元の図面は変更されません）\n"
                             "Zumeoのオリジナルデータ 「plan.zmd」 に変換しますか？");
    EXPECT_EQ(m_dialogs.CheckTexts().back().ToQString().toStdString(),
              "以降、このメッセージを表示しない");
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenOwnFile);
    EXPECT_EQ(m_document.GetTitle(), CString("plan.zmd"));
    EXPECT_EQ(m_settings.m_saveConfirm, 1);

    CZumeoDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(PathOf("plan.zmd").c_str()));
    EXPECT_EQ(reopened.m_objects.GetCount(), m_document.m_objects.GetCount());
    EXPECT_EQ(reopened.m_extent.Width(), m_document.m_extent.Width());
}

TEST_F(SaveAndCloseTest, TickedBoxAndNoStopsTheOfferAndWritesNothing) {
    m_dialogs.Answer(IDNO);
    m_dialogs.AnswerCheck(TRUE);
    ASSERT_TRUE(m_document.QueryCloseDrawing(m_settings));
    EXPECT_EQ(m_settings.m_saveConfirm, 0);
    EXPECT_FALSE(QFile::exists(PathOf("plan.zmd").ToFilePath()));
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenImported);
    ASSERT_TRUE(m_document.QueryCloseDrawing(m_settings));
    EXPECT_EQ(m_dialogs.Messages().size(), 1u);
}

TEST_F(SaveAndCloseTest, CancelInTheConversionKeepsTheDrawingOpen) {
    m_dialogs.Answer(IDCANCEL);
    EXPECT_FALSE(m_document.QueryCloseDrawing(m_settings));
    EXPECT_FALSE(QFile::exists(PathOf("plan.zmd").ToFilePath()));
}

TEST_F(SaveAndCloseTest, ModifiedRedlinesAreAskedForAndSaved) {
    m_settings.m_saveConfirm = 0;
    AddRedline();
    m_dialogs.Answer(IDYES);
    ASSERT_TRUE(m_document.QueryCloseDrawing(m_settings));
    EXPECT_EQ(LastMessage(), "朱書きは変更されています。保存しますか？");
    EXPECT_EQ(m_dialogs.Messages().back().type, UINT(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(m_document.m_redlineModified, 0);

    // The saved redline comes back with the drawing.
    CZumeoDoc reopened;
    ASSERT_EQ(reopened.ImportByPlugin(PorPlugIn(), PathOf("plan.por")), 1);
    EXPECT_EQ(reopened.m_drawOrder.GetCount(), 1);
}

TEST_F(SaveAndCloseTest, AnswersToTheSaveQuestion) {
    m_settings.m_saveConfirm = 0;
    AddRedline();
    m_dialogs.Answer(IDCANCEL);
    EXPECT_FALSE(m_document.QueryCloseDrawing(m_settings));
    m_dialogs.Answer(IDNO);
    EXPECT_TRUE(m_document.QueryCloseDrawing(m_settings));
    EXPECT_FALSE(QFile::exists(PathOf("plan.zcd").ToFilePath()));
    EXPECT_EQ(m_document.m_redlineModified, 1);
}

TEST_F(SaveAndCloseTest, CtrlSOnAnImportWritesTheControlFile) {
    AddRedline();
    EXPECT_TRUE(m_document.OnFileSave());
    EXPECT_EQ(CCommonDoc::GetFileKind(PathOf("plan.zcd")), 2);
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

TEST_F(SaveAndCloseTest, ConvertCommandMakesTheImportAnOwnDrawing) {
    ASSERT_TRUE(m_document.CanConvert());
    EXPECT_TRUE(m_document.ConvertToOwnDocument());
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenOwnFile);
    EXPECT_EQ(m_document.GetPathName(), PathOf("plan.zmd"));
    EXPECT_EQ(CCommonDoc::GetFileKind(PathOf("plan.zmd")), 1);
    // Closing an own drawing offers no conversion.
    EXPECT_TRUE(m_document.QueryCloseDrawing(m_settings));
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

// Mended: the own drawing file's save result was ignored, and the document
// took the file's name even when nothing was written.
TEST_F(SaveAndCloseTest, MendedFailedConversionLeavesTheImportAsItWas) {
    ASSERT_TRUE(QDir().mkpath(PathOf("plan.zmd.tmp").ToFilePath()));
    EXPECT_FALSE(m_document.ConvertToOwnDocument());
    EXPECT_EQ(m_document.m_openState, CZumeoDoc::kOpenImported);
    EXPECT_EQ(m_document.GetPathName(), PathOf("plan.por"));
    EXPECT_FALSE(QFile::exists(PathOf("plan.zmd").ToFilePath()));
}

TEST_F(SaveAndCloseTest, ReadOnlyDrawingCannotBeConverted) {
    m_document.RemoveWorkFile();
    EXPECT_FALSE(m_document.CanConvert());
    EXPECT_TRUE(m_document.QueryCloseDrawing(m_settings));
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

} // namespace
