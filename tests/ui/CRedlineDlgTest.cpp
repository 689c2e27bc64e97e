// The redline palette on a host standing in for the view: what its buttons
// ask of the view and the document, and what it shows of the answers.
#include "ui/CRedlineDlg.h"

#include "entities/CRukEntity.h"
#include "entities/EntityKinds.h"
#include "settings/CDrawDefaults.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CPaletteStyle.h"
#include "ui/CRedShapePage.h"
#include "ui/CRedStylePage.h"
#include "ui/CRedTabCtrl.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>

#include <memory>
#include <vector>

namespace {

// A view and document of one layer with a selection of the given size;
// it records what the palette asks of it.
class FakeHost : public CRedlineHost {
public:
    const CDrawDefaults& Settings() const override { return m_settings; }
    int LogicalToDeviceSize(double value) const override { return static_cast<int>(value * 100); }
    bool EnsureRedlinesVisible() override { return true; }
    void SetRedlineTool(bool active) override { m_redlineTool = active; }
    void StartRedlineKind(int kind) override { m_startedKinds.push_back(kind); }
    void AskForImage() override {}
    void OnPaletteClosed() override { ++m_closed; }
    void Redraw() override {}
    void DoSettingsDialog(int) override {}
    bool HasPendingMarkup() const override { return false; }
    void RedrawPendingTrack() override {}
    void SetPendingLabel(const CString&) override {}
    void SetPendingFace(const CString&) override {}
    bool HasDocument() const override { return true; }
    void ApplyStyle(const CPaletteStyle& style) override { m_applied.push_back(style.m_kind); }
    int SelectionCount() const override { return m_selectionCount; }
    void ClearSelection() override { m_selectionCount = 0; }
    bool HoldsMarkup(CRukEntity* markup) const override { return markup == m_held; }
    UINT Unit() const override { return 1000; }
    double ExtentRatio() const override { return 1.0; }
    std::vector<CString> LayerNames() const override { return {CString("RED")}; }
    bool IsLayerHidden(const CString&) const override { return false; }
    void RestyleMarkup(CRukEntity* markup, const CPaletteStyle& style) override {
        m_restyled.push_back({markup, style.m_penColor});
    }
    void DeleteSelection() override {
        ++m_deletions;
        m_selectionCount = 0;
    }
    std::vector<CString> FontNames() const override { return {}; }
    std::vector<CString> RecentTexts(RecentList) const override { return {}; }

    struct Restyle {
        CRukEntity* markup;
        COLORREF penColor;
    };
    CDrawDefaults m_settings;
    bool m_redlineTool = false;
    std::vector<int> m_startedKinds;
    int m_closed = 0;
    std::vector<int> m_applied;
    int m_selectionCount = 0;
    CRukEntity* m_held = nullptr;
    std::vector<Restyle> m_restyled;
    int m_deletions = 0;
};

class Rectangle : public CRukEntity {
public:
    Rectangle() {
        m_kind = MarkupKind(0x0A);
        m_layerName = "RED";
    }
};

class RedlineDlgTest : public testing::Test {
protected:
    RedlineDlgTest() {
        auto host = std::make_unique<FakeHost>();
        m_host = host.get();
        m_palette = new CRedlineDlg(std::move(host));
        m_palette->m_style.m_kind = 10;
        m_palette->m_style.m_layerName = "RED";
        EXPECT_TRUE(m_palette->Create());
        m_palette->ShowPage(CPaletteStyle::kShapePage);
        m_palette->SetEditMode(0);
    }
    ~RedlineDlgTest() override {
        if (CRedlinePalette::Current() == m_palette)
            m_palette->DestroyWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QAbstractButton* Button(int id) const {
        return m_palette->findChild<QAbstractButton*>(QStringLiteral("id_%1").arg(id));
    }
    // The markup selected alone, in edit mode.
    void Select(CRukEntity* markup) {
        m_host->m_held = markup;
        m_host->m_selectionCount = 1;
        m_palette->m_selected = markup;
        m_palette->SetEditMode(1);
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    FakeHost* m_host = nullptr;
    CRedlineDlg* m_palette = nullptr;
};

TEST_F(RedlineDlgTest, DeleteAsksAndHandsTheSelectionToTheViewOnce) {
    Rectangle markup;
    Select(&markup);
    ASSERT_TRUE(Button(CRedlineDlg::kDeleteButton)->isEnabled());
    m_dialogs.Answer(IDNO);
    Button(CRedlineDlg::kDeleteButton)->click();
    EXPECT_EQ(m_host->m_deletions, 0);
    EXPECT_EQ(m_palette->m_selected, &markup);

    m_dialogs.Answer(IDYES);
    Button(CRedlineDlg::kDeleteButton)->click();
    ASSERT_EQ(m_dialogs.Messages().size(), 2u);
    EXPECT_EQ(m_dialogs.Messages().back().text,
              CString::FromUtf8("選択された朱書きを削除しますか？"));
    EXPECT_EQ(m_host->m_deletions, 1);
    EXPECT_EQ(m_palette->m_selected, nullptr);
    EXPECT_EQ(m_palette->m_style.m_kind, CPaletteStyle::kNoKind);
    EXPECT_EQ(m_palette->EditMode(), 0);
}

TEST_F(RedlineDlgTest, UpdateRestylesOnlyAMarkupTheDocumentStillHolds) {
    Rectangle markup;
    Select(&markup);
    m_palette->TabCtrl()
        ->ShapePage()
        ->findChild<QAbstractButton*>(QStringLiteral("id_5004"))
        ->click();
    Button(CRedlineDlg::kUpdateButton)->click();
    ASSERT_EQ(m_host->m_restyled.size(), 1u);
    EXPECT_EQ(m_host->m_restyled[0].markup, &markup);
    EXPECT_EQ(m_host->m_restyled[0].penColor, 0x00FF00u);
    EXPECT_EQ(m_host->m_applied.back(), 10) << "the style became the document's first";

    m_host->m_held = nullptr;
    m_palette->OnUpdate();
    EXPECT_EQ(m_host->m_restyled.size(), 1u);
    EXPECT_EQ(m_palette->m_selected, nullptr);
}

TEST_F(RedlineDlgTest, CloseEndsTheViewsToolOnceAndLetsThePaletteGo) {
    Button(CRedlineDlg::kCloseButton)->click();
    EXPECT_EQ(m_host->m_closed, 1);
    EXPECT_EQ(CRedlinePalette::Current(), nullptr);
}

TEST_F(RedlineDlgTest, EditModeLeavesTheRedlineToolAndDrawModeTakesItBack) {
    Rectangle markup;
    Select(&markup);
    EXPECT_FALSE(m_host->m_redlineTool);
    m_palette->m_style.m_kind = 10;
    m_palette->SetEditMode(0);
    EXPECT_TRUE(m_host->m_redlineTool);
    EXPECT_EQ(m_host->m_selectionCount, 0) << "draw mode clears the selection";
}

TEST(HistoryLabelTest, MendedLongTextsAreCutAtAHundredCharactersNotBytes) {
    const QString hundred(100, QChar(u'朱'));
    EXPECT_EQ(CRedStylePage::HistoryLabel(CString::FromQString(hundred)), hundred);
    EXPECT_EQ(CRedStylePage::HistoryLabel(CString::FromQString(hundred + QStringLiteral("書"))),
              hundred + QStringLiteral("..."));
    EXPECT_EQ(CRedStylePage::HistoryLabel(CString::FromUtf8("一¶二\r\n三")),
              QStringLiteral("一 二 三"));
}

} // namespace
