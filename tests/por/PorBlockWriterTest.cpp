#include "por/PorBlockWriter.h"

#include "PorTestData.h"
#include "platform/win/GlobalMemory.h"
#include "por/PorBlockReader.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace
