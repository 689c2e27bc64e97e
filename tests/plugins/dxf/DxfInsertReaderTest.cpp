#include "plugins/dxf/CDxfInsertReader.h"

#include "DxfTestSupport.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;

const std::string Tables = "  0\nSECTION\n  2\nTABLES\n"
                           "  0\nDIMSTYLE\n  2\nRED\n176\n1\n 41\n0.5\n 40\n2\n"
                           "  0\nDIMSTYLE\n  2\nPLAIN\n176\n256\n 41\n1\n"
                           "  0\nDIMSTYLE\n  2\nBARE\n140\n2.5\n"
                           "  0\nBLOCK_RECORD\n  5\nA1\n  2\n_Dot\n"
                           "  0\nENDSEC\n";

const std::string DimensionBlock = "  0\nSECTION\n  2\nBLOCKS\n"
                                   "  0\nBLOCK\n  2\n*D1\n 10\n0\n 20\n0\n"
                                   "  0\nLINE\n 62\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n0\n"
                                   "  0\nENDBLK\n"
                                   "  0\nBLOCK\n  2\n_Dot\n 10\n0\n 20\n0\n"
                                   "  0\nCIRCLE\n 62\n0\n 10\n0\n 20\n0\n 40\n0.5\n"
                                   "  0\nENDBLK\n  0\nENDSEC\n";

std::vector<LONG> TypesOf(const DxfTest::Drawing& drawing) {
    std::vector<LONG> types;
    for (const PorRecord& record : drawing.records) {
        types.push_back(record.Type());
    }
    return types;
}

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

std::string Dimension(const std::string& groups) {
    return "  0\nDIMENSION\n  5\nDM\n  8\n0\n  2\n*D7\n" + groups;
}

struct DimensionCase {
    const char* name;
    std::string groups;
    std::vector<LONG> types;
    std::string text; // of the last record, a text
};

class DimensionsWithoutBlock : public ::testing::TestWithParam<DimensionCase> {};

// Many writers leave a dimension's block out; the dimension must not vanish.
TEST_P(DimensionsWithoutBlock, AreDrawnFromTheirOwnGroupsMendsVanishingDimensions) {
    const auto drawing = DrawingOf(Tables + EntitiesSection(Dimension(GetParam().groups)));
    EXPECT_EQ(TypesOf(drawing), GetParam().types);
    if (!GetParam().text.empty() && !drawing.records.empty()) {
        EXPECT_EQ(drawing.records.back().Get(PorText::Text), GetParam().text);
    }
}

// Extension-line origins (0, 0) and (10, 0), the dimension line through
// (0, 10), the text in the middle above it.
const std::string Across = " 10\n0\n 20\n10\n 11\n5\n 21\n11\n 13\n0\n 23\n0\n 14\n10\n 24\n0\n";

INSTANTIATE_TEST_SUITE_P(
    InsertReader, DimensionsWithoutBlock,
    ::testing::Values(
        DimensionCase{"Linear", " 70\n32\n" + Across + " 42\n10\n", {3, 3, 3, 6, 6, 14}, "10"},
        DimensionCase{"LinearTextAroundTheMeasurement",
                      " 70\n32\n" + Across + " 42\n10.25\n  1\n<> mm\n",
                      {3, 3, 3, 6, 6, 14},
                      "10.25 mm"},
        DimensionCase{"LinearOwnText",
                      " 70\n32\n" + Across + "  1\nA%%dB\n",
                      {3, 3, 3, 6, 6, 14},
                      "A\x81\x8B"
                      "B"},
        DimensionCase{
            "HiddenText", " 70\n32\n" + Across + " 42\n10\n  1\n \n", {3, 3, 3, 6, 6}, ""},
        DimensionCase{"Aligned",
                      " 70\n33\n 10\n-5\n 20\n5\n 11\n0\n 21\n10\n 13\n0\n 23\n0\n 14\n"
                      "10\n 24\n10\n 42\n14.14213562\n",
                      {3, 3, 3, 6, 6, 14},
                      "14.1421"},
        DimensionCase{"Radius", " 70\n36\n 10\n0\n 20\n0\n 15\n5\n 25\n0\n 42\n5\n", {14}, "R5"},
        DimensionCase{"Diameter",
                      " 70\n35\n 10\n-5\n 20\n0\n 15\n5\n 25\n0\n 42\n10\n",
                      {14},
                      "\x83\xB3"
                      "10"},
        DimensionCase{
            "OrdinateX", " 70\n102\n 13\n3\n 23\n4\n 14\n3\n 24\n8\n 42\n3\n", {3, 14}, "3"},
        DimensionCase{"NothingToDraw", "", {}, ""}),
    [](const auto& info) { return info.param.name; });

struct BlockDimensionCase {
    const char* name;
    // BLOCK sections after the one that holds the dimension.
    std::string laterBlocks;
    std::vector<LONG> types;
};

void PrintTo(const BlockDimensionCase& c, std::ostream* os) {
    *os << c.name;
}

class DimensionsInABlock : public ::testing::TestWithParam<BlockDimensionCase> {};

// Inside a BLOCK a dimension naming a block waited for it and vanished when
// it was missing; it is drawn from its own groups as outside any block.
TEST_P(DimensionsInABlock, AreDrawnFromTheirOwnGroupsWhereTheirBlockIsMissing_Mended) {
    const std::string blocks = "  0\nSECTION\n  2\nBLOCKS\n"
                               "  0\nBLOCK\n  2\nPART\n 10\n0\n 20\n0\n" +
                               Dimension(" 70\n32\n" + Across + " 42\n10\n") + "  0\nENDBLK\n" +
                               GetParam().laterBlocks + "  0\nENDSEC\n";
    const auto drawing = DrawingOf(
        Tables + blocks + EntitiesSection("  0\nINSERT\n  8\n0\n  2\nPART\n 10\n100\n 20\n0\n"));
    ASSERT_EQ(drawing.records.size(), 1u);
    ASSERT_EQ(drawing.records[0].Type(), PorInsert::Type);
    const std::vector<PorRecord> children = DxfTest::Children(drawing.records[0]);
    std::vector<LONG> types;
    for (const PorRecord& child : children) {
        types.push_back(child.Type());
    }
    EXPECT_EQ(types, GetParam().types);
    if (!types.empty() && types.back() == PorText::Type) {
        EXPECT_EQ(children.back().Get(PorText::Text), "10");
        // Placed by the reference, 100 units along.
        EXPECT_GT(children.back().Get(PorText::First)->x, 100'000);
    }
}

INSTANTIATE_TEST_SUITE_P(
    InsertReader, DimensionsInABlock,
    ::testing::Values(BlockDimensionCase{"BlockMissing", "", {3, 3, 3, 6, 6, 14}},
                      BlockDimensionCase{"BlockEmpty",
                                         "  0\nBLOCK\n  2\n*D7\n 10\n0\n 20\n0\n  0\nENDBLK\n",
                                         {3, 3, 3, 6, 6, 14}},
                      BlockDimensionCase{"BlockDefinedLater",
                                         "  0\nBLOCK\n  2\n*D7\n 10\n0\n 20\n0\n"
                                         "  0\nLINE\n 10\n0\n 20\n0\n 11\n1\n 21\n0\n  0\nENDBLK\n",
                                         {PorInsert::Type}}),
    [](const auto& info) { return info.param.name; });

TEST(InsertReader, DimensionWithoutBlockTakesItsStylesSizes) {
    const auto drawing = DrawingOf(
        Tables + EntitiesSection(Dimension(" 70\n32\n  3\nBARE\n" + Across + " 42\n10\n")));
    ASSERT_EQ(drawing.records.size(), 6u);
    // The arrowhead at (0, 10) pointing left: its base 0.18 back, DXF's
    // own size where the style gives none (written truncated).
    const auto arrow = drawing.records[3].Get(PorPolygon::Points);
    ASSERT_TRUE(arrow);
    EXPECT_NEAR((*arrow)[1].x, 180, 1);
    // The style's text height 2.5, centred on (5, 11).
    EXPECT_EQ(drawing.records[5].Get(PorText::Height), 2500);
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
    EXPECT_EQ(TypesOf(drawing), GetParam().types);
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

TEST(InsertReader, LeaderOfAStyleWithoutArrowSizeGetsDxfsDefault) {
    const auto drawing = DrawingOf(Tables + EntitiesSection(Leader("  3\nBARE\n" + TwoVertices)));
    ASSERT_EQ(drawing.records.size(), 2u);
    const auto arrow = drawing.records[1].Get(PorPolygon::Points);
    ASSERT_TRUE(arrow);
    EXPECT_NEAR((*arrow)[1].x, 180, 1);
    EXPECT_NEAR((*arrow)[1].y, 30, 1);
}

} // namespace
