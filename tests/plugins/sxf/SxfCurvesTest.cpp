// Arcs, circles, clothoids, composite curve members and attributes as POR
// records.

#include "SxfTestSupport.h"
#include "plugins/sxf/CSxfArc.h"
#include "plugins/sxf/CSxfClothoid.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

using SxfTest::Conversion;
using SxfTest::Feature;
using SxfTest::Sheet;
using SxfTest::Types;
using SxfTest::Words;

TEST(SxfArc, AClockwiseArcIsWrittenFromItsEndAngle) {
    const Conversion conversion(
        Feature(1, "layer_feature('\\'ab\\'','1')") +
        Feature(10, "arc_feature('1','2','1','0','10','20','5','1','0','90')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    const PorRecord& arc = drawing[0];
    EXPECT_EQ(arc.Type(), PorArc::Type);
    EXPECT_EQ(arc.Size(), 128u);
    EXPECT_EQ(*arc.Get(PorArc::Corners),
              (std::vector<POINT>{{5000, 25000}, {5000, 15000}, {15000, 15000}, {15000, 25000}}));
    EXPECT_EQ(arc.Long(12), 10000); // cos of 90 degrees by the plug-in's factor
    EXPECT_EQ(arc.Long(13), 25000);
    EXPECT_EQ(*arc.Get(PorArc::End), (POINT{15000, 20000}));
    EXPECT_EQ(arc.Long(20), 2);
    EXPECT_EQ(arc.Long(21), 124);
    EXPECT_EQ(arc.Get(PorArc::Layer), "ab");
}

TEST(SxfArc, BoundaryEdgeFollowsTheDirection) {
    SxfArcData data{{1, 1, 1, 0}, 0, 0, 10, 0, 0, 180};
    const std::vector<LONG> counter = Words(CSxfArc(1, nullptr, data).MakeBoundaryEdge());
    ASSERT_EQ(counter.size(), 16u);
    EXPECT_EQ(counter[0], 2);
    EXPECT_EQ(counter[1], 1);
    EXPECT_EQ(counter[2], 10000);
    EXPECT_EQ(counter[7], 4);
    EXPECT_EQ(counter[8], -10000);
    EXPECT_EQ(counter[9], 10000);
    data.direction = 1;
    const std::vector<LONG> clockwise = Words(CSxfArc(1, nullptr, data).MakeBoundaryEdge());
    EXPECT_EQ(clockwise[1], 0);
    EXPECT_EQ(clockwise[2], -9999);
    EXPECT_EQ(clockwise[4], 10000);
}

TEST(SxfCircle, APlacementScalesTheRadiusByItsXScaleAlone) {
    const Conversion conversion(
        Feature(10, "circle_feature('0','1','1','0','1','0','3')") +
        Feature(20, "sfig_org_feature('\\'A\\'','4')") +
        Feature(30, "sfig_locate_feature('0','\\'A\\'','100','0','0','2','1')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    const PorRecord& circle = drawing[0];
    EXPECT_EQ(circle.Type(), PorCircle::Type);
    EXPECT_EQ(circle.Size(), 112u);
    EXPECT_EQ(*circle.Get(PorCircle::Corners),
              (std::vector<POINT>{{96000, 6000}, {96000, -6000}, {108000, -6000}, {108000, 6000}}));
    EXPECT_EQ(circle.Long(16), 0);
    EXPECT_EQ(circle.Long(19), 1);
    EXPECT_EQ(circle.Long(20), 108);
    EXPECT_EQ(circle.Long(21), 1);
}

// The clothoid's points computed independently: the integrals of the
// direction cos(s^2 / 2A^2), sin(s^2 / 2A^2) along the curve.
std::array<double, 2> Integrated(double a, double length) {
    constexpr int Steps = 20000;
    double x = 0;
    double y = 0;
    const double h = length / Steps;
    for (int i = 0; i < Steps; ++i) {
        const double s = (i + 0.5) * h;
        const double phi = s * s / (2 * a * a);
        x += std::cos(phi) * h;
        y += std::sin(phi) * h;
    }
    return {x, y};
}

struct ClothoidCase {
    const char* name;
    SxfClothoidData data;
};

void PrintTo(const ClothoidCase& c, std::ostream* out) {
    *out << c.name;
}

class SxfClothoidSamples : public ::testing::TestWithParam<ClothoidCase> {};

TEST_P(SxfClothoidSamples, ElevenPointsOnTheCurveTurnedAndMoved) {
    const SxfClothoidData& d = GetParam().data;
    const auto samples = CSxfClothoid(1, nullptr, d).Samples();
    ASSERT_EQ(samples.size(), 11u);
    const double a = d.angle * 0.017453292222222222;
    const double side = d.direction != 0 ? -1 : 1;
    for (int i = 0; i < 11; ++i) {
        const double length = d.startLength + i * 0.1 * (d.endLength - d.startLength);
        const auto [u, v] =
            d.parameter == 0 ? std::array<double, 2>{length, 0} : Integrated(d.parameter, length);
        EXPECT_NEAR(samples[i][0], d.baseX + u * std::cos(a) - side * v * std::sin(a), 1e-6) << i;
        EXPECT_NEAR(samples[i][1], d.baseY + u * std::sin(a) + side * v * std::cos(a), 1e-6) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SxfClothoidSamples,
    ::testing::Values(
        ClothoidCase{"FromItsBasePoint", {{1, 1, 1, 0}, 0, 0, 10, 0, 0, 0, 10}},
        ClothoidCase{"TurnedAndMoved", {{1, 1, 1, 0}, 5, -3, 20, 0, 30, 4, 16}},
        ClothoidCase{"ToTheRight", {{1, 1, 1, 0}, 0, 0, 10, 1, 90, 2, 8}},
        ClothoidCase{"EqualLengthsGiveOnePoint", {{1, 1, 1, 0}, 0, 0, 10, 0, 0, 5, 5}},
        ClothoidCase{"MendedParameterZeroIsAStraightLine", {{1, 1, 1, 0}, 1, 2, 0, 0, 45, 0, 10}}),
    [](const ::testing::TestParamInfo<ClothoidCase>& info) {
        return std::string(info.param.name);
    });

TEST(SxfClothoid, WritesOneSplineOfElevenPoints) {
    const Conversion conversion(
        Feature(1, "layer_feature('\\'L\\'','1')") +
        Feature(10, "clothoid_feature('1','1','1','0','0','0','10','0','0','0','10')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(drawing[0].Type(), PorSpline::Type);
    EXPECT_EQ(drawing[0].Size(), 170u);
    EXPECT_EQ(drawing[0].Long(9), 168);
    const auto points = *drawing[0].Get(PorSpline::Points);
    ASSERT_EQ(points.size(), 11u);
    EXPECT_EQ(points[0], (POINT{0, 0}));
    EXPECT_EQ(points[10].x, 9752);
    EXPECT_EQ(points[10].y, 1637);
}

TEST(SxfCompositeCurve, ArcsAndClothoidsAreMembersButLinesAreNot) {
    // A displayed outline of an arc, a clothoid and a line: the fill draws the
    // arc and the clothoid, and only the arc gives an edge.
    const Conversion conversion(
        Feature(10, "arc_feature('0','0','1','0','0','0','5','0','0','180')") +
        Feature(20, "clothoid_feature('0','0','1','0','0','0','10','0','0','0','10')") +
        Feature(30, "line_feature('0','0','1','0','0','0','1','1')") +
        Feature(40, "composite_curve_org_feature('3','1','0','1')") +
        Feature(50, "fill_area_style_colour_feature('0','2','1','0','()')") + Sheet());
    const auto drawing = conversion.Drawing();
    EXPECT_EQ(Types(drawing), (std::vector<LONG>{PorHatch::Type, PorArc::Type, PorSpline::Type}));
    EXPECT_EQ(drawing[0].Long(11), 1);
    EXPECT_EQ(drawing[0].Long(15), 1); // one edge: the arc's
    EXPECT_EQ(*drawing[1].Get(PorArc::Pen), (PorPen{1, 350, 0, RGB(0, 255, 0)}));
}

TEST(SxfAttribute, WritesNothing) {
    const Conversion conversion(
        Feature(10, "drawing_attribute_feature('\\'p\\'','\\'c\\'','\\'t\\'','\\'n\\'','\\'1\\'',"
                    "'\\'d\\'','\\'1:100\\'','2009','2','25','\\'k\\'','\\'o\\'')") +
        Sheet());
    ASSERT_TRUE(conversion.Block());
    EXPECT_TRUE(conversion.Drawing().empty());
}

} // namespace
