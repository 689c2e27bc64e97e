// Select, move and point-edit gestures on the view: what is picked, what
// moves, and what undo and redo give back.
#include "ToolFixture.h"
#include "app/CRukPEdit.h"
#include "entities/CRukGroup.h"
#include "platform/win/MouseKeys.h"

#include <vector>

IMPLEMENT_SERIAL(TestMark, CRukGroup, VERSIONABLE_SCHEMA | 0)

namespace {

using PickToolsTest = ToolFixture;

struct Placing {
    int order;
    int minX, minY, maxX, maxY;
    bool operator==(const Placing&) const = default;
};

std::vector<Placing> Placings(const CZumeoDoc& document) {
    std::vector<Placing> placings;
    int order = 0;
    for (POSITION position = document.m_drawOrder.GetHeadPosition(); position; ++order) {
        auto* object = static_cast<CRukEntity*>(document.m_drawOrder.GetNext(position));
        placings.push_back({order, object->m_minX, object->m_minY, object->m_maxX, object->m_maxY});
    }
    return placings;
}

TEST_F(PickToolsTest, SelectClickPicksTheTopmostMarkupAndEmptySpaceClears) {
    TestMark* below = Mark("marks", 100, 100, 300, 300);
    TestMark* above = Mark("marks", 100, 300, 300, 100);
    m_view.OnSelectTool();
    Click(Pixel(200, 200));
    EXPECT_TRUE(Selected(above));
    EXPECT_FALSE(Selected(below));
    EXPECT_EQ(m_view.m_pTool, nullptr) << "a direct pick ends the tool at once";
    Click(Pixel(800, 800));
    EXPECT_TRUE(m_document.m_selection.IsEmpty());
}

// Clicks with and without Ctrl, one after another, and the selection after each.
struct ClickStep {
    const char* name;
    int mark;
    bool ctrl;
    std::vector<int> selected;
};

TEST_F(PickToolsTest, CtrlClickAddsAndTogglesPlainClickReplaces) {
    TestMark* marks[] = {Mark("marks", 100, 100, 300, 300), Mark("marks", 600, 600, 800, 800)};
    const QPoint centres[] = {Pixel(200, 200), Pixel(700, 700)};
    const ClickStep steps[] = {
        {"plain click on 0", 0, false, {0}},
        {"ctrl click on 1 adds it", 1, true, {0, 1}},
        {"ctrl click on 0 takes it out", 0, true, {1}},
        {"plain click on the selected 1 keeps it", 1, false, {1}},
        {"plain click on 0 replaces", 0, false, {0}},
    };
    m_view.OnSelectTool();
    for (const ClickStep& step : steps) {
        SCOPED_TRACE(step.name);
        Click(centres[step.mark], step.ctrl ? Qt::ControlModifier : Qt::NoModifier);
        std::vector<int> selected;
        for (int i = 0; i < 2; ++i)
            if (Selected(marks[i]))
                selected.push_back(i);
        EXPECT_EQ(selected, step.selected);
    }
}

TEST_F(PickToolsTest, WindowPickTakesEnclosedMarkupsOnShownLayersOnly) {
    TestMark* inside = Mark("marks", 100, 100, 300, 300);
    TestMark* across = Mark("marks", 350, 350, 700, 700);
    TestMark* hidden = Mark("hidden", 150, 350, 250, 450);
    Hide("hidden");
    m_view.OnSelectTool();
    Drag(Pixel(50, 600), Pixel(500, 50));
    EXPECT_TRUE(Selected(inside));
    EXPECT_FALSE(Selected(across)) << "only partly inside the frame";
    EXPECT_FALSE(Selected(hidden));
    EXPECT_EQ(m_view.m_pTool, nullptr);
}

TEST_F(PickToolsTest, MovingThreeMarkupsIsOneUndoStepThatRestoresThem) {
    TestMark* marks[] = {Mark("marks", 100, 100, 200, 200), Mark("marks", 300, 100, 400, 200),
                         Mark("marks", 500, 100, 600, 200)};
    const std::vector<Placing> before = Placings(m_document);
    m_view.OnMoveTool();
    Click(Pixel(150, 150));
    Click(Pixel(350, 150), Qt::ControlModifier);
    Click(Pixel(550, 150), Qt::ControlModifier);
    ASSERT_EQ(m_document.m_selection.GetCount(), 3);
    ASSERT_EQ(m_document.m_undo.GetCount(), 0) << "picking moves nothing";
    Drag(Pixel(150, 150), Pixel(250, 350));
    for (TestMark* mark : marks) {
        EXPECT_EQ(mark->Line()->m_y1, 100 + 200);
        EXPECT_EQ(mark->m_minY, 300);
    }
    const std::vector<Placing> moved = Placings(m_document);
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
    EXPECT_EQ(m_document.m_undo.GetUndoName(), CString::FromUtf8("コントロールの移動"));
    EXPECT_EQ(m_document.m_redlineModified, 1);
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_EQ(Placings(m_document), before);
    ASSERT_EQ(m_document.m_undo.Redo(), 1);
    EXPECT_EQ(Placings(m_document), moved);
}

// A click without a drag on a selected markup moves nothing, so it leaves
// no undo step and no change to save.
class ClickWithoutDragTest : public ToolFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ClickWithoutDragTest, RecordsNothingMended) {
    TestMark* mark = Mark("marks", 100, 100, 300, 300);
    m_view.m_toolMode = GetParam();
    Click(Pixel(200, 200));
    Click(Pixel(200, 200));
    EXPECT_TRUE(Selected(mark));
    EXPECT_EQ(m_document.m_undo.GetCount(), 0);
    EXPECT_EQ(m_document.m_redlineModified, 0);
    EXPECT_EQ(mark->Line()->m_x1, 100);
}

INSTANTIATE_TEST_SUITE_P(Modes, ClickWithoutDragTest,
                         ::testing::Values(CZumeoView::kToolMove, CZumeoView::kToolNone),
                         [](const auto& info) {
                             return info.param == CZumeoView::kToolMove ? "Move" : "PointEdit";
                         });

TEST_F(PickToolsTest, SelectPicksADrawingGroupThatMoveLeavesInPlaceMended) {
    auto* group = new CRukGroup;
    group->m_layerName = "across";
    group->AddChild(m_across);
    group->SetChildCount(1);
    group->RecalcExtents();
    m_document.AddEntity(group);
    m_document.m_topObjects.AddTail(group);
    TestMark* mark = Mark("marks", 100, 100, 300, 300);
    m_view.OnSelectTool();
    Click(Pixel(800, 500));
    ASSERT_TRUE(Selected(group)) << "select mode picks the drawing's groups";
    Click(Pixel(200, 200), Qt::ControlModifier);
    ASSERT_EQ(m_document.m_selection.GetCount(), 2);
    m_view.m_toolMode = CZumeoView::kToolMove;
    Drag(Pixel(200, 200), Pixel(200, 300));
    EXPECT_EQ(mark->Line()->m_y1, 200);
    EXPECT_EQ(m_across->m_y1, 500) << "the drawing stays as it was given";
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
}

TEST_F(PickToolsTest, GripDragRecordsASnapshotFirstAndPassesShift) {
    TestMark* mark = Mark("marks", 100, 100, 300, 300);
    Click(Pixel(200, 200));
    ASSERT_TRUE(Selected(mark));
    Drag(Pixel(300, 300), Pixel(400, 350), Qt::ShiftModifier);
    EXPECT_EQ(mark->Line()->m_x2, 400);
    EXPECT_EQ(mark->Line()->m_y2, 350);
    EXPECT_EQ(mark->m_lastFlags & MK_SHIFT, MK_SHIFT);
    EXPECT_EQ(mark->Line()->m_x1, 100) << "only the dragged grip moves";
    ASSERT_EQ(m_document.m_undo.GetCount(), 1);
    EXPECT_EQ(m_document.m_undo.GetUndoName(), CString::FromUtf8("コントロールの拡張"));
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    // The snapshot rebuilt the markup where it stood.
    auto* restored = static_cast<CRukEntity*>(m_document.m_drawOrder.GetTail());
    ASSERT_EQ(restored->GetKind(), MarkupKind(1));
    EXPECT_EQ(restored->m_maxX, 300);
    EXPECT_EQ(restored->m_maxY, 300);
}

TEST_F(PickToolsTest, AClickOnAGripThatNeverMovesRecordsNothingMended) {
    TestMark* mark = Mark("marks", 100, 100, 300, 300);
    Click(Pixel(200, 200));
    ASSERT_TRUE(Selected(mark));
    Press(Pixel(300, 300));
    const auto* tool = dynamic_cast<const CRukPEdit*>(m_view.m_pTool.get());
    ASSERT_NE(tool, nullptr);
    ASSERT_EQ(tool->GetState(), CRukClick::kStateGrip) << "the press is on the line's end";
    Release(Pixel(300, 300));
    EXPECT_EQ(m_document.m_undo.GetCount(), 0);
    EXPECT_EQ(m_document.m_redlineModified, 0);
    EXPECT_EQ(mark->Line()->m_x2, 300);
    EXPECT_EQ(mark->Line()->m_y2, 300);
    EXPECT_TRUE(Selected(mark));
}

TEST_F(PickToolsTest, NewMarkupBecomesTheSelection) {
    Mark("marks", 100, 100, 300, 300);
    TestMark* fresh = Mark("marks", 600, 600, 800, 800);
    EXPECT_EQ(m_view.SelectNewMarkup(fresh), 1);
    EXPECT_EQ(m_document.m_selection.GetCount(), 1);
    EXPECT_TRUE(Selected(fresh));
    auto* stray = new TestMark;
    EXPECT_EQ(m_view.SelectNewMarkup(stray), 0) << "not a top object of the document";
    delete stray;
}

} // namespace
