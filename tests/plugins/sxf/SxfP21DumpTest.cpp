// Drawings written both as ".sfc" and as ".p21" give the same POR data
// through the built module, as pordump prints it.

#include "SxfTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using PluginTest::BinFolder;
using PluginTest::Quoted;
using PluginTest::RunPordump;
using SxfTest::DataFolder;

struct Twin {
    const char* name;
    const char* record; // a record the drawing must give
};

void PrintTo(const Twin& twin, std::ostream* out) {
    *out << twin.name;
}

class SxfP21Dumps : public ::testing::TestWithParam<Twin> {};

TEST_P(SxfP21Dumps, AreThoseOfTheSfcTwin) {
    const std::string name = GetParam().name;
    const std::string module = Quoted(BinFolder() / "RukSXF.so") + " ";
    const PluginTest::ToolRun sfc = RunPordump(module + name + ".sfc", DataFolder());
    const PluginTest::ToolRun p21 = RunPordump(module + name + ".p21", DataFolder());
    ASSERT_EQ(sfc.status, 0);
    EXPECT_EQ(p21.status, 0);
    EXPECT_NE(sfc.output.find(GetParam().record), std::string::npos) << sfc.output;
    EXPECT_EQ(p21.output, sfc.output);
}

INSTANTIATE_TEST_SUITE_P(Drawings, SxfP21Dumps,
                         ::testing::Values(Twin{"twin_basic", "PorEllipse"},
                                           Twin{"twin_groups", "PorHatch"},
                                           Twin{"twin_annotations", "PorPolygon"}),
                         [](const ::testing::TestParamInfo<Twin>& info) {
                             return std::string(info.param.name);
                         });

// Both forms count in the header what could not be read.
TEST(SxfP21Pordump, CountsTheItemsLeftOutInTheHeader) {
    for (const char* name : {"left_out.p21", "left_out.sfc"}) {
        const PluginTest::ToolRun run =
            RunPordump(Quoted(BinFolder() / "RukSXF.so") + " " + name, DataFolder());
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_NE(run.output.find(" LeftOut=2 "), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("PorLine"), std::string::npos) << run.output;
    }
}

TEST(SxfP21Pordump, PrintsNullForATruncatedFile) {
    const PluginTest::ToolRun run = RunPordump(Quoted(BinFolder() / "RukSXF.so") + " " +
                                               Quoted(DataFolder() / "truncated.p21"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "null\n");
}

} // namespace
