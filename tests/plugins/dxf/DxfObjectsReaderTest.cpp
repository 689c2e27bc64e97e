#include "plugins/dxf/CDxfObjectsReader.h"

#include "DxfTestSupport.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;

std::string Objects(const std::string& objects) {
    return "  0\nSECTION\n  2\nOBJECTS\n" + objects + "  0\nENDSEC\n";
}

const std::string Lines = "  0\nLINE\n  5\nA1\n 11\n1\n  0\nLINE\n  5\nA2\n 11\n2\n"
                          "  0\nLINE\n  5\nA10\n 11\n3\n";

const std::string GroupDictionary = "  0\nDICTIONARY\n  5\nD\n330\nC\n"
                                    "  3\nLOST\n  3\nG1\n350\nG\n  3\nOTHER\n350\nH\n";

std::string EntitiesThenObjects(const std::string& objects) {
    std::string entities = EntitiesSection(Lines);
    entities.erase(entities.rfind("  0\nEOF\n"));
    return entities + Objects(objects) + "  0\nEOF\n";
}

TEST(ObjectsReader, GroupRecordNamesItsMembersAfterTheEntities) {
    const auto drawing = DrawingOf(EntitiesThenObjects(
        GroupDictionary + "  0\nGROUP\n  5\nG\n330\nD\n 70\n0\n340\nA1\n340\nA2\n340\nA10\n"));
    ASSERT_EQ(drawing.records.size(), 4u);
    const PorRecord& group = drawing.records[3];
    EXPECT_EQ(group.Type(), PorGroup::Type);
    EXPECT_EQ(group.Get(PorGroup::Id), "G");
    EXPECT_EQ(group.Get(PorGroup::Name), "G1");
    EXPECT_EQ(group.Get(PorGroup::Members), (std::vector<CString>{"A1", "A2", "A10"}));
    // Items of 13 + L bytes: {size, L, 12, text, NUL}; M = 15 + 15 + 16.
    const auto bytes = group.Bytes();
    EXPECT_EQ(LoadPorWord(bytes.data() + 28), 15);
    EXPECT_EQ(LoadPorWord(bytes.data() + 12), 28 + 46);
    EXPECT_EQ(group.Size(), 1u + 2u + 46u + 30u);
}

struct NoGroupCase {
    const char* name;
    std::string objects;
};

class NoGroupRecord : public ::testing::TestWithParam<NoGroupCase> {};

TEST_P(NoGroupRecord, IsWritten) {
    const auto drawing = DrawingOf(EntitiesThenObjects(GetParam().objects));
    EXPECT_EQ(drawing.records.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    ObjectsReader, NoGroupRecord,
    ::testing::Values(NoGroupCase{"WithoutMembers", "  0\nGROUP\n  5\nG\n330\nD\n"},
                      NoGroupCase{"WithFlag3", "  0\nGROUP\n  5\nG\n 70\n3\n340\nA1\n"}),
    [](const auto& info) { return info.param.name; });

TEST(ObjectsReader, GroupNotListedHasNoName) {
    const auto drawing =
        DrawingOf(EntitiesThenObjects(GroupDictionary + "  0\nGROUP\n  5\nX\n330\nD\n340\nA1\n"
                                                        "  0\nGROUP\n330\nD\n340\nA2\n"));
    ASSERT_EQ(drawing.records.size(), 5u);
    EXPECT_EQ(drawing.records[3].Get(PorGroup::Name), "");
    EXPECT_EQ(drawing.records[4].Get(PorGroup::Id), "");
    EXPECT_EQ(drawing.records[4].Get(PorGroup::Name), "");
}

} // namespace
