// Point markers: the symbol of each marker code.

#include "SxfTestSupport.h"
#include "plugins/sxf/CSxfPointMarker.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using SxfTest::Conversion;
using SxfTest::Feature;
using SxfTest::Sheet;
using SxfTest::Types;
using SxfTest::Written;

struct MarkerCase {
    const char* name;
    int code;
    std::vector<LONG> types;
};

void PrintTo(const MarkerCase& c, std::ostream* out) {
    *out << c.name;
}

class SxfPointMarkerCodes : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(SxfPointMarkerCodes, WritesItsSymbol) {
    const SxfPointMarkerData data{1, 1, 10, 20, GetParam().code, 30, 1};
    PorBlockWriter stream;
    EXPECT_EQ(Types(Written(CSxfPointMarker(1, nullptr, data), stream)), GetParam().types);
}

constexpr LONG Line = PorLine::Type;

INSTANTIATE_TEST_SUITE_P(Codes, SxfPointMarkerCodes,
                         ::testing::Values(MarkerCase{"Asterisk", 1, {Line, Line, Line}},
                                           MarkerCase{"Circle", 2, {PorCircle::Type}},
                                           MarkerCase{"Dot", 3, {PorDot::Type}},
                                           MarkerCase{"Plus", 4, {Line, Line}},
                                           MarkerCase{"Square", 5, {Line, Line, Line, Line}},
                                           MarkerCase{"Triangle", 6, {Line, Line, Line}},
                                           MarkerCase{"Cross", 7, {Line, Line}},
                                           MarkerCase{"CodeZeroIsADot", 0, {PorDot::Type}},
                                           MarkerCase{"CodeEightIsADot", 8, {PorDot::Type}},
                                           MarkerCase{"NegativeCodeIsADot", -1, {PorDot::Type}}),
                         [](const ::testing::TestParamInfo<MarkerCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SxfPointMarker, APlusIsTwoLinesAcrossThePosition) {
    PorBlockWriter stream;
    const auto records =
        Written(CSxfPointMarker(1, nullptr, SxfPointMarkerData{1, 1, 10, 20, 4, 0, 1}), stream);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(*records[0].Get(PorLine::Start), (POINT{11250, 20000}));
    EXPECT_EQ(*records[0].Get(PorLine::End), (POINT{8750, 20000}));
    EXPECT_EQ(*records[1].Get(PorLine::Start), (POINT{10000, 21250}));
    EXPECT_EQ(*records[1].Get(PorLine::End), (POINT{9999, 18750}));
    // No line type and no width: line-type id 1 for code 0, width 0.
    EXPECT_EQ(records[0].Get(PorLine::Pen)->width, 0);
}

TEST(SxfPointMarker, TheCircleIsNotTurned) {
    PorBlockWriter stream;
    const auto records =
        Written(CSxfPointMarker(1, nullptr, SxfPointMarkerData{1, 1, 10, 20, 2, 75, 1}), stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(*records[0].Get(PorCircle::Corners),
              (std::vector<POINT>{{8750, 21250}, {8750, 18750}, {11250, 18750}, {11250, 21250}}));
    EXPECT_EQ(records[0].Long(20), 108);
    EXPECT_EQ(records[0].Long(21), 1);
}

TEST(SxfPointMarker, ASquareOnATwoLetterLayerIsFourRecordsOf96Bytes) {
    const Conversion conversion(Feature(1, "layer_feature('\\'AB\\'','1')") +
                                Feature(10, "point_marker_feature('1','1','0','0','5','0','1')") +
                                Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 4u);
    for (const PorRecord& line : drawing) {
        EXPECT_EQ(line.Size(), 96u);
        EXPECT_EQ(line.Get(PorLine::Layer), "AB");
    }
}

TEST(SxfPointMarker, MendedADotTakesItsColourFromTheTable) {
    const Conversion conversion(
        Feature(10, "point_marker_feature('0','4','1.5','2.5','3','0','1')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    const PorRecord& dot = drawing[0];
    EXPECT_EQ(dot.Type(), PorDot::Type);
    EXPECT_EQ(dot.Size(), 68u);
    EXPECT_EQ(*dot.Get(PorDot::Position), (POINT{1500, 2500}));
    EXPECT_EQ(dot.Long(6), 0);
    EXPECT_EQ(dot.Long(7), 0);
    EXPECT_EQ(*dot.Get(PorDot::Color), RGB(0, 0, 255));
    EXPECT_EQ(dot.Long(10), 64);
}

TEST(SxfPointMarker, APlacementMovesItButKeepsItsSize) {
    const Conversion conversion(
        Feature(10, "point_marker_feature('0','1','1','0','2','0','1')") +
        Feature(20, "sfig_org_feature('\\'A\\'','4')") +
        Feature(30, "sfig_locate_feature('0','\\'A\\'','10','0','0','2','2')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(*drawing[0].Get(PorCircle::Corners),
              (std::vector<POINT>{{10750, 1250}, {10750, -1250}, {13250, -1250}, {13250, 1250}}));
}

} // namespace
