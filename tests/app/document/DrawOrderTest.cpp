#include "DocumentBuilder.h"

#include <gtest/gtest.h>

namespace {

using Ids = std::vector<int>;

// Three markups A, B, C of two children each, on one layer after a drawing
// line, and a drawing group before them among the top objects.
class DrawOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        DocumentBuilder build(m_doc);
        m_line = build.Drawing(kKindLine, "red", 0, 0, 10, 10);
        m_group = build.Drawing(kKindGroup, "base", 0, 0, 10, 10);
        m_doc.m_topObjects.AddTail(m_group);
        for (CRukGroup*& markup : m_markups)
            markup = build.Markup(2, "red", 2);
        // 0 line, 1 group, then per markup: child, child, markup.
        m_all = {m_line, m_group};
        for (CRukGroup* markup : m_markups) {
            POSITION position = markup->GetHeadPosition();
            m_all.push_back(markup->GetNext(position));
            m_all.push_back(markup->GetNext(position));
            m_all.push_back(markup);
        }
    }

    Ids DrawOrder() const { return Order(m_doc.m_drawOrder, m_all); }
    Ids TopObjects() const { return Order(m_doc.m_topObjects, m_all); }
    Ids Layer() const { return Order(m_doc.FindLayer("red")->m_entities, m_all); }

    CZumeoDoc m_doc;
    TestEntity* m_line = nullptr;
    TestEntity* m_group = nullptr;
    CRukGroup* m_markups[3] = {};
    std::vector<const CObject*> m_all;
};

TEST_F(DrawOrderTest, BringToFrontMovesTheMarkupAfterItsChildrenInAllLists) {
    m_doc.m_redlineModified = 0;
    m_doc.BringToFront(m_markups[0]);
    EXPECT_EQ(DrawOrder(), (Ids{5, 6, 7, 8, 9, 10, 2, 3, 4}));
    EXPECT_EQ(TopObjects(), (Ids{1, 7, 10, 4}));
    EXPECT_EQ(Layer(), (Ids{0, 5, 6, 8, 9, 2, 3}));
    EXPECT_EQ(m_doc.m_redlineModified, 1);
}

TEST_F(DrawOrderTest, SendToBackPutsTheMarkupBeforeOtherRedlinesOnly) {
    m_doc.SendToBack(m_markups[2]);
    EXPECT_EQ(DrawOrder(), (Ids{9, 8, 10, 2, 3, 4, 5, 6, 7}));
    // The drawing's group and line stay in front.
    EXPECT_EQ(TopObjects(), (Ids{1, 10, 4, 7}));
    EXPECT_EQ(Layer(), (Ids{0, 9, 8, 2, 3, 5, 6}));
}

TEST_F(DrawOrderTest, DrawingObjectsKeepTheirPlace) {
    const Ids drawOrder = DrawOrder();
    const Ids top = TopObjects();
    m_doc.m_redlineModified = 0;
    m_doc.BringToFront(m_group);
    m_doc.SendToBack(m_line);
    EXPECT_EQ(DrawOrder(), drawOrder);
    EXPECT_EQ(TopObjects(), top);
    EXPECT_EQ(m_doc.m_redlineModified, 0);
}

TEST(DrawOrderPathTest, APathMovesWithItsMarkupsAndTheirChildren) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    CRukGroup* other = build.Markup(2, "red", 1);
    CRukGroup* outline = build.Markup(3, "red", 2);
    CRukGroup* hole = build.Markup(8, "red", 1);
    CRukGroup* path = build.Path(outline, hole);
    POSITION position = outline->GetHeadPosition();
    const CRukEntity* o1 = outline->GetNext(position);
    const CRukEntity* o2 = outline->GetNext(position);
    position = hole->GetHeadPosition();
    const CRukEntity* h1 = hole->GetNext(position);
    position = other->GetHeadPosition();
    const CRukEntity* x1 = other->GetNext(position);
    // 0 x1, 1 other, 2 o1, 3 o2, 4 outline, 5 h1, 6 hole, 7 path
    const std::vector<const CObject*> all = {x1, other, o1, o2, outline, h1, hole, path};
    const CObList& layer = doc.FindLayer("red")->m_entities;

    doc.SendToBack(path);
    EXPECT_EQ(Order(doc.m_drawOrder, all), (Ids{5, 6, 3, 2, 4, 7, 0, 1}));
    EXPECT_EQ(Order(doc.m_topObjects, all), (Ids{7, 1}));
    EXPECT_EQ(Order(layer, all), (Ids{7, 0, 2, 3, 5}));

    doc.BringToFront(path);
    EXPECT_EQ(Order(doc.m_drawOrder, all), (Ids{0, 1, 2, 3, 5, 4, 6, 7}));
    EXPECT_EQ(Order(doc.m_topObjects, all), (Ids{1, 7}));
    EXPECT_EQ(Order(layer, all), (Ids{0, 2, 3, 5, 7}));
}

TEST_F(DrawOrderTest, DeletingAMarkupUnlinksAndFreesItAndItsChildren) {
    m_doc.m_selection.AddTail(m_markups[1]);
    m_doc.m_redlineModified = 0;
    ASSERT_TRUE(m_doc.DeleteEntity(m_markups[1]));
    m_all.erase(m_all.begin() + 5, m_all.begin() + 8);
    EXPECT_EQ(DrawOrder(), (Ids{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(TopObjects(), (Ids{1, 4, 7}));
    EXPECT_EQ(Layer(), (Ids{0, 2, 3, 5, 6}));
    EXPECT_TRUE(m_doc.m_selection.IsEmpty());
    EXPECT_EQ(m_doc.m_redlineModified, 1);
}

TEST_F(DrawOrderTest, DrawingObjectsAreNeverDeleted) {
    // A drawing group's members are drawing entities still listed in
    // m_objects: deleting them would leave the drawing with freed objects.
    auto* member = new TestEntity(kKindLine, "base");
    m_doc.AddEntity(member);
    m_doc.AddToLayer(member);
    m_group->Add(member);
    m_doc.m_selection.AddTail(m_group);
    m_doc.m_selection.AddTail(m_line);
    EXPECT_FALSE(m_doc.DeleteEntity(m_group));
    EXPECT_FALSE(m_doc.DeleteEntity(m_line));
    EXPECT_EQ(m_doc.m_objects.GetCount(), 3);
    EXPECT_EQ(m_doc.m_selection.GetCount(), 2);
    EXPECT_EQ(m_doc.IndexOfObject(member), 2);
    EXPECT_EQ(member->GetLayerName(), "base");
}

TEST(DeletePathTest, DeletingAPathFreesItsMarkupsAndTheirChildren) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    CRukGroup* kept = build.Markup(2, "red", 1);
    CRukGroup* path = build.Path(build.Markup(3, "red", 2), build.Markup(8, "red", 1));
    ASSERT_TRUE(doc.DeleteEntity(path));
    POSITION position = kept->GetHeadPosition();
    const std::vector<const CObject*> all = {kept->GetNext(position), kept};
    EXPECT_EQ(Order(doc.m_drawOrder, all), (Ids{0, 1}));
    EXPECT_EQ(Order(doc.m_topObjects, all), (Ids{1}));
    EXPECT_EQ(Order(doc.FindLayer("red")->m_entities, all), (Ids{0}));
}

TEST(SelectionOrderTest, MarkupsBringTheirChildrenInDrawingOrder) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    TestEntity* line = build.Drawing(kKindLine, "0", 0, 0, 1, 1);
    CRukGroup* first = build.Markup(0, "red", 1);
    CRukGroup* second = build.Markup(2, "red", 2);
    POSITION position = second->GetHeadPosition();
    CRukEntity* s1 = second->GetNext(position);
    CRukEntity* s2 = second->GetNext(position);
    position = first->GetHeadPosition();
    CRukEntity* f1 = first->GetNext(position);
    const std::vector<const CObject*> all = {line, f1, first, s1, s2, second};

    CObList plain;
    plain.AddTail(line);
    plain.AddTail(s2);
    plain.AddTail(f1);
    CObList out;
    doc.GetSelectionInOrder(out, &plain);
    EXPECT_EQ(Order(out, all), (Ids{0, 4, 1}));

    doc.m_selection.AddTail(line);
    doc.m_selection.AddTail(second);
    doc.m_selection.AddTail(first);
    doc.GetSelectionInOrder(out);
    EXPECT_EQ(Order(out, all), (Ids{1, 2, 3, 4, 5, 0}));
}

TEST(SelectionOrderTest, AToolsPicksJoinTheSelectionInDrawingOrder) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    TestEntity* a = build.Drawing(kKindLine, "0", 0, 0, 1, 1);
    TestEntity* b = build.Drawing(kKindLine, "0", 0, 0, 1, 1);
    TestEntity* c = build.Drawing(kKindLine, "0", 0, 0, 1, 1);
    doc.m_selection.AddTail(b);
    TestEntity tool(kKindClick);
    tool.Add(c);
    tool.Add(b);
    tool.Add(a);
    doc.AddEntity(&tool);
    EXPECT_EQ(Order(doc.m_selection, {a, b, c}), (Ids{0, 1, 2}));
    EXPECT_EQ(doc.m_objects.GetCount(), 3);
}

TEST(ListCursorTest, FindsOnFromTheLastPlaceAndWraps) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    CRukGroup* markups[4] = {};
    for (CRukGroup*& markup : markups)
        markup = build.Markup(2, "red", 0);
    CListCursor cursor;
    EXPECT_EQ(doc.FindInDrawOrder(markups[2], cursor), 2);
    EXPECT_EQ(doc.FindInDrawOrder(markups[3], cursor), 3);
    EXPECT_EQ(doc.FindInDrawOrder(markups[0], cursor), 0);
    TestMarkup stranger(MarkupKind(2));
    EXPECT_EQ(doc.FindInDrawOrder(&stranger, cursor), -1);
    CListCursor topCursor;
    EXPECT_EQ(doc.FindInTopObjects(markups[1], topCursor), 1);
}

} // namespace
