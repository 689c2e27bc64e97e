// The SXF library's calls as the plug-in makes them, on files written by the
// tests.

#include "platform/sxf/SxfCommonLib.h"
#include "tests/support/SfcText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using SfcText::Feature;

class SxfCommonLib : public ::testing::Test {
protected:
    void TearDown() override {
        SXFclose_part21();
        while (PopMessage().number != 0) {
        }
    }

    // Opens the text written as a file: the open call's result.
    int Open(const std::string& text, const char* name = "t.sfc") {
        const std::string path = m_dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return OpenPath(path);
    }

    static int OpenPath(std::string path) {
        char info[4][260];
        return SXFopen_part21(path.data(), 0, 1e-6, 1e-6, 0.0, 2, 1, info[0], info[1], info[2],
                              info[3]);
    }

    struct Popped {
        int number;
        std::string text;
    };

    static Popped PopMessage() {
        char empty[] = "";
        char* text = empty;
        char* second = empty;
        int number = -1;
        const int result = SXFPopMsg(text, &number, second);
        EXPECT_EQ(result, number);
        return {number, text};
    }

    QTemporaryDir m_dir;
};

TEST_F(SxfCommonLib, AMissingFileFailsWithAMessage) {
    EXPECT_LT(OpenPath("/no/such/folder/x.sfc"), 0);
    const Popped message = PopMessage();
    EXPECT_NE(message.number, 0);
    EXPECT_NE(message.text.find("/no/such/folder/x.sfc"), std::string::npos);
    EXPECT_EQ(PopMessage().number, 0);
}

TEST_F(SxfCommonLib, AFileOfAnotherFormatFailsToOpen) {
    EXPECT_LT(Open("0\r\nSECTION\r\n2\r\nHEADER\r\n"), 0);
    EXPECT_NE(PopMessage().text, "");
}

TEST_F(SxfCommonLib, TablesAreServedWithTheirCodesAndTheEndFlagOnTheLast) {
    ASSERT_EQ(
        Open(SfcText::File(Feature(10, "drawing_sheet_feature('\\'s\\'','9','0','100','200')") +
                           Feature(20, "layer_feature('\\'寸法表\\'','1')") +
                           Feature(30, "layer_feature('\\'b\\'','0')"))),
        0);
    SxfTableEntry entry{};
    int end = -1;
    EXPECT_EQ(SXFread_table(SxfTableLayer, &entry, &end), 1);
    EXPECT_EQ(end, 0);
    EXPECT_EQ(std::string(entry.layer.name), Cp932::FromUtf8("寸法表"));
    EXPECT_EQ(SXFread_table(SxfTableLayer, &entry, &end), 2);
    EXPECT_EQ(end, 1);
    EXPECT_STREQ(entry.layer.name, "b");
    EXPECT_EQ(entry.layer.shown, 0);
    // An empty table answers nothing, with the end flag.
    end = 0;
    EXPECT_EQ(SXFread_table(SxfTableUserColour, &entry, &end), 0);
    EXPECT_EQ(end, 1);
    EXPECT_LT(SXFread_table(8, &entry, &end), 0);
    EXPECT_NE(PopMessage().number, 0);
}

TEST_F(SxfCommonLib, AssembliesAndTheirFeaturesComeInFileOrder) {
    ASSERT_EQ(
        Open(SfcText::File(Feature(10, "line_feature('1','2','3','4','1.5','2.5','3.5','4.5')") +
                           Feature(20, "sfig_org_feature('\\'a\\'','4')") +
                           Feature(30, "sfig_org_feature('\\'b\\'','1')") +
                           Feature(40, "line_feature('1','1','1','1','x','0','1','1')") +
                           Feature(50, "spline_feature('1','1','1','1','0','2','(0,1)','(2,3)')") +
                           Feature(60, "drawing_sheet_feature('\\'s\\'','9','0','100','200')"))),
        0);
    void* data = nullptr;
    int end = -1;
    EXPECT_EQ(SXFread_assembly_name(SxfAssemblySfigOrg, data, &end), 1);
    EXPECT_EQ(end, 0);
    EXPECT_STREQ(static_cast<SxfSfigOrgData*>(data)->name, "a");
    EXPECT_EQ(SXFdelete_assembly(SxfAssemblySfigOrg, data), 0);
    EXPECT_EQ(data, nullptr);
    char typeName[64];
    EXPECT_EQ(SXFread_next_feature(typeName, data, &end), 10);
    EXPECT_EQ(end, 1);
    EXPECT_STREQ(typeName, "LINE");
    const auto* line = static_cast<const SxfLineData*>(data);
    EXPECT_EQ(line->codes.width, 4);
    EXPECT_EQ(line->endY, 4.5);
    SXFdelete_feature(typeName, data);

    EXPECT_EQ(SXFread_assembly_name(SxfAssemblySfigOrg, data, &end), 2);
    EXPECT_EQ(end, 1);
    EXPECT_EQ(SXFread_next_feature(typeName, data, &end), 0);
    EXPECT_EQ(end, 1);
    EXPECT_LT(SXFread_assembly_name(SxfAssemblySfigOrg, data, &end), 0);

    // A wrong feature answers 0 with its message, and the next one follows.
    EXPECT_EQ(SXFread_assembly_name(SxfAssemblySheet, data, &end), 1);
    EXPECT_EQ(static_cast<SxfSheetData*>(data)->width, 100);
    EXPECT_EQ(SXFread_next_feature(typeName, data, &end), 0);
    EXPECT_EQ(end, 0);
    EXPECT_NE(PopMessage().text.find("#40"), std::string::npos);
    EXPECT_EQ(SXFread_next_feature(typeName, data, &end), 50);
    EXPECT_EQ(end, 1);
    EXPECT_STREQ(typeName, "SPLINE");
    const auto* spline = static_cast<const SxfSplineData*>(data);
    EXPECT_EQ(spline->open, 0);
    EXPECT_EQ(spline->count, 2);
    EXPECT_EQ(spline->y, (std::vector<double>{2, 3}));
    EXPECT_EQ(SXFclose_part21(), 0);
}

TEST_F(SxfCommonLib, NoSheetAnswersNegative) {
    ASSERT_EQ(Open(SfcText::File(Feature(10, "layer_feature('\\'a\\'','1')"))), 0);
    void* data = reinterpret_cast<void*>(1);
    int end = 0;
    EXPECT_LT(SXFread_assembly_name(SxfAssemblySheet, data, &end), 0);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(end, 1);
}

TEST_F(SxfCommonLib, CallsWithoutAnOpenFileFail) {
    SxfTableEntry entry{};
    void* data = nullptr;
    char typeName[64];
    int end = 0;
    EXPECT_LT(SXFclose_part21(), 0);
    EXPECT_LT(SXFread_table(SxfTableLayer, &entry, &end), 0);
    EXPECT_LT(SXFread_assembly_name(SxfAssemblySheet, data, &end), 0);
    EXPECT_LT(SXFread_next_feature(typeName, data, &end), 0);
    EXPECT_EQ(end, 1);
}

TEST_F(SxfCommonLib, P21FilesAreServedThroughTheAp202Calls) {
    std::string path =
        (std::filesystem::path(ZUMEO_TEST_DATA) / "sxf" / "twin_groups.p21").string();
    char info[4][260];
    ASSERT_EQ(
        SXFopen_AP202(path.data(), 0, 1e-6, 1e-6, 0.0, 2, 2, info[0], info[1], info[2], info[3]),
        0);
    SxfTableEntry entry{};
    int end = 0;
    EXPECT_EQ(SXFread_table_AP202(SxfTablePreColour, &entry, &end), 3);
    EXPECT_STREQ(entry.named.name, "green");
    void* data = nullptr;
    EXPECT_EQ(SXFread_assembly_name_AP202(SxfAssemblySfigOrg, data, &end), 1);
    EXPECT_EQ(static_cast<SxfSfigOrgData*>(data)->name, Cp932::FromUtf8("部品"));
    char typeName[64];
    EXPECT_EQ(SXFread_next_feature_AP202(typeName, data, &end), 1040);
    EXPECT_STREQ(typeName, "LINE");
    EXPECT_EQ(static_cast<const SxfLineData*>(data)->endX, 5.0);
    EXPECT_EQ(SXFdelete_feature_AP202(typeName, data), 0);
    EXPECT_EQ(SXFclose_AP202(), 0);
    EXPECT_LT(SXFclose_AP202(), 0);
}

TEST_F(SxfCommonLib, ATruncatedP21FileFailsToOpenNamingTheLine) {
    std::string path = m_dir.filePath("t.p21").toStdString();
    std::ofstream(path) << "ISO-10303-21;\r\nHEADER;\r\nENDSEC;\r\nDATA;\r\n#1=A('x";
    char info[4][260];
    EXPECT_LT(
        SXFopen_AP202(path.data(), 0, 1e-6, 1e-6, 0.0, 2, 2, info[0], info[1], info[2], info[3]),
        0);
    char empty[] = "";
    char* text = empty;
    char* second = empty;
    int number = 0;
    EXPECT_NE(SXFPopMsg_AP202(text, &number, second), 0);
    EXPECT_EQ(std::string(text), "line 5: the file ends early (a string is not closed)");
    EXPECT_LT(SXFclose_AP202(), 0);
}

TEST_F(SxfCommonLib, WritesNoLogFile) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.path().toStdString());
    ASSERT_EQ(Open(SfcText::File(Feature(10, "line_feature('1')") +
                                 Feature(20, "drawing_sheet_feature('\\'s\\'','9','0','1','2')"))),
              0);
    EXPECT_EQ(SXFclose_part21(), 0);
    std::filesystem::current_path(before);
    EXPECT_FALSE(std::filesystem::exists(m_dir.filePath("out.log").toStdString()));
}

} // namespace
