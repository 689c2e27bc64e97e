#include "por/PorBlockReader.h"

#include "PorTestData.h"
#include "por/PorRecordWalker.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct WalkCase {
    const char* name;
    std::vector<BYTE> block;
    std::vector<LONG> types; // the records yielded, in order
    PorStopReason stop;
};

void PrintTo(const WalkCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<BYTE> Bytes(const PorRecordBuilder& record) {
    return {record.Bytes().begin(), record.Bytes().end()};
}

PorRecordBuilder Skipped(LONG type, std::size_t size) {
    PorRecordBuilder record(type);
    record.PadTo(size);
    return record;
}

std::vector<WalkCase> WalkCases() {
    const auto header = Bytes(MakeHeader());
    const auto line = Bytes(MakeLine({0, 0}, {10, 10}));
    const auto end = Bytes(MakeEnd());
    const auto dot = Bytes(PorRecordBuilder(PorDot::Type));
    const auto version = [&](LONG v) { return Bytes(MakeHeader(v)); };

    std::vector<BYTE> paddedBlock = Join({header, line, end});
    paddedBlock.resize(4096);
    std::vector<BYTE> shortHeader = header;
    shortHeader.resize(48);
    StorePorWord(shortHeader.data() + 4, 48);

    return {
        {"Version2999IsRefused", Join({version(2999), line, end}), {}, PorStopReason::BadVersion},
        {"Version3000IsRead", Join({version(3000), line, end}), {1, 3}, PorStopReason::EndRecord},
        {"Version3999IsRead", Join({version(3999), line, end}), {1, 3}, PorStopReason::EndRecord},
        {"Version4000IsRefused", Join({version(4000), line, end}), {}, PorStopReason::BadVersion},
        {"NegativeVersionIsRefused", Join({version(-3003), end}), {}, PorStopReason::BadVersion},
        {"ZeroScaleIsRefused",
         Join({Bytes(MakeHeader(3003, 0)), line, end}),
         {},
         PorStopReason::ZeroScale},
        {"ShortHeaderIsRefused", Join({shortHeader, line, end}), {}, PorStopReason::ShortHeader},
        {"LaterBadHeaderRefusesTheBlock",
         Join({header, line, version(4000), end}),
         {1, 3},
         PorStopReason::BadVersion},
        {"ZeroTypeStops",
         Join({header, line, Words({0, 8}), dot, end}),
         {1, 3},
         PorStopReason::BadType},
        {"Type40Stops",
         Join({header, line, Words({40, 8}), dot, end}),
         {1, 3},
         PorStopReason::BadType},
        {"NegativeTypeStops",
         Join({header, Words({-1, 8}), dot, end}),
         {1},
         PorStopReason::BadType},
        {"SkippedTypesAreSkippedBySize",
         Join({header, Bytes(Skipped(13, 20)), line, Bytes(Skipped(4, 9)), Bytes(Skipped(32, 8)),
               dot, end}),
         {1, 3, 21},
         PorStopReason::EndRecord},
        {"Type39IsRead",
         Join({header, Bytes(PorRecordBuilder(39)), end}),
         {1, 39},
         PorStopReason::EndRecord},
        {"SizeBelowHeadStops",
         Join({header, line, Words({3, 7}), dot, end}),
         {1, 3},
         PorStopReason::BadSize},
        {"NegativeSizeStops",
         Join({header, Words({3, -56}), dot, end}),
         {1},
         PorStopReason::BadSize},
        {"SizePastTheEndStops",
         Join({header, line, Words({21, 200, 0, 0})}),
         {1, 3},
         PorStopReason::BadSize},
        {"MissingEndKeepsWhatWasRead",
         Join({header, line, dot}),
         {1, 3, 21},
         PorStopReason::DataEnd},
        {"TrailingBytesShorterThanAHead",
         Join({header, line, Words({2})}),
         {1, 3},
         PorStopReason::DataEnd},
        {"ZerosAfterTheEndAreNotRead", paddedBlock, {1, 3}, PorStopReason::EndRecord},
        {"ZerosWithoutAnEndStop",
         [&] {
             std::vector<BYTE> block = Join({header, line});
             block.resize(4096);
             return block;
         }(),
         {1, 3},
         PorStopReason::BadType},
        {"RecordsAfterTheEndAreNotRead", Join({header, end, line}), {1}, PorStopReason::EndRecord},
        {"EmptyBlock", {}, {}, PorStopReason::DataEnd},
    };
}

class PorBlockReaderWalkTest : public testing::TestWithParam<WalkCase> {};

TEST_P(PorBlockReaderWalkTest, YieldsRecordsUntilItsStopRule) {
    const WalkCase& c = GetParam();
    PorBlockReader reader(c.block);
    std::vector<LONG> types;
    while (auto record = reader.Next()) {
        types.push_back(record->Type());
        ASSERT_LE(record->Bytes().data() + record->Size(), c.block.data() + c.block.size());
    }
    EXPECT_EQ(types, c.types);
    EXPECT_EQ(reader.StopReason(), c.stop);
    EXPECT_EQ(reader.Refused(), IsPorRefusal(c.stop));
    EXPECT_FALSE(reader.Next().has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, PorBlockReaderWalkTest, testing::ValuesIn(WalkCases()),
                         [](const auto& info) { return info.param.name; });

TEST(PorBlockReaderTest, PositionFollowsTheRecordsRead) {
    const auto header = MakeHeader();
    const auto line = MakeLine({0, 0}, {1, 1}, "LONGER LAYER");
    const std::vector<BYTE> block = Join({header.Bytes(), line.Bytes(), MakeEnd().Bytes()});
    PorBlockReader reader(block);
    EXPECT_EQ(reader.Position(), 0u);
    reader.Next();
    EXPECT_EQ(reader.Position(), header.Size());
    reader.Next();
    EXPECT_EQ(reader.Position(), header.Size() + line.Size());
}

// An insert whose children are given as raw bytes after its 28-byte head.
std::vector<BYTE> Insert(LONG count, std::span<const BYTE> children) {
    std::vector<BYTE> bytes = Words({PorInsert::Type, 0, 0, 0, 0, 0, count});
    Add(bytes, children);
    StorePorWord(bytes.data() + 4, static_cast<LONG>(bytes.size()));
    return bytes;
}

std::vector<LONG> NestedTypes(const std::vector<BYTE>& block, PorStopReason* stop = nullptr) {
    const auto insert = PorRecord::Frame(block);
    EXPECT_TRUE(insert.has_value());
    PorRecordWalker walker = PorRecordWalker::Nested(*insert, PorInsert::Children);
    std::vector<LONG> types;
    while (auto child = walker.Next()) {
        types.push_back(child->Type());
        EXPECT_LE(child->Bytes().data() + child->Size(), insert->Bytes().data() + insert->Size());
    }
    if (stop) {
        *stop = walker.StopReason();
    }
    return types;
}

TEST(PorBlockReaderTest, NestedRecordsAreWalkedByCountInsideTheContainer) {
    const auto line = MakeLine({0, 0}, {5, 5});
    const auto dot = PorRecordBuilder(PorDot::Type);
    const std::vector<BYTE> children = Join({line.Bytes(), MakeEnd().Bytes(), dot.Bytes()});
    PorStopReason stop{};

    EXPECT_EQ(NestedTypes(Insert(3, children), &stop), (std::vector<LONG>{3, 2, 21}));
    EXPECT_EQ(stop, PorStopReason::CountReached);
    EXPECT_EQ(NestedTypes(Insert(1, children)), (std::vector<LONG>{3}));
    EXPECT_EQ(NestedTypes(Insert(0, children)), (std::vector<LONG>{}));
    EXPECT_EQ(NestedTypes(Insert(-2, children)), (std::vector<LONG>{}));
    EXPECT_EQ(NestedTypes(Insert(9, children), &stop), (std::vector<LONG>{3, 2, 21}));
    EXPECT_EQ(stop, PorStopReason::DataEnd);
}

TEST(PorBlockReaderTest, NestedSizeIsCheckedAgainstTheContainerNotTheBlock) {
    // The second child claims 24 bytes, of which only 16 belong to the insert;
    // the block goes on after the insert with plenty of bytes.
    const auto line = MakeLine({0, 0}, {5, 5});
    std::vector<BYTE> block = Insert(2, Join({line.Bytes(), Words({21, 24, 0, 0})}));
    Add(block, Words({21, 24, 0, 0, 0, 0, 0, 0}));
    PorStopReason stop{};
    EXPECT_EQ(NestedTypes(block, &stop), (std::vector<LONG>{3}));
    EXPECT_EQ(stop, PorStopReason::BadSize);
}

TEST(PorBlockReaderTest, NestedWalkStopsAtAZeroType) {
    const auto line = MakeLine({0, 0}, {5, 5});
    PorStopReason stop{};
    EXPECT_EQ(NestedTypes(Insert(3, Join({line.Bytes(), Words({0, 8}), line.Bytes()})), &stop),
              (std::vector<LONG>{3}));
    EXPECT_EQ(stop, PorStopReason::BadType);
}

TEST(PorBlockReaderTest, ContainerTooShortForItsCountHasNoChildren) {
    PorStopReason stop{};
    EXPECT_EQ(NestedTypes(Words({PorInsert::Type, 20, 0, 0, 0}), &stop), (std::vector<LONG>{}));
    EXPECT_EQ(stop, PorStopReason::CountReached);
}

} // namespace
