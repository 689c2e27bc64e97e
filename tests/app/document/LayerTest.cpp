#include "DocumentBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::string> LayerNames(const CObList& layers) {
    std::vector<std::string> names;
    for (POSITION position = layers.GetHeadPosition(); position;)
        names.push_back(static_cast<const CRukLayer*>(layers.GetNext(position))->m_name.str());
    return names;
}

struct MoveCase {
    const char* name;
    // The layer the markup's children name; they stand in the list of "red".
    const char* childLayer;
    const char* target;
    bool moved;
    std::vector<std::string> layers;
    // The layer whose list holds the children afterwards, and their name.
    const char* listedOn;
    const char* finalName;
};

TEST(LayerTest, MoveToLayer) {
    const MoveCase cases[] = {
        {"same layer, other case: nothing", "red", "RED", false, {"red", "Blue"}, "red", "red"},
        {"missing target is created",
         "red",
         "green",
         true,
         {"red", "Blue", "green"},
         "green",
         "green"},
        // The target keeps its own spelling, so that later case-sensitive
        // look-ups find the moved objects in its list.
        {"existing target, other case", "red", "blue", true, {"red", "Blue"}, "Blue", "Blue"},
        {"missing source: nothing, no layer made",
         "gone",
         "green",
         false,
         {"red", "Blue"},
         "red",
         "gone"},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        CZumeoDoc doc;
        DocumentBuilder build(doc);
        build.Markup(2, "red", 1);
        build.Drawing(kKindLine, "Blue", 0, 0, 1, 1);
        CRukGroup* markup = build.Markup(2, "red", 2);
        const auto children = [markup](auto visit) {
            for (POSITION position = markup->GetHeadPosition(); position;)
                visit(markup->GetNext(position));
        };
        children([&](CRukEntity* child) { child->m_layerName = c.childLayer; });
        doc.m_redlineModified = 0;
        EXPECT_EQ(doc.MoveToLayer(markup, c.target) != FALSE, c.moved);
        EXPECT_EQ(LayerNames(doc.m_layers), c.layers);
        EXPECT_EQ(markup->GetLayerName(), c.finalName);
        EXPECT_EQ(doc.m_redlineModified, c.moved ? 1 : 0);
        children([&](CRukEntity* child) {
            EXPECT_EQ(child->GetLayerName(), c.finalName);
            EXPECT_NE(doc.FindLayer(c.listedOn)->m_entities.Find(child), nullptr);
        });
    }
}

TEST(LayerTest, AnObjectOnALayerMovesItselfToo) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    TestEntity* line = build.Drawing(kKindLine, "a", 0, 0, 1, 1);
    ASSERT_TRUE(doc.MoveToLayer(line, "b"));
    EXPECT_TRUE(doc.FindLayer("a")->m_entities.IsEmpty());
    EXPECT_NE(doc.FindLayer("b")->m_entities.Find(line), nullptr);
    doc.RemoveEmptyLayers();
    EXPECT_EQ(LayerNames(doc.m_layers), (std::vector<std::string>{"b"}));
}

TEST(LayerTest, LayersAreFoundByExactName) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    build.Drawing(kKindLine, "Wall", 0, 0, 1, 1);
    TestEntity* lower = build.Drawing(kKindLine, "wall", 0, 0, 1, 1);
    for (int index : {0, 9}) {
        auto* entity = new TestEntity(kKindLine, "wall");
        doc.AddEntity(entity);
        doc.InsertInLayer(entity, index);
    }
    EXPECT_EQ(LayerNames(doc.m_layers), (std::vector<std::string>{"Wall", "wall"}));
    EXPECT_EQ(doc.FindInLayer(lower, "wall"), 1);
    EXPECT_EQ(doc.FindInLayer(lower, "Wall"), -1);
    doc.FindLayer("Wall")->m_visible = 0;
    EXPECT_EQ(doc.GetLayerState("Wall"), 0);
    EXPECT_EQ(doc.GetLayerState("wall"), 1);
    EXPECT_EQ(doc.GetLayerState("WALL"), 0);
}

TEST(LayerTest, StoredStatesApplyByNameIgnoringCase) {
    CZumeoDoc doc;
    DocumentBuilder build(doc);
    for (const char* name : {"Wall", "door", "new"})
        build.Drawing(kKindLine, name, 0, 0, 1, 1);
    for (const char* name : {"WALL", "Door"}) {
        auto* stored = new CRukLayer;
        stored->m_name = name;
        stored->m_visible = std::string(name) == "Door";
        doc.m_drawingLayers.AddTail(stored);
    }
    doc.FindLayer("new")->m_visible = 0;
    doc.UpdateLayerStates();
    EXPECT_EQ(doc.GetLayerState("Wall"), 0);
    EXPECT_EQ(doc.GetLayerState("door"), 1);
    EXPECT_EQ(doc.GetLayerState("new"), 1);
}

TEST(LayerTest, RecordEntitiesAreListedFiledAndFoundById) {
    CZumeoDoc doc;
    for (const char* layer : {"a", "b"}) {
        auto* entity = new TestEntity(kKindLine, layer);
        entity->m_id = "17";
        doc.AddRecordEntity(entity);
    }
    ASSERT_EQ(doc.m_objects.GetCount(), 2);
    const CRukEntity* found = doc.FindEntityById("17");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->GetLayerName(), "a");
    EXPECT_EQ(doc.FindEntityById("18"), nullptr);
    EXPECT_EQ(LayerNames(doc.m_layers), (std::vector<std::string>{"a", "b"}));
    doc.ClearContents();
    EXPECT_EQ(doc.FindEntityById("17"), nullptr);
    EXPECT_TRUE(doc.m_layers.IsEmpty());
}

} // namespace
