// A whole ".sfc" text: table codes, groups and their members.

#include "platform/sxf/CSfcDocument.h"
#include "platform/sxf/CSfcParameters.h"
#include "tests/support/CpuClock.h"
#include "tests/support/SfcText.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's own count; g++ ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

using SfcText::Feature;

// The bytes the heap holds for the program now.
std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    // Large blocks are mapped apart from the arena.
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

std::vector<int> Codes(const CSfcDocument& document, int kind) {
    std::vector<int> codes;
    for (const CSfcTableEntry& entry : document.Tables().Entries(kind)) {
        codes.push_back(entry.code);
    }
    return codes;
}

std::vector<int> Ids(CSfcDocument& document, const CSfcAssembly& assembly) {
    std::vector<int> ids;
    for (const CSfcFeature& feature : document.Features(assembly)) {
        ids.push_back(feature.id);
    }
    return ids;
}

TEST(SfcDocument, PredefinedEntriesKeepTheirCodesAndUserEntriesFollowThem) {
    CSfcDocument document = CSfcDocument::Parse(SfcText::File(
        Feature(1, "pre_defined_colour_feature('\\'cyan\\'')") +
        Feature(2, "user_defined_colour_feature('1','2','3')") +
        Feature(3, "pre_defined_colour_feature('\\'black\\'')") +
        Feature(4, "user_defined_colour_feature('4','5','6')") +
        Feature(5, "pre_defined_font_feature('\\'chain\\'')") +
        Feature(6, "user_defined_font_feature('\\'u\\'','2','(1.0,2.0)')") +
        Feature(7, "width_feature('0.7')") + Feature(8, "width_feature('0.33')") +
        Feature(9, "width_feature('0.13')") + Feature(10, "text_font_feature('\\'ＭＳ 明朝\\'')") +
        Feature(11, "layer_feature('\\'a\\'','1')") + Feature(12, "layer_feature('\\'b\\'','0')")));
    EXPECT_EQ(Codes(document, SxfTablePreColour), (std::vector<int>{7, 1}));
    EXPECT_EQ(Codes(document, SxfTableUserColour), (std::vector<int>{17, 18}));
    EXPECT_EQ(Codes(document, SxfTablePreLineType), (std::vector<int>{8}));
    EXPECT_EQ(Codes(document, SxfTableUserLineType), (std::vector<int>{16}));
    EXPECT_EQ(Codes(document, SxfTableLineWidth), (std::vector<int>{6, 10, 1}));
    EXPECT_EQ(Codes(document, SxfTableTextFont), (std::vector<int>{1}));
    EXPECT_EQ(Codes(document, SxfTableLayer), (std::vector<int>{1, 2}));

    const SxfTableEntry& lineType = document.Tables().Entries(SxfTableUserLineType)[0].entry;
    EXPECT_STREQ(lineType.userLineType.name, "u");
    EXPECT_EQ(lineType.userLineType.count, 2);
    EXPECT_EQ(lineType.userLineType.values[1], 2.0);
    EXPECT_EQ(document.Tables().Entries(SxfTableLayer)[1].entry.layer.shown, 0);
}

TEST(SfcDocument, UnknownNamesWrongEntriesAndEntriesBeyondTheLimitsAreLeftOut) {
    std::string features = Feature(1, "pre_defined_colour_feature('\\'Black\\'')") +
                           Feature(2, "pre_defined_font_feature('\\'zigzag\\'')") +
                           Feature(3, "user_defined_colour_feature('1','x','3')") +
                           Feature(4, "user_defined_font_feature('\\'u\\'','3','(1.0,2.0)')") +
                           Feature(5, "layer_feature('\\'a\\'')");
    for (int i = 0; i < CSfcTables::MaxLayers + 1; ++i) {
        features += Feature(100 + i, "layer_feature('\\'L" + std::to_string(i) + "\\'','1')");
    }
    for (int i = 0; i < 20; ++i) {
        features += Feature(1000 + i, "user_defined_font_feature('\\'u\\'','0','()')");
    }
    CSfcDocument document = CSfcDocument::Parse(SfcText::File(features));
    EXPECT_TRUE(document.Tables().Entries(SxfTablePreColour).empty());
    EXPECT_TRUE(document.Tables().Entries(SxfTablePreLineType).empty());
    EXPECT_TRUE(document.Tables().Entries(SxfTableUserColour).empty());
    EXPECT_EQ(document.Tables().Entries(SxfTableLayer).size(),
              static_cast<std::size_t>(CSfcTables::MaxLayers));
    EXPECT_STREQ(document.Tables().Entries(SxfTableLayer).back().entry.layer.name, "L255");
    // Codes 16 to 32 only.
    EXPECT_EQ(document.Tables().Entries(SxfTableUserLineType).size(), 17u);
    EXPECT_TRUE(document.Tables().Entries(0).empty());
    EXPECT_TRUE(document.Tables().Entries(8).empty());
}

TEST(SfcDocument, FeaturesBelongToTheNextGroupAndTablesStandAnywhere) {
    CSfcDocument document = CSfcDocument::Parse(
        SfcText::File(Feature(10, "polyline_feature('1','1','1','1','2','(0,1)','(0,1)')") +
                      Feature(20, "composite_curve_org_feature('1','1','1','0')") +
                      Feature(30, "line_feature('1','1','1','1','0','0','1','1')") +
                      Feature(40, "layer_feature('\\'a\\'','1')") +
                      Feature(50, "line_feature('1','1','1','1','0','0','1','1')") +
                      Feature(60, "sfig_org_feature('\\'part\\'','4')") +
                      Feature(70, "sfig_locate_feature('0','\\'part\\'','1','2','3','4','5')") +
                      Feature(80, "drawing_sheet_feature('\\'s\\'','9','0','100','200')") +
                      Feature(90, "layer_feature('\\'b\\'','1')") +
                      Feature(100, "line_feature('1','1','1','1','0','0','1','1')")));
    ASSERT_EQ(document.Assemblies(SxfAssemblyCompositeCurve).size(), 1u);
    EXPECT_EQ(Ids(document, document.Assemblies(SxfAssemblyCompositeCurve)[0]),
              (std::vector<int>{10}));
    ASSERT_EQ(document.Assemblies(SxfAssemblySfigOrg).size(), 1u);
    EXPECT_EQ(Ids(document, document.Assemblies(SxfAssemblySfigOrg)[0]),
              (std::vector<int>{30, 50}));
    ASSERT_EQ(document.Assemblies(SxfAssemblySheet).size(), 1u);
    const CSfcAssembly& sheet = document.Assemblies(SxfAssemblySheet)[0];
    // #100 belongs to no group: the last one serves it as a failure.
    ASSERT_EQ(Ids(document, sheet), (std::vector<int>{70, 100}));
    EXPECT_EQ(document.Features(sheet)[1].error, "#100 belongs to no group");
    EXPECT_EQ(std::get<SxfSheetData>(sheet.data).height, 200);
    EXPECT_EQ(Codes(document, SxfTableLayer), (std::vector<int>{1, 2}));
    ASSERT_NE(document.Features(sheet)[0].Get<SxfSfigLocateData>(), nullptr);
    const auto& locate = *document.Features(sheet)[0].Get<SxfSfigLocateData>();
    EXPECT_STREQ(locate.name, "part");
    EXPECT_EQ(locate.ratioY, 5.0);
}

TEST(SfcDocument, AGroupThatCannotBeReadIsLeftOutWithItsMembersAndReported) {
    CSfcDocument document = CSfcDocument::Parse(
        SfcText::File(Feature(10, "line_feature('1','1','1','1','0','0','1','1')") +
                      Feature(20, "sfig_org_feature('\\'part\\'')") +
                      Feature(30, "line_feature('1','1','1','1','0','0','1','1')") +
                      Feature(40, "drawing_sheet_feature('\\'s\\'','9','0','100','200')")));
    EXPECT_TRUE(document.Assemblies(SxfAssemblySfigOrg).empty());
    // The next group reports the group and its members, which are not drawn.
    const CSfcAssembly& sheet = document.Assemblies(SxfAssemblySheet)[0];
    EXPECT_EQ(Ids(document, sheet), (std::vector<int>{20, 10, 30}));
    EXPECT_NE(document.Features(sheet)[0].error.find("2 parameters expected"), std::string::npos)
        << document.Features(sheet)[0].error;
    EXPECT_EQ(document.Features(sheet)[1].error, "its group #20 cannot be read");
    EXPECT_EQ(document.Features(sheet)[2].error, "");
}

// Features after the last group belong to none and were dropped without a
// word; the last group reports them as failures.
TEST(SfcDocument, FeaturesAfterTheLastGroupAreReportedByIt_Mended) {
    CSfcDocument document = CSfcDocument::Parse(
        SfcText::File(Feature(10, "line_feature('1','1','1','1','0','0','1','1')") +
                      Feature(20, "drawing_sheet_feature('\\'s\\'','9','0','100','200')") +
                      Feature(30, "line_feature('1','1','1','1','0','0','1')") +
                      Feature(40, "line_feature('1','1','1','1','0','0','1','1')") +
                      Feature(50, "layer_feature('\\'base\\'','1')")));
    const CSfcAssembly& sheet = document.Assemblies(SxfAssemblySheet)[0];
    ASSERT_EQ(Ids(document, sheet), (std::vector<int>{10, 30, 40}));
    EXPECT_EQ(document.Features(sheet)[0].error, "");
    EXPECT_NE(document.Features(sheet)[1].error.find("8 parameters expected"), std::string::npos)
        << document.Features(sheet)[1].error;
    EXPECT_EQ(document.Features(sheet)[2].error, "#40 belongs to no group");
    EXPECT_EQ(Codes(document, SxfTableLayer), (std::vector<int>{1}));
}

// A last group that cannot be read has no next group to report it and its
// members: the group read before it does.
TEST(SfcDocument, ALastGroupThatCannotBeReadIsReportedByTheGroupBefore_Mended) {
    CSfcDocument document = CSfcDocument::Parse(
        SfcText::File(Feature(10, "drawing_sheet_feature('\\'s\\'','9','0','100','200')") +
                      Feature(20, "line_feature('1','1','1','1','0','0','1','1')") +
                      Feature(30, "sfig_org_feature('\\'part\\'')")));
    EXPECT_TRUE(document.Assemblies(SxfAssemblySfigOrg).empty());
    EXPECT_EQ(Ids(document, document.Assemblies(SxfAssemblySheet)[0]), (std::vector<int>{30, 20}));
}

TEST(SfcDocument, WrongFeaturesKeepTheirPlaceWithTheirErrors) {
    CSfcDocument document = CSfcDocument::Parse(
        SfcText::File(Feature(10, "line_feature('1','1','1','1','0','0','1')") +
                      Feature(20, "polyline_feature('1','1','1','1','3','(0,1)','(0,1)')") +
                      Feature(30, "circle_feature('1','1','1','1','0','0','1')") +
                      Feature(40, "line_feature('1','1','1','1','0','0','1','x')") +
                      "/*SXF\r\n#50 line_feature\r\nSXF*/\r\n" +
                      Feature(60, "drawing_sheet_feature('\\'s\\'','9','0','100','200')")));
    const auto features = document.Features(document.Assemblies(SxfAssemblySheet)[0]);
    ASSERT_EQ(features.size(), 5u);
    EXPECT_NE(features[0].error.find("8 parameters expected"), std::string::npos);
    EXPECT_NE(features[1].error.find("vertex count 3"), std::string::npos);
    EXPECT_EQ(features[2].error, "");
    EXPECT_EQ(features[2].typeName, "CIRCLE");
    ASSERT_NE(features[2].DataPointer(), nullptr);
    EXPECT_EQ(static_cast<const SxfCircleData*>(features[2].DataPointer())->radius, 1.0);
    EXPECT_NE(features[3].error.find("parameter 8 is not a number"), std::string::npos);
    EXPECT_NE(features[4].error.find("line 20"), std::string::npos);
}

TEST(SfcDocument, ANameLongerThanItsBufferIsRefused) {
    const std::string longName(SxfShortNameSize, 'n');
    CSfcDocument document = CSfcDocument::Parse(SfcText::File(
        Feature(10, "sfig_locate_feature('0','\\'" + longName + "\\'','0','0','0','1','1')") +
        Feature(20, "drawing_sheet_feature('\\'s\\'','9','0','100','200')")));
    const auto features = document.Features(document.Assemblies(SxfAssemblySheet)[0]);
    ASSERT_EQ(features.size(), 1u);
    EXPECT_NE(features[0].error.find("at most 256 bytes"), std::string::npos);
}

// Drawings of hundreds of thousands of features must open in the memory of
// an ordinary machine: a read file is held in a few bytes per byte, short
// and long features alike.
TEST(SfcDocument, HoldsADrawingInAFewBytesPerByteOfItsFile) {
    constexpr int Rounds = 2000;
    std::string features;
    for (int i = 0; i < Rounds; ++i) {
        const int id = 10 * i;
        features +=
            Feature(id + 1, "line_feature('1','2','1','3','5742.068876','2345.678901',"
                            "'3456.789012','4567.890123')") +
            Feature(id + 2, "polyline_feature('1','2','1','3','4','(0.5,10.25,20.125,30.0625)',"
                            "'(1.5,11.25,21.125,31.0625)')") +
            Feature(id + 3, "text_string_feature('1','2','1','\\'寸法表\\'','10.5','20.25','3.5',"
                            "'10.0','0.5','0.0','0.0','1','1')") +
            Feature(id + 4, "linear_dim_feature('1','2','1','2','0.0','10.0','100.0','10.0','1',"
                            "'0.0','0.0','0.0','2.0','0.0','12.0','1','100.0','0.0','100.0',"
                            "'2.0','100.0','12.0','6','1','0.0','10.0','1.0','6','1','100.0',"
                            "'10.0','1.0','1','1','\\'100\\'','50.0','11.0','3.5','7.5','0.0',"
                            "'0.0','0.0','8','1')");
    }
    const std::string file = SfcText::File(
        features + Feature(10 * Rounds, "drawing_sheet_feature('\\'s\\'','9','0','100','200')"));
    const std::size_t before = HeapInUse();
    CSfcDocument document = CSfcDocument::Parse(file);
    const std::size_t held = HeapInUse() - before;
    const auto sheet = document.Features(document.Assemblies(SxfAssemblySheet).at(0));
    ASSERT_EQ(sheet.size(), 4u * Rounds);
    EXPECT_EQ(sheet.back().error, "");
    EXPECT_LT(held, 3 * file.size()) << held << " bytes held for a file of " << file.size();
}

TEST(SfcDocument, LoadRefusesMissingFilesAndOtherFormats) {
    EXPECT_THROW(CSfcDocument::Load("/no/such/file.sfc"), CSfcError);
    EXPECT_THROW(CSfcDocument::Parse("0\r\nSECTION\r\n"), CSfcError);
}

// A pipe would wait for a writer for ever, a device would never end.
TEST(SfcDocument, LoadRefusesAPipeAndADeviceAtOnce_Mended) {
    QTemporaryDir folder;
    const std::string pipe = folder.path().toStdString() + "/plan.sfc";
    const std::string device = folder.path().toStdString() + "/zero.sfc";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", device.c_str()), 0);
    const auto start = CpuClock::now();
    EXPECT_THROW(CSfcDocument::Load(pipe), CSfcError);
    EXPECT_THROW(CSfcDocument::Load(device), CSfcError);
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(5));
}

} // namespace
