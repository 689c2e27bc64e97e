#include "plugins/dxf/CDxfInfiniteLineClipper.h"

#include "DxfTestSupport.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

namespace {

struct ClipCase {
    const char* name;
    CDxfInfiniteLine::Kind kind;
    DxfVector base;
    DxfVector direction;
    std::vector<LONG> ends; // start x, start y, end x, end y
};

class InfiniteLineClip : public ::testing::TestWithParam<ClipCase> {};

// A drawing of 0..100 by 0..50 in units of 1: the box is -50..150 by -50..100.
TEST_P(InfiniteLineClip, EndsOnTheWidenedExtent) {
    CPorStream stream;
    stream.ExtendBounds(0, 0);
    stream.ExtendBounds(100, 50);
    CDxfInfiniteLine line;
    line.kind = GetParam().kind;
    line.base = GetParam().base;
    line.direction = GetParam().direction;
    line.color = 0x00FF00;
    line.lineType = 7;
    stream.AddInfiniteLine(line);
    CDxfInfiniteLineClipper::Clip(stream, 1);

    const auto records = DxfTest::Records(stream);
    ASSERT_EQ(records.size(), 1u);
    const PorRecord& r = records[0];
    // An empty handle and layer, each with its terminating zero.
    EXPECT_EQ(r.Size(), 94u);
    std::vector<LONG> ends;
    for (int word = 4; word < 8; ++word) {
        ends.push_back(*r.Long(word));
    }
    EXPECT_EQ(ends, GetParam().ends);
    EXPECT_EQ(r.Get(PorLine::Pen), (PorPen{7, 1, 0, 0x00FF00}));
    EXPECT_EQ(*r.Long(2), 0);
    EXPECT_EQ(*r.Long(12), 0);
    EXPECT_EQ(stream.RecordCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    DxfInfiniteLines, InfiniteLineClip,
    ::testing::Values(
        ClipCase{
            "VerticalXLine", CDxfInfiniteLine::XLine, {10, 20, 0}, {0, 1, 0}, {10, -50, 10, 100}},
        ClipCase{
            "HorizontalRayLeft", CDxfInfiniteLine::Ray, {10, 20, 0}, {-1, 0, 0}, {10, 20, -50, 20}},
        ClipCase{"RayDown", CDxfInfiniteLine::Ray, {10, 20, 0}, {0, -3, 0}, {10, 20, 10, -50}},
        ClipCase{
            "DiagonalXLine", CDxfInfiniteLine::XLine, {0, 0, 0}, {1, 1, 0}, {-50, -50, 100, 100}},
        // Through the corner (-50, -50), which both the left and the bottom
        // edge meet: it counts once and the line still reaches the top.
        ClipCase{"XLineThroughCorner",
                 CDxfInfiniteLine::XLine,
                 {-20, 40, 0},
                 {1, 3, 0},
                 {-50, -50, 0, 100}},
        ClipCase{
            "RayAwayFromCorner", CDxfInfiniteLine::Ray, {-20, 40, 0}, {1, 3, 0}, {-20, 40, 0, 100}},
        ClipCase{"RayIntoCorner",
                 CDxfInfiniteLine::Ray,
                 {-20, 40, 0},
                 {-1, -3, 0},
                 {-20, 40, -50, -50}}),
    [](const auto& info) { return info.param.name; });

// A line on layer "0" must not come out on a layer without a name.
TEST(DxfInfiniteLines, KeepTheirHandleAndLayer) {
    CPorStream stream;
    stream.ExtendBounds(0, 0);
    stream.ExtendBounds(100, 50);
    CDxfInfiniteLine line;
    line.base = {10, 20, 0};
    line.direction = {1, 0, 0};
    line.tag = {CString("2F"), CString("0")};
    stream.AddInfiniteLine(line);
    CDxfInfiniteLineClipper::Clip(stream, 1);

    const auto records = DxfTest::Records(stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Get(PorObjectRecord::Id), CString("2F"));
    EXPECT_EQ(records[0].Get(PorLine::Layer), CString("0"));
    EXPECT_EQ(records[0].Size(), 94u + 2u + 1u);
}

TEST(DxfInfiniteLines, BoxIsFixedBeforeTheFirstLine) {
    CPorStream stream;
    stream.ExtendBounds(0, 0);
    stream.ExtendBounds(100, 50);
    for (int i = 0; i < 2; ++i) {
        CDxfInfiniteLine line;
        line.base = {10, 20, 0};
        line.direction = {1, 0, 0};
        stream.AddInfiniteLine(line);
    }
    CDxfInfiniteLineClipper::Clip(stream, 1);
    const auto records = DxfTest::Records(stream);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(*records[1].Long(4), -50);
    EXPECT_EQ(*records[1].Long(6), 150);
}

TEST(DxfInfiniteLines, LineWithoutDirectionThatMeetsNothingIsDropped) {
    CPorStream stream;
    stream.ExtendBounds(0, 0);
    stream.ExtendBounds(100, 50);
    CDxfInfiniteLine line;
    line.base = {10, 20, 0};
    line.direction = {std::numeric_limits<double>::quiet_NaN(), 1, 0};
    stream.AddInfiniteLine(line);
    CDxfInfiniteLineClipper::Clip(stream, 1);
    EXPECT_EQ(stream.ByteCount(), 0u);
}

// A drawing of nothing but an XLINE and a RAY through one point: the box of
// that point alone has no size, and the lines must still get a length.
TEST(DxfInfiniteLines, LinesThroughOnePointAloneGetALength) {
    const auto drawing = DxfTest::DrawingOf(
        DxfTest::EntitiesSection("  0\nXLINE\n  8\n0\n 10\n5\n 20\n5\n 11\n1\n 21\n0\n"
                                 "  0\nRAY\n  8\n0\n 10\n5\n 20\n5\n 11\n0\n 21\n1\n"));
    ASSERT_EQ(drawing.records.size(), 2u);
    const auto ends = [](const PorRecord& r) {
        return std::vector<LONG>{*r.Long(4), *r.Long(5), *r.Long(6), *r.Long(7)};
    };
    // The default scale of 1000 is made for 297 drawing units.
    EXPECT_EQ(ends(drawing.records[0]), (std::vector<LONG>{-143500, 5000, 153500, 5000}));
    EXPECT_EQ(ends(drawing.records[1]), (std::vector<LONG>{5000, 5000, 5000, 153500}));
}

// "PLINE" is no entity of DXF: its groups are passed over like those of any
// unknown name, and the LINE after it is read.
TEST(DxfInfiniteLines, PlineIsNoPolyline) {
    const auto drawing = DxfTest::DrawingOf(DxfTest::EntitiesSection(
        "  0\nPLINE\n  8\n0\n 66\n1\n  0\nVERTEX\n 10\n0\n 20\n0\n  0\nVERTEX\n 10\n9\n"
        " 20\n9\n  0\nSEQEND\n  0\nLINE\n  8\n0\n 10\n1\n 20\n2\n 11\n3\n 21\n4\n"));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Type(), PorLine::Type);
}

} // namespace
