#include "plugins/dxf/CDxfInsertEmitter.h"

#include "DxfTestSupport.h"
#include "plugins/dxf/CDxfBlockList.h"
#include "plugins/dxf/CDxfHeader.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

using DxfTest::Children;
using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;

std::string Block(const std::string& name, const std::string& entities,
                  const std::string& base = " 10\n0\n 20\n0\n") {
    return "  0\nBLOCK\n  2\n" + name + "\n 70\n0\n" + base + entities + "  0\nENDBLK\n";
}

std::string Blocks(const std::string& blocks) {
    return "  0\nSECTION\n  2\nBLOCKS\n" + blocks + "  0\nENDSEC\n";
}

std::string Insert(const std::string& name, double x = 0, double y = 0,
                   const std::string& extra = "") {
    return "  0\nINSERT\n  5\nI" + name + "\n  8\n0\n  2\n" + name + "\n 10\n" + std::to_string(x) +
           "\n 20\n" + std::to_string(y) + "\n" + extra;
}

std::string Line(double x1, double y1, double x2, double y2, const std::string& extra = "") {
    return "  0\nLINE\n  8\n0\n" + extra + " 10\n" + std::to_string(x1) + "\n 20\n" +
           std::to_string(y1) + "\n 11\n" + std::to_string(x2) + "\n 21\n" + std::to_string(y2) +
           "\n";
}

TEST(Blocks, InsertPlacesAMovedCopyOfTheBlock) {
    const auto drawing =
        DrawingOf(Blocks(Block("B", Line(0, 0, 1, 0), " 10\n1\n 20\n1\n")) +
                  EntitiesSection(Insert("B", 10, 20) + Insert("B", 0, 0, " 50\n90\n")));
    ASSERT_EQ(drawing.records.size(), 2u);
    const PorRecord& first = drawing.records[0];
    EXPECT_EQ(first.Type(), PorInsert::Type);
    EXPECT_EQ(first.Get(PorInsert::Id), "IB");
    EXPECT_EQ(first.Get(PorInsert::Layer), "0");
    const auto moved = Children(first);
    ASSERT_EQ(moved.size(), 1u);
    // The block's base point (1, 1) lands on the insertion point.
    EXPECT_EQ(moved[0].Get(PorLine::Start)->x, 9000);
    EXPECT_EQ(moved[0].Get(PorLine::Start)->y, 19000);
    EXPECT_EQ(moved[0].Get(PorLine::End)->x, 10000);
    const auto turned = Children(drawing.records[1]);
    ASSERT_EQ(turned.size(), 1u);
    EXPECT_NEAR(turned[0].Get(PorLine::End)->x, 1000, 1);
    EXPECT_NEAR(turned[0].Get(PorLine::End)->y, 0, 1);
}

TEST(Blocks, BasePointComesFromTheBlockHeaderOnly) {
    const auto drawing =
        DrawingOf(Blocks(Block("B", "  0\nSHAPE\n 10\n50\n 20\n50\n" + Line(2, 0, 3, 0),
                               " 10\n2\n 20\n0\n")) +
                  EntitiesSection(Insert("B")));
    ASSERT_EQ(drawing.records.size(), 1u);
    const auto nested = Children(drawing.records[0]);
    ASSERT_EQ(nested.size(), 1u);
    EXPECT_EQ(nested[0].Get(PorLine::Start)->x, 0);
    EXPECT_EQ(nested[0].Get(PorLine::End)->x, 1000);
}

TEST(Blocks, BlockInsertingOneDefinedLaterHoldsIt) {
    const auto drawing = DrawingOf(
        Blocks(Block("A", Line(0, 0, 1, 1) + Insert("B", 5, 0)) + Block("B", Line(0, 0, 0, 1))) +
        EntitiesSection(Insert("A")));
    ASSERT_EQ(drawing.records.size(), 1u);
    const auto a = Children(drawing.records[0]);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].Type(), PorLine::Type);
    ASSERT_EQ(a[1].Type(), PorInsert::Type);
    EXPECT_EQ(a[1].Get(PorInsert::Layer), "0");
    EXPECT_EQ(a[1].Get(PorInsert::Id), "");
    const auto b = Children(a[1]);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].Get(PorLine::Start)->x, 5000);
}

TEST(Blocks, ThreeLevelsWithTheMiddleDefinedFirst) {
    const auto drawing =
        DrawingOf(Blocks(Block("B", Insert("C", 1, 0)) + Block("A", Insert("B", 10, 0)) +
                         Block("C", Line(0, 0, 0, 1))) +
                  EntitiesSection(Insert("A", 100, 0)));
    ASSERT_EQ(drawing.records.size(), 1u);
    const auto a = Children(drawing.records[0]);
    ASSERT_EQ(a.size(), 1u);
    const auto b = Children(a[0]);
    ASSERT_EQ(b.size(), 1u);
    const auto c = Children(b[0]);
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c[0].Get(PorLine::Start)->x, 111000);
}

TEST(Blocks, BlocksInsertingEachOtherEndAndKeepTheirOwnRecords) {
    const auto drawing = DrawingOf(Blocks(Block("A", Line(0, 0, 1, 0) + Insert("B")) +
                                          Block("B", Line(0, 0, 0, 1) + Insert("A")) +
                                          Block("S", Line(0, 0, 1, 1) + Insert("S"))) +
                                   EntitiesSection(Insert("A") + Insert("S")));
    ASSERT_EQ(drawing.records.size(), 2u);
    const auto a = Children(drawing.records[0]);
    ASSERT_EQ(a.size(), 2u);
    // B inside A, without A again inside B.
    ASSERT_EQ(Children(a[1]).size(), 1u);
    EXPECT_EQ(Children(a[1])[0].Type(), PorLine::Type);
    EXPECT_EQ(Children(drawing.records[1]).size(), 1u);
}

TEST(Blocks, NestingDeeperThanTheLimitIsCut) {
    std::string blocks;
    const int levels = CDxfInsertEmitter::MaxDepth + 10;
    for (int i = 0; i < levels; ++i) {
        blocks +=
            Block("L" + std::to_string(i), Line(0, 0, 1, 0) + Insert("L" + std::to_string(i + 1)));
    }
    const auto drawing = DrawingOf(Blocks(blocks) + EntitiesSection(Insert("L0")));
    ASSERT_EQ(drawing.records.size(), 1u);
    int depth = 0;
    std::vector<PorRecord> level = Children(drawing.records[0]);
    while (level.size() == 2) {
        ++depth;
        level = Children(level[1]);
    }
    EXPECT_GE(depth, 1);
    EXPECT_LE(depth, CDxfInsertEmitter::MaxDepth + 1);
}

TEST(Blocks, FanOutBeyondTheBudgetIsRefusedQuickly) {
    // Each block inserts the next twice: 2^30 copies of the innermost line.
    std::string blocks;
    for (int i = 0; i < 30; ++i) {
        const std::string next = "F" + std::to_string(i + 1);
        blocks += Block("F" + std::to_string(i), Insert(next) + Insert(next, 1, 0));
    }
    blocks += Block("F30", Line(0, 0, 1, 0));
    const std::string dxf = Blocks(blocks) + EntitiesSection(Insert("F0"));
    const auto start = CpuClock::now();
    EXPECT_THROW(DxfTest::ConvertText(dxf), std::length_error);
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(30));
}

TEST(Blocks, ByBlockColourComesFromTheInsert) {
    const auto drawing =
        DrawingOf(Blocks(Block("B", Line(0, 0, 1, 0, " 62\n0\n") + Line(0, 0, 0, 1, " 62\n3\n") +
                                        Insert("C", 0, 0, " 62\n0\n")) +
                         Block("C", Line(0, 0, 2, 2, " 62\n0\n"))) +
                  EntitiesSection(Insert("B", 0, 0, " 62\n1\n") + Line(5, 5, 6, 6, " 62\n0\n")));
    ASSERT_EQ(drawing.records.size(), 2u);
    const auto nested = Children(drawing.records[0]);
    ASSERT_EQ(nested.size(), 3u);
    EXPECT_EQ(nested[0].Get(PorLine::Pen)->color, 0x0000FFu);
    EXPECT_EQ(nested[1].Get(PorLine::Pen)->color, 0x00FF00u);
    // C's line reaches the red of the outer reference through the by-block
    // reference to C.
    ASSERT_EQ(Children(nested[2]).size(), 1u);
    EXPECT_EQ(Children(nested[2])[0].Get(PorLine::Pen)->color, 0x0000FFu);
    // Outside any block the marker becomes the foreground colour.
    EXPECT_EQ(drawing.records[1].Get(PorLine::Pen)->color, 0x000000u);
}

} // namespace

namespace {

TEST(InsertEmitter, RotatedInsertIsBoundedByAllFourCorners) {
    CDxfHeader header;
    CDxfBlockList blocks;
    auto block = std::make_unique<CPorStream>();
    block->SetName(CString("B"));
    PorRecordBuilder line(PorLine::Type);
    block->AppendRecord(line);
    block->ExtendBounds(0, 0);
    block->ExtendBounds(2000, 1000);
    blocks.Add(std::move(block));
    CDxfInsertEmitter emitter(header, blocks);
    CPorStream target;
    CDxfPendingInsert insert;
    insert.blockName = CString("B");
    insert.rotation = 45.0;
    emitter.WriteInsert(insert, CString("0"), CString(), target);
    const CPorBounds& b = target.Bounds();
    // The corners (2, 0) and (0, 1) turn to (1.41, 1.41) and (-0.71, 0.71):
    // outside the box of the other two, (0, 0) and (0.71, 2.12).
    EXPECT_NEAR(b.minX, -707, 1);
    EXPECT_NEAR(b.maxX, 1414, 1);
    EXPECT_NEAR(b.minY, 0, 1);
    EXPECT_NEAR(b.maxY, 2121, 1);
}

} // namespace
