#include "plugins/dxf/CDxfPolylineReader.h"

#include "DxfTestSupport.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace {

using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;

// Points as x, y pairs, which compare and print.
std::vector<std::pair<LONG, LONG>> Pairs(const std::vector<POINT>& points) {
    std::vector<std::pair<LONG, LONG>> pairs;
    for (const POINT& p : points) {
        pairs.emplace_back(p.x, p.y);
    }
    return pairs;
}

std::vector<POINT> PointsOf(const PorRecord& record) {
    return record.Get(PorPolyline::Points).value_or(std::vector<POINT>{});
}

std::string LwPolyline(const std::string& bulge, const std::string& extra = "") {
    return "  0\nLWPOLYLINE\n  8\n0\n 90\n2\n 70\n0\n" + extra + " 10\n0\n 20\n0\n 42\n" + bulge +
           "\n 10\n2\n 20\n0\n";
}

struct HalfCircleCase {
    const char* name;
    const char* bulge;
    int side; // sign of y of the arc's inner points
};

class BulgeHalfCircles : public ::testing::TestWithParam<HalfCircleCase> {};

TEST_P(BulgeHalfCircles, LieOnTheCircleAboutTheChordsMiddle) {
    const auto drawing = DrawingOf(EntitiesSection(LwPolyline(GetParam().bulge)));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Type(), PorPolyline::Type);
    const auto points = PointsOf(drawing.records[0]);
    // Both ends and a point every 10 degrees between them.
    ASSERT_EQ(points.size(), 19u);
    EXPECT_EQ(points.front().x, 0);
    EXPECT_EQ(points.back().x, 2000);
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        EXPECT_EQ(points[i].y > 0 ? 1 : -1, GetParam().side) << i;
        EXPECT_NEAR(std::hypot(points[i].x - 1000.0, points[i].y), 1000.0, 1.5) << i;
    }
    EXPECT_NEAR(points[9].x, 1000, 1);
    EXPECT_NEAR(points[9].y, 1000 * GetParam().side, 1);
}

INSTANTIATE_TEST_SUITE_P(PolylineReader, BulgeHalfCircles,
                         ::testing::Values(HalfCircleCase{"PlusOneRunsBelow", "1", -1},
                                           HalfCircleCase{"MinusOneRunsAbove", "-1", 1}),
                         [](const auto& info) { return info.param.name; });

struct StraightCase {
    const char* name;
    const char* bulge;
};

class StraightBulges : public ::testing::TestWithParam<StraightCase> {};

TEST_P(StraightBulges, LeaveTheSegmentStraight) {
    const auto drawing = DrawingOf(EntitiesSection(LwPolyline(GetParam().bulge)));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(PointsOf(drawing.records[0]).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(PolylineReader, StraightBulges,
                         ::testing::Values(StraightCase{"UnderADegree", "0.0001"},
                                           StraightCase{"NotANumber", "nan"},
                                           StraightCase{"Infinite", "inf"}),
                         [](const auto& info) { return info.param.name; });

TEST(PolylineReader, ClosedFlag129GetsTheClosingArc) {
    const auto drawing = DrawingOf(EntitiesSection("  0\nLWPOLYLINE\n 70\n129\n"
                                                   " 10\n0\n 20\n0\n 10\n2\n 20\n0\n 42\n1\n"));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Type(), PorPolygon::Type);
    const auto points = PointsOf(drawing.records[0]);
    ASSERT_EQ(points.size(), 19u);
    // From (2, 0) back to (0, 0) counter-clockwise: over the top.
    EXPECT_NEAR(points[10].y, 1000, 1);
}

TEST(PolylineReader, DownwardExtrusionMirrorsBeforeTheBlockBaseIsSubtracted) {
    const std::string dxf = "  0\nSECTION\n  2\nBLOCKS\n"
                            "  0\nBLOCK\n  2\nM\n 10\n1\n 20\n0\n"
                            "  0\nLWPOLYLINE\n230\n-1\n 10\n2\n 20\n0\n 10\n3\n 20\n1\n"
                            "  0\nENDBLK\n  0\nENDSEC\n" +
                            EntitiesSection("  0\nINSERT\n  2\nM\n 10\n0\n 20\n0\n");
    const auto drawing = DrawingOf(dxf);
    ASSERT_EQ(drawing.records.size(), 1u);
    const auto nested = DxfTest::Children(drawing.records[0]);
    ASSERT_EQ(nested.size(), 1u);
    EXPECT_EQ(Pairs(PointsOf(nested[0])),
              (std::vector<std::pair<LONG, LONG>>{{-3000, 0}, {-4000, 1000}}));
}

struct VertexSkipCase {
    const char* name;
    int polylineFlags;
    int skippedVertexFlags;
};

class VertexSkips : public ::testing::TestWithParam<VertexSkipCase> {};

TEST_P(VertexSkips, LeaveOutPointsThatAreNotOnTheLine) {
    const std::string vertex = "  0\nVERTEX\n 10\n5\n 20\n5\n 70\n";
    const std::string dxf = EntitiesSection(
        "  0\nPOLYLINE\n 66\n1\n 70\n" + std::to_string(GetParam().polylineFlags) + "\n" + vertex +
        "0\n" + vertex + std::to_string(GetParam().skippedVertexFlags) + "\n" +
        "  0\nVERTEX\n 10\n7\n 20\n5\n  0\nSEQEND\n");
    const auto drawing = DrawingOf(dxf);
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(PointsOf(drawing.records[0]).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(PolylineReader, VertexSkips,
                         ::testing::Values(VertexSkipCase{"SplineFrame", 4, 16},
                                           VertexSkipCase{"PolyfaceFace", 64, 128}),
                         [](const auto& info) { return info.param.name; });

TEST(PolylineReader, PolylineWithoutSeqendLeavesTheNextEntity) {
    const auto drawing = DrawingOf(
        EntitiesSection("  0\nPOLYLINE\n  5\nP1\n 70\n0\n"
                        "  0\nVERTEX\n 10\n0\n 20\n0\n 42\n1\n  0\nVERTEX\n 10\n2\n 20\n0\n"
                        "  0\nLINE\n  5\nL1\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n"));
    ASSERT_EQ(drawing.records.size(), 2u);
    EXPECT_EQ(drawing.records[0].Type(), PorPolyline::Type);
    EXPECT_EQ(PointsOf(drawing.records[0]).size(), 19u);
    EXPECT_EQ(drawing.records[1].Type(), PorLine::Type);
    EXPECT_EQ(drawing.records[1].Get(PorLine::Id), "L1");
}

TEST(PolylineReader, MlineVerticesAndClosing) {
    const auto drawing = DrawingOf(EntitiesSection(
        "  0\nMLINE\n 71\n3\n 10\n0\n 20\n0\n 11\n0\n 21\n0\n 11\n4\n 21\n0\n 11\n4\n 21\n3\n"
        "  0\nMLINE\n 71\n1\n 11\n0\n 21\n0\n 11\n1\n 21\n0\n"));
    ASSERT_EQ(drawing.records.size(), 2u);
    EXPECT_EQ(drawing.records[0].Type(), PorPolygon::Type);
    EXPECT_EQ(Pairs(PointsOf(drawing.records[0])),
              (std::vector<std::pair<LONG, LONG>>{{0, 0}, {4000, 0}, {4000, 3000}}));
    EXPECT_EQ(drawing.records[1].Type(), PorPolyline::Type);
}

TEST(BulgeArcPoints, QuarterArcLeavesOutBothEnds) {
    std::vector<DPOINT> points;
    EXPECT_EQ(BulgeArcPoints(points, {0, 0}, {0, 2}, std::tan(std::numbers::pi / 8), 10.0), 8);
    ASSERT_EQ(points.size(), 8u);
    // Counter-clockwise from (0, 0) to (0, 2) about (-1, 1): it bulges to the right.
    for (const DPOINT& p : points) {
        EXPECT_NEAR(std::hypot(p.x + 1.0, p.y - 1.0), std::sqrt(2.0), 1e-9);
        EXPECT_GT(p.x, 0.0);
    }
    EXPECT_NEAR(points[0].y, 1.0 - std::sqrt(2.0) * std::sin(35 * std::numbers::pi / 180), 1e-9);
}

} // namespace
