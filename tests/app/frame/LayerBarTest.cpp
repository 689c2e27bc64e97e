#include "app/CLayerBar.h"
#include "controls/CLayerCheckListBox.h"
#include "settings/CDrawDefaults.h"
#include "tests/app/frame/FrameTestSupport.h"
#include "tests/support/ScriptedDialogs.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

class LayerBarTest : public ::testing::Test {
protected:
    LayerBarTest() : bar(settings) {
        AddObject(document);
        bar.SetDocument(&document);
        bar.resize(220, 400);
        bar.show();
    }

    void ClickShowRedlines() { bar.ShowRedlinesBox()->click(); }
    // A click on the row's check box, as the list's hit rule places it.
    void ClickCheckBox(int row) {
        CLayerCheckListBox* list = bar.LayerList();
        const QRect rect = list->visualItemRect(list->item(row));
        LeftClick(list->viewport(), QPoint(rect.left() + list->GetIndent() + 4, rect.center().y()));
    }

    CDrawDefaults settings;
    CZumeoDoc document;
    CLayerBar bar;
    ScriptedDialogs dialogs;
};

TEST_F(LayerBarTest, UntickingShowRedlinesUnticksAndDisablesBlink) {
    bar.BlinkBox()->setChecked(true);
    settings.m_blinkRedlines = 1;
    ClickShowRedlines();
    EXPECT_FALSE(bar.ShowRedlinesBox()->isChecked());
    EXPECT_FALSE(bar.BlinkBox()->isChecked());
    EXPECT_FALSE(bar.BlinkBox()->isEnabled());
    EXPECT_EQ(settings.m_showRedlines, 0);
    EXPECT_EQ(settings.m_blinkRedlines, 0);

    ClickShowRedlines();
    EXPECT_TRUE(bar.BlinkBox()->isEnabled());
    EXPECT_EQ(settings.m_showRedlines, 1);
}

TEST_F(LayerBarTest, RedlinesStayShownWhileOneIsDrawn) {
    bar.SetDrawingRedlineQuery([] { return true; });
    ClickShowRedlines();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text.ToQString(),
              QStringLiteral("朱書き作図中は朱書きを非表示にできません。"));
    EXPECT_EQ(dialogs.Messages()[0].type, MB_ICONEXCLAMATION);
    EXPECT_TRUE(bar.ShowRedlinesBox()->isChecked());
    EXPECT_EQ(settings.m_showRedlines, 1);
}

TEST_F(LayerBarTest, BlinkIsStoredAndReported) {
    int reports = 0;
    bar.SetRedlinesChangedHandler([&] { ++reports; });
    bar.BlinkBox()->click();
    EXPECT_EQ(settings.m_blinkRedlines, 1);
    EXPECT_EQ(reports, 1);
}

TEST_F(LayerBarTest, ResetBoxesKeepsOrRestoresShowRedlines) {
    bar.ShowRedlinesBox()->setChecked(false);
    settings.m_showRedlines = 0;
    bar.BlinkBox()->setChecked(true);
    bar.ResetBoxes(true);
    EXPECT_FALSE(bar.ShowRedlinesBox()->isChecked());
    EXPECT_FALSE(bar.BlinkBox()->isChecked());
    bar.ResetBoxes(false);
    EXPECT_TRUE(bar.ShowRedlinesBox()->isChecked());
    EXPECT_EQ(settings.m_showRedlines, 1);
}

TEST_F(LayerBarTest, WithoutObjectsTheControlsAreOff) {
    CZumeoDoc empty;
    bar.SetDocument(&empty);
    EXPECT_FALSE(bar.ShowRedlinesBox()->isEnabled());
    EXPECT_FALSE(bar.BlinkBox()->isEnabled());
}

// Names that share a prefix or differ only in case each keep their own state.
TEST_F(LayerBarTest, EachLayerShowsItsOwnState) {
    AddLayer(document, "A", false);
    AddLayer(document, "AB", true);
    AddLayer(document, "a", true);
    bar.FillLayers();
    CLayerCheckListBox* list = bar.LayerList();
    ASSERT_EQ(list->count(), 3);
    EXPECT_FALSE(list->GetCheck(0));
    EXPECT_TRUE(list->GetCheck(1));
    EXPECT_TRUE(list->GetCheck(2));
}

TEST_F(LayerBarTest, ACheckBoxClickChangesOnlyItsLayer) {
    CRukLayer* a = AddLayer(document, "A", true);
    CRukLayer* ab = AddLayer(document, "AB", true);
    CRukLayer* lower = AddLayer(document, "a", true);
    bar.FillLayers();
    std::vector<CRukLayer*> changed;
    bar.SetLayerChangedHandler([&](CRukLayer& layer) { changed.push_back(&layer); });

    ClickCheckBox(1);
    EXPECT_EQ(a->m_visible, 1);
    EXPECT_EQ(ab->m_visible, 0);
    EXPECT_EQ(lower->m_visible, 1);
    EXPECT_EQ(changed, std::vector<CRukLayer*>{ab});
    EXPECT_FALSE(bar.LayerList()->GetCheck(1));
}

TEST_F(LayerBarTest, AClickOnTheTextTurnsTheCheckToo) {
    CRukLayer* layer = AddLayer(document, "A", true);
    bar.FillLayers();
    CLayerCheckListBox* list = bar.LayerList();
    const QRect rect = list->visualItemRect(list->item(0));
    LeftClick(list->viewport(), QPoint(rect.left() + 80, rect.center().y()));
    EXPECT_EQ(layer->m_visible, 0);
    EXPECT_FALSE(list->GetCheck(0));
}

} // namespace
