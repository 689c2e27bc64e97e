// The built module as the program loads it, and the pordump tool on it.

#include "DxfTestSupport.h"
#include "platform/mfc/Cp932.h"
#include "tests/support/ModuleTestSupport.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <string>

namespace {

using DxfTest::BinFolder;
using DxfTest::Fixture;
using DxfTest::OwnedBlock;
using DxfTest::ReadBytes;

struct RukDxfModuleFile {
    static constexpr const char* kFile = "RukDXF.so";
};
using RukDxfModule = PluginTest::ModuleTest<RukDxfModuleFile>;

TEST_F(RukDxfModule, ExportsItsFiveFunctions) {
    ASSERT_TRUE(library) << dlerror();
    EXPECT_EQ(Export<int (*)()>("VP_Config")(), 0);
    EXPECT_STREQ(Export<const char* (*)()>("VP_GetVersion")(),
                 Cp932::FromUtf8("Zumeo DXF 取り込みDLL version 3.0").c_str());
    EXPECT_STREQ(Export<const char* (*)()>("VP_GetFilterExt")(), "*.dxf");
    EXPECT_STREQ(Export<const char* (*)()>("VP_GetFilterComment")(),
                 Cp932::FromUtf8("DXF ファイル").c_str());
}

TEST_F(RukDxfModule, BlocksFanningOutBeyondTheMemoryBudgetGiveNoBlock) {
    // Thirty blocks, each inserting the next twice: a billion lines.
    ASSERT_TRUE(library) << dlerror();
    EXPECT_FALSE(GetPorData(Fixture("block_fan_out.dxf").c_str()));
}

TEST_F(RukDxfModule, GetPorDataGivesAMovableSharedBlock) {
    ASSERT_TRUE(library) << dlerror();
    const OwnedBlock block = GetPorData(Fixture("simple_entities.dxf").c_str());
    ASSERT_TRUE(block);
    EXPECT_EQ(GlobalFlags(block.get()) & GMEM_LOCKCOUNT, 0u);
    EXPECT_EQ(DxfTest::DumpOf(block), ReadBytes(Fixture("simple_entities.dump")));
}

TEST_F(RukDxfModule, CallsInARowGiveEqualBlocks) {
    ASSERT_TRUE(library) << dlerror();
    const std::string path = Fixture("simple_entities.dxf");
    const OwnedBlock first = GetPorData(path.c_str());
    const OwnedBlock second = GetPorData(path.c_str());
    ASSERT_TRUE(first && second);
    ASSERT_EQ(GlobalSize(first.get()), GlobalSize(second.get()));
    const auto* a = static_cast<const BYTE*>(GlobalLock(first.get()));
    const auto* b = static_cast<const BYTE*>(GlobalLock(second.get()));
    EXPECT_TRUE(std::equal(a, a + GlobalSize(first.get()), b));
    GlobalUnlock(first.get());
    GlobalUnlock(second.get());
}

TEST_F(RukDxfModule, NoBlockForAMissingFileOrNoPath) {
    ASSERT_TRUE(library) << dlerror();
    EXPECT_FALSE(GetPorData(Fixture("no_such_file.dxf").c_str()));
    EXPECT_FALSE(GetPorData(nullptr));
    EXPECT_FALSE(GetPorData(ZUMEO_TEST_DATA));
}

using PluginTest::Quoted;
using PluginTest::RunPordump;
using PluginTest::ToolRun;

TEST(Pordump, PrintsTheDumpOfAFixture) {
    const ToolRun run = RunPordump(Quoted(BinFolder() / "RukDXF.so") + " " +
                                   Quoted(Fixture("ac1021_japanese.dxf")));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, ReadBytes(Fixture("ac1021_japanese.dump")));
}

TEST(Pordump, SummaryCountsRecordTypes) {
    const ToolRun run = RunPordump("--summary " + Quoted(BinFolder() / "RukDXF.so") + " " +
                                   Quoted(Fixture("simple_entities.dxf")));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "1 PorHeader 1 0\n2 PorEnd 1 0\n3 PorLine 5 0\n6 PorPolygon 2 0\n"
                          "9 PorCircle 1 0\n10 PorEllipse 1 0\n11 PorArc 1 0\n12 PorEArc 1 0\n"
                          "21 PorDot 1 0\n31 PorLayer 3 0\n34 PorLineTypeScale 1 0\n"
                          "35 PorLineType 2 0\n36 PorHatch 1 0\n");
}

TEST(Pordump, PrintsNullWhenNoBlockCameBack) {
    const ToolRun run = RunPordump(Quoted(BinFolder() / "RukDXF.so") + " " +
                                   Quoted(Fixture("unsupported_only.dxf")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "null\n");
}

TEST(Pordump, RefusesWrongArguments) {
    EXPECT_EQ(RunPordump("").status, 2);
    EXPECT_EQ(RunPordump(Quoted(Fixture("simple_entities.dxf")) + " " +
                         Quoted(Fixture("simple_entities.dxf")))
                  .status,
              2);
}

} // namespace
