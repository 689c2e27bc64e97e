// Ellipses and elliptical arcs: the frame of a rotated and sheared
// parallelogram, the arc's parameters, degenerate frames, records, archive
// bodies, hit tests, grips and pixels.
#include "entities/CRukEllipse.h"
#include "entities/CEllipseFrame.h"
#include "entities/CRukEArc.h"

#include "entities/EntityKinds.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/win/Cursors.h"
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

#include <memory>
#include <vector>

namespace {

using Points = std::vector<POINT>;

constexpr RECT kClip{0, 0, 1000, 1000};

// Rotated and sheared: p0 -> p3 and p0 -> p1 are neither axis-parallel nor
// perpendicular.
const POINT kSheared[4] = {{0, 0}, {400, 100}, {500, 400}, {100, 300}};

template <class Shape> Shape WithCorners(const POINT (&corners)[4]) {
    Shape shape;
    for (const POINT& corner : corners)
        shape.m_points.Add(corner);
    shape.RecalcExtents();
    return shape;
}

CRukEArc ArcOn(const POINT (&corners)[4], POINT start, POINT end) {
    CRukEArc arc = WithCorners<CRukEArc>(corners);
    arc.m_x1 = start.x;
    arc.m_y1 = start.y;
    arc.m_x2 = end.x;
    arc.m_y2 = end.y;
    arc.RecalcExtents();
    return arc;
}

std::vector<CapturedShape> Traced(CRukEntity& entity) {
    const CDrawDefaults settings;
    CapturingDC dc;
    entity.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    return dc.m_shapes;
}

TEST(CEllipseFrameTest, ParameterOfAPointOnASkewEllipseIsItsAngle) {
    const CEllipseFrame frame(kSheared);
    EXPECT_EQ(frame.Center(), (POINT{250, 200}));
    EXPECT_EQ(frame.Step(), 1);
    for (int t : {0, 30, 90, 135, 200, 270, 359}) {
        SCOPED_TRACE(t);
        const auto parameter = frame.ParameterOf(frame.Point(t));
        ASSERT_TRUE(parameter.has_value());
        EXPECT_EQ(*parameter % 360, t);
    }
}

TEST(CRukEArcTest, QuarterOfASkewEllipseRunsFromStartThroughTheRightPointsToEnd) {
    const CEllipseFrame frame(kSheared);
    const POINT start = frame.Point(0);
    const POINT end = frame.Point(90);
    CRukEArc arc = ArcOn(kSheared, start, end);
    const auto shapes = Traced(arc);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].call, "Polyline");
    const Points& points = shapes[0].points;
    ASSERT_EQ(points.size(), 91u);
    EXPECT_EQ(points.front(), start);
    EXPECT_EQ(points[1], frame.Point(1));
    EXPECT_EQ(points[89], frame.Point(89));
    EXPECT_EQ(points.back(), end);
}

TEST(CRukEArcTest, CoincidentEndsDrawTheWholeEllipse) {
    const CEllipseFrame frame(kSheared);
    CRukEArc arc = ArcOn(kSheared, frame.Point(45), frame.Point(45));
    EXPECT_EQ(Traced(arc)[0].points.size(), 361u);
}

struct FlatCase {
    const char* name;
    POINT corners[4];
};

std::ostream& operator<<(std::ostream& out, const FlatCase& c) {
    return out << c.name;
}

class FlatFrame : public testing::TestWithParam<FlatCase> {};

TEST_P(FlatFrame, ArcDrawsTheSegmentBetweenItsEndsMendsDivisionByZero) {
    const FlatCase& c = GetParam();
    CRukEArc arc = ArcOn(c.corners, {10, 10}, {90, 90});
    const auto shapes = Traced(arc);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].points, (Points{{10, 10}, {90, 90}}));
    EXPECT_EQ(arc.m_minX, 10);
    EXPECT_EQ(arc.m_maxY, 90);
    // The whole ellipse collapses but is still drawn and hit without trouble.
    CRukEllipse ellipse = WithCorners<CRukEllipse>(c.corners);
    EXPECT_EQ(Traced(ellipse).size(), 1u);
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(ellipse.HitTest(&dc, &document, 5000, 5000), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Degenerate, FlatFrame,
    testing::Values(FlatCase{"ParallelSides", {{0, 0}, {100, 100}, {200, 200}, {100, 100}}},
                    FlatCase{"ZeroSide", {{0, 0}, {0, 0}, {100, 0}, {100, 0}}},
                    FlatCase{"OnePoint", {{50, 50}, {50, 50}, {50, 50}, {50, 50}}}),
    testing::PrintToStringParamName());

TEST(CRukEllipseTest, AppendPointBuildsTheCornersOfTheBox) {
    CRukEllipse ellipse;
    ellipse.SetFirstPoint(0, 0);
    EXPECT_EQ(ellipse.AppendPoint(100, 50), 1);
    EXPECT_EQ(VerticesOf(ellipse), (Points{{0, 50}, {100, 50}, {100, 0}, {0, 0}}));
    // Axis-parallel: the extents are the corner box.
    EXPECT_EQ(ellipse.m_minX, 0);
    EXPECT_EQ(ellipse.m_maxX, 100);
    EXPECT_EQ(ellipse.m_maxY, 50);
    ellipse.AppendPoint(10, 10);
    EXPECT_EQ(ellipse.m_points.GetSize(), 8);
    EXPECT_EQ(ellipse.m_maxX, 100);
}

TEST(CRukEllipseTest, RotatedExtentsComeFromTheSamples) {
    const POINT diamond[4] = {{0, -100}, {100, 0}, {0, 100}, {-100, 0}};
    CRukEllipse ellipse = WithCorners<CRukEllipse>(diamond);
    EXPECT_GT(ellipse.m_maxX, 60);
    EXPECT_LT(ellipse.m_maxX, 100);
    EXPECT_LT(ellipse.m_minY, -60);
    EXPECT_GT(ellipse.m_minY, -100);
}

TEST(CRukEllipseTest, SmallEllipsesTakeFiveDegreeSteps) {
    const POINT small[4] = {{0, 0}, {0, 180}, {1000, 180}, {1000, 0}};
    CRukEllipse ellipse = WithCorners<CRukEllipse>(small);
    EXPECT_EQ(Traced(ellipse)[0].points.size(), 72u);
    const POINT large[4] = {{0, 0}, {0, 182}, {1000, 182}, {1000, 0}};
    CRukEllipse larger = WithCorners<CRukEllipse>(large);
    EXPECT_EQ(Traced(larger)[0].points.size(), 360u);
}

TEST(CRukEllipseTest, FewerThanFourCornersDrawNothing) {
    CRukEllipse ellipse;
    ellipse.m_points.Add(POINT{0, 0});
    ellipse.m_points.Add(POINT{10, 10});
    ellipse.RecalcExtents();
    EXPECT_TRUE(Traced(ellipse).empty());
    EXPECT_EQ(ellipse.m_maxX, 10);
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(ellipse.HitTest(&dc, &document, 0, 0), 0);
}

// ---- Records

TEST(CRukEllipseTest, RecordFillsTheEllipse) {
    PorRecordBuilder record(PorEllipse::Type);
    record.Set(PorEllipse::Corners, std::span<const POINT>(kSheared));
    record.Set(PorEllipse::Pen, PorPen{3, 800, -1, 0x00FF00});
    record.Set(PorEllipse::Fill, PorFill{5, PorByBlockColor});
    record.Set(PorEllipse::Transparent, 1);
    record.Set(PorEllipse::Id, "E1");
    record.Set(PorEllipse::Layer, "OVAL");
    const auto framed = PorRecord::Frame(record.Bytes());
    ASSERT_TRUE(framed.has_value());
    CRukEllipse ellipse;
    ASSERT_EQ(ellipse.CreateFromRecord(&*framed, nullptr, 18), 1);
    EXPECT_EQ(ellipse.GetKind(), kKindEllipse);
    EXPECT_EQ(VerticesOf(ellipse), (Points(kSheared, kSheared + 4)));
    EXPECT_EQ(ellipse.m_lineType, 3);
    EXPECT_EQ(ellipse.m_lineTypeScale, 800);
    EXPECT_EQ(ellipse.m_lineWidth, 18);
    EXPECT_EQ(ellipse.m_savedColor, 0x00FF00u);
    EXPECT_EQ(ellipse.m_fillType, 5);
    EXPECT_EQ(ellipse.m_savedFillColor, 0xFFFFFFu);
    EXPECT_EQ(ellipse.m_transparent, 1);
    EXPECT_EQ(ellipse.m_id, "E1");
    EXPECT_EQ(ellipse.m_sourceLayer, "OVAL");
    CRukEArc arc;
    EXPECT_EQ(arc.CreateFromRecord(&*framed, nullptr, 18), 0);
}

TEST(CRukEArcTest, RecordTakesCornersAndEnds) {
    PorRecordBuilder record(PorEArc::Type);
    record.Set(PorEArc::Corners, std::span<const POINT>(kSheared));
    record.Set(PorEArc::Start, POINT{1, 2});
    record.Set(PorEArc::End, POINT{3, 4});
    record.Set(PorEArc::Pen, PorPen{1, 1000, 9, PorByBlockColor});
    record.Set(PorEArc::Layer, "L");
    const auto framed = PorRecord::Frame(record.Bytes());
    ASSERT_TRUE(framed.has_value());
    CRukEArc arc;
    ASSERT_EQ(arc.CreateFromRecord(&*framed, nullptr, 18), 1);
    EXPECT_EQ(arc.GetKind(), kKindEArc);
    EXPECT_EQ(arc.m_x1, 1);
    EXPECT_EQ(arc.m_y2, 4);
    EXPECT_EQ(arc.m_lineWidth, 9);
    EXPECT_EQ(arc.m_color, 0xFFFFFFu);
    EXPECT_EQ(arc.m_fillType, 0);
}

// ---- Archive bodies

Bytes EllipseBody(UINT schema, std::uint16_t lineType, std::uint16_t fillType, std::uint8_t flag,
                  int scale = 350) {
    Bytes body;
    body.Word(4).Long(0).Long(0).Long(0).Long(20).Long(40).Long(20).Long(40).Long(0);
    body.Text("E").Word(lineType);
    if (schema >= 1)
        body.Long(scale);
    body.Word(25).Long(0x0000FF);
    if (schema >= 2)
        body.Word(fillType).Long(0x00FF00);
    if (schema >= 3)
        body.Long(0xFF0000).Byte(flag);
    body.Byte(2).Text("t");
    return body;
}

struct EllipseBodyCase {
    const char* name;
    UINT schema;
    std::uint16_t lineType;
    std::uint16_t fillType;
    std::uint8_t flag;
    int lineTypeOut;
    int scaleOut;
    int fillOut;
    COLORREF fillColorOut;
    COLORREF thirdOut;
    int transparentOut;
};

std::ostream& operator<<(std::ostream& out, const EllipseBodyCase& c) {
    return out << c.name;
}

class EllipseBodies : public testing::TestWithParam<EllipseBodyCase> {};

TEST_P(EllipseBodies, LoadAndStoreSchemaThree) {
    const EllipseBodyCase& c = GetParam();
    CRukEllipse ellipse;
    LoadBody(ellipse, EllipseBody(c.schema, c.lineType, c.fillType, c.flag).Get(), c.schema);
    EXPECT_EQ(ellipse.m_lineType, c.lineTypeOut);
    EXPECT_EQ(ellipse.m_lineTypeScale, c.scaleOut);
    EXPECT_EQ(ellipse.m_fillType, c.fillOut);
    EXPECT_EQ(ellipse.m_savedFillColor, c.fillColorOut);
    EXPECT_EQ(ellipse.m_thirdColor, c.thirdOut);
    EXPECT_EQ(ellipse.m_transparent, c.transparentOut);
    EXPECT_EQ(ellipse.m_savedColor, 0x0000FFu);
    EXPECT_EQ(ellipse.m_childFlag, 2);
    EXPECT_EQ(ellipse.m_maxX, 40);
    Bytes stored;
    stored.Word(4).Long(0).Long(0).Long(0).Long(20).Long(40).Long(20).Long(40).Long(0);
    stored.Text("E").Word(static_cast<std::uint16_t>(c.lineTypeOut)).Long(c.scaleOut);
    stored.Word(25).Long(0x0000FF).Word(static_cast<std::uint16_t>(c.fillOut));
    stored.Long(static_cast<std::int32_t>(c.fillColorOut))
        .Long(static_cast<std::int32_t>(c.thirdOut));
    stored.Byte(static_cast<std::uint8_t>(c.transparentOut)).Byte(2).Text("t");
    EXPECT_EQ(StoreBody(ellipse), stored.Get());
}

INSTANTIATE_TEST_SUITE_P(
    Schemas, EllipseBodies,
    testing::Values(
        EllipseBodyCase{"Schema3HatchKeepsFlag", 3, 0, 6, 1, 0, 350, 6, 0x00FF00, 0xFF0000, 1},
        EllipseBodyCase{"Schema3TranslucentIsOpaque", 3, 1, 1, 1, 1, 350, 1, 0x00FF00, 0xFF0000, 0},
        EllipseBodyCase{"Schema2FilledIsOpaque", 2, 0, 6, 0, 0, 350, 6, 0x00FF00, 0xFFFFFF, 0},
        EllipseBodyCase{"Schema1SolidLine", 1, 0, 0, 0, 1, 350, 0, 0xFFFFFF, 0xFFFFFF, 1},
        EllipseBodyCase{"Schema0NoScale", 0, 0, 0, 0, 1, 1000, 0, 0xFFFFFF, 0xFFFFFF, 1}),
    testing::PrintToStringParamName());

TEST(CRukEArcTest, BodiesOfEverySchemaAndNewerRefused) {
    for (UINT schema = 0; schema <= 2; ++schema) {
        SCOPED_TRACE(schema);
        Bytes body;
        body.Word(4).Long(0).Long(0).Long(0).Long(20).Long(40).Long(20).Long(40).Long(0);
        body.Long(40).Long(10).Long(0).Long(10).Text("E").Word(0);
        if (schema >= 1)
            body.Long(600);
        body.Word(7).Long(0x00FF00).Byte(0).Text("");
        CRukEArc arc;
        LoadBody(arc, body.Get(), schema);
        EXPECT_EQ(arc.m_x1, 40);
        EXPECT_EQ(arc.m_y2, 10);
        EXPECT_EQ(arc.m_lineType, schema == 2 ? 0 : 1);
        EXPECT_EQ(arc.m_lineTypeScale, schema == 0 ? 1000 : 600);
        EXPECT_EQ(arc.m_lineWidth, 7);
        Bytes stored;
        stored.Word(4).Long(0).Long(0).Long(0).Long(20).Long(40).Long(20).Long(40).Long(0);
        stored.Long(40).Long(10).Long(0).Long(10).Text("E");
        stored.Word(static_cast<std::uint16_t>(arc.m_lineType)).Long(arc.m_lineTypeScale);
        stored.Word(7).Long(0x00FF00).Byte(0).Text("");
        EXPECT_EQ(StoreBody(arc), stored.Get());
    }
    const std::pair<const char*, std::uint16_t> newer[] = {{"CRukEllipse", 4}, {"CRukEArc", 3}};
    for (const auto& [name, schema] : newer) {
        try {
            const std::unique_ptr<CObject> loaded(
                LoadObject(ClassRecord(schema, name).Append(EllipseBody(3, 1, 0, 1).Get()).Get()));
            FAIL() << name << " schema " << schema << " was read";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
        }
    }
}

// ---- Hit tests and grips

TEST(CRukEArcTest, IsHitOnItsWholeEllipse) {
    const POINT box[4] = {{100, 500}, {500, 500}, {500, 100}, {100, 100}};
    const CEllipseFrame frame(box);
    CRukEArc arc = ArcOn(box, frame.Point(0), frame.Point(90));
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(arc.HitTest(&dc, &document, frame.Point(200).x, frame.Point(200).y), 1);
    EXPECT_EQ(arc.HitTest(&dc, &document, 300, 300), 0);
    CRukEllipse filled = WithCorners<CRukEllipse>(box);
    filled.m_fillType = 3;
    EXPECT_EQ(filled.HitTest(&dc, &document, 300, 300), 1);
}

TEST(CRukEllipseTest, GripsAreTheCornersWithDiagonalCursors) {
    CRukEllipse ellipse = WithCorners<CRukEllipse>(kSheared);
    FakeDocument document;
    CapturingDC dc;
    int grip = -1;
    ASSERT_EQ(ellipse.HitGrip(&dc, &document, 502, 398, &grip), 1);
    EXPECT_EQ(grip, 2);
    EXPECT_EQ(ellipse.HitGrip(&dc, &document, 250, 200, &grip), 0);
    ellipse.SetGripCursor(3);
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_SIZENESW));
    ellipse.SetGripCursor(0);
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_SIZENWSE));
}

// ---- Pixels

TEST(CRukEllipseTest, DrawsItsOutlineOnAnImage) {
    CRukEllipse ellipse;
    ellipse.SetFirstPoint(10, 10);
    ellipse.AppendPoint(90, 50);
    ellipse.m_color = 0x000000;
    const QImage image = DrawnImage(100, 60, {&ellipse});
    EXPECT_EQ(image.pixel(50, 50), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(90, 30), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
}

} // namespace
