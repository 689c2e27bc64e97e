#include "plugins/dxf/CDxfFile.h"

#include "DxfTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Groups = std::vector<std::pair<int, std::string>>;

Groups ReadAll(std::string bytes) {
    CDxfFile file(std::move(bytes));
    Groups groups;
    CDxfGroup group;
    while (file.ReadGroup(group)) {
        groups.emplace_back(group.code, std::string(group.value));
    }
    return groups;
}

struct LineEndCase {
    const char* name;
    std::string text;
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, GiveTheSameGroups) {
    const Groups expected{{0, "SECTION"}, {2, "ENTITIES"}, {999, ""}, {10, "1.5"}, {0, "EOF"}};
    EXPECT_EQ(ReadAll(GetParam().text), expected);
}

INSTANTIATE_TEST_SUITE_P(
    DxfFile, LineEnds,
    ::testing::Values(
        LineEndCase{"Lf", "  0\nSECTION\n  2\nENTITIES\n999\n\n 10\n1.5\n  0\nEOF\n"},
        LineEndCase{"CrLf",
                    "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n999\r\n\r\n 10\r\n1.5\r\n  0\r\nEOF\r\n"},
        LineEndCase{"Cr", "  0\rSECTION\r  2\rENTITIES\r999\r\r 10\r1.5\r  0\rEOF\r"},
        LineEndCase{"LfCr",
                    "  0\n\rSECTION\n\r  2\n\rENTITIES\n\r999\n\r\n\r 10\n\r1.5\n\r  0\n\rEOF\n\r"},
        LineEndCase{"LfCrWithoutTheLastCr",
                    "  0\n\rSECTION\n\r  2\n\rENTITIES\n\r999\n\r\n\r 10\n\r1.5\n\r  0\n\rEOF\n"},
        LineEndCase{"Mixed", "  0\r\nSECTION\n  2\rENTITIES\r\n999\n\r 10\n1.5\r\n  0\nEOF"},
        LineEndCase{"NoLastTerminator", "  0\nSECTION\n  2\nENTITIES\n999\n\n 10\n1.5\n  0\nEOF"}),
    [](const auto& info) { return info.param.name; });

TEST(DxfFile, EmptyLineAfterTheFirstIsAnEmptyValue) {
    // The empty value must not be taken for part of the first line's end.
    const Groups expected{{999, ""}, {0, "LINE"}, {8, "0"}};
    EXPECT_EQ(ReadAll("999\r\n\r\n  0\r\nLINE\r\n  8\r\n0\r\n"), expected);
}

TEST(DxfFile, LinesOfAnyLengthStayWhole) {
    const std::string longValue(5000, 'x');
    const Groups groups = ReadAll("999\n" + longValue + "\n  0\nLINE\n");
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].second, longValue);
    EXPECT_EQ(groups[1], (std::pair<int, std::string>{0, "LINE"}));
}

TEST(DxfFile, UngetGivesTheSameGroupAgain) {
    CDxfFile file("  0\nLINE\n  8\nWalls\n");
    CDxfGroup group;
    ASSERT_TRUE(file.ReadGroup(group));
    ASSERT_TRUE(file.ReadGroup(group));
    file.UngetGroup();
    ASSERT_TRUE(file.ReadGroup(group));
    EXPECT_EQ(group.code, 8);
    EXPECT_EQ(group.value, "Walls");
    EXPECT_FALSE(file.ReadGroup(group));
}

TEST(DxfFile, GroupWithoutValueLineIsNotRead) {
    CDxfFile file("  0\nLINE\n 10");
    CDxfGroup group;
    EXPECT_TRUE(file.ReadGroup(group));
    EXPECT_FALSE(file.ReadGroup(group));
}

TEST(DxfFile, CodesAreReadAsAtoiReadsThem) {
    const Groups expected{{10, "a"}, {62, "b"}, {0, "c"}, {-3, "d"}, {0, "e"}};
    EXPECT_EQ(ReadAll(" 10\na\n\t62junk\nb\nLINE\nc\n-3\nd\n\ne\n"), expected);
}

TEST(DxfFile, PositionIsTheByteOffset) {
    CDxfFile file("  0\r\nLINE\r\n");
    CDxfGroup group;
    EXPECT_EQ(file.GetLength(), 11u);
    ASSERT_TRUE(file.ReadGroup(group));
    EXPECT_EQ(file.GetPosition(), 11u);
}

TEST(DxfFile, RecognisesTheBinarySentinel) {
    using namespace std::string_literals;
    EXPECT_TRUE(CDxfFile("AutoCAD Binary DXF\r\n\x1A\0\x01\x02"s).IsBinary());
    EXPECT_FALSE(CDxfFile("AutoCAD Binary DXF\r\n"s).IsBinary());
    EXPECT_FALSE(CDxfFile("  0\nSECTION\n"s).IsBinary());
}

TEST(DxfFile, LoadsAFileAndNothingForAMissingOne) {
    auto file = CDxfFile::Load(DxfTest::Fixture("minimal_line.dxf").c_str());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->GetLength(), DxfTest::ReadBytes(DxfTest::Fixture("minimal_line.dxf")).size());
    EXPECT_FALSE(CDxfFile::Load(DxfTest::Fixture("no_such_file.dxf").c_str()));
    EXPECT_FALSE(CDxfFile::Load(nullptr));
}

} // namespace
