#include "por/PorBlockWriter.h"

#include "PorTestData.h"
#include "platform/win/GlobalMemory.h"
#include "por/PorBlockReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

TEST(PorBlockWriterTest, GrowsInWholeStepsWithZerosAfterTheData) {
    PorBlockWriter writer;
    EXPECT_TRUE(writer.Storage().empty());

    const PorRecordBuilder header = MakeHeader();
    writer.Append(header);
    EXPECT_EQ(writer.Data().size(), header.Size());
    EXPECT_EQ(writer.Storage().size(), 4096u);

    // Filling the first step exactly does not grow; one byte more does.
    const std::vector<BYTE> filler(4096 - header.Size(), 0x5A);
    writer.Append(filler);
    EXPECT_EQ(writer.Storage().size(), 4096u);
    const BYTE one = 0xA5;
    writer.Append(std::span(&one, 1));
    EXPECT_EQ(writer.Data().size(), 4097u);
    ASSERT_EQ(writer.Storage().size(), 8192u);

    EXPECT_TRUE(std::ranges::equal(writer.Data().first(header.Size()), header.Bytes()));
    EXPECT_EQ(writer.Data()[4096], 0xA5);
    EXPECT_TRUE(std::ranges::all_of(writer.Storage().subspan(4097), [](BYTE b) { return b == 0; }));
}

TEST(PorBlockWriterTest, RecordsFollowEachOtherWithoutPadding) {
    PorBlockWriter writer;
    PorRecordBuilder layer(PorLayer::Type);
    layer.Set(PorLayer::Name, "AB");
    writer.Append(layer);
    writer.Append(MakeEnd());
    EXPECT_EQ(std::vector<BYTE>(writer.Data().begin(), writer.Data().end()),
              Join({layer.Bytes(), Words({2, 8})}));
    EXPECT_EQ(layer.Size(), 31u);
}

TEST(PorBlockWriterTest, GlobalBlockHoldsTheRecordsAndIsHandedOverUnlocked) {
    PorBlockWriter writer;
    EXPECT_EQ(writer.ToGlobalBlock(), nullptr);

    writer.Append(MakeHeader());
    writer.Append(MakeLine({1, 2}, {3, 4}));
    HGLOBAL block = writer.ToGlobalBlock();
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 4096u);
    EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);

    // No end record: the reader relies on the zero bytes after the data.
    const auto* data = static_cast<const BYTE*>(GlobalLock(block));
    const std::span<const BYTE> bytes(data, GlobalSize(block));
    EXPECT_TRUE(std::ranges::equal(bytes.first(writer.Data().size()), writer.Data()));
    PorBlockReader reader(bytes);
    EXPECT_EQ(reader.Next()->Type(), PorHeader::Type);
    EXPECT_EQ(reader.Next()->Get(PorLine::End)->y, 4);
    EXPECT_FALSE(reader.Next().has_value());
    EXPECT_EQ(reader.StopReason(), PorStopReason::BadType);
    GlobalUnlock(block);
    EXPECT_EQ(GlobalFree(block), nullptr);

    // The writer keeps its records: a second block is an equal copy.
    HGLOBAL again = writer.ToGlobalBlock();
    ASSERT_NE(again, nullptr);
    const auto* copy = static_cast<const BYTE*>(GlobalLock(again));
    EXPECT_TRUE(std::ranges::equal(std::span(copy, GlobalSize(again)), writer.Storage()));
    GlobalUnlock(again);
    GlobalFree(again);
}

std::vector<BYTE> BlockBytes(HGLOBAL block) {
    const auto* data = static_cast<const BYTE*>(GlobalLock(block));
    std::vector<BYTE> bytes(data, data + GlobalSize(block));
    GlobalUnlock(block);
    return bytes;
}

// A plug-in hands its records over in place: the block equals the copy it
// would have made of the same records, byte for byte, also when the data
// ends exactly on a step or the head pushes it over one.
TEST(PorBlockWriterTest, ReleasedBlockEqualsTheCopyOfTheSameRecords) {
    struct Case {
        const char* name;
        std::size_t bodyBytes;
    };
    const PorRecordBuilder head = MakeHeader();
    const PorRecordBuilder end = MakeEnd();
    for (const Case& test :
         {Case{"small", 40}, Case{"ends on a step", 4096 - head.Size() - end.Size()},
          Case{"head pushes it over a step", 4096 - end.Size() - 1},
          Case{"many steps", 3 * 4096 + 7}}) {
        SCOPED_TRACE(test.name);
        std::vector<BYTE> body(test.bodyBytes);
        for (std::size_t i = 0; i < body.size(); ++i)
            body[i] = static_cast<BYTE>(i * 7 + 1);

        PorBlockWriter copied;
        copied.Append(head);
        copied.Append(body);
        copied.Append(end);
        HGLOBAL copy = copied.ToGlobalBlock();

        PorBlockWriter built;
        built.Append(body);
        built.Prepend(head.Bytes());
        built.Append(end);
        EXPECT_TRUE(std::ranges::equal(built.Data(), copied.Data()));
        HGLOBAL released = built.ReleaseGlobalBlock();
        ASSERT_NE(released, nullptr);
        EXPECT_EQ(GlobalFlags(released) & GMEM_LOCKCOUNT, 0u);
        EXPECT_EQ(GlobalSize(released) % PorBlockWriter::GrowthStep, 0u);
        EXPECT_EQ(BlockBytes(released), BlockBytes(copy));
        EXPECT_TRUE(built.Data().empty());
        EXPECT_EQ(built.ReleaseGlobalBlock(), nullptr);
        GlobalFree(released);
        GlobalFree(copy);
    }
}

// Records changed in place and a writer moved to another keep their bytes.
TEST(PorBlockWriterTest, MovedWriterKeepsRecordsChangedInPlace) {
    PorBlockWriter writer;
    writer.Append(MakeLine({1, 2}, {3, 4}));
    const std::vector<BYTE> before(writer.Data().begin(), writer.Data().end());
    writer.MutableData()[before.size() - 1] ^= 0xFF;
    PorBlockWriter moved = std::move(writer);
    ASSERT_EQ(moved.Data().size(), before.size());
    EXPECT_TRUE(std::ranges::equal(moved.Data().first(before.size() - 1),
                                   std::span(before).first(before.size() - 1)));
    EXPECT_EQ(moved.Data().back(), before.back() ^ 0xFF);
}

} // namespace
