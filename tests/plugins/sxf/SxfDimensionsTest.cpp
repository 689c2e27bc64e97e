// Dimensions, labels and balloons: their parts, then their arrowheads.

#include "SxfTestSupport.h"
#include "plugins/sxf/CSxfAngularDimension.h"
#include "plugins/sxf/CSxfBalloon.h"
#include "plugins/sxf/CSxfDiameterDimension.h"
#include "plugins/sxf/CSxfLabel.h"
#include "plugins/sxf/CSxfLinearDimension.h"
#include "plugins/sxf/CSxfRadiusDimension.h"
#include "plugins/sxf/CSxfText.h"
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

constexpr LONG Text = PorText::Type;
constexpr LONG Line = PorLine::Type;
constexpr LONG Polygon = PorPolygon::Type;

const std::string TextBlock = "'0','\\'10\\'','50','1','3','6','0','0','0','2','1'";

std::string Arrow(int placement, double x, double y) {
    return "'1','" + std::to_string(placement) + "','" + std::to_string(x) + "','" +
           std::to_string(y) + "','1'";
}

std::string Linear(int id, int arrow1, int arrow2, int textFlag, int shown) {
    const std::string projection = "'" + std::to_string(shown) + "','0','0','0','-1','0','-5'";
    return Feature(id, "linear_dim_feature('0','1','1','0','0','0','100','0'," + projection + "," +
                           projection + "," + Arrow(arrow1, 0, 0) + "," + Arrow(arrow2, 100, 0) +
                           ",'" + std::to_string(textFlag) + "'," + TextBlock + ")");
}

TEST(SxfLinearDimension, TextLinesAndTwoArrowheads) {
    const Conversion conversion(Linear(10, 1, 1, 1, 1) + Sheet());
    const auto drawing = conversion.Drawing();
    EXPECT_EQ(Types(drawing), (std::vector<LONG>{Text, Line, Line, Line, Polygon, Polygon}));
    EXPECT_EQ(*drawing[1].Get(PorLine::End), (POINT{100000, 0}));
    EXPECT_EQ(*drawing[2].Get(PorLine::Start), (POINT{0, -1000}));
    EXPECT_EQ(*drawing[2].Get(PorLine::End), (POINT{0, -5000}));
}

TEST(SxfLinearDimension, NoTextNoProjectionLinesNoArrowheads) {
    const Conversion conversion(Linear(10, 0, 0, 0, 0) + Sheet());
    EXPECT_EQ(Types(conversion.Drawing()), (std::vector<LONG>{Line}));
}

struct ArrowCase {
    const char* name;
    int arrow1;
    int arrow2;
    double angle1;
    double angle2;
};

void PrintTo(const ArrowCase& c, std::ostream* out) {
    *out << c.name;
}

SxfLinearDimData LinearData(int arrow1, int arrow2) {
    SxfLinearDimData data{};
    data.endX = 100;
    data.arrow1 = {1, arrow1, 0, 0, 1};
    data.arrow2 = {1, arrow2, 100, 0, 1};
    return data;
}

class SxfLinearDimensionArrows : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(SxfLinearDimensionArrows, EachArrowFollowsItsOwnCode) {
    const ArrowCase& c = GetParam();
    const CSxfLinearDimension dimension(1, nullptr, LinearData(c.arrow1, c.arrow2));
    EXPECT_NEAR(dimension.ArrowAngle(0), c.angle1, 1e-4);
    EXPECT_NEAR(dimension.ArrowAngle(1), c.angle2, 1e-4);
    // An arrowhead for each code that is not 0.
    PorBlockWriter stream;
    const auto records = SxfTest::Written(*dimension.Clone(), stream);
    EXPECT_EQ(records.size(), 1u + (c.arrow1 != 0) + (c.arrow2 != 0));
}

// (0, 0) to (100, 0): code 1 points outwards, 2 inwards.
INSTANTIATE_TEST_SUITE_P(
    Codes, SxfLinearDimensionArrows,
    ::testing::Values(ArrowCase{"BothOutwards", 1, 1, 180, 0},
                      ArrowCase{"BothInwards", 2, 2, 0, 180},
                      ArrowCase{"MendedSecondWithoutFirst", 0, 1, 0, 0},
                      ArrowCase{"MendedSecondInwardsWithoutFirst", 0, 2, 0, 180},
                      ArrowCase{"MendedFirstOutwardsSecondInwards", 1, 2, 180, 180},
                      ArrowCase{"FirstOnly", 2, 0, 0, 0}),
    [](const ::testing::TestParamInfo<ArrowCase>& info) { return std::string(info.param.name); });

TEST(SxfLinearDimension, ArrowheadsTurnWithAPlacement) {
    const Conversion conversion(
        Linear(10, 1, 1, 0, 0) + Feature(20, "sfig_org_feature('\\'A\\'','4')") +
        Feature(30, "sfig_locate_feature('0','\\'A\\'','0','0','90','1','1')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(Types(drawing), (std::vector<LONG>{Line, Polygon, Polygon}));
    // Arrow 1 at the origin now points down, its back 7.5 mm up.
    const auto points = *drawing[1].Get(PorPolygon::Points);
    EXPECT_EQ(points[0], (POINT{0, 0}));
    EXPECT_NEAR(points[1].y, 7500, 1);
}

struct RadiusCase {
    int placement;
    double angle;
};

void PrintTo(const RadiusCase& c, std::ostream* out) {
    *out << "placement " << c.placement;
}

class SxfRadiusDimensionArrow : public ::testing::TestWithParam<RadiusCase> {};

TEST_P(SxfRadiusDimensionArrow, AlongTheLineOrBack) {
    SxfRadiusDimData data{};
    data.endX = 10;
    data.arrow = {1, GetParam().placement, 10, 0, 1};
    const CSxfRadiusDimension dimension(1, nullptr, data);
    EXPECT_NEAR(dimension.ArrowAngle(1), GetParam().angle, 1e-4);
    PorBlockWriter stream;
    EXPECT_EQ(SxfTest::Written(*dimension.Clone(), stream).size(),
              GetParam().placement == 0 ? 1u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Placements, SxfRadiusDimensionArrow,
                         ::testing::Values(RadiusCase{1, 0}, RadiusCase{2, 180}, RadiusCase{0, 0}),
                         [](const ::testing::TestParamInfo<RadiusCase>& info) {
                             return "Placement" + std::to_string(info.param.placement);
                         });

class SxfDiameterDimensionArrows : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(SxfDiameterDimensionArrows, EachArrowFollowsItsOwnFlag) {
    const ArrowCase& c = GetParam();
    SxfDiameterDimData data{};
    data.startX = 0;
    data.endX = 20;
    data.arrow1 = {1, c.arrow1, 0, 0, 1};
    data.arrow2 = {1, c.arrow2, 20, 0, 1};
    const CSxfDiameterDimension dimension(1, nullptr, data);
    EXPECT_NEAR(dimension.ArrowAngle(0), c.angle1, 1e-4);
    EXPECT_NEAR(dimension.ArrowAngle(1), c.angle2, 1e-4);
}

// Point 1 at (0, 0), point 2 at (20, 0): flag 2 points arrow 1 towards
// point 2.
INSTANTIATE_TEST_SUITE_P(Flags, SxfDiameterDimensionArrows,
                         ::testing::Values(ArrowCase{"BothOne", 1, 1, 180, 0},
                                           ArrowCase{"BothTwo", 2, 2, 0, 180},
                                           ArrowCase{"MendedSecondWithoutFirst", 0, 2, 0, 180},
                                           ArrowCase{"MendedMixed", 2, 1, 0, 0}),
                         [](const ::testing::TestParamInfo<ArrowCase>& info) {
                             return std::string(info.param.name);
                         });

SxfAngularDimData AngularData(int flag1, int flag2) {
    SxfAngularDimData data{};
    data.radius = 10;
    data.endAngle = 90;
    // Projection line 1 along the x axis from 2 to 12, line 2 along y.
    data.projection1 = {0, 0, 0, 2, 0, 12, 0};
    data.projection2 = {0, 0, 0, 0, 12, 0, 2};
    data.arrow1 = {1, flag1, 10, 0, 1};
    data.arrow2 = {1, flag2, 0, 10, 1};
    return data;
}

TEST(SxfAngularDimension, ArrowsLieAcrossTheirProjectionLines) {
    const CSxfAngularDimension one(1, nullptr, AngularData(1, 1));
    EXPECT_NEAR(one.Arrow1Angle(), 270, 1e-4);
    EXPECT_NEAR(one.Arrow2Angle(), 360, 1e-4);
    const CSxfAngularDimension two(1, nullptr, AngularData(2, 2));
    EXPECT_NEAR(two.Arrow1Angle(), 90, 1e-4);
    EXPECT_NEAR(two.Arrow2Angle(), 180, 1e-4);
}

TEST(SxfAngularDimension, JustItsArcAndArrowheads) {
    const Conversion conversion(
        Feature(10, "angular_dim_feature('0','1','1','0','0','0','10','0','90',"
                    "'0','0','0','2','0','12','0','0','0','0','0','12','0','2'," +
                        Arrow(1, 10, 0) + "," + Arrow(2, 0, 10) + ",'0'," + TextBlock + ")") +
        Feature(20, "curve_dim_feature('0','1','1','0','0','0','10','0','90',"
                    "'1','0','0','2','0','12','0','1','0','0','0','12','0','2'," +
                        Arrow(0, 10, 0) + "," + Arrow(0, 0, 10) + ",'1'," + TextBlock + ")") +
        Sheet());
    EXPECT_EQ(Types(conversion.Drawing()),
              (std::vector<LONG>{PorArc::Type, Polygon, Polygon, Text, PorArc::Type, Line, Line}));
}

SxfLabelData LabelData(std::vector<double> x, std::vector<double> y, int textFlag) {
    SxfLabelData data{};
    data.count = static_cast<int>(x.size());
    data.x = std::move(x);
    data.y = std::move(y);
    data.arrowCode = 6;
    data.arrowSize = 1;
    data.textFlag = textFlag;
    return data;
}

TEST(SxfLabel, TheArrowPointsAwayFromTheSecondVertex) {
    const CSxfLabel label(1, nullptr, LabelData({0, 10, 20}, {0, 10, 10}, 0));
    EXPECT_NEAR(label.ArrowAngle(), 225, 1e-4);
    PorBlockWriter stream;
    const auto records = SxfTest::Written(*label.Clone(), stream);
    EXPECT_EQ(Types(records), (std::vector<LONG>{PorPolyline::Type, Polygon}));
    EXPECT_EQ(records[0].Get(PorPolyline::Points)->size(), 3u);
}

TEST(SxfLabel, MendedALeaderOfOneVertexStillGetsItsArrowhead) {
    const CSxfLabel one(1, nullptr, LabelData({5}, {5}, 0));
    EXPECT_EQ(one.ArrowAngle(), 0);
    PorBlockWriter stream;
    EXPECT_EQ(Types(SxfTest::Written(*one.Clone(), stream)),
              (std::vector<LONG>{PorPolyline::Type, Polygon}));
    const CSxfLabel none(1, nullptr, LabelData({}, {}, 0));
    PorBlockWriter empty;
    EXPECT_EQ(Types(SxfTest::Written(*none.Clone(), empty)),
              (std::vector<LONG>{PorPolyline::Type}));
}

TEST(SxfLabel, MendedItsTextIsResolvedAndItsPartsCarryMinusItsId) {
    SxfLabelData data = LabelData({0, 10}, {0, 0}, 1);
    const std::string escaped = "\\U+3042";
    std::copy(escaped.begin(), escaped.end(), data.text.text);
    const CSxfLabel label(17, nullptr, data);
    const auto copy = label.Clone();
    const auto& parts = static_cast<const CSxfLabel&>(*copy).Parts();
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0]->GetId(), -17);
    EXPECT_EQ(parts[1]->GetId(), -17);
    EXPECT_STREQ(static_cast<const CSxfText&>(*parts[0]).Block().text, "\x82\xa0");
}

TEST(SxfBalloon, TextLeaderCircleAndAlwaysAnArrowhead) {
    const Conversion conversion(
        Feature(10, "balloon_feature('0','1','1','0','2','(0,10)','(0,0)','15','0','5','0','1',"
                    "'2'," +
                        TextBlock + ")") +
        Sheet());
    const auto drawing = conversion.Drawing();
    EXPECT_EQ(Types(drawing),
              (std::vector<LONG>{Text, PorPolyline::Type, PorCircle::Type, Line, Line}));
    // The open arrowhead of code 0 at the first vertex, pointing away from
    // the second.
    EXPECT_EQ(*drawing[3].Get(PorLine::Start), (POINT{0, 0}));
    EXPECT_NEAR(drawing[3].Get(PorLine::End)->x, 7500, 1);
}

TEST(SxfDimension, AColourReachesTheDimensionAndItsPartsOnlyWithoutTheirOwn) {
    SxfRadiusDimData data{};
    data.codes = {0, 0, 1, 0};
    data.endX = 10;
    data.textFlag = 1;
    const auto copy = CSxfRadiusDimension(1, nullptr, data).Clone();
    copy->SetColour(5);
    copy->SetLayer(3);
    for (const auto& part : static_cast<const CSxfRadiusDimension&>(*copy).Parts()) {
        EXPECT_EQ(part->GetColour(), 5);
        EXPECT_EQ(part->GetLayer(), 3);
    }
    EXPECT_EQ(copy->GetColour(), 5);
}

} // namespace
