// The HATCH reader and the hatch record it writes: polyline and edge
// paths, the spline edge's own group 97, pattern lines and their area, and
// a pattern hatch placed by a block reference.
#include "DxfTestSupport.h"
#include "por/PorHatchParts.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;
using DxfTest::Fixture;
using DxfTest::ReadBytes;
using Words = std::vector<LONG>;

// n words of the record from byte offset on.
Words WordsAt(const PorRecord& record, std::size_t offset, std::size_t n) {
    Words words;
    for (std::size_t i = 0; i < n; ++i)
        words.push_back(record.Long(static_cast<int>(offset / 4 + i)).value_or(-1));
    return words;
}

// The offsets of the edges of the loop that starts at offset, and the
// offset after it.
std::vector<std::size_t> EdgeOffsets(const PorRecord& record, std::size_t& offset) {
    const LONG count = *record.Long(static_cast<int>(offset / 4) + 3);
    offset += PorHatchLoop::HeadSize;
    std::vector<std::size_t> edges;
    for (LONG i = 0; i < count; ++i) {
        edges.push_back(offset);
        offset += *PorHatchEdgeSize(*record.Part(offset));
    }
    return edges;
}

TEST(DxfHatch, SolidPolylinePathIsOneLoopOfOneEdge) {
    const auto drawing = DrawingOf(ReadBytes(Fixture("hatch_solid.dxf")));
    ASSERT_EQ(drawing.records.size(), 1u);
    const PorRecord& hatch = drawing.records[0];
    EXPECT_EQ(hatch.Type(), PorHatch::Type);
    EXPECT_EQ(hatch.Get(PorHatch::Id), "H1");
    EXPECT_EQ(*hatch.Get(PorHatch::Color), 0x00FF00u);
    EXPECT_EQ(*hatch.Get(PorHatch::Kind), 1);
    EXPECT_EQ(*hatch.Get(PorHatch::LoopCount), 1);
    EXPECT_EQ(*hatch.Get(PorHatch::PatternCount), 0);
    EXPECT_EQ(WordsAt(hatch, 48, 4), (Words{2, 0, 1, 1}));
    // The seed point after the path's group 97 is not a vertex.
    EXPECT_EQ(WordsAt(hatch, 64, 16),
              (Words{5, 0, 0, 0, 0, 0, 0, 4, 0, 0, 10000, 0, 10000, 5000, 0, 5000}));
    EXPECT_EQ(*hatch.Get(PorHatch::FillOffset), 128);
    EXPECT_EQ(hatch.Size(), 128u + 3 + 2);
}

TEST(DxfHatch, SplineEdgeKeepsItsOwnGroup97InsideThePathMendsEarlyClose) {
    const auto drawing = DrawingOf(ReadBytes(Fixture("hatch_edges.dxf")));
    ASSERT_EQ(drawing.records.size(), 1u);
    const PorRecord& hatch = drawing.records[0];
    ASSERT_EQ(*hatch.Get(PorHatch::LoopCount), 2);
    std::size_t offset = PorHatch::FixedSize;
    EXPECT_EQ(WordsAt(hatch, offset, 4), (Words{1, 0, 0, 4}));
    const std::vector<std::size_t> first = EdgeOffsets(hatch, offset);
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(WordsAt(hatch, first[0], 10), (Words{1, 0, 0, 0, 10000, 0, 0, 1, 0, 0}));
    EXPECT_EQ(WordsAt(hatch, first[1] + 28, 9),
              (Words{4, 5000, 10000, 5000, 0, 15000, 0, 15000, 10000}));
    // The spline: degree 3, four control points, four weights, eight knots.
    EXPECT_EQ(WordsAt(hatch, first[2], 8), (Words{4, 1, 0, 0, 0, 0, 3, 4}));
    EXPECT_EQ(WordsAt(hatch, first[2] + 64, 14),
              (Words{4, 1000, 500, 500, 1000, 8, 0, 0, 0, 0, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(*hatch.Long(static_cast<int>(first[3] / 4)), PorHatchEdge::EllipseType);
    // The clockwise arc from 0 to 90 degrees is written from 270 to 360.
    EXPECT_EQ(WordsAt(hatch, offset, 4), (Words{1, 0, 0, 1}));
    const std::vector<std::size_t> second = EdgeOffsets(hatch, offset);
    EXPECT_EQ(WordsAt(hatch, second[0], 8), (Words{2, 0, 0, -10000, 10000, 0, 0, 4}));
    EXPECT_EQ(*hatch.Get(PorHatch::FillOffset), static_cast<LONG>(offset));
}

TEST(DxfHatch, PatternHatchInABlockIsPlacedFromTheBlockBaseMendsAbsoluteEdges) {
    const auto drawing = DrawingOf(ReadBytes(Fixture("hatch_block.dxf")));
    ASSERT_EQ(drawing.records.size(), 1u);
    const std::vector<PorRecord> children = DxfTest::Children(drawing.records[0]);
    ASSERT_EQ(children.size(), 1u);
    const PorRecord& hatch = children[0];
    EXPECT_EQ(*hatch.Get(PorHatch::Kind), 0);
    EXPECT_EQ(WordsAt(hatch, 48, 4), (Words{3, 1, 1, 1}));
    const LONG vertices = *hatch.Long(64 / 4 + 7);
    // The two corners, the bulge arc's points every 5 degrees, the last corner.
    ASSERT_EQ(vertices, 2 + 17 + 1);
    EXPECT_EQ(WordsAt(hatch, 64 + 32, 4), (Words{1000000, 1000000, 1020000, 1000000}));
    EXPECT_EQ(WordsAt(hatch, 64 + 32 + 8 * (vertices - 1), 2), (Words{1020000, 1020000}));
    const auto fill = hatch.Part(static_cast<std::size_t>(*hatch.Get(PorHatch::FillOffset)));
    ASSERT_TRUE(fill);
    EXPECT_NEAR(*fill->Get(PorHatchLine::Angle), 4500, 1);
    EXPECT_EQ(WordsAt(*fill, 4, 4), (Words{1000000, 1000000, -2245, 2245}));
    EXPECT_EQ(fill->Get(PorHatchLine::Dashes)->size(), 0u);
}

TEST(DxfHatch, PatternLineWithThreeDashesTakes44BytesAndItsAreaCounts48) {
    const auto drawing = DrawingOf(EntitiesSection(
        "  0\nHATCH\n  5\nP\n 70\n0\n 91\n0\n 78\n1\n 53\n30\n 43\n1\n 44\n2\n 45\n3\n 46\n4\n"
        " 79\n3\n 49\n5\n 49\n-1\n 49\n0\n 62\n5\n"));
    ASSERT_EQ(drawing.records.size(), 1u);
    const PorRecord& hatch = drawing.records[0];
    EXPECT_EQ(*hatch.Get(PorHatch::FillOffset), 48);
    EXPECT_EQ(*hatch.Get(PorHatch::FillSize), 48);
    EXPECT_EQ(WordsAt(hatch, 48, 12),
              (Words{3000, 1000, 2000, 3000, 4000, 0, 0xFF0000, 3, 5000, -1000, 0, 0}));
    EXPECT_EQ(*PorHatchLineSize(*hatch.Part(48)), 44u);
}

TEST(DxfHatch, HatchWithoutPathsIsItsHeadAndStrings) {
    const auto drawing = DrawingOf(EntitiesSection("  0\nHATCH\n  5\nE\n  8\nL\n 70\n1\n"));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Size(), 48u + 2 + 2);
    EXPECT_EQ(drawing.records[0].Get(PorHatch::Layer), "L");
}

TEST(DxfHatch, WeightsWithoutGroup96AreDroppedAndGroupsWithoutAnEdgeIgnored) {
    const auto drawing = DrawingOf(EntitiesSection(
        "  0\nHATCH\n 70\n1\n 91\n1\n 92\n1\n 93\n1\n 10\n7\n 20\n7\n 73\n1\n"
        " 72\n4\n 94\n1\n 40\n0\n 40\n0\n 40\n1\n 40\n1\n 10\n0\n 20\n0\n 42\n2\n 10\n1\n 20\n0\n"
        " 42\n2\n 97\n0\n 97\n0\n"));
    ASSERT_EQ(drawing.records.size(), 1u);
    const PorRecord& hatch = drawing.records[0];
    EXPECT_EQ(WordsAt(hatch, 48, 4), (Words{1, 0, 0, 1}));
    EXPECT_EQ(WordsAt(hatch, 64, 18),
              (Words{4, 0, 0, 0, 0, 0, 1, 2, 0, 0, 1000, 0, 0, 4, 0, 0, 1000, 1000}));
    // The empty weight list keeps room for one value.
    EXPECT_EQ(*hatch.Get(PorHatch::FillOffset), 48 + 16 + 32 + 16 + 8 + 20);
}

} // namespace
