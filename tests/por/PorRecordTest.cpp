#include "por/PorRecord.h"

#include "PorTestData.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

// A record views its bytes: they must outlive it.
PorRecord Framed(std::vector<BYTE>&&) = delete;
PorRecord Framed(const std::vector<BYTE>& bytes) {
    auto record = PorRecord::Frame(bytes);
    EXPECT_TRUE(record.has_value());
    return *record;
}

// A line record of `size` bytes whose id pair is (length, offset), filled
// with the letters 'a', 'b', ... after the head.
std::vector<BYTE> LineWithId(LONG length, LONG offset, LONG size) {
    std::vector<BYTE> bytes = Words({PorLine::Type, size, length, offset});
    for (LONG i = 16; i < size; ++i) {
        bytes.push_back(static_cast<BYTE>('a' + (i - 16) % 26));
    }
    return bytes;
}

struct StringCase {
    const char* name;
    LONG length;
    LONG offset;
    LONG size;
    std::string expected;
};

class PorRecordStringTest : public testing::TestWithParam<StringCase> {};

TEST_P(PorRecordStringTest, StringMustLieInsideThePayload) {
    const StringCase& c = GetParam();
    const std::vector<BYTE> bytes = LineWithId(c.length, c.offset, c.size);
    const PorRecord record = Framed(bytes);
    EXPECT_EQ(record.Get(PorLine::Id).str(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PorRecordStringTest,
                         testing::Values(StringCase{"Middle", 3, 17, 24, "bcd"},
                                         StringCase{"EndsOnLastByte", 3, 21, 24, "fgh"},
                                         StringCase{"WholePayload", 8, 16, 24, "abcdefgh"},
                                         StringCase{"OneBytePastTheEnd", 3, 22, 24, ""},
                                         StringCase{"StartsAtTheEnd", 1, 24, 24, ""},
                                         StringCase{"ZeroLengthZeroOffset", 0, 0, 24, ""},
                                         StringCase{"ZeroLengthValidOffset", 0, 17, 24, ""},
                                         StringCase{"InsideTheHead", 4, 4, 24, ""},
                                         StringCase{"NegativeLength", -1, 17, 24, ""},
                                         StringCase{"NegativeOffset", 3, -2, 24, ""},
                                         StringCase{"LengthThatOverflows", 0x7FFFFFFF, 17, 24, ""},
                                         StringCase{"OffsetThatOverflows", 4, 0x7FFFFFFE, 24, ""}),
                         [](const auto& info) { return info.param.name; });

TEST(PorRecordTest, StringPairBeyondTheRecordReadsEmpty) {
    // Only the head and the id pair: the layer pair at [12], [13] is missing.
    const std::vector<BYTE> bytes = Words({PorLine::Type, 16, 0, 0});
    const PorRecord record = Framed(bytes);
    EXPECT_TRUE(record.Get(PorLine::Layer).IsEmpty());
    EXPECT_FALSE(record.HasFixedPart());
}

TEST(PorRecordTest, FaceNameEndsAtItsNulOrAtTheRecordEnd) {
    std::vector<BYTE> bytes = Words({PorText::Type, 0});
    bytes.resize(PorText::FixedSize);
    Add(bytes, "Mincho");
    bytes.push_back(0);
    Add(bytes, "tail");
    StorePorWord(bytes.data() + 4, static_cast<LONG>(bytes.size()));

    const auto face = [&](LONG offset, std::size_t size) {
        std::vector<BYTE> copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        StorePorWord(copy.data() + 4, static_cast<LONG>(size));
        StorePorWord(copy.data() + PorText::FaceName.word * 4, offset);
        return Framed(copy).Get(PorText::FaceName).str();
    };
    EXPECT_EQ(face(160, bytes.size()), "Mincho");
    EXPECT_EQ(face(167, bytes.size()), "tail"); // no NUL: bounded by the record
    EXPECT_EQ(face(160, 163), "Min");
    EXPECT_EQ(face(static_cast<LONG>(bytes.size()), bytes.size()), "");
    EXPECT_EQ(face(static_cast<LONG>(bytes.size()) + 1, bytes.size()), "");
    EXPECT_EQ(face(0, bytes.size()), "");
    EXPECT_EQ(face(-160, bytes.size()), "");
}

TEST(PorRecordTest, ByBlockColourReadsWhiteInEveryColourField) {
    PorRecordBuilder polygon(PorPolygon::Type);
    polygon.Set(PorPolygon::Pen, PorPen{1, 1000, 25, PorByBlockColor});
    polygon.Set(PorPolygon::Fill, PorFill{3, PorByBlockColor});
    polygon.Set(PorPolygon::SecondFillColor, PorByLayerColor);
    const auto record = *PorRecord::Frame(polygon.Bytes());

    EXPECT_EQ(record.Get(PorPolygon::Pen)->color, 0xFFFFFFu);
    EXPECT_EQ(record.Get(PorPolygon::Fill)->color, 0xFFFFFFu);
    EXPECT_EQ(*record.Get(PorPolygon::SecondFillColor), PorByLayerColor);
    // The stored word stays available for writers that replace the marker.
    EXPECT_EQ(*record.ULong(PorPolygon::Pen.word + 3), PorByBlockColor);
}

TEST(PorRecordTest, PointListCountIsCheckedAgainstTheRecord) {
    const auto polyline = [](LONG count, int pointsHeld) {
        std::vector<BYTE> bytes = Words({PorPolyline::Type, 0});
        bytes.resize(PorPolyline::FixedSize);
        StorePorWord(bytes.data() + PorPolyline::Points.word * 4, count);
        for (int i = 0; i < pointsHeld; ++i) {
            Add(bytes, Words({i, -i}));
        }
        StorePorWord(bytes.data() + 4, static_cast<LONG>(bytes.size()));
        return bytes;
    };
    const auto points = [](const std::vector<BYTE>& bytes) {
        return Framed(bytes).Get(PorPolyline::Points);
    };

    const auto three = points(polyline(3, 3));
    ASSERT_TRUE(three.has_value());
    ASSERT_EQ(three->size(), 3u);
    EXPECT_EQ((*three)[2].x, 2);
    EXPECT_EQ((*three)[2].y, -2);
    EXPECT_EQ(points(polyline(0, 0))->size(), 0u);
    EXPECT_FALSE(points(polyline(4, 3)).has_value());
    EXPECT_FALSE(points(polyline(-1, 3)).has_value());
    EXPECT_FALSE(points(polyline(0x7FFFFFFF, 3)).has_value());
    EXPECT_FALSE(points(polyline(0x20000000, 3)).has_value()); // 8n wraps in 32 bits

    // A point list whose last point has only its x inside the record.
    std::vector<BYTE> cut = polyline(3, 3);
    cut.resize(cut.size() - 4);
    StorePorWord(cut.data() + 4, static_cast<LONG>(cut.size()));
    EXPECT_FALSE(points(cut).has_value());
}

TEST(PorRecordTest, ValueListAndByteRangeAreCheckedAgainstTheRecord) {
    const std::vector<BYTE> two = Words({PorLineType::Type, 24, 1001, 2, 50000, -25000});
    EXPECT_EQ(*Framed(two).Get(PorLineType::Dashes), (std::vector<LONG>{50000, -25000}));
    const std::vector<BYTE> three = Words({PorLineType::Type, 24, 1001, 3, 50000, -25000});
    EXPECT_FALSE(Framed(three).Get(PorLineType::Dashes).has_value());

    std::vector<BYTE> frame = Words({PorIFrame::Type, 0});
    frame.resize(PorIFrame::FixedSize);
    Add(frame, "BMDATA");
    StorePorWord(frame.data() + 4, static_cast<LONG>(frame.size()));
    const auto image = [&](LONG offset, LONG length) {
        std::vector<BYTE> copy = frame;
        StorePorWord(copy.data() + PorIFrame::Image.word * 4, offset);
        StorePorWord(copy.data() + PorIFrame::Image.word * 4 + 4, length);
        const auto bytes = Framed(copy).Get(PorIFrame::Image);
        return bytes ? std::optional<std::string>(std::string(bytes->begin(), bytes->end()))
                     : std::nullopt;
    };
    EXPECT_EQ(image(140, 6), "BMDATA");
    EXPECT_EQ(image(140, 0), "");
    EXPECT_EQ(image(141, 6), std::nullopt);
    EXPECT_EQ(image(140, -1), std::nullopt);
    EXPECT_EQ(image(4, 4), std::nullopt);
    EXPECT_EQ(image(140, 0x7FFFFFFF), std::nullopt);
}

TEST(PorRecordTest, GroupItemsAreWalkedByTheirSizeInsideTheRecord) {
    const auto group = [](LONG count, std::initializer_list<std::vector<BYTE>> items) {
        std::vector<BYTE> bytes = Words({PorGroup::Type, 0, 0, 0, 0, 0, count});
        for (const auto& item : items) {
            Add(bytes, item);
        }
        StorePorWord(bytes.data() + 4, static_cast<LONG>(bytes.size()));
        return Framed(bytes).Get(PorGroup::Members);
    };
    const auto item = [](std::string_view id) {
        std::vector<BYTE> bytes =
            Words({static_cast<LONG>(id.size()) + 13, static_cast<LONG>(id.size()), 12});
        Add(bytes, id);
        bytes.push_back(0);
        return bytes;
    };
    using Ids = std::vector<CString>;

    EXPECT_EQ(group(2, {item("1F"), item("2A0")}), (Ids{"1F", "2A0"}));
    EXPECT_EQ(group(1, {item("1F"), item("2A0")}), (Ids{"1F"}));
    EXPECT_EQ(group(5, {item("1F"), item("2A0")}), (Ids{"1F", "2A0"}));
    EXPECT_EQ(group(-1, {item("1F")}), Ids{});
    // An item smaller than its head or larger than the rest ends the walk.
    EXPECT_EQ(group(2, {Words({11, 0, 12}), item("2A0")}), Ids{});
    EXPECT_EQ(group(2, {item("1F"), Words({100, 1, 12, 0x41})}), (Ids{"1F"}));
    // An id outside its item is left out; the walk goes on by the item size.
    EXPECT_EQ(group(2, {Words({16, 5, 12, 0x41}), item("2A0")}), (Ids{"2A0"}));
    EXPECT_EQ(group(2, {Words({16, 0, 12, 0}), item("2A0")}), (Ids{"2A0"}));
    EXPECT_EQ(group(2, {Words({16, 4, 4, 0x41}), item("2A0")}), (Ids{"2A0"}));
}

TEST(PorRecordTest, NurbsTailIsReadWithACursorAfterThePoints) {
    std::vector<BYTE> bytes = Words({PorNurbs::Type, 0});
    bytes.resize(PorNurbs::FixedSize - 8);
    Add(bytes, Words({3, 2, 10, 20, 30, 40, 2, static_cast<LONG>(0x80000001u), 1000, 3, 0, 500}));
    StorePorWord(bytes.data() + 4, static_cast<LONG>(bytes.size()));
    const PorRecord record = Framed(bytes);

    PorCursor cursor = record.CursorAt(PorNurbs::ControlPoints.word * 4);
    EXPECT_EQ(cursor.PointList()->size(), 2u);
    EXPECT_EQ(*cursor.LongList(), (std::vector<LONG>{static_cast<LONG>(0x80000001u), 1000}));
    const std::size_t knots = cursor.Offset();
    // Three knots are claimed and two are held: nothing, and the cursor stays.
    EXPECT_FALSE(cursor.LongList().has_value());
    EXPECT_EQ(cursor.Offset(), knots);
    EXPECT_EQ(*cursor.Long(), 3);
    EXPECT_EQ(*cursor.Longs(2), (std::vector<LONG>{0, 500}));
    EXPECT_FALSE(cursor.Long().has_value());
}

TEST(PorRecordTest, FrameRefusesAHeadThatCannotHoldTheRecord) {
    EXPECT_FALSE(PorRecord::Frame(Words({PorLine::Type})).has_value());
    EXPECT_FALSE(PorRecord::Frame(Words({PorLine::Type, 7})).has_value());
    EXPECT_FALSE(PorRecord::Frame(Words({PorLine::Type, -8})).has_value());
    EXPECT_FALSE(PorRecord::Frame(Words({PorLine::Type, 16, 0})).has_value());
    const std::vector<BYTE> bytes = Words({PorLine::Type, 12, 5, 99});
    const auto record = PorRecord::Frame(bytes);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->Size(), 12u);
    EXPECT_EQ(*record->Long(2), 5);
    EXPECT_FALSE(record->Long(3).has_value()); // outside the record, inside the data
    EXPECT_FALSE(record->Long(-1).has_value());
}

TEST(PorRecordTest, FieldsOfUnalignedRecordsReadCorrectly) {
    // A layer record of 30 bytes leaves the next record at an odd address,
    // and the whole block starts one byte into its buffer.
    PorRecordBuilder layer(PorLayer::Type);
    layer.Set(PorLayer::Visible, 1);
    layer.Set(PorLayer::Name, "0");
    PorRecordBuilder dot(PorDot::Type);
    dot.Set(PorDot::Position, POINT{-123456, 654321});
    dot.Set(PorDot::Color, RGB(1, 2, 3));
    dot.Set(PorDot::Layer, "EL");

    std::vector<BYTE> buffer{0xEE};
    Add(buffer, layer.Bytes());
    Add(buffer, dot.Bytes());
    const std::span<const BYTE> block = std::span<const BYTE>(buffer).subspan(1);

    const auto first = PorRecord::Frame(block);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->Size(), 30u);
    EXPECT_EQ(first->Get(PorLayer::Name).str(), "0");
    const auto second = PorRecord::Frame(block.subspan(first->Size()));
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(second->Bytes().data()) % 2, 1u);
    EXPECT_EQ(second->Type(), PorDot::Type);
    EXPECT_EQ(second->Get(PorDot::Position)->x, -123456);
    EXPECT_EQ(second->Get(PorDot::Position)->y, 654321);
    EXPECT_EQ(*second->Get(PorDot::Color), RGB(1, 2, 3));
    EXPECT_EQ(second->Get(PorDot::Layer).str(), "EL");
}

} // namespace
