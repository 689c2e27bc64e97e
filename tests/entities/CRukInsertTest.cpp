// The block reference: children built from its nested records and filed in
// the document, the layer they take, malformed nesting, and its archive body.
#include "entities/CRukInsert.h"

#include "entities/CEntityFactory.h"
#include "entities/CRukLine.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CObList.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/ContainerRecords.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

using Box = std::vector<int>;
using Entities = std::vector<CRukEntity*>;

Box CornersOf(const CRukEntity& entity) {
    return {entity.m_x1, entity.m_y1, entity.m_x2, entity.m_y2};
}

Entities ChildrenOf(const CRukEntity& container) {
    Entities children;
    for (POSITION position = container.GetHeadPosition(); position;)
        children.push_back(container.GetNext(position));
    return children;
}

std::vector<std::string> LayersOf(const Entities& entities) {
    std::vector<std::string> layers;
    for (const CRukEntity* entity : entities)
        layers.push_back(entity->GetLayerName().str());
    return layers;
}

// The insert built the way the import builds it: through the factory.
CRukInsert* Import(FakeDocument& document, const RecordBytes& bytes) {
    const PorRecord record = Framed(bytes);
    return dynamic_cast<CRukInsert*>(
        CEntityFactory::CreateEntityFromRecord(&record, &document, 25));
}

TEST(CRukInsertTest, ChildrenAllOnLayerZeroTakeTheInsertsLayerAndAreFiledThere) {
    FakeDocument document;
    CRukInsert* insert = Import(document, InsertRecord("I1", "DOORS",
                                                       {LineRecord("a", "0", {0, 0}, {10, 5}),
                                                        LineRecord("b", "0", {-3, 8}, {4, 20})}));
    ASSERT_NE(insert, nullptr);
    const Entities children = ChildrenOf(*insert);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(LayersOf(children), (std::vector<std::string>{"DOORS", "DOORS"}));
    for (const CRukEntity* child : children) {
        EXPECT_EQ(child->m_childFlag, 1);
        EXPECT_EQ(child->m_sourceLayer, "0");
    }
    EXPECT_EQ(document.m_layerEntities["DOORS"], (Entities{children[0], children[1], insert}));
    EXPECT_EQ(document.m_layerEntities.count("0"), 0u);
    EXPECT_EQ(insert->m_id, "I1");
    EXPECT_EQ(insert->m_childCount, 2);
    EXPECT_EQ(insert->GetKind(), kKindInsert);
    EXPECT_EQ(CornersOf(*insert), (Box{-3, 20, 10, 0}));
}

TEST(CRukInsertTest, OneChildElsewhereKeepsEveryChildsLayer) {
    FakeDocument document;
    CRukInsert* insert = Import(document, InsertRecord("I1", "DOORS",
                                                       {LineRecord("a", "0", {0, 0}, {1, 1}),
                                                        LineRecord("b", "FRAME", {0, 0}, {1, 1})}));
    ASSERT_NE(insert, nullptr);
    const Entities children = ChildrenOf(*insert);
    EXPECT_EQ(LayersOf(children), (std::vector<std::string>{"0", "FRAME"}));
    EXPECT_EQ(document.m_layerEntities["0"], Entities{children[0]});
    EXPECT_EQ(document.m_layerEntities["FRAME"], Entities{children[1]});
    EXPECT_EQ(document.m_layerEntities["DOORS"], Entities{insert});
}

TEST(CRukInsertTest, NestedInsertsFileTheirChildrenAheadOfThemselves) {
    FakeDocument document;
    CRukInsert* outer = Import(
        document, InsertRecord("O", "OUT",
                               {LineRecord("a", "0", {0, 0}, {1, 1}),
                                InsertRecord("N", "0", {LineRecord("b", "0", {5, 5}, {6, 6})}),
                                LineRecord("c", "0", {-9, 0}, {0, 2})}));
    ASSERT_NE(outer, nullptr);
    const Entities children = ChildrenOf(*outer);
    ASSERT_EQ(children.size(), 3u);
    const Entities inner = ChildrenOf(*children[1]);
    ASSERT_EQ(inner.size(), 1u);
    // The nested insert's own child takes the nested insert's layer ("0");
    // the nested insert itself the outer one's.
    EXPECT_EQ(LayersOf(inner), std::vector<std::string>{"0"});
    EXPECT_EQ(LayersOf(children), (std::vector<std::string>{"OUT", "OUT", "OUT"}));
    Entities filed;
    for (const auto& entity : document.m_entities)
        filed.push_back(entity.get());
    EXPECT_EQ(filed, (Entities{children[0], inner[0], children[1], children[2], outer}));
    EXPECT_EQ(CornersOf(*outer), (Box{-9, 6, 6, 0}));
}

TEST(CRukInsertTest, BoxComesFromTheChildrenThatWereBuilt) {
    FakeDocument document;
    PorRecordBuilder layer(PorLayer::Type);
    CRukInsert* insert =
        Import(document, InsertRecord("I", "L",
                                      {RecordBytes(layer.Bytes().begin(), layer.Bytes().end()),
                                       LineRecord("a", "0", {7, 8}, {9, 12})}));
    ASSERT_NE(insert, nullptr);
    EXPECT_EQ(ChildrenOf(*insert).size(), 1u);
    EXPECT_EQ(CornersOf(*insert), (Box{7, 12, 9, 8}));

    CRukInsert* empty = Import(document, InsertRecord("E", "L", {}));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(CornersOf(*empty), (Box{0, 0, 0, 0}));
}

TEST(CRukInsertTest, RecordsOfOtherTypesAreRefused) {
    FakeDocument document;
    CRukInsert insert;
    const RecordBytes bytes = GroupRecord("G", "G", {});
    const PorRecord record = Framed(bytes);
    EXPECT_EQ(insert.CreateFromRecord(&record, &document, 25), 0);
    EXPECT_EQ(insert.CreateFromRecord(nullptr, &document, 25), 0);
    EXPECT_TRUE(document.m_entities.empty());
}

// Nested records whose head does not frame them end the children there.
struct NestedCase {
    const char* label;
    std::vector<LONG> words;
};

class MalformedNesting : public testing::TestWithParam<NestedCase> {};

TEST_P(MalformedNesting, EndsTheChildrenWithoutReadingPastTheRecord) {
    const RecordBytes line = LineRecord("a", "0", {0, 0}, {1, 1});
    PorRecordBuilder record(PorInsert::Type);
    record.Append(PorInsert::Children, line);
    record.AppendLongs(GetParam().words);
    record.AppendLongs(std::vector<LONG>(14, 0));
    record.SetLong(PorInsert::Children.word, 1000000);
    const RecordBytes bytes(record.Bytes().begin(), record.Bytes().end());
    FakeDocument document;
    CRukInsert* insert = Import(document, bytes);
    ASSERT_NE(insert, nullptr);
    EXPECT_EQ(ChildrenOf(*insert).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Heads, MalformedNesting,
    testing::Values(NestedCase{"SizeZero", {3, 0}}, NestedCase{"SizeBelowTheHead", {3, 7}},
                    NestedCase{"SizeNegative", {3, -8}}, NestedCase{"SizePastTheInsert", {3, 1000}},
                    NestedCase{"TypeZero", {0, 56}}, NestedCase{"TypeBeyondTheLast", {40, 56}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(CRukInsertTest, DeepNestingStopsAtTheLimitQuickly) {
    RecordBytes bytes = LineRecord("a", "0", {0, 0}, {1, 1});
    for (int level = 0; level < 1000; ++level)
        bytes = InsertRecord("", "0", {bytes});
    FakeDocument document;
    const auto start = CpuClock::now();
    CRukInsert* insert = Import(document, bytes);
    const auto elapsed = CpuClock::now() - start;
    ASSERT_NE(insert, nullptr);
    // The nested inserts down to the limit and the outermost one; nothing
    // deeper, so the line at the bottom is not built.
    EXPECT_EQ(document.m_entities.size(), static_cast<std::size_t>(CRukInsert::kMaxNesting) + 1);
    for (const auto& entity : document.m_entities)
        EXPECT_EQ(entity->GetKind(), kKindInsert);
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

// ---- Operations

TEST(CRukInsertTest, ColoursReachTheChildrenAndHitsNeedNoShownLayer) {
    FakeDocument document;
    CRukInsert* insert =
        Import(document, InsertRecord("I", "HIDDEN", {LineRecord("a", "0", {0, 0}, {10, 10})}));
    ASSERT_NE(insert, nullptr);
    CRukEntity* child = ChildrenOf(*insert).front();
    insert->SetColor(0x00FF00);
    EXPECT_EQ(child->m_color, 0x00FF00u);
    insert->RestoreColor();
    EXPECT_EQ(child->m_color, 0x0000FFu);
    EXPECT_EQ(insert->m_color, 0xFFFFFFFFu);
    EXPECT_EQ(insert->HitTest(nullptr, &document, 5, 5), 1);
    EXPECT_EQ(insert->HitTest(nullptr, &document, 5, 50), 0);

    CDrawDefaults settings;
    CObList picked;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    insert->CollectShownExtents(&document, &picked, &minX, &minY, &maxX, &maxY, &settings);
    EXPECT_EQ(picked.GetCount(), 0);
    document.m_layerStates["HIDDEN"] = 1;
    insert->CollectShownExtents(&document, &picked, &minX, &minY, &maxX, &maxY, &settings);
    EXPECT_EQ(picked.GetCount(), 1);
    EXPECT_EQ((Box{minX, minY, maxX, maxY}), (Box{0, 0, 10, 10}));
}

TEST(CRukInsertTest, OnlyTheForwardedTracesDrawTheChildren) {
    FakeDocument document;
    CRukInsert* insert = Import(document, InsertRecord("I", "L",
                                                       {LineRecord("a", "0", {0, 0}, {10, 10}),
                                                        LineRecord("b", "0", {5, 0}, {0, 5})}));
    ASSERT_NE(insert, nullptr);
    const CDrawDefaults settings;
    constexpr RECT kClip{0, 0, 1000, 1000};
    CRecordingDC expected;
    for (CRukEntity* child : ChildrenOf(*insert))
        child->DrawForward(&expected, 0, 0, 1.0, &settings, kClip, FALSE);
    CRecordingDC forward;
    insert->DrawForward(&forward, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_EQ(forward.Calls(), expected.Calls());
    EXPECT_FALSE(forward.Calls().empty());

    // Each child draws itself through its layer; the insert adds nothing.
    CRecordingDC silent;
    insert->DrawA(&document, &silent, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    insert->DrawStyled(&document, &silent, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    insert->TraceA(&silent, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_TRUE(silent.Calls().empty());
}

// ---- Archive body

Bytes InsertBody() {
    Bytes body;
    body.Long(-3).Long(20).Long(10).Long(0).Text("DOORS").Long(0x00FF00).Byte(1);
    body.Text("tag").Text("name").Long(0).Word(0);
    return body;
}

TEST(CRukInsertTest, BodyRoundTripsByteForByte) {
    CRukInsert insert;
    LoadBody(insert, InsertBody().Get(), 0);
    EXPECT_EQ(CornersOf(insert), (Box{-3, 20, 10, 0}));
    EXPECT_EQ(insert.m_layerName, "DOORS");
    EXPECT_EQ(insert.m_color, 0x00FF00u);
    EXPECT_EQ(insert.m_childFlag, 1);
    EXPECT_EQ(insert.m_tag, "tag");
    EXPECT_EQ(insert.m_name, "name");
    EXPECT_EQ(insert.m_maxY, 20);
    EXPECT_EQ(StoreObject(insert), ClassRecord(0, "CRukInsert").Append(InsertBody().Get()).Get());

    try {
        const std::unique_ptr<CObject> loaded(
            LoadObject(ClassRecord(1, "CRukInsert").Append(InsertBody().Get()).Get()));
        FAIL() << "schema 1 was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

TEST(CRukInsertTest, ChildrenKeepTheInsertsLayerAfterASaveAndReload) {
    FakeDocument document;
    CRukInsert* insert =
        Import(document, InsertRecord("I", "DOORS", {LineRecord("a", "0", {0, 0}, {1, 1})}));
    ASSERT_NE(insert, nullptr);
    const std::unique_ptr<CObject> loaded(LoadObject(StoreObject(*insert)));
    const auto* reloaded = dynamic_cast<const CRukInsert*>(loaded.get());
    ASSERT_NE(reloaded, nullptr);
    const Entities children = ChildrenOf(*reloaded);
    ASSERT_EQ(children.size(), 1u);
    // The child was written inside the insert here, so it is the caller's.
    const std::unique_ptr<CRukEntity> child(children.front());
    EXPECT_EQ(child->GetLayerName(), "DOORS");
    EXPECT_EQ(child->m_childFlag, 1);
}

} // namespace
