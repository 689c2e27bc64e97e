// Splitting ".sfc" text into feature comments, Shift-JIS texts included.

#include "platform/sxf/CSfcScanner.h"
#include "tests/support/SfcText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct ScanCase {
    const char* name;
    std::string statement; // after "#7 = ", UTF-8
    std::string featureName;
    std::vector<std::string> values; // UTF-8
    std::vector<bool> texts;
};

void PrintTo(const ScanCase& c, std::ostream* out) {
    *out << c.name;
}

class SfcScannerCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(SfcScannerCases, ReadsTheParameters) {
    const ScanCase& c = GetParam();
    const std::string file = SfcText::File(SfcText::Feature(7, c.statement));
    CSfcScanner scanner(file);
    ASSERT_TRUE(scanner.IsPart21());
    const std::vector<CSfcStatement> statements = scanner.Statements();
    ASSERT_EQ(statements.size(), 1u);
    const CSfcStatement& s = statements[0];
    EXPECT_EQ(s.error, "");
    EXPECT_EQ(s.id, 7);
    EXPECT_EQ(s.name, c.featureName);
    ASSERT_EQ(s.parameters.size(), c.values.size());
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        EXPECT_EQ(s.parameters[i].value, Cp932::FromUtf8(c.values[i])) << "parameter " << i;
        EXPECT_EQ(s.parameters[i].isText, c.texts[i]) << "parameter " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statements, SfcScannerCases,
    ::testing::Values(
        // 表 is 95 5C: its second byte is no escape, so the name ends where it should.
        ScanCase{"NameWhoseSecondByteIsABackslash",
                 "layer_feature('\\'寸法表\\'','1')",
                 "layer_feature",
                 {"寸法表", "1"},
                 {true, false}},
        ScanCase{"BareName",
                 "layer_feature(\\'ソ能\\','0')",
                 "layer_feature",
                 {"ソ能", "0"},
                 {true, false}},
        ScanCase{"Lists",
                 "polyline_feature('1','(1.0,2.5)','()')",
                 "polyline_feature",
                 {"1", "(1.0,2.5)", "()"},
                 {false, false, false}},
        ScanCase{"FeatureOverSeveralLines",
                 "line_feature('1','2',\r\n'3','4','0.5',\r\n'-1','2','3')",
                 "line_feature",
                 {"1", "2", "3", "4", "0.5", "-1", "2", "3"},
                 {false, false, false, false, false, false, false, false}},
        ScanCase{"ListBrokenOverLines", "x('(1.0,\r\n2.0)')", "x", {"(1.0,2.0)"}, {false}},
        ScanCase{"NoParameters", "x()", "x", {}, {}},
        ScanCase{"UnquotedNumber", "x(12, '3')", "x", {"12", "3"}, {false, false}}),
    [](const ::testing::TestParamInfo<ScanCase>& info) { return std::string(info.param.name); });

struct BrokenCase {
    const char* name;
    std::string statement;
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

class SfcScannerBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(SfcScannerBroken, KeepsTheErrorAndReadsTheNextFeature) {
    const std::string file = SfcText::File("/*SXF\r\n" + GetParam().statement + "\r\nSXF*/\r\n" +
                                           SfcText::Feature(20, "layer_feature('\\'a\\'','1')"));
    CSfcScanner scanner(file);
    const std::vector<CSfcStatement> statements = scanner.Statements();
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_NE(statements[0].error, "");
    EXPECT_EQ(statements[0].line, 8);
    EXPECT_EQ(statements[1].error, "");
    EXPECT_EQ(statements[1].id, 20);
    EXPECT_EQ(statements[1].name, "layer_feature");
}

INSTANTIATE_TEST_SUITE_P(Statements, SfcScannerBroken,
                         ::testing::Values(BrokenCase{"NoId", "line_feature('1')"},
                                           BrokenCase{"IdWithoutNumber", "#x = line_feature('1')"},
                                           BrokenCase{"NoEquals", "#10 line_feature('1')"},
                                           BrokenCase{"NoParameterList", "#10 = line_feature"},
                                           BrokenCase{"QuoteNotClosed", "#10 = line_feature('1"},
                                           BrokenCase{"NoComma", "#10 = line_feature('1' '2')"},
                                           BrokenCase{"Empty", ""}),
                         [](const ::testing::TestParamInfo<BrokenCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SfcScanner, RefusesTextThatIsNoPart21File) {
    EXPECT_FALSE(CSfcScanner("0\r\nSECTION\r\n").IsPart21());
    EXPECT_FALSE(CSfcScanner("").IsPart21());
    EXPECT_TRUE(CSfcScanner("\xEF\xBB\xBF\r\nISO-10303-21;\r\n").IsPart21());
}

TEST(SfcScanner, FindsEveryLevelOfFeatureComment) {
    const std::string file = SfcText::File("/*SXF3\r\n#1 = a('1')\r\nSXF3*/\r\n"
                                           "/*SXF3.1\r\n#2 = b('2')\r\nSXF3.1*/\r\n");
    const std::vector<CSfcStatement> statements = CSfcScanner(file).Statements();
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_EQ(statements[0].name, "a");
    EXPECT_EQ(statements[1].name, "b");
    EXPECT_EQ(statements[1].line, 11);
}

// One statement serves the whole file: nothing of a feature may cling to the next.
TEST(SfcScanner, ReadsEveryFeatureAfreshIntoTheSameStatement) {
    const std::string file =
        SfcText::File(SfcText::Feature(1, "line_feature('1','2','3','4','5','6','7','8')") +
                      "/*SXF\r\n#2 = broken('1' '2')\r\nSXF*/\r\n" +
                      SfcText::Feature(3, "layer_feature('\\'表\\'','1')"));
    CSfcScanner scanner(file);
    CSfcStatement statement;
    ASSERT_TRUE(scanner.Next(statement));
    EXPECT_EQ(statement.name, "line_feature");
    EXPECT_EQ(statement.parameters.size(), 8u);
    ASSERT_TRUE(scanner.Next(statement));
    EXPECT_EQ(statement.id, 2);
    EXPECT_EQ(statement.error, "parameters not separated by commas");
    ASSERT_TRUE(scanner.Next(statement));
    EXPECT_EQ(statement.error, "");
    EXPECT_EQ(statement.id, 3);
    EXPECT_EQ(statement.line, 14);
    EXPECT_EQ(statement.name, "layer_feature");
    ASSERT_EQ(statement.parameters.size(), 2u);
    EXPECT_EQ(statement.parameters[0].value, "\x95\x5c");
    EXPECT_TRUE(statement.parameters[0].isText);
    EXPECT_EQ(statement.parameters[1].value, "1");
    EXPECT_FALSE(statement.parameters[1].isText);
    EXPECT_FALSE(scanner.Next(statement));
}

TEST(SfcScanner, AFileEndingInsideAFeatureKeepsItsError) {
    const std::vector<CSfcStatement> statements =
        CSfcScanner("ISO-10303-21;\r\n/*SXF\r\n#1 = a('1'").Statements();
    ASSERT_EQ(statements.size(), 1u);
    EXPECT_NE(statements[0].error, "");
}

} // namespace
