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

// Definitions D0 to D<depth>: D0 holds one line, each later one places the
// one before fanOut times; the sheet places the last one `placements` times.
std::string NestedDefinitions(int depth, int fanOut, int placements) {
    int id = 3;
    std::string features = Feature(1, "line_feature('1','1','1','0','0','0','1','0')") +
                           Feature(2, "sfig_org_feature('\\'D0\\'','4')");
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
    bool cut = false;
};

Result Convert(const std::string& features, std::size_t budget) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("nested.sfc").toStdString();
    std::ofstream(path, std::ios::binary) << SfcText::File(features);
    CSxfReader reader(nullptr, {}, budget);
    const PluginTest::OwnedBlock block(reader.MakePORData(path.c_str()));
    EXPECT_TRUE(block);
    Result result;
    result.cut = reader.DrawingCut();
    if (block) {
        for (const PorRecord& record : PluginTest::Records(PluginTest::BlockBytes(block))) {
            result.lines += record.Type() == PorLine::Type;
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

} // namespace
