#include "plugins/dxf/CDxfSplineReader.h"

#include "DxfTestSupport.h"
#include "entities/CRukCNurbs.h"
#include "entities/CRukNurbs.h"
#include "por/PorRecords.h"
#include "tests/entities/FakeDocument.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;
using Doubles = std::vector<double>;

std::string Group(int code, const std::string& value) {
    return std::to_string(code) + "\n" + value + "\n";
}

std::string Points(int xCode, const std::vector<std::pair<int, int>>& points) {
    std::string text;
    for (const auto& [x, y] : points)
        text += Group(xCode, std::to_string(x)) + Group(xCode + 10, std::to_string(y));
    return text;
}

TEST(DxfSplineReader, FitPointsAloneGiveAFitSpline) {
    const auto drawing = DrawingOf(EntitiesSection(
        "  0\nSPLINE\n" + Group(8, "0") + Group(70, "8") + Points(11, {{0, 0}, {1, 2}, {3, 1}})));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Type(), PorSpline::Type);
    const auto points = drawing.records[0].Get(PorSpline::Points).value_or(std::vector<POINT>{});
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].x, 1000);
    EXPECT_EQ(points[1].y, 2000);
}

TEST(DxfSplineReader, ClosedFitSplineTakesTheClosedType) {
    const auto drawing = DrawingOf(EntitiesSection(
        "  0\nSPLINE\n" + Group(8, "0") + Group(70, "11") + Points(11, {{0, 0}, {2, 0}, {1, 2}})));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Type(), PorCSpline::Type);
}

// Fewer weights than control points: the rest stay 1; a weight before the
// count of control points has no slot and is dropped; the fit points go.
TEST(DxfSplineReader, ControlPointsGiveANurbsWithTheirWeights) {
    std::string groups = "  0\nSPLINE\n" + Group(8, "0") + Group(41, "9") + Group(70, "8") +
                         Group(71, "3") + Group(73, "4");
    for (int knot : {0, 0, 0, 0, 1, 1, 1, 1})
        groups += Group(40, std::to_string(knot));
    groups += Group(41, "0.5") + Group(41, "2");
    groups += Points(10, {{0, 0}, {1, 1}, {2, -1}, {3, 0}}) + Points(11, {{0, 0}, {3, 0}});
    const auto drawing = DrawingOf(EntitiesSection(groups));
    ASSERT_EQ(drawing.records.size(), 1u);
    ASSERT_EQ(drawing.records[0].Type(), PorNurbs::Type);

    FakeDocument document;
    document.m_unit = 1000;
    CRukNurbs nurbs;
    ASSERT_EQ(nurbs.CreateFromRecord(&drawing.records[0], &document, 25), 1);
    EXPECT_EQ(nurbs.m_degree, 3);
    EXPECT_EQ(nurbs.m_knots, (Doubles{0, 0, 0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(nurbs.m_weights, (Doubles{0.5, 2, 1, 1}));
    const auto controls =
        drawing.records[0].Get(PorNurbs::ControlPoints).value_or(std::vector<POINT>{});
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[2].y, -1000);
}

TEST(DxfSplineReader, ClosedNurbsWithoutWeightCountIsUnweighted) {
    std::string groups = "  0\nSPLINE\n" + Group(8, "0") + Group(70, "1") + Group(71, "2");
    for (int knot : {0, 0, 0, 1, 1, 1})
        groups += Group(40, std::to_string(knot));
    groups += Group(41, "3") + Points(10, {{0, 0}, {1, 1}, {2, 0}});
    const auto drawing = DrawingOf(EntitiesSection(groups));
    ASSERT_EQ(drawing.records.size(), 1u);
    ASSERT_EQ(drawing.records[0].Type(), PorCNurbs::Type);
    FakeDocument document;
    document.m_unit = 1000;
    CRukCNurbs nurbs;
    ASSERT_EQ(nurbs.CreateFromRecord(&drawing.records[0], &document, 25), 1);
    EXPECT_EQ(nurbs.m_degree, 2);
    EXPECT_EQ(nurbs.m_weights, (Doubles{1, 1, 1}));
}

} // namespace
