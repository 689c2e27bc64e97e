// The group: building from its record (names, members found by id), the
// operations it passes on to its members, and its archive body.
#include "entities/CRukGroup.h"
#include "entities/CChildForest.h"

#include "entities/CRukLine.h"
#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CObList.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/ContainerRecords.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/CpuClock.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <gtest/gtest.h>

#include <chrono>

#include <memory>
#include <vector>

namespace {

using Box = std::vector<int>;

Box ExtentsOf(const CRukEntity& entity) {
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    entity.GetExtents(&minX, &minY, &maxX, &maxY);
    return {minX, minY, maxX, maxY};
}

Box CornersOf(const CRukEntity& entity) {
    return {entity.m_x1, entity.m_y1, entity.m_x2, entity.m_y2};
}

std::vector<CRukEntity*> ChildrenOf(const CRukEntity& container) {
    std::vector<CRukEntity*> children;
    for (POSITION position = container.GetHeadPosition(); position;)
        children.push_back(container.GetNext(position));
    return children;
}

CRukLine* AddLine(FakeDocument& document, const char* id, const char* layer, POINT start,
                  POINT end) {
    auto line = std::make_unique<CRukLine>();
    line->m_id = id;
    line->m_layerName = layer;
    line->SetPoint(start.x, start.y, 0);
    line->SetPoint(end.x, end.y, 1);
    return static_cast<CRukLine*>(document.Own(std::move(line)));
}

int Build(CRukGroup& group, FakeDocument& document, const RecordBytes& bytes) {
    const PorRecord record = Framed(bytes);
    return group.CreateFromRecord(&record, &document, 25);
}

// ---- Building from the record

TEST(CRukGroupTest, MembersAreFoundByIdInRecordOrderAndMissingOnesSkipped) {
    FakeDocument document;
    CRukLine* a = AddLine(document, "A", "WALL", {0, 0}, {10, 5});
    CRukLine* b = AddLine(document, "B", "DOOR", {-4, 2}, {3, 20});
    AddLine(document, "C", "WALL", {100, 100}, {200, 200});
    CRukGroup group;
    ASSERT_EQ(Build(group, document, GroupRecord("Doors", "G1", {"B", "missing", "A", "B"})), 1);
    EXPECT_EQ(ChildrenOf(group), (std::vector<CRukEntity*>{b, a}));
    EXPECT_EQ(group.m_childCount, 2);
    EXPECT_EQ(a->m_childFlag, 2);
    EXPECT_EQ(b->m_childFlag, 2);
    EXPECT_EQ(group.m_groupName, "Doors");
    EXPECT_EQ(group.m_id, "G1");
    EXPECT_EQ(group.m_blockName, "");
    EXPECT_EQ(group.m_layerName, "DOOR");
    EXPECT_EQ(group.m_sourceLayer, "DOOR");
    EXPECT_EQ(ExtentsOf(group), (Box{-4, 0, 10, 20}));
    EXPECT_EQ(CornersOf(group), (Box{-4, 20, 10, 0}));
}

// Each group made from a record, filed in the document under its id.
CRukGroup* AddGroup(FakeDocument& document, const char* id,
                    std::initializer_list<const char*> members) {
    auto group = std::make_unique<CRukGroup>();
    if (Build(*group, document, GroupRecord(id, id, members)) != 1)
        return nullptr;
    return static_cast<CRukGroup*>(document.Own(std::move(group)));
}

TEST(CRukGroupTest, AGroupJoinsOneGroupAtMost_Mended) {
    FakeDocument document;
    AddLine(document, "A", "0", {0, 0}, {10, 10});
    CRukGroup* first = AddGroup(document, "G1", {"A"});
    CRukGroup* second = AddGroup(document, "G2", {"G1", "A"});
    CRukGroup* third = AddGroup(document, "G3", {"G1", "G2", "A"});
    EXPECT_EQ(ChildrenOf(*second), (std::vector<CRukEntity*>{first, document.FindEntityById("A")}));
    // The first group is the second's already; a line may stand in many.
    EXPECT_EQ(ChildrenOf(*third), (std::vector<CRukEntity*>{second, document.FindEntityById("A")}));
}

TEST(CRukGroupTest, GroupsSharingTheirMembersFortyDeepAreWalkedAtOnce_Mended) {
    // Each group lists the two before it: a walk over shared groups would
    // take about 2^28 visits.
    FakeDocument document;
    AddLine(document, "L", "0", {0, 0}, {10, 10});
    std::vector<std::string> ids{"L", "L"};
    CRukGroup* top = nullptr;
    for (int i = 0; i < 40; ++i) {
        const std::string id = "G" + std::to_string(i);
        top = AddGroup(document, id.c_str(),
                       {ids[ids.size() - 1].c_str(), ids[ids.size() - 2].c_str()});
        ids.push_back(id);
    }
    ASSERT_NE(top, nullptr);
    const auto start = CpuClock::now();
    top->SetColor(0x0000FF);
    top->RestoreColor();
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(1));
}

TEST(CRukGroupTest, GroupsNestNoDeeperThanTheLimit_Mended) {
    FakeDocument document;
    AddLine(document, "L", "0", {0, 0}, {10, 10});
    std::vector<CRukGroup*> groups;
    std::string below = "L";
    for (int i = 0; i <= CChildForest::kMaxDepth; ++i) {
        const std::string id = "G" + std::to_string(i);
        groups.push_back(AddGroup(document, id.c_str(), {below.c_str()}));
        ASSERT_NE(groups.back(), nullptr);
        below = id;
    }
    // Each took the one below it until the nesting reached the limit.
    for (int i = 1; i < CChildForest::kMaxDepth; ++i)
        ASSERT_EQ(groups[i]->m_children.GetFirst(), groups[i - 1]) << i;
    EXPECT_EQ(groups.back()->GetCount(), 0);
}

TEST(CRukGroupTest, GroupWithoutFoundMembersIsBuiltEmptyWithAZeroBox) {
    FakeDocument document;
    AddLine(document, "A", "WALL", {5, 5}, {10, 10});
    CRukGroup group;
    ASSERT_EQ(Build(group, document, GroupRecord("G", "G1", {"X", "Y"})), 1);
    EXPECT_TRUE(ChildrenOf(group).empty());
    EXPECT_EQ(group.m_childCount, 0);
    EXPECT_EQ(group.GetLayerName(), "");
    EXPECT_EQ(group.m_layerName, "");
    EXPECT_EQ(ExtentsOf(group), (Box{0, 0, 0, 0}));
    EXPECT_EQ(CornersOf(group), (Box{0, 0, 0, 0}));
}

struct NameCase {
    const char* name;
    const char* groupName;
    const char* blockName;
};

class GroupName : public testing::TestWithParam<NameCase> {};

TEST_P(GroupName, AnonymousBlockNamesAreReplacedByTheId) {
    FakeDocument document;
    CRukGroup group;
    ASSERT_EQ(Build(group, document, GroupRecord(GetParam().name, "2F", {})), 1);
    EXPECT_EQ(group.m_groupName, GetParam().groupName);
    EXPECT_EQ(group.m_blockName, GetParam().blockName);
}

INSTANTIATE_TEST_SUITE_P(Names, GroupName,
                         testing::Values(NameCase{"*A12", "2F_NONAME", "*A12"},
                                         NameCase{"*A", "2F_NONAME", "*A"},
                                         NameCase{"*a12", "*a12", ""}, NameCase{"A*12", "A*12", ""},
                                         NameCase{"*", "*", ""}, NameCase{"", "", ""}));

TEST(CRukGroupTest, RecordsOfOtherTypesAreRefused) {
    FakeDocument document;
    CRukGroup group;
    EXPECT_EQ(Build(group, document, LineRecord("A", "0", {0, 0}, {1, 1})), 0);
    EXPECT_EQ(group.CreateFromRecord(nullptr, &document, 25), 0);
}

// Member items whose size does not frame them end the member list there.
struct ItemCase {
    const char* label;
    LONG badItemSize;
};

class MalformedItem : public testing::TestWithParam<ItemCase> {};

TEST_P(MalformedItem, EndsTheMembersWithoutReadingPastTheRecord) {
    FakeDocument document;
    CRukLine* a = AddLine(document, "A", "0", {0, 0}, {1, 1});
    AddLine(document, "B", "0", {0, 0}, {1, 1});
    PorRecordBuilder record(PorGroup::Type);
    record.Append(PorGroup::Members, "A");
    // Then an item of the case's size that would hold "B", and a count of
    // a million items.
    record.AppendLongs(std::vector<LONG>{GetParam().badItemSize, 1, 12, 'B'});
    record.SetLong(PorGroup::Members.word, 1000000);
    const RecordBytes bytes(record.Bytes().begin(), record.Bytes().end());
    CRukGroup group;
    ASSERT_EQ(Build(group, document, bytes), 1);
    EXPECT_EQ(ChildrenOf(group), std::vector<CRukEntity*>{a});
}

INSTANTIATE_TEST_SUITE_P(Sizes, MalformedItem,
                         testing::Values(ItemCase{"Zero", 0}, ItemCase{"BelowTheHead", 11},
                                         ItemCase{"Negative", -16}, ItemCase{"PastTheRecord", 17},
                                         ItemCase{"Huge", 0x7FFFFFFF}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CRukGroupTest, BuildingProcessesNoEvents) {
    FakeDocument document;
    AddLine(document, "A", "0", {0, 0}, {1, 1});
    bool eventRan = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&eventRan] { eventRan = true; }, Qt::QueuedConnection);
    CRukGroup group;
    ASSERT_EQ(Build(group, document, GroupRecord("G", "G1", {"A", "A", "X"})), 1);
    EXPECT_FALSE(eventRan);
    QCoreApplication::processEvents();
    EXPECT_TRUE(eventRan);
}

// ---- Operations through the members

struct Members {
    FakeDocument document;
    CRukGroup group;
    CRukLine* line = nullptr;
    CRukPolygon* polygon = nullptr;

    Members() {
        line = AddLine(document, "L", "WALL", {0, 0}, {10, 10});
        auto shape = std::make_unique<CRukPolygon>();
        shape->m_id = "P";
        shape->m_layerName = "ROOF";
        shape->m_fillType = 4;
        shape->AppendPoint(20, 0);
        shape->AppendPoint(40, 0);
        shape->AppendPoint(40, 30);
        shape->RecalcExtents();
        polygon = static_cast<CRukPolygon*>(document.Own(std::move(shape)));
        Build(group, document, GroupRecord("G", "G1", {"L", "P"}));
    }
};

TEST(CRukGroupTest, EmptyGroupAnswersTheDefaults) {
    const CRukGroup group;
    EXPECT_EQ(group.GetKind(), kKindGroup);
    EXPECT_EQ(group.m_color, 0xFFFFFFFFu);
    EXPECT_EQ(group.GetLineType(), 1);
    EXPECT_EQ(group.GetLineWidth(), 0);
    EXPECT_EQ(group.GetLineTypeScale(), 1000);
    EXPECT_EQ(group.GetFillType(), 0);
    EXPECT_EQ(group.GetLayerName(), "");
    EXPECT_EQ(group.GetCount(), 0);
}

TEST(CRukGroupTest, SettersReachEveryMemberAndGettersAskTheFirst) {
    Members m;
    m.group.SetLineType(7);
    m.group.SetLineWidth(35);
    m.group.SetLineTypeScale(2000);
    m.group.SetColor(0x00FF00);
    m.group.SetThirdColor(0x0000FF);
    m.group.SetVisible(0);
    for (const CRukEntity* member :
         {static_cast<CRukEntity*>(m.line), static_cast<CRukEntity*>(m.polygon)}) {
        EXPECT_EQ(member->m_lineType, 7);
        EXPECT_EQ(member->m_lineWidth, 35);
        EXPECT_EQ(member->m_lineTypeScale, 2000);
        EXPECT_EQ(member->m_color, 0x00FF00u);
        EXPECT_EQ(member->m_thirdColor, 0x0000FFu);
        EXPECT_EQ(member->m_visible, 0);
    }
    EXPECT_EQ(m.group.m_color, 0x00FF00u);
    EXPECT_EQ(m.group.m_visible, 0);
    m.line->m_lineType = 3;
    EXPECT_EQ(m.group.GetLineType(), 3);
    EXPECT_EQ(m.group.GetLayerName(), "WALL");
    // The fill type comes from the first member that can be filled.
    EXPECT_EQ(m.group.GetFillType(), 4);

    m.line->m_savedColor = 0x111111;
    m.group.RestoreColor();
    m.group.RestoreFillColor();
    EXPECT_EQ(m.line->m_color, 0x111111u);
    EXPECT_EQ(m.group.m_color, 0xFFFFFFFFu);
    EXPECT_EQ(m.group.m_fillColor, 0xFFFFFFFFu);
}

TEST(CRukGroupTest, OffsetMovesTheMembersAndTheBoxWithThem) {
    Members m;
    m.group.Offset(5, -5);
    EXPECT_EQ(CornersOf(*m.line), (Box{5, -5, 15, 5}));
    EXPECT_EQ(ExtentsOf(m.group), (Box{5, -5, 45, 25}));
    EXPECT_EQ(CornersOf(m.group), (Box{5, 25, 45, -5}));
}

TEST(CRukGroupTest, ScalingDownFromACornerShrinksTheBox) {
    Members m;
    // Corner 1 is the bottom left (0, 0) of the box 0..40 x 0..30.
    m.group.ScaleFromCorner(1, 0.5, 0.5);
    EXPECT_EQ(CornersOf(*m.line), (Box{0, 0, 5, 5}));
    EXPECT_EQ(ExtentsOf(*m.polygon), (Box{10, 0, 20, 15}));
    EXPECT_EQ(ExtentsOf(m.group), (Box{0, 0, 20, 15}));
    EXPECT_EQ(CornersOf(m.group), (Box{0, 15, 20, 0}));

    m.group.ScaleFromCorner(4, 3.0, 3.0);
    EXPECT_EQ(ExtentsOf(m.group), (Box{0, 0, 20, 15}));
}

TEST(CRukGroupTest, TracingGoesThroughTheMembersAndStyledOutputDrawsNothing) {
    Members m;
    const CDrawDefaults settings;
    constexpr RECT kClip{0, 0, 1000, 1000};
    CRecordingDC expected;
    m.line->TraceA(&expected, 0, 0, 1.0, &settings, kClip, FALSE);
    m.polygon->TraceA(&expected, 0, 0, 1.0, &settings, kClip, FALSE);
    CRecordingDC dc;
    m.group.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_EQ(dc.Calls(), expected.Calls());

    CRecordingDC styled;
    m.group.DrawStyled(&m.document, &styled, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_TRUE(styled.Calls().empty());
}

TEST(CRukGroupTest, ComputedExtentsFollowMembersMovedOnTheirOwn) {
    Members m;
    m.line->Offset(-10, 50);
    m.group.ComputeGroupExtents(nullptr, 0, 0, 1.0, 1.0);
    EXPECT_EQ(ExtentsOf(m.group), (Box{-10, 0, 40, 60}));
    EXPECT_EQ(CornersOf(m.group), (Box{-10, 60, 40, 0}));
}

TEST(CRukGroupTest, HitsOnlyThroughMembersOnShownLayers) {
    Members m;
    m.document.m_layerStates = {{"WALL", 0}, {"ROOF", 1}};
    EXPECT_EQ(m.group.HitTest(nullptr, &m.document, 5, 5), 0);
    m.document.m_layerStates["WALL"] = 1;
    EXPECT_EQ(m.group.HitTest(nullptr, &m.document, 5, 5), 1);
}

TEST(CRukGroupTest, ShownExtentsCountMembersOnShownLayers) {
    Members m;
    m.document.m_layerStates = {{"WALL", 0}, {"ROOF", 1}};
    CDrawDefaults settings;
    CObList picked;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    m.group.CollectShownExtents(&m.document, &picked, &minX, &minY, &maxX, &maxY, &settings);
    EXPECT_EQ((Box{minX, minY, maxX, maxY}), (Box{20, 0, 40, 30}));
    ASSERT_EQ(picked.GetCount(), 1);
    EXPECT_EQ(picked.GetHead(), &m.group);

    // In the tagged cursor mode an untagged group is never picked.
    settings.m_cursorMode = 1;
    m.group.CollectShownExtents(&m.document, &picked, &minX, &minY, &maxX, &maxY, &settings);
    m.document.m_layerStates = {};
    settings.m_cursorMode = 0;
    m.group.CollectShownExtents(&m.document, &picked, &minX, &minY, &maxX, &maxY, &settings);
    EXPECT_EQ(picked.GetCount(), 1);
}

// ---- Archive body

Bytes GroupBody() {
    Bytes body;
    body.Long(-4).Long(20).Long(10).Long(0).Text("DOOR").Long(0x00FF00).Text("Doors");
    body.Byte(2).Text("tag").Text("name").Long(0);
    body.Word(0);
    return body;
}

TEST(CRukGroupTest, BodyRoundTripsByteForByte) {
    CRukGroup group;
    LoadBody(group, GroupBody().Get(), 0);
    EXPECT_EQ(CornersOf(group), (Box{-4, 20, 10, 0}));
    EXPECT_EQ(group.m_layerName, "DOOR");
    EXPECT_EQ(group.m_color, 0x00FF00u);
    EXPECT_EQ(group.m_groupName, "Doors");
    EXPECT_EQ(group.m_childFlag, 2);
    EXPECT_EQ(group.m_tag, "tag");
    EXPECT_EQ(group.m_name, "name");
    EXPECT_EQ(StoreBody(group), GroupBody().Get());
    EXPECT_EQ(StoreObject(group), ClassRecord(0, "CRukGroup").Append(GroupBody().Get()).Get());
}

TEST(CRukGroupTest, MemberWrittenEarlierIsReloadedAsTheSameObject) {
    Members m;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << static_cast<const CObject*>(m.line) << static_cast<const CObject*>(&m.group)
           << static_cast<const CObject*>(m.polygon);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CObject* objects[3] = {};
    ar >> objects[0] >> objects[1] >> objects[2];
    const std::unique_ptr<CObject> line(objects[0]);
    const std::unique_ptr<CObject> group(objects[1]);
    const std::unique_ptr<CObject> polygon(objects[2]);
    const auto* loaded = dynamic_cast<const CRukGroup*>(group.get());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(ChildrenOf(*loaded),
              (std::vector<CRukEntity*>{dynamic_cast<CRukEntity*>(line.get()),
                                        dynamic_cast<CRukEntity*>(polygon.get())}));
    EXPECT_EQ(loaded->m_childCount, 2);
    EXPECT_EQ(ExtentsOf(*loaded), (Box{0, 0, 40, 30}));
}

// The body with its child list replaced by these bytes.
std::vector<BYTE> GroupBodyWithList(const Bytes& list) {
    // The body ends with the empty list's count, a WORD.
    const std::vector<BYTE> body = GroupBody().Get();
    std::vector<BYTE> bytes(body.begin(), body.end() - 2);
    bytes.insert(bytes.end(), list.Get().begin(), list.Get().end());
    return bytes;
}

TEST(CRukGroupTest, NullEntriesOfTheChildListAreLeftOut) {
    Bytes list;
    list.Word(2).Word(0).Word(0);
    CRukGroup group;
    LoadBody(group, GroupBodyWithList(list), 0);
    EXPECT_EQ(group.GetCount(), 0);
    EXPECT_EQ(group.GetHeadPosition(), nullptr);
}

TEST(CRukGroupTest, ChildThatIsNoEntityIsRefused) {
    // The child list holds one object: an empty object list.
    Bytes list;
    list.Word(1).Append(ClassRecord(0, "CObList").Word(0).Get());
    CRukGroup group;
    try {
        LoadBody(group, GroupBodyWithList(list), 0);
        FAIL() << "an object list was taken as a member";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badClass);
    }
    EXPECT_EQ(group.GetCount(), 0);
}

} // namespace
