#include "plugins/dxf/CPorStream.h"

#include "DxfTestSupport.h"
#include "plugins/dxf/CPorTransform.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PorStream, BoundsStartEmptyAndTakeTheFirstPoint) {
    CPorStream stream;
    EXPECT_TRUE(stream.Bounds().empty);
    EXPECT_EQ(stream.Bounds().minX, 0);
    EXPECT_EQ(stream.Bounds().maxY, 0);
    stream.ExtendBounds(5, -3);
    const CPorBounds& b = stream.Bounds();
    EXPECT_FALSE(b.empty);
    EXPECT_EQ((std::vector<LONG>{b.minX, b.minY, b.maxX, b.maxY}),
              (std::vector<LONG>{5, -3, 5, -3}));
    stream.ExtendBounds(-1, 7);
    EXPECT_EQ((std::vector<LONG>{b.minX, b.minY, b.maxX, b.maxY}),
              (std::vector<LONG>{-1, -3, 5, 7}));
}

struct NameCase {
    const char* name;
    std::string blockName;
    std::string kept;
};

class PendingNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(PendingNames, AreCutToTheirField) {
    CPorStream stream;
    CDxfPendingInsert insert;
    insert.blockName = GetParam().blockName;
    stream.AddPendingInsert(insert);
    ASSERT_EQ(stream.PendingInserts().size(), 1u);
    EXPECT_EQ(stream.PendingInserts()[0].blockName.str(), GetParam().kept);
}

// 0x82 0xA0 is one two-byte character.
INSTANTIATE_TEST_SUITE_P(
    PorStream, PendingNames,
    ::testing::Values(NameCase{"Short", "DOOR", "DOOR"},
                      NameCase{"Exact", std::string(255, 'B'), std::string(255, 'B')},
                      NameCase{"Long", std::string(300, 'B'), std::string(255, 'B')},
                      NameCase{"SplitCharacter", std::string(254, 'B') + "\x82\xA0" + "C",
                               std::string(254, 'B')},
                      NameCase{"WholeCharacter", std::string(253, 'B') + "\x82\xA0" + "C",
                               std::string(253, 'B') + "\x82\xA0"}),
    [](const auto& info) { return info.param.name; });

TEST(PorStream, TransformPlacesExactlyTheCountedRecords) {
    CPorStream stream;
    PorRecordBuilder dot(PorDot::Type);
    dot.Set(PorDot::Position, POINT{1000, 0});
    stream.AppendRecord(dot);
    stream.AppendRecord(dot);
    const std::vector<BYTE> placed = stream.Transform(CPorTransform(500, 500, 1, 1, 0, 1000));
    ASSERT_EQ(placed.size(), stream.ByteCount());
    const auto records = DxfTest::Records(placed);
    ASSERT_EQ(records.size(), 2u);
    for (const PorRecord& record : records) {
        EXPECT_EQ(record.Get(PorDot::Position)->x, 1500);
        EXPECT_EQ(record.Get(PorDot::Position)->y, 500);
    }
    // The stream itself keeps its records.
    EXPECT_EQ(DxfTest::Records(stream)[0].Get(PorDot::Position)->x, 1000);
}

} // namespace
