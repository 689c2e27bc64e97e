// The Bezier and spline curves: their records, bodies, extents, what they
// give each output and how they are hit.
#include "entities/CRukBezier.h"
#include "entities/CRukCBezier.h"
#include "entities/CRukCSpline.h"
#include "entities/CRukSpline.h"

#include "entities/EntityKinds.h"
#include "geometry/CurveMath.h"
#include "platform/gdi/CMetaFileDC.h"
#include "platform/mfc/CArchiveException.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/CapturingDC.h"
#include "tests/entities/DrawnImage.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

using Points = std::vector<POINT>;

constexpr RECT kClip{0, 0, 1000, 1000};

template <class Curve> Curve CurveOf(const Points& points) {
    Curve curve;
    for (const POINT& point : points)
        curve.AppendPoint(point.x, point.y);
    curve.RecalcExtents();
    return curve;
}

std::string FirstWord(const std::string& call) {
    return call.substr(0, call.find('('));
}

// ---- Records

struct RecordCase {
    const char* name;
    LONG type;
    bool closed;
    int kind;
};

std::ostream& operator<<(std::ostream& out, const RecordCase& c) {
    return out << c.name;
}

class CurveRecord : public testing::TestWithParam<RecordCase> {};

TEST_P(CurveRecord, BuildsItsClassWithThePointsInOrder) {
    const RecordCase& c = GetParam();
    const Points points{{0, 0}, {10, 20}, {30, 20}, {40, 0}};
    PorRecordBuilder record(c.type);
    if (c.closed) {
        record.Set(PorClosedList::Pen, PorPen{2, 600, -3, 0x0000FF});
        record.Set(PorClosedList::Fill, PorFill{3, 0x00FF00});
        record.Set(PorClosedList::Transparent, 0);
        record.Set(PorClosedList::Points, points);
        record.Set(PorClosedList::Layer, "C");
    } else {
        record.Set(PorOpenList::Pen, PorPen{2, 600, -3, 0x0000FF});
        record.Set(PorOpenList::StartArrow, 1);
        record.Set(PorOpenList::Points, points);
        record.Set(PorOpenList::Layer, "C");
    }
    record.Set(PorObjectRecord::Id, "K");
    const auto framed = PorRecord::Frame(record.Bytes());
    ASSERT_TRUE(framed.has_value());
    FakeDocument document;
    const std::unique_ptr<CRukEntity> entity = [&]() -> std::unique_ptr<CRukEntity> {
        switch (c.type) {
        case PorBezier::Type:
            return std::make_unique<CRukBezier>();
        case PorCBezier::Type:
            return std::make_unique<CRukCBezier>();
        case PorSpline::Type:
            return std::make_unique<CRukSpline>();
        default:
            return std::make_unique<CRukCSpline>();
        }
    }();
    ASSERT_EQ(entity->CreateFromRecord(&*framed, &document, 11), 1);
    EXPECT_EQ(entity->GetKind(), c.kind);
    EXPECT_EQ(VerticesOf(*entity), points);
    EXPECT_EQ(entity->m_lineWidth, 11);
    EXPECT_EQ(entity->m_lineTypeScale, 600);
    EXPECT_EQ(entity->m_layerName, "C");
    EXPECT_EQ(entity->m_id, "K");
    EXPECT_EQ(entity->m_fillType, c.closed ? 3 : 0);
    // A record of the polygon or polyline type is not theirs.
    PorRecordBuilder other(c.closed ? PorPolygon::Type : PorPolyline::Type);
    const auto otherFramed = PorRecord::Frame(other.Bytes());
    EXPECT_EQ(entity->CreateFromRecord(&*otherFramed, &document, 11), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Types, CurveRecord,
    testing::Values(RecordCase{"Bezier", PorBezier::Type, false, kKindBezier},
                    RecordCase{"ClosedBezier", PorCBezier::Type, true, kKindCBezier},
                    RecordCase{"Spline", PorSpline::Type, false, kKindSpline},
                    RecordCase{"ClosedSpline", PorCSpline::Type, true, kKindCSpline}),
    testing::PrintToStringParamName());

// ---- Bodies

Bytes ClosedCurveBody() {
    Bytes body;
    body.Word(3).Long(0).Long(0).Long(100).Long(0).Long(50).Long(80).Text("Z");
    body.Word(2).Long(700).Word(30).Long(0x0000FF).Word(4).Long(0x00FF00).Byte(2).Text("q");
    return body;
}

template <class Curve> void ExpectClosedCurveBody(const char* name) {
    SCOPED_TRACE(name);
    Curve curve;
    LoadBody(curve, ClosedCurveBody().Get(), 0);
    EXPECT_EQ(curve.m_fillType, 4);
    EXPECT_EQ(curve.m_savedFillColor, 0x00FF00u);
    EXPECT_EQ(curve.m_savedColor, 0x0000FFu);
    EXPECT_EQ(curve.m_transparent, 1);
    EXPECT_EQ(curve.m_thirdColor, 0xFFFFFFu);
    EXPECT_EQ(curve.m_childFlag, 2);
    EXPECT_EQ(StoreBody(curve), ClosedCurveBody().Get());
    try {
        const std::unique_ptr<CObject> loaded(
            LoadObject(ClassRecord(1, name).Append(ClosedCurveBody().Get()).Get()));
        FAIL() << "schema 1 was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

TEST(CRukCurveTest, ClosedCurvesHaveOneSchemaWithoutThirdColourOrFlag) {
    ExpectClosedCurveBody<CRukCBezier>("CRukCBezier");
    ExpectClosedCurveBody<CRukCSpline>("CRukCSpline");
}

TEST(CRukCurveTest, OpenCurvesKeepThePolylineBody) {
    Bytes body;
    body.Word(2).Long(0).Long(0).Long(100).Long(50).Text("O").Word(0).Word(5).Long(0x123456);
    body.Byte(0).Text("");
    CRukBezier bezier;
    LoadBody(bezier, body.Get(), 0);
    EXPECT_EQ(bezier.m_lineType, 1);
    EXPECT_EQ(bezier.m_lineTypeScale, 1000);
    CRukSpline spline;
    LoadBody(spline, body.Get(), 0);
    EXPECT_EQ(spline.m_lineWidth, 5);
}

// ---- Geometry and outputs

TEST(CRukCurveTest, ClosedBezierExtentsTakeTheOvershootOfAClosedSpline) {
    CRukCBezier bezier = CurveOf<CRukCBezier>({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    EXPECT_GT(bezier.m_maxX, 100);
    EXPECT_LT(bezier.m_minY, 0);
}

TEST(CRukCurveTest, ClosedBezierIsFilledOnlyInAMetafile) {
    CRukCBezier bezier = CurveOf<CRukCBezier>({{0, 0}, {30, 60}, {60, 60}, {90, 0}});
    bezier.m_fillType = 3;
    const CDrawDefaults settings;
    CRecordingDC screen;
    bezier.TraceA(&screen, 0, 0, 1.0, &settings, kClip, FALSE);
    ASSERT_EQ(screen.Calls().size(), 1u);
    EXPECT_EQ(screen.Calls()[0], "PolyBezier(0,0 30,60 60,60 90,0)");
    CMetaFileDC metafile;
    bezier.TraceA(&metafile, 0, 0, 1.0, &settings, kClip, FALSE);
    ASSERT_EQ(metafile.Calls().size(), 1u);
    EXPECT_EQ(FirstWord(metafile.Calls()[0]), "Polygon");
}

TEST(CRukCurveTest, BezierWithAnIncompleteSegmentFlattensTheCompleteOnes) {
    CRukBezier bezier = CurveOf<CRukBezier>({{0, 0}, {0, 30}, {30, 30}, {30, 0}, {50, 0}});
    const std::vector<DPOINT> flat = bezier.FlattenBezier();
    ASSERT_FALSE(flat.empty());
    EXPECT_LE(flat.size(), 5u * 100 / 3);
    EXPECT_EQ(flat.back().x, 30.0);
    CMetaFileDC metafile;
    const CDrawDefaults settings;
    bezier.TraceA(&metafile, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_EQ(FirstWord(metafile.Calls().at(0)), "Polyline");
}

TEST(CRukCurveTest, SplineOfEqualPointsDrawsNothingAndKeepsItsExtents) {
    CRukSpline spline = CurveOf<CRukSpline>({{7, 7}, {7, 7}, {7, 7}});
    EXPECT_EQ(spline.m_maxX, std::numeric_limits<int>::min());
    CapturingDC dc;
    const CDrawDefaults settings;
    spline.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    spline.TraceB(&dc, 1000, 1.0, &settings);
    EXPECT_TRUE(dc.m_shapes.empty());
    FakeDocument document;
    EXPECT_EQ(spline.HitTest(&dc, &document, 7, 7), 0);
}

TEST(CRukCurveTest, OpenSplineIsHitByItsCurveClosedOneByItsVertices) {
    const Points fit{{0, 0}, {1000, 1000}, {2000, 0}};
    CRukSpline spline = CurveOf<CRukSpline>(fit);
    const std::vector<DPOINT> samples = spline.SampleSpline();
    ASSERT_GT(samples.size(), 10u);
    const DPOINT onCurve = samples[samples.size() / 4];
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(
        spline.HitTest(&dc, &document, static_cast<int>(onCurve.x), static_cast<int>(onCurve.y)),
        1);
    // The middle of the first fit edge lies well inside the curve's bow.
    EXPECT_EQ(spline.HitTest(&dc, &document, 500, 500), 0);
    // The spline's Bezier form: three points per span after the first.
    const CDrawDefaults settings;
    spline.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    ASSERT_EQ(dc.m_shapes.size(), 1u);
    EXPECT_EQ(dc.m_shapes[0].call, "PolyBezier");
    EXPECT_EQ(dc.m_shapes[0].points.size(), 7u);

    CRukCSpline closed = CurveOf<CRukCSpline>({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});
    EXPECT_EQ(closed.HitTest(&dc, &document, 500, 0), 1);
    EXPECT_EQ(closed.HitTest(&dc, &document, 500, 500), 0);
    closed.m_fillType = 3;
    EXPECT_EQ(closed.HitTest(&dc, &document, 500, 500), 1);
}

TEST(CRukCurveTest, ClosedSplineIsAFilledPolygonEverywhere) {
    CRukCSpline spline = CurveOf<CRukCSpline>({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    const CDrawDefaults settings;
    CapturingDC screen;
    spline.TraceA(&screen, 0, 0, 1.0, &settings, kClip, FALSE);
    ASSERT_EQ(screen.m_shapes.size(), 1u);
    EXPECT_EQ(screen.m_shapes[0].call, "Polygon");
    EXPECT_EQ(screen.m_shapes[0].points.size(), 4u * 25 + 1);
    CapturingDC printer;
    spline.TraceB(&printer, 1000, 1.0, &settings);
    EXPECT_EQ(printer.m_shapes.at(0).call, "Polygon");
    EXPECT_GT(spline.m_maxX, 100);
}

TEST(CRukCurveTest, ClosedSplineOfTwoDistinctPointsStaysFinite) {
    CRukCSpline spline = CurveOf<CRukCSpline>({{0, 0}, {100, 50}, {100, 50}});
    EXPECT_EQ(spline.m_minX, 0);
    EXPECT_EQ(spline.m_maxX, 100);
    EXPECT_EQ(spline.m_maxY, 50);
    for (const DPOINT& p : spline.SampleClosedSpline()) {
        EXPECT_TRUE(std::isfinite(p.x));
        EXPECT_TRUE(std::isfinite(p.y));
    }
}

TEST(CRukCurveTest, CurvesDrawOnAnImage) {
    CRukBezier bezier = CurveOf<CRukBezier>({{10, 10}, {10, 60}, {60, 60}, {60, 10}});
    CRukCSpline spline = CurveOf<CRukCSpline>({{70, 70}, {110, 70}, {110, 110}, {70, 110}});
    spline.m_fillType = 3;
    spline.m_fillColor = 0x0000FF;
    bezier.m_color = 0;
    spline.m_color = 0;
    const QImage image = DrawnImage(120, 120, {&bezier, &spline});
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(35, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(90, 90), qRgb(255, 0, 0));
}

} // namespace
