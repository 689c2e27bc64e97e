// The curve features, markers and placements as POR records.

#include "SxfTestSupport.h"
#include "plugins/sxf/CSxfEllipseArc.h"
#include "plugins/sxf/CSxfLine.h"
#include "plugins/sxf/CSxfPolyLine.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/CSxfSpline.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"
#include "tests/entities/PointPrinting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using SxfTest::Conversion;
using SxfTest::Feature;
using SxfTest::Sheet;
using SxfTest::Words;
using SxfTest::Written;

TEST(SxfLine, ALineOnAMissingLayerIsWrittenOnLayerZero) {
    const Conversion conversion(
        Feature(10, "line_feature('7','3','2','0','1.5','-2.25','100','0.0004')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    const PorRecord& line = drawing[0];
    EXPECT_EQ(line.Size(), 96u);
    EXPECT_EQ(line.Long(4), 1500);
    EXPECT_EQ(line.Long(5), -2250);
    EXPECT_EQ(line.Long(6), 100000);
    EXPECT_EQ(line.Long(7), 0);
    EXPECT_EQ(line.Long(12), 1);
    EXPECT_EQ(line.Long(13), 92);
    EXPECT_EQ(line.Get(PorLine::Layer), "0");
    EXPECT_EQ(*line.Get(PorLine::Pen), (PorPen{1002, 350, 0, RGB(0, 255, 0)}));
}

TEST(SxfPolyLine, ThreeVerticesOnAOneByteLayer) {
    const Conversion conversion(Feature(1, "layer_feature('\\'a\\'','1')") +
                                Feature(10, "polyline_feature('1','1','1','0','3','(0,1,2)',"
                                            "'(0,1,0)')") +
                                Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(drawing[0].Type(), PorPolyline::Type);
    EXPECT_EQ(drawing[0].Size(), 106u);
    EXPECT_EQ(drawing[0].Long(9), 104);
    EXPECT_EQ(drawing[0].Long(19), 3);
}

TEST(SxfPolyLine, MendedAVertexCountBeyondTheArraysIsHeldToThem) {
    SxfPolylineData data{{0, 1, 1, 0}, 1000, {0, 1, 2}, {0, 1}};
    const CSxfPolyLine polyline(1, nullptr, data);
    EXPECT_EQ(polyline.m_vertices.Count(), 2u);
    data.count = -3;
    EXPECT_EQ(CSxfPolyLine(1, nullptr, data).m_vertices.Count(), 0u);
}

struct SplineCase {
    const char* name;
    int open;
    int count;
    LONG type;
};

void PrintTo(const SplineCase& c, std::ostream* out) {
    *out << c.name;
}

class SxfSplineCases : public ::testing::TestWithParam<SplineCase> {};

TEST_P(SxfSplineCases, WritesTheRecordItsVerticesMake) {
    const SplineCase& c = GetParam();
    SxfSplineData data{{0, 1, 1, 0}, c.open, c.count, {}, {}};
    for (int i = 0; i < c.count; ++i) {
        data.x.push_back(i);
        data.y.push_back(i % 2);
    }
    const CSxfSpline spline(1, nullptr, data);
    PorBlockWriter stream;
    const auto records = Written(spline, stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Type(), c.type);
    EXPECT_EQ(records[0].Size(), 81u + 8u * static_cast<unsigned>(c.count) + 1u);
    EXPECT_EQ(records[0].Long(19), c.count);
    if (c.type == PorCBezier::Type) {
        EXPECT_EQ(records[0].Long(13), 1);
        EXPECT_EQ(records[0].Long(12), 80 + 8 * c.count);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Splines, SxfSplineCases,
    ::testing::Values(SplineCase{"OpenBezier", 1, 4, PorBezier::Type},
                      SplineCase{"OpenTwoSegments", 2, 7, PorBezier::Type},
                      SplineCase{"ClosedBezier", 0, 4, PorCBezier::Type},
                      SplineCase{"MendedFiveVerticesArePolyline", 1, 5, PorPolyline::Type},
                      SplineCase{"MendedClosedSixVerticesArePolyline", 0, 6, PorPolyline::Type},
                      SplineCase{"MendedOneVertexIsPolyline", 1, 1, PorPolyline::Type}),
    [](const ::testing::TestParamInfo<SplineCase>& info) { return std::string(info.param.name); });

TEST(SxfEllipse, CornersOfAnUnturnedEllipse) {
    const Conversion conversion(
        Feature(10, "ellipse_feature('1','1','1','1','100','50','10','5','0')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(
        *drawing[0].Get(PorEllipse::Corners),
        (std::vector<POINT>{{90000, 45000}, {90000, 55000}, {110000, 55000}, {110000, 45000}}));
    EXPECT_EQ(drawing[0].Size(), 112u);
    EXPECT_EQ(drawing[0].Long(20), 108);
    EXPECT_EQ(drawing[0].Long(21), 1);
}

TEST(SxfEllipseArc, AClockwiseArcGivesItsEndFirst) {
    const SxfEllipseArcData data{{0, 1, 1, 0}, 0, 0, 20, 10, 1, 0, 0, 180};
    const CSxfEllipseArc arc(1, nullptr, data);
    PorBlockWriter stream;
    const auto records = Written(arc, stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Size(), 128u);
    EXPECT_EQ(records[0].Long(21), 108);
    // The end point, (-20, 0) up to the last unit of cos 180, comes first.
    EXPECT_NEAR(records[0].Long(12).value(), -20000, 1);
    EXPECT_EQ(records[0].Long(14), 20000);
    const std::vector<LONG> edge = Words(arc.MakeBoundaryEdge());
    ASSERT_EQ(edge.size(), 16u);
    EXPECT_EQ(edge[0], 3);
    EXPECT_EQ(edge[1], 0);
    EXPECT_NEAR(edge[2], -20000, 1);
    EXPECT_EQ(edge[4], 20000);
    EXPECT_EQ(edge[7], 4);
    EXPECT_EQ(edge[8], -20000);
    EXPECT_EQ(edge[9], -10000);
}

TEST(SxfPolyLine, BoundaryEdgeListsTheVertices) {
    const CSxfPolyLine polyline(1, nullptr, SxfPolylineData{{}, 2, {1, 2}, {3, 4}});
    EXPECT_EQ(Words(polyline.MakeBoundaryEdge()),
              (std::vector<LONG>{5, 0, 0, 0, 0, 0, 0, 2, 1000, 3000, 2000, 4000}));
}

TEST(SxfFeature, AnExplicitColourWinsOverThePlacements) {
    CSxfLine coloured(1, nullptr, SxfLineData{{0, 3, 1, 0}, 0, 0, 1, 1});
    coloured.SetColour(5);
    EXPECT_EQ(coloured.GetColour(), 3);
    CSxfLine plain(1, nullptr, SxfLineData{{2, 0, 1, 0}, 0, 0, 1, 1});
    plain.SetColour(5);
    plain.SetLayer(0);
    plain.SetWidth(4);
    EXPECT_EQ(plain.GetColour(), 5);
    EXPECT_EQ(plain.GetLayer(), 2);
    EXPECT_EQ(plain.GetWidth(), 0);
}

struct MarkerCase {
    const char* name;
    int type;
    double size;
    std::vector<LONG> recordTypes;
};

void PrintTo(const MarkerCase& c, std::ostream* out) {
    *out << c.name;
}

class SxfMarkerCases : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(SxfMarkerCases, WritesItsRecords) {
    const MarkerCase& c = GetParam();
    const CSxfLine owner(1, nullptr, SxfLineData{{0, 1, 1, 0}, 0, 0, 1, 1});
    PorBlockWriter stream;
    EXPECT_EQ(owner.MakeMarker(stream, c.type, 90, 10, 20, c.size), 1);
    std::vector<LONG> types;
    for (const PorRecord& record : PluginTest::Records(stream.Data())) {
        types.push_back(record.Type());
        EXPECT_EQ(record.Size() % 4 == 0, record.Type() != PorPolygon::Type) << record.Type();
    }
    EXPECT_EQ(types, c.recordTypes);
}

INSTANTIATE_TEST_SUITE_P(
    Markers, SxfMarkerCases,
    ::testing::Values(MarkerCase{"Arrowhead", 1, 1, {PorPolygon::Type}},
                      MarkerCase{"Square", 2, 1, {PorPolygon::Type}},
                      MarkerCase{"Circle", 3, 1, {PorCircle::Type}},
                      MarkerCase{"FilledCircle", 7, 1, {PorCircle::Type}},
                      MarkerCase{"TwoHalfEllipses", 8, 1, {PorEArc::Type, PorEArc::Type}},
                      MarkerCase{"Stroke", 10, 1, {PorLine::Type}},
                      MarkerCase{"ZeroIsTheOpenArrowhead", 0, 1, {PorLine::Type, PorLine::Type}},
                      MarkerCase{"SizeZeroStillWrites", 2, 0, {PorPolygon::Type}}),
    [](const ::testing::TestParamInfo<MarkerCase>& info) { return std::string(info.param.name); });

TEST(SxfMarker, AFilledArrowheadTurnsWithItsAngle) {
    const CSxfReader reader(nullptr, {});
    const CSxfLine owner(1, &reader, SxfLineData{{0, 2, 1, 0}, 0, 0, 1, 1});
    PorBlockWriter stream;
    owner.MakeMarker(stream, 6, 90, 10, 20, 2);
    const auto records = PluginTest::Records(stream.Data());
    ASSERT_EQ(records.size(), 1u);
    const auto points = *records[0].Get(PorPolygon::Points);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].x, 10000);
    EXPECT_EQ(points[0].y, 20000);
    // (-15, -2.5) turned a quarter: (12.5, 5) from the tip.
    EXPECT_NEAR(points[1].x, 12500, 1);
    EXPECT_NEAR(points[1].y, 5000, 1);
    EXPECT_EQ(*records[0].Get(PorPolygon::Fill), (PorFill{3, RGB(255, 0, 0)}));
    EXPECT_EQ(records[0].Size(), 80u + 24u + 2u);
    EXPECT_EQ(records[0].Long(12), 104);
}

TEST(SxfMarker, CircleBoxIsNotTurned) {
    const CSxfLine owner(1, nullptr, SxfLineData{{0, 1, 1, 0}, 0, 0, 1, 1});
    PorBlockWriter stream;
    owner.MakeMarker(stream, 3, 30, 10, 20, 2);
    const auto records = PluginTest::Records(stream.Data());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(*records[0].Get(PorCircle::Corners),
              (std::vector<POINT>{{7500, 22500}, {7500, 17500}, {12500, 17500}, {12500, 22500}}));
    EXPECT_EQ(records[0].Long(20), 108);
}

SxfSfigLocateData Placement(double angle, double ratioX = 1, double ratioY = 1) {
    SxfSfigLocateData data{};
    data.x = 100;
    data.y = 50;
    data.angle = angle;
    data.ratioX = ratioX;
    data.ratioY = ratioY;
    return data;
}

TEST(SxfSfigLocate, TurnAngleKeepsAnglesInOneTurn) {
    const CSxfSfigLocate placement(1, nullptr, Placement(350));
    double angle = 20;
    placement.TurnAngle(angle);
    EXPECT_DOUBLE_EQ(angle, 10);
    angle = -1e300;
    placement.TurnAngle(angle);
    EXPECT_GE(angle, 0);
    EXPECT_LT(angle, 360);
}

TEST(SxfSfigLocate, APointIsTurnedScaledAndMoved) {
    const CSxfSfigLocate placement(1, nullptr, Placement(90, 2, 3));
    double x = 10;
    double y = 0;
    placement.PlacePoint(x, y);
    EXPECT_NEAR(x, 100, 1e-6);
    EXPECT_NEAR(y, 80, 1e-6);
}

TEST(SxfSfigLocate, APlacementWritesItsDefinitionMovedOntoItsLayer) {
    const Conversion conversion(
        Feature(1, "layer_feature('\\'a\\'','1')") + Feature(2, "layer_feature('\\'b\\'','1')") +
        Feature(3, "layer_feature('\\'c\\'','1')") +
        Feature(10, "line_feature('1','1','1','0','0','0','10','0')") +
        Feature(20, "sfig_org_feature('\\'A\\'','4')") +
        Feature(30, "sfig_locate_feature('3','\\'A\\'','100','50','90','1','1')") +
        Feature(40, "sfig_locate_feature('0','\\'A\\'','0','0','0','2','1')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 2u);
    EXPECT_EQ(drawing[0].Get(PorLine::Start)->x, 100000);
    EXPECT_EQ(drawing[0].Get(PorLine::Start)->y, 50000);
    EXPECT_NEAR(drawing[0].Get(PorLine::End)->x, 100000, 1);
    EXPECT_EQ(drawing[0].Get(PorLine::End)->y, 60000);
    EXPECT_EQ(drawing[0].Get(PorLine::Layer), "c");
    EXPECT_EQ(drawing[1].Get(PorLine::End)->x, 20000);
    EXPECT_EQ(drawing[1].Get(PorLine::Layer), "a");
}

TEST(SxfSfigLocate, MendedADefinitionThatPlacesItselfIsCutOff) {
    const Conversion conversion(
        Feature(10, "sfig_locate_feature('0','\\'A\\'','1','0','0','1','1')") +
        Feature(20, "line_feature('1','1','1','0','0','0','1','0')") +
        Feature(30, "sfig_org_feature('\\'A\\'','4')") +
        Feature(40, "sfig_locate_feature('0','\\'C\\'','0','1','0','1','1')") +
        Feature(50, "sfig_org_feature('\\'B\\'','4')") +
        Feature(60, "sfig_locate_feature('0','\\'B\\'','0','1','0','1','1')") +
        Feature(70, "sfig_org_feature('\\'C\\'','4')") +
        Feature(80, "sfig_locate_feature('0','\\'A\\'','0','0','0','1','1')") +
        Feature(90, "sfig_locate_feature('0','\\'B\\'','0','0','0','1','1')") + Sheet());
    ASSERT_TRUE(conversion.Block());
    // A's own line once; B and C only place each other.
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(drawing[0].Get(PorLine::End)->x, 1000);
}

} // namespace
