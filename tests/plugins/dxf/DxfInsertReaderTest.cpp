#include "plugins/dxf/CDxfInsertReader.h"

#include "DxfTestSupport.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;

const std::string Tables = "  0\nSECTION\n  2\nTABLES\n"
                           "  0\nDIMSTYLE\n  2\nRED\n176\n1\n 41\n0.5\n 40\n2\n"
                           "  0\nDIMSTYLE\n  2\nPLAIN\n176\n256\n 41\n1\n"
                           "  0\nBLOCK_RECORD\n  5\nA1\n  2\n_Dot\n"
                           "  0\nENDSEC\n";

const std::string DimensionBlock = "  0\nSECTION\n  2\nBLOCKS\n"
                                   "  0\nBLOCK\n  2\n*D1\n 10\n0\n 20\n0\n"
                                   "  0\nLINE\n 62\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n0\n"
                                   "  0\nENDBLK\n"
                                   "  0\nBLOCK\n  2\n_Dot\n 10\n0\n 20\n0\n"
                                   "  0\nCIRCLE\n 62\n0\n 10\n0\n 20\n0\n 40\n0.5\n"
                                   "  0\nENDBLK\n  0\nENDSEC\n";

COLORREF NestedLineColor(const PorRecord& insert) {
    return DxfTest::Children(insert)[0].Get(PorLine::Pen)->color;
}

TEST(DimensionReader, StyleColourWinsOverTheEntitysOwnUnlessByLayer) {
    const auto drawing =
        DrawingOf(Tables + DimensionBlock +
                  EntitiesSection("  0\nDIMENSION\n  2\n*D1\n  3\nRED\n 62\n3\n 12\n5\n 22\n0\n"
                                  "  0\nDIMENSION\n  2\n*D1\n  3\nPLAIN\n 62\n3\n"
                                  "  0\nDIMENSION\n  2\n*D9\n"));
    ASSERT_EQ(drawing.records.size(), 2u);
    EXPECT_EQ(NestedLineColor(drawing.records[0]), 0x0000FFu);
    EXPECT_EQ(DxfTest::Children(drawing.records[0])[0].Get(PorLine::Start)->x, 5000);
    EXPECT_EQ(NestedLineColor(drawing.records[1]), 0x00FF00u);
}

std::string Leader(const std::string& groups) {
    return "  0\nLEADER\n  5\nLD\n  8\n0\n" + groups;
}

struct LeaderCase {
    const char* name;
    std::string groups;
    std::vector<LONG> types;
    LONG startArrow;
};

class Leaders : public ::testing::TestWithParam<LeaderCase> {};

TEST_P(Leaders, WriteTheirLineAndArrowhead) {
    const auto drawing = DrawingOf(Tables + DimensionBlock + EntitiesSection(GetParam().groups));
    std::vector<LONG> types;
    for (const PorRecord& record : drawing.records) {
        types.push_back(record.Type());
    }
    EXPECT_EQ(types, GetParam().types);
    if (!drawing.records.empty()) {
        EXPECT_EQ(drawing.records[0].Get(PorPolyline::StartArrow), GetParam().startArrow);
    }
}

const std::string TwoVertices = " 10\n0\n 20\n0\n 10\n10\n 20\n0\n";

INSTANTIATE_TEST_SUITE_P(
    InsertReader, Leaders,
    ::testing::Values(LeaderCase{"TriangleWithoutStyle", Leader(TwoVertices), {5, 6}, 3},
                      LeaderCase{"NoArrowheadFlag", Leader(" 71\n0\n" + TwoVertices), {5}, 0},
                      LeaderCase{"ShortFirstSegmentKeepsTheTriangle",
                                 Leader("  3\nRED\n 10\n0\n 20\n0\n 10\n1\n 20\n0\n"),
                                 {5, 6},
                                 0},
                      LeaderCase{"ArrowBlockOfTheOverride",
                                 Leader(TwoVertices +
                                        "1001\nACAD\n1000\nDSTYLE\n1002\n{\n1070\n341\n1005\nA1\n"
                                        "1070\n41\n1040\n0.25\n1002\n}\n"),
                                 {5, 33},
                                 3},
                      LeaderCase{"OneVertexOnly", Leader(" 10\n0\n 20\n0\n"), {}, 0}),
    [](const auto& info) { return info.param.name; });

TEST(InsertReader, LeaderHookFollowsTheLastSegment) {
    const auto drawing = DrawingOf(
        Tables + EntitiesSection(Leader(" 73\n0\n 41\n2\n" + TwoVertices +
                                        "1000\nDSTYLE\n1002\n{\n1070\n77\n1070\n1\n1002\n}\n")));
    ASSERT_FALSE(drawing.records.empty());
    const auto points = drawing.records[0].Get(PorPolyline::Points);
    ASSERT_TRUE(points);
    ASSERT_EQ(points->size(), 3u);
    EXPECT_EQ((*points)[2].x, 12000);
    EXPECT_EQ((*points)[2].y, 0);
}

TEST(InsertReader, LeaderArrowBlockIsScaledAndTurnedToTheTip) {
    const auto drawing = DrawingOf(
        Tables + DimensionBlock +
        EntitiesSection(Leader(" 10\n0\n 20\n0\n 10\n0\n 20\n10\n"
                               "1000\nDSTYLE\n1002\n{\n1070\n341\n1005\nA1\n1070\n41\n1040\n2\n"
                               "1002\n}\n")));
    ASSERT_EQ(drawing.records.size(), 2u);
    const auto circle = DxfTest::Children(drawing.records[1]);
    ASSERT_EQ(circle.size(), 1u);
    const auto corners = circle[0].Get(PorCircle::Corners);
    ASSERT_TRUE(corners);
    // Radius 0.5 scaled by the arrow size 2.
    EXPECT_NEAR(std::abs((*corners)[2].x - (*corners)[0].x), 2000, 2);
}

} // namespace
