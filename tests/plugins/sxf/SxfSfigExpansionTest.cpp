// Sub-figure placements nested deep or fanning out wide: the expansion
// stays on a bounded stack and within one budget for the whole drawing.

#include "SxfTestSupport.h"
#include "plugins/sxf/CSxfSfigExpansion.h"
#include "por/PorRecords.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

namespace {

using SxfTest::Feature;
using SxfTest::Sheet;

const std::string kLine = "line_feature('1','1','1','0','0','0','1','0')";

// A polyline of that many points along the x axis.
std::string ManyPointPolyline(int points) {
    std::string xs;
    std::string ys;
    for (int i = 0; i < points; ++i) {
        xs += (i ? "," : "") + std::to_string(i);
        ys += i ? ",0" : "0";
    }
    return "polyline_feature('1','1','1','0','" + std::to_string(points) + "','(" + xs + ")','(" +
           ys + ")')";
}

// Definitions D0 to D<depth>: D0 holds the one leaf feature, each later one
// places the one before fanOut times; the sheet places the last one
// `placements` times.
std::string NestedDefinitions(int depth, int fanOut, int placements,
                              const std::string& leaf = kLine) {
    int id = 3;
    std::string features = Feature(1, leaf) + Feature(2, "sfig_org_feature('\\'D0\\'','4')");
    const auto place = [&](int level) {
        return Feature(id++, "sfig_locate_feature('0','\\'D" + std::to_string(level) +
                                 "\\'','1','0','0','1','1')");
    };
    for (int level = 1; level <= depth; ++level) {
        for (int i = 0; i < fanOut; ++i) {
            features += place(level - 1);
        }
        features += Feature(id++, "sfig_org_feature('\\'D" + std::to_string(level) + "\\'','4')");
    }
    for (int i = 0; i < placements; ++i) {
        features += place(depth);
    }
    return features + Sheet();
}

struct Result {
    std::size_t lines = 0;
    std::size_t polylines = 0;
    bool cut = false;
    // What the header counts as left out.
    LONG leftOut = 0;
};

Result Convert(const std::string& features, std::size_t budget) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("nested.sfc").toStdString();
    std::ofstream(path, std::ios::binary) << SfcText::File(features);
    CSxfReader reader(nullptr, {}, budget);
    const PluginTest::OwnedBlock block(reader.MakePORData(path.c_str()));
    EXPECT_TRUE(block);
    Result result;
    if (block) {
        for (const PorRecord& record : PluginTest::Records(PluginTest::BlockBytes(block))) {
            if (record.Type() == PorHeader::Type) {
                result.leftOut = *record.Get(PorHeader::LeftOut);
                result.cut = result.leftOut > 0;
            }
            result.lines += record.Type() == PorLine::Type;
            result.polylines += record.Type() == PorPolyline::Type;
        }
    }
    return result;
}

TEST(SxfSfigExpansion, NestingWithinTheDepthIsWholeAndNotCut) {
    const Result result = Convert(NestedDefinitions(CSxfSfigExpansion::MaxDepth - 1, 1, 1),
                                  CSxfSfigExpansion::DefaultBudget);
    EXPECT_EQ(result.lines, 1u);
    EXPECT_FALSE(result.cut);
}

// Each level placed the next through a call of its own and was looked up by
// walking every definition: deep chains overflowed the stack.
TEST(SxfSfigExpansion, MendedADeepChainIsCutAtTheDepthWithoutOverflowingTheStack) {
    const auto start = CpuClock::now();
    const Result result =
        Convert(NestedDefinitions(30'000, 1, 1), CSxfSfigExpansion::DefaultBudget);
    EXPECT_EQ(result.lines, 0u);
    EXPECT_TRUE(result.cut);
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(10));
}

// The budget was counted afresh for each placement on the sheet, so twelve
// placements of a definition that doubles over many levels copied twelve
// budgets' worth.
TEST(SxfSfigExpansion, MendedAllPlacementsOfTheDrawingShareOneBudget) {
    const Result result = Convert(NestedDefinitions(8, 2, 12), 3000);
    EXPECT_TRUE(result.cut);
    EXPECT_GT(result.lines, 0u);
    EXPECT_LE(result.lines, 3000u);
}

TEST(SxfSfigExpansion, ADrawingWithinTheBudgetIsWhole) {
    const Result result = Convert(NestedDefinitions(8, 2, 12), 12 * 800);
    EXPECT_EQ(result.lines, 12u * 256);
    EXPECT_FALSE(result.cut);
}

// Each placed object cost one whatever its size, so a polyline of many
// points doubled over a few levels copied far more than the budget meant.
// Five doublings place the 200-point polyline 32 times: 32 copies of 201
// and 62 placements.
TEST(SxfSfigExpansion, MendedCopiesPayForTheirPoints) {
    const std::string features = NestedDefinitions(5, 2, 1, ManyPointPolyline(200));
    constexpr std::size_t whole = 32 * 201 + 62;

    const Result fits = Convert(features, whole);
    EXPECT_EQ(fits.polylines, 32u);
    EXPECT_FALSE(fits.cut);

    const Result cut = Convert(features, whole - 1);
    EXPECT_EQ(cut.polylines, 31u);
    EXPECT_EQ(cut.leftOut, 1);

    const Result small = Convert(features, 1000);
    EXPECT_TRUE(small.cut);
    EXPECT_LE(small.polylines * 201, 1000u);
}

// Three placements of D1, which places D0 (one line) twice: four copies
// each. A budget of five copies the first whole and the second's first D0;
// its line, its second D0 and the third placement's two are left out.
TEST(SxfSfigExpansion, WhatTheBudgetCutsIsCountedMemberByMember) {
    const Result result = Convert(NestedDefinitions(1, 2, 3), 5);
    EXPECT_EQ(result.lines, 2u);
    EXPECT_EQ(result.leftOut, 4);
}

} // namespace
