// The export as the program calls it, on damaged and hostile ".sfc" and
// ".p21" files: mutated copies of fixtures that hold every feature, table
// and assembly kind between them, beside the picture the raster placement
// names.

#include "SxfTestSupport.h"
#include "tests/support/ByteMutator.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace {

using PluginTest::BinFolder;
using PluginTest::ReadBytes;
using SxfTest::DataFolder;

struct MutationCase {
    const char* extension;
    std::vector<const char*> seeds;
};

void PrintTo(const MutationCase& c, std::ostream* out) {
    *out << c.extension;
}

class SxfMutations : public ::testing::TestWithParam<MutationCase> {};

TEST_P(SxfMutations, NeverCrashLeakOrHang) {
    void* library = dlopen((BinFolder() / "RukSXF.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_TRUE(library) << dlerror();
    const auto convert = reinterpret_cast<PluginTest::GetPORData>(dlsym(library, "VP_GetPORData"));
    ASSERT_NE(convert, nullptr);
    std::vector<ByteMutator::Bytes> seeds;
    for (const char* name : GetParam().seeds) {
        const std::string bytes = ReadBytes(DataFolder() / name);
        ASSERT_FALSE(bytes.empty()) << name;
        seeds.emplace_back(bytes.begin(), bytes.end());
    }
    QTemporaryDir folder;
    const std::filesystem::path here = folder.path().toStdString();
    std::filesystem::copy_file(DataFolder() / "map.tif", here / "map.tif");
    const std::string path = (here / (std::string("plan") + GetParam().extension)).string();
    ByteMutator mutator(20261212);
    const int fed = mutator.FeedFor(
        seeds, std::chrono::milliseconds(2500), 2000,
        [&](const ByteMutator::Bytes& bytes) { PluginTest::ConvertAsFile(convert, path, bytes); });
    EXPECT_GT(fed, 0);
    dlclose(library);
}

INSTANTIATE_TEST_SUITE_P(Export, SxfMutations,
                         ::testing::Values(MutationCase{".sfc",
                                                        {"arcs.sfc", "curves.sfc", "dimensions.sfc",
                                                         "fills.sfc", "raster.sfc", "sfig.sfc",
                                                         "texts.sfc", "twin_annotations.sfc",
                                                         "twin_basic.sfc", "twin_groups.sfc"}},
                                           MutationCase{".p21",
                                                        {"twin_annotations.p21", "twin_basic.p21",
                                                         "twin_groups.p21", "truncated.p21"}}),
                         [](const auto& info) { return std::string(info.param.extension + 1); });

} // namespace
