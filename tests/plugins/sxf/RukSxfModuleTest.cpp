// The built module as the program loads it, and the pordump tool on it.

#include "SxfTestSupport.h"
#include "platform/mfc/Cp932.h"
#include "platform/win/PlatformWindow.h"
#include "por/PorRecords.h"
#include "tests/support/ModuleTestSupport.h"
#include "tests/support/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

namespace {

using PluginTest::BinFolder;
using PluginTest::OwnedBlock;
using PluginTest::Quoted;
using PluginTest::ReadBytes;
using PluginTest::RunPordump;
using SxfTest::DataFolder;
using SxfTest::Feature;

struct RukSxfModuleFile {
    static constexpr const char* kFile = "RukSXF.so";
};
using RukSxfModule = PluginTest::ModuleTest<RukSxfModuleFile>;

TEST_F(RukSxfModule, ExportsItsFiveFunctions) {
    ASSERT_TRUE(library) << dlerror();
    EXPECT_EQ(Export<int (*)()>("VP_Config")(), 0);
    EXPECT_STREQ(Export<const char* (*)()>("VP_GetVersion")(),
                 Cp932::FromUtf8("Zumeo SXF(sfc/p21) 取り込みDLL version 3.0").c_str());
    EXPECT_STREQ(Export<const char* (*)()>("VP_GetFilterExt")(), "*.sfc;*.p21");
    EXPECT_STREQ(Export<const char* (*)()>("VP_GetFilterComment")(),
                 Cp932::FromUtf8("SXF ファイル").c_str());
}

TEST_F(RukSxfModule, TheSettingsFileLiesBesideTheModule) {
    EXPECT_TRUE(std::filesystem::exists(BinFolder() / "RukSXF.ini"));
}

TEST_F(RukSxfModule, GivesAMovableSharedBlockEqualToTheDump) {
    ASSERT_TRUE(library) << dlerror();
    const OwnedBlock block = GetPorData((DataFolder() / "curves.sfc").c_str());
    ASSERT_TRUE(block);
    EXPECT_EQ(GlobalFlags(block.get()) & GMEM_LOCKCOUNT, 0u);
    EXPECT_EQ(SxfTest::DumpOf(block), ReadBytes(DataFolder() / "curves.dump"));
}

TEST_F(RukSxfModule, NoBlockForFilesItCannotConvert) {
    ASSERT_TRUE(library) << dlerror();
    EXPECT_FALSE(GetPorData(nullptr));
    EXPECT_FALSE(GetPorData((DataFolder() / "missing.sfc").c_str()));
    EXPECT_FALSE(GetPorData((DataFolder() / "map.tif").c_str()));
    EXPECT_FALSE(GetPorData((DataFolder() / "curves.dump").c_str()));
    EXPECT_FALSE(GetPorData((DataFolder() / "no_such.p21").c_str()));
}

TEST_F(RukSxfModule, MendedAFileWithoutASheetGivesNoBlock) {
    ASSERT_TRUE(library) << dlerror();
    EXPECT_FALSE(GetPorData((DataFolder() / "no_sheet.sfc").c_str()));
}

TEST_F(RukSxfModule, MendedAUsersOutLogSurvivesAConversion) {
    ASSERT_TRUE(library) << dlerror();
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    std::ofstream(folder / "out.log") << "mine\n";
    std::ofstream(folder / "outAP202.log") << "mine too\n";
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const OwnedBlock block = GetPorData((DataFolder() / "sheet_only.sfc").c_str());
    const OwnedBlock none = GetPorData("drawing.p21");
    std::filesystem::current_path(before);
    EXPECT_TRUE(block);
    EXPECT_EQ(ReadBytes(folder / "out.log"), "mine\n");
    EXPECT_EQ(ReadBytes(folder / "outAP202.log"), "mine too\n");
}

// Sub-figures beyond the bounds once gave no drawing at all, or crashed. The
// placement cut at the depth is counted in the header for the program to
// tell; the plug-in shows nothing, as it may run in a batch.
TEST_F(RukSxfModule, MendedADrawingCutForItsSubFiguresOpensAndCountsWhatWasLeftOut) {
    ASSERT_TRUE(library) << dlerror();
    // Seventy definitions, each placing the one before.
    std::string features = Feature(1, "line_feature('1','1','1','0','0','0','1','1')") +
                           Feature(2, "sfig_org_feature('\\'D0\\'','4')");
    for (int level = 1; level <= 70; ++level) {
        features +=
            Feature(level * 10, "sfig_locate_feature('0','\\'D" + std::to_string(level - 1) +
                                    "\\'','0','0','0','1','1')") +
            Feature(level * 10 + 5, "sfig_org_feature('\\'D" + std::to_string(level) + "\\'','4')");
    }
    features += Feature(1000, "sfig_locate_feature('0','\\'D70\\'','0','0','0','1','1')") +
                Feature(1010, "line_feature('1','1','1','0','0','0','5','5')") + SxfTest::Sheet();
    QTemporaryDir dir;
    const std::string path = dir.filePath("deep.sfc").toStdString();
    std::ofstream(path, std::ios::binary) << SfcText::File(features);
    const ScriptedDialogs dialogs;
    const OwnedBlock block = GetPorData(path.c_str());
    ASSERT_TRUE(block);
    const std::vector<PorRecord> records = PluginTest::Records(PluginTest::BlockBytes(block));
    ASSERT_FALSE(records.empty());
    ASSERT_EQ(records[0].Type(), PorHeader::Type);
    EXPECT_EQ(*records[0].Get(PorHeader::LeftOut), 1);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(RukSxfModule, AWholeDrawingShowsNoMessage) {
    ASSERT_TRUE(library) << dlerror();
    ScriptedDialogs dialogs;
    EXPECT_TRUE(GetPorData((DataFolder() / "sfig.sfc").c_str()));
    EXPECT_TRUE(dialogs.Messages().empty());
}

// Records every progress message the conversion sends.
class ProgressRecorder : public PlatformWindow {
public:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == PBM_SETRANGE32) {
            calls += "range " + std::to_string(wParam) + ".." + std::to_string(lParam) + "; ";
        } else if (message == PBM_SETPOS) {
            calls += std::to_string(wParam) + "; ";
        }
        return 0;
    }
    std::string calls;
};

TEST_F(RukSxfModule, ReportsProgressThroughTheReadAndPerSheetMember) {
    ASSERT_TRUE(library) << dlerror();
    ProgressRecorder progress;
    const OwnedBlock block = GetPorData((DataFolder() / "sfig.sfc").c_str(), &progress);
    ASSERT_TRUE(block);
    EXPECT_EQ(progress.calls, "range 0..10; 0; 5; 6; 7; 8; range 0..10; 0; 1; 2; 3; 4; 5; ");
}

struct FixtureDump {
    const char* name;
};

void PrintTo(const FixtureDump& fixture, std::ostream* out) {
    *out << fixture.name;
}

class SxfFixtureDumps : public ::testing::TestWithParam<FixtureDump> {};

// Run in the fixtures' folder, so the raster image's path is the same
// wherever the sources lie.
TEST_P(SxfFixtureDumps, PordumpPrintsTheDump) {
    const std::string name = GetParam().name;
    const PluginTest::ToolRun run =
        RunPordump(Quoted(BinFolder() / "RukSXF.so") + " " + name + ".sfc", DataFolder());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, ReadBytes(DataFolder() / (name + ".dump")));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, SxfFixtureDumps,
                         ::testing::Values(FixtureDump{"sheet_only"}, FixtureDump{"curves"},
                                           FixtureDump{"sfig"}, FixtureDump{"raster"},
                                           FixtureDump{"arcs"}, FixtureDump{"texts"},
                                           FixtureDump{"fills"}, FixtureDump{"dimensions"}),
                         [](const ::testing::TestParamInfo<FixtureDump>& info) {
                             return std::string(info.param.name);
                         });

TEST(SxfPordump, PrintsNullWithoutASheet) {
    const PluginTest::ToolRun run =
        RunPordump(Quoted(BinFolder() / "RukSXF.so") + " " + Quoted(DataFolder() / "no_sheet.sfc"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "null\n");
}

} // namespace
