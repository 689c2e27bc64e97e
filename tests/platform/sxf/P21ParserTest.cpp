// Reading ".p21" instances: values of every kind, complex instances, and
// files that are cut short or damaged.

#include "platform/mfc/Cp932.h"
#include "platform/sxf/CP21Model.h"
#include "platform/sxf/CP21Parser.h"
#include "platform/sxf/CSfcDocument.h"
#include "platform/sxf/CSfcParameters.h"
#include "tests/support/ByteMutator.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace {

std::string File(const std::string& data) {
    return "ISO-10303-21;\r\nHEADER;\r\nFILE_DESCRIPTION(('SCADEC level2 AP202_mode'),'2;1');\r\n"
           "FILE_NAME('T.P21','2026-12-11T03:00:00',(''),(''),'SCADEC_API_Ver3.10$$3.0','t','');"
           "\r\nFILE_SCHEMA(('ASSOCIATIVE_DRAUGHTING'));\r\nENDSEC;\r\nDATA;\r\n" +
           data + "ENDSEC;\r\nEND-ISO-10303-21;\r\n";
}

std::string Fixture(const char* name) {
    std::ifstream in(std::filesystem::path(ZUMEO_TEST_DATA) / "sxf" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(P21Parser, ReadsEveryKindOfValue) {
    const CP21Model model = CP21Model::Parse(
        File("#7 = CARTESIAN_POINT('a''b', (1.5, -2, +3.E1));\r\n"
             "#8=THING($,*,#7,.T.,\"0FF\",POSITIVE_LENGTH_MEASURE(0.35),(),((1),(2)));\r\n"
             "/* a comment */ #9=thing_lower('\\X2\\5BF8\\X0\\');\r\n"));
    ASSERT_EQ(model.Instances().size(), 3u);
    const CP21Attributes point = model.Attributes(7, "CARTESIAN_POINT");
    EXPECT_EQ(point.Text(0), "a'b");
    const auto& coordinates = point.List(1);
    ASSERT_EQ(coordinates.size(), 3u);
    EXPECT_EQ(coordinates[0].kind, CP21Value::Real);
    EXPECT_EQ(coordinates[1].kind, CP21Value::Integer);
    EXPECT_EQ(coordinates[1].number, -2);
    EXPECT_EQ(coordinates[2].number, 30);

    const CP21Attributes thing = model.Attributes(8, "THING");
    EXPECT_TRUE(thing.IsUnset(0));
    EXPECT_TRUE(thing.IsUnset(1));
    EXPECT_EQ(thing.Ref(2), 7);
    EXPECT_TRUE(thing.Logical(3));
    EXPECT_EQ(thing.At(4).kind, CP21Value::Binary);
    EXPECT_EQ(thing.At(5).kind, CP21Value::Typed);
    EXPECT_EQ(thing.At(5).text, "POSITIVE_LENGTH_MEASURE");
    EXPECT_EQ(thing.Real(5), 0.35);
    EXPECT_TRUE(thing.List(6).empty());
    EXPECT_EQ(thing.List(7)[1].items[0].number, 2);
    // Entity names are upper case whatever the file writes.
    EXPECT_EQ(model.Attributes(9, "THING_LOWER").Text(0), Cp932::FromUtf8("寸"));
    EXPECT_EQ(model.At(9).line, 10);
}

TEST(P21Parser, ReadsAComplexInstanceOverSeveralLines) {
    const CP21Model model = CP21Model::Parse(
        File("#20=(LENGTH_UNIT()\r\nNAMED_UNIT(*)\r\nSI_UNIT(.MILLI.,.METRE.));\r\n"));
    const CP21Instance& unit = model.At(20);
    ASSERT_EQ(unit.records.size(), 3u);
    EXPECT_TRUE(CP21Model::Is(unit, "NAMED_UNIT"));
    EXPECT_EQ(CP21Model::Attributes(unit, "SI_UNIT").Enum(1), "METRE");
    EXPECT_FALSE(CP21Model::Is(unit, "PLANE_ANGLE_UNIT"));
}

TEST(P21Parser, WrongAttributesNameTheInstance) {
    const CP21Model model = CP21Model::Parse(File("#5=LINE('',#6,#7);\r\n"));
    const CP21Attributes line = model.Attributes(5, "LINE");
    try {
        line.Real(1);
        FAIL();
    } catch (const CSfcError& error) {
        EXPECT_STREQ(error.what(), "#5 LINE: attribute 2 is not a number");
    }
    EXPECT_THROW(line.Ref(5), CSfcError);
    EXPECT_THROW(model.At(6), CSfcError);
    EXPECT_THROW(model.Attributes(5, "CIRCLE"), CSfcError);
}

struct BrokenCase {
    const char* name;
    std::string bytes;
    std::string message; // a part of the error
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

class P21BrokenFiles : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(P21BrokenFiles, FailWithAClearMessage) {
    try {
        CP21Model::Parse(GetParam().bytes);
        FAIL() << "no error";
    } catch (const CSfcError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, P21BrokenFiles,
    ::testing::Values(
        BrokenCase{"NoPart21File", "0\r\nSECTION\r\n", "not an ISO-10303-21 file"},
        BrokenCase{"Empty", "", "not an ISO-10303-21 file"},
        BrokenCase{"CutInAString", File("").substr(0, 90), "the file ends early"},
        BrokenCase{"NoEnd", File("#1=A();\r\n").substr(0, File("#1=A();\r\n").size() - 20),
                   "the file ends early"},
        BrokenCase{"UnclosedComment", File("/* never closed"), "comment is not closed"},
        BrokenCase{"InstanceTwice", File("#1=A();\r\n#1=B();\r\n"), "line 9: #1 stands twice"},
        BrokenCase{"NoSemicolon", File("#1=A()\r\n#2=B();\r\n"), "line 9: \";\" after an instance"},
        BrokenCase{"NoNumber", File("#1=A(1.2.3);\r\n"), "\"1.2.3\" is not a number"},
        BrokenCase{"HugeNumber", File("#1=A(1E999);\r\n"), "is not a number"},
        BrokenCase{"NumberlessReference", File("#1=A(#);\r\n"), "instance number expected"},
        BrokenCase{"BrokenEscape", File("#1=A('\\X2\\12\\X0\\');\r\n"), "line 8: broken escape"},
        BrokenCase{"BadEnumeration", File("#1=A(.T X.);\r\n"), "is not an enumeration"},
        BrokenCase{"TypedWithTwoValues", File("#1=A(B(1,2));\r\n"), "holds one value"},
        BrokenCase{"ListsTooDeep", File("#1=A(" + std::string(100000, '(') + "));\r\n"),
                   "lists nest too deep"},
        BrokenCase{"EmptyComplexInstance", File("#1=();\r\n"), "complex instance without"},
        BrokenCase{"GarbageInData", File("\x95\x5C;\r\n"), "an instance or ENDSEC expected"}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

// Cut anywhere, a drawing fails to load with an error and never hangs.
TEST(P21Parser, TruncatedDrawingsFailCleanly) {
    const std::string whole = Fixture("twin_basic.p21");
    ASSERT_GT(whole.size(), 1000u);
    // Every seventh cut, and every cut of the last lines; the last line end
    // may go, as the file has ended by then.
    for (std::size_t size = 0; size + 2 < whole.size(); size += size + 64 < whole.size() ? 7 : 1) {
        EXPECT_THROW(CSfcDocument::ParseP21(whole.substr(0, size)), CSfcError) << size;
    }
    EXPECT_NO_THROW(CSfcDocument::ParseP21(whole.substr(0, whole.size() - 2)));
}

TEST(P21Parser, DamagedDrawingsLoadOrFailWithoutHarm) {
    ByteMutator mutator(20261211);
    std::vector<ByteMutator::Bytes> seeds;
    for (const char* name :
         {"twin_basic.p21", "twin_groups.p21", "twin_annotations.p21", "left_out.p21"}) {
        const std::string bytes = Fixture(name);
        seeds.emplace_back(bytes.begin(), bytes.end());
    }
    const int fed =
        mutator.FeedFor(seeds, std::chrono::seconds(2), 4000, [](const ByteMutator::Bytes& bytes) {
            try {
                CSfcDocument::ParseP21(std::string(bytes.begin(), bytes.end()));
            } catch (const CSfcError&) {
            }
        });
    EXPECT_GT(fed, 0);
}

} // namespace
