#include "por/PorBlockWriter.h"

#include "PorTestData.h"

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

} // namespace
