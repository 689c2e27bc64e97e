// The hatch edges: what each kind reads from its record part, the points
// it adds to a loop (arc and ellipse steps and directions, degenerate boxes,
// splines of any length, NURBS spans), metafile negation and the bodies.
#include "entities/CRukHatchEdgeArc.h"
#include "entities/CRukHatchEdgeEllipse.h"
#include "entities/CRukHatchEdgeLine.h"
#include "entities/CRukHatchEdgeNurbs.h"
#include "entities/CRukHatchEdgePolyline.h"
#include "entities/CRukHatchEdgeSpline.h"

#include "platform/gdi/CMetaFileDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "por/PorRecord.h"
#include "tests/entities/HatchTestSupport.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace HatchTest;
using Points = std::vector<POINT>;

// The edge's part of a record built from its words alone.
struct EdgeRecord {
    explicit EdgeRecord(const Words& words) {
        PorRecordBuilder builder(PorHatch::Type);
        builder.AppendLongs(words);
        bytes.assign(builder.Bytes().begin(), builder.Bytes().end());
    }
    PorRecord Part() const { return *PorRecord::Frame(bytes)->Part(PorHatch::FixedSize); }
    std::vector<BYTE> bytes;
};

template <class Edge> std::unique_ptr<Edge> Read(const Words& words, LONG flag = 1) {
    auto edge = std::make_unique<Edge>();
    const EdgeRecord record(words);
    EXPECT_TRUE(edge->ReadGeometry(record.Part(), 1000));
    edge->m_edgeFlag = flag;
    edge->RecalcExtents();
    return edge;
}

std::unique_ptr<CRukHatchEdgeArc> Arc(LONG radius, double fromDegrees, double toDegrees,
                                      LONG flag) {
    const auto at = [radius](double degrees) {
        return POINT{RndInt(radius * std::cos(degrees * kDegToRad)),
                     RndInt(radius * std::sin(degrees * kDegToRad))};
    };
    return Read<CRukHatchEdgeArc>(ArcEdge(PorHatchEdge::ArcType, flag, at(fromDegrees),
                                          at(toDegrees), CircleBox(0, 0, radius)),
                                  flag);
}

TEST(HatchEdgeArc, SmallRadiusIsSampledEveryFiveDegrees) {
    const Points points = Arc(180, 0, 90, 1)->Outline();
    ASSERT_EQ(points.size(), 19u); // start, 5 .. 85, end
    EXPECT_EQ(points[1], (POINT{179, 16}));
    EXPECT_EQ(points.back(), (POINT{0, 180}));
}

TEST(HatchEdgeArc, LargerRadiusIsSampledEveryDegree) {
    EXPECT_EQ(Arc(181, 0, 90, 1)->Outline().size(), 91u);
}

TEST(HatchEdgeArc, ClosedArcTracesTheFullCircle) {
    const Points points = Arc(180, 90, 90, 1)->Outline();
    // Start, 95 .. 440 every 5 degrees, end.
    ASSERT_EQ(points.size(), 72u);
    EXPECT_EQ(points[1], (POINT{-15, 179}));
    EXPECT_EQ(points[points.size() - 2], (POINT{31, 177})); // 440 degrees
}

TEST(HatchEdgeArc, ClockwiseFlagEmitsTheEndFirst) {
    const Points points = Arc(180, 0, 90, 0)->Outline();
    ASSERT_EQ(points.size(), 19u);
    EXPECT_EQ(points.front(), (POINT{0, 180}));
    EXPECT_EQ(points[1], (POINT{16, 179}));
    EXPECT_EQ(points.back(), (POINT{180, 0}));
}

TEST(HatchEdgeArc, EndsThreeDegreesApartAreJoinedStraight) {
    EXPECT_EQ(Arc(1000, 0, 3, 1)->Outline(), (Points{{1000, 0}, {999, 52}}));
}

TEST(HatchEdgeArc, BoxIsTheTracedPoints) {
    const auto arc = Arc(180, 0, 90, 1);
    EXPECT_EQ(arc->m_minX, 0);
    EXPECT_EQ(arc->m_minY, 0);
    EXPECT_EQ(arc->m_maxX, 180);
    EXPECT_EQ(arc->m_maxY, 180);
}

TEST(HatchEdgeEllipse, NarrowEllipseIsSampledEveryFiveDegreesFromItsStart) {
    const Points box{{-500, -90}, {-500, 90}, {500, 90}, {500, -90}};
    const auto edge =
        Read<CRukHatchEdgeEllipse>(ArcEdge(PorHatchEdge::EllipseType, 1, {500, 0}, {-500, 0}, box));
    const Points points = edge->Outline();
    // Start, 0 .. 175 every 5 degrees, end.
    ASSERT_EQ(points.size(), 38u);
    EXPECT_EQ(points[1], (POINT{500, 0}));
    EXPECT_EQ(points[2], (POINT{498, -7}));
    EXPECT_EQ(points.back(), (POINT{-500, 0}));
}

TEST(HatchEdgeEllipse, FlatBoxJoinsItsEndsMendsDegenerateBox) {
    const Points flat{{0, 0}, {0, 0}, {100, 0}, {100, 0}};
    const auto edge = Read<CRukHatchEdgeEllipse>(
        ArcEdge(PorHatchEdge::EllipseType, 0, {0, 0}, {100, 0}, flat), 0);
    EXPECT_EQ(edge->Outline(), (Points{{100, 0}, {0, 0}}));
}

TEST(HatchEdgeLine, TracesStartThenEnd) {
    const auto edge = Read<CRukHatchEdgeLine>(LineEdge({1, 2}, {30, 40}));
    EXPECT_EQ(edge->Outline(), (Points{{1, 2}, {30, 40}}));
}

TEST(HatchEdgeSpline, EverySampleIsKeptMendsShortBuffer) {
    // Three fit points give about 100 (n - 1) + 1 samples, more than the
    // n x 100 / 3 a fixed buffer would hold.
    const auto edge = Read<CRukHatchEdgeSpline>(
        ListEdge(PorHatchEdge::SplineType, {{0, 0}, {100, 100}, {200, 0}}));
    const Points points = edge->Outline();
    EXPECT_GT(points.size(), 100u);
    EXPECT_EQ(points.front(), (POINT{0, 0}));
    EXPECT_EQ(points.back(), (POINT{200, 0}));
}

TEST(HatchEdgeNurbs, SpansStopDegreeKnotsBeforeTheEnd) {
    const auto edge = Read<CRukHatchEdgeNurbs>(NurbsEdge(
        1, {{0, 0}, {100, 0}, {200, 0}}, {1000, 1000, 1000}, {0, 0, 10000, 20000, 20000}));
    EXPECT_EQ(edge->m_knots, (std::vector<double>{0, 0, 10, 20, 20}));
    // One step in each straight span, then the last point.
    EXPECT_EQ(edge->Outline(), (Points{{0, 0}, {100, 0}, {200, 0}}));
}

// A hatch bounded by a spline edge of a real file (knots 0 to 1) follows
// the curve on screen, finer as the view zooms in.
TEST(HatchEdgeNurbs, ArchEdgeIsTracedRoundAtTheViewsScaleMendsStraightEdges) {
    const auto edge = Read<CRukHatchEdgeNurbs>(
        NurbsEdge(3, {{0, 0}, {10, 100}, {90, 100}, {100, 0}}, {1000, 1000, 1000, 1000},
                  {0, 0, 0, 0, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(edge->m_maxY, 75);
    CRecordingDC screen;
    std::vector<POINT> near;
    edge->TraceEdgeA(&screen, 0, 0, 1.0, nullptr, near);
    ASSERT_GT(near.size(), 4u);
    EXPECT_GE(std::ranges::max(near, {}, &POINT::y).y, 74);
    std::vector<POINT> zoomed;
    edge->TraceEdgeA(&screen, 0, 0, 10.0, nullptr, zoomed);
    EXPECT_GT(zoomed.size(), near.size());
}

TEST(HatchEdgeNurbs, CurveWithoutWeightsIsRefused) {
    CRukHatchEdgeNurbs edge;
    const EdgeRecord record(NurbsEdge(1, {{0, 0}, {100, 0}}, {}, {0, 0, 1000, 1000}));
    EXPECT_FALSE(edge.ReadGeometry(record.Part(), 1000));
}

TEST(HatchEdge, MetafileTraceANegatesYAndTraceBNever) {
    const auto edge = Read<CRukHatchEdgeLine>(LineEdge({10, 20}, {30, 40}));
    CMetaFileDC metafile;
    std::vector<POINT> a;
    edge->TraceEdgeA(&metafile, 0, 0, 1.0, nullptr, a);
    EXPECT_EQ(a, (Points{{10, -20}, {30, -40}}));
    std::vector<POINT> b;
    edge->TraceEdgeB(&metafile, 1000, 1.0, nullptr, b);
    EXPECT_EQ(b, (Points{{1, 2}, {3, 4}}));
    CRecordingDC screen;
    std::vector<POINT> plain;
    edge->TraceEdgeA(&screen, 5, 5, 2.0, nullptr, plain);
    EXPECT_EQ(plain, (Points{{10, 30}, {50, 70}}));
}

TEST(HatchEdge, LineBodyIsItsPointsThenTypeAndFlag) {
    const auto edge = Read<CRukHatchEdgeLine>(LineEdge({1, 2}, {3, 4}));
    EXPECT_EQ(StoreBody(*edge), Bytes().Long(1).Long(2).Long(3).Long(4).Byte(1).Byte(1).Get());
}

TEST(HatchEdge, ArcBodyRoundTrips) {
    const auto arc = Arc(180, 0, 90, 0);
    const std::vector<BYTE> body = StoreBody(*arc);
    CRukHatchEdgeArc reloaded;
    LoadBody(reloaded, body, 0);
    EXPECT_EQ(VerticesOf(reloaded), VerticesOf(*arc));
    EXPECT_EQ(reloaded.m_edgeType, PorHatchEdge::ArcType);
    EXPECT_EQ(reloaded.m_edgeFlag, 0);
    EXPECT_EQ(reloaded.Outline(), arc->Outline());
    EXPECT_EQ(reloaded.m_maxX, 180);
}

} // namespace
