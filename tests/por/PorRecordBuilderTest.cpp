#include "por/PorRecordBuilder.h"

#include "PorTestData.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<BYTE> Bytes(const PorRecordBuilder& record) {
    return {record.Bytes().begin(), record.Bytes().end()};
}

TEST(PorRecordBuilderTest, FixedFieldsCannotOverwriteAppendedBytes) {
    PorRecordBuilder polyline(PorPolyline::Type);
    polyline.Set(PorPolyline::Layer, "0");
    const POINT points[] = {{1, 1}};
    EXPECT_THROW(polyline.Set(PorPolyline::Points, points), std::logic_error);
    // Fields inside the fixed part stay writable.
    polyline.Set(PorPolyline::Pen, PorPen{1, 1000, 25, 0});
    EXPECT_EQ(polyline.Size(), 82u);
}

TEST(PorRecordBuilderTest, MisuseIsRefused) {
    PorRecordBuilder circle(PorCircle::Type);
    const POINT three[] = {{0, 0}, {0, 1}, {1, 1}};
    EXPECT_THROW(circle.Set(PorCircle::Corners, three), std::invalid_argument);

    PorRecordBuilder insert(PorInsert::Type);
    const std::vector<BYTE> cut = Words({3, 56, 0, 0});
    EXPECT_THROW(insert.Append(PorInsert::Children, cut), std::invalid_argument);
    EXPECT_THROW(insert.Append(PorInsert::Children, Words({0, 8})), std::invalid_argument);
    EXPECT_EQ(insert.Size(), PorInsert::FixedSize);

    // Items that would not follow their count word could never be found.
    insert.Set(PorInsert::Layer, "0");
    EXPECT_THROW(insert.Append(PorInsert::Children, Words({21, 8})), std::logic_error);
    PorRecordBuilder group(PorGroup::Type);
    group.PadTo(32);
    EXPECT_THROW(group.Append(PorGroup::Members, "1"), std::logic_error);
}

TEST(PorRecordBuilderTest, TypesWithoutALayoutStartAsABareHead) {
    PorRecordBuilder skipped(13);
    EXPECT_EQ(Bytes(skipped), Words({13, 8}));
    skipped.PadTo(10);
    skipped.PadTo(9);
    EXPECT_EQ(skipped.Size(), 10u);
    EXPECT_EQ(LoadPorWord(skipped.Bytes().data() + 4), 10);
}

} // namespace
