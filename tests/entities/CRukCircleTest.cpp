// Circles and arcs: the point rings and arc chains, construction from
// records and by mouse, the archive bodies of every schema, hit tests,
// grips, and what they put on an image.
#include "entities/CRukCircle.h"
#include "entities/CRukArc.h"

#include "entities/EntityKinds.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/win/Cursors.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/CapturingDC.h"
#include "tests/entities/DrawnImage.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using Points = std::vector<POINT>;

constexpr RECT kClip{0, 0, 1000, 1000};

// A circle made as the mouse makes it: centre, then a point on it.
template <class Shape> Shape Around(int cx, int cy, int radius) {
    Shape shape;
    shape.SetFirstPoint(cx, cy);
    shape.AppendPoint(cx + radius, cy);
    return shape;
}

CRukArc ArcOf(int cx, int cy, int radius, POINT start, POINT end) {
    CRukArc arc = Around<CRukArc>(cx, cy, radius);
    arc.SetStartPoint(start.x, start.y);
    arc.SetEndPoint(end.x, end.y);
    arc.RecalcExtents();
    return arc;
}

std::vector<CapturedShape> Traced(CRukEntity& entity) {
    const CDrawDefaults settings;
    CapturingDC dc;
    entity.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    return dc.m_shapes;
}

int Create(CRukEntity& entity, const PorRecordBuilder& record, int defaultWidth = 25) {
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return entity.CreateFromRecord(&*framed, nullptr, defaultWidth);
}

// ---- Rings and chains

struct RingCase {
    const char* name;
    int radius;
    std::size_t points;
};

std::ostream& operator<<(std::ostream& out, const RingCase& c) {
    return out << c.name;
}

class CircleRing : public testing::TestWithParam<RingCase> {};

TEST_P(CircleRing, HasFiveDegreeStepsUpToRadius180) {
    CRukCircle circle = Around<CRukCircle>(1000, 2000, GetParam().radius);
    const auto shapes = Traced(circle);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].call, "Polygon");
    ASSERT_EQ(shapes[0].points.size(), GetParam().points);
    const int r = GetParam().radius;
    EXPECT_EQ(shapes[0].points[0], (POINT{1000 + r, 2000}));
    // A quarter of the way round: straight up in drawing coordinates.
    EXPECT_EQ(shapes[0].points[GetParam().points / 4], (POINT{1000, 2000 + r}));
}

INSTANTIATE_TEST_SUITE_P(Radii, CircleRing,
                         testing::Values(RingCase{"Radius1", 1, 72}, RingCase{"Radius180", 180, 72},
                                         RingCase{"Radius181", 181, 360},
                                         RingCase{"Radius50000", 50000, 360}),
                         testing::PrintToStringParamName());

TEST(CRukCircleTest, RadiusIsHalfTheSideByIntegerDivision) {
    CRukCircle circle;
    for (const POINT& corner : Points{{0, 0}, {11, 0}, {11, 11}, {0, 11}})
        circle.m_points.Add(corner);
    EXPECT_EQ(circle.GetRadius(), 5);
    EXPECT_EQ(circle.GetCircleCenter(), (POINT{5, 5}));
}

TEST(CRukCircleTest, AppendPointAddsFourCornersEachTimeAndTheFirstFourCount) {
    CRukCircle circle = Around<CRukCircle>(100, 100, 10);
    EXPECT_EQ(VerticesOf(circle), (Points{{90, 90}, {110, 90}, {110, 110}, {90, 110}}));
    circle.SetFirstPoint(0, 0);
    EXPECT_EQ(circle.AppendPoint(0, 50), 1);
    EXPECT_EQ(circle.m_points.GetSize(), 8);
    EXPECT_EQ(circle.GetRadius(), 10);
    EXPECT_EQ(circle.m_minX, 90);
    EXPECT_EQ(circle.m_maxY, 110);
}

TEST(CRukCircleTest, RadiusZeroDrawsNothing) {
    CRukCircle circle = Around<CRukCircle>(10, 10, 0);
    EXPECT_TRUE(Traced(circle).empty());
}

TEST(CRukCircleTest, FewerThanFourCornersDrawNothingAndHitNothingMendsMissingVertices) {
    CRukCircle circle;
    circle.m_points.Add(POINT{0, 0});
    circle.m_points.Add(POINT{100, 0});
    circle.m_points.Add(POINT{100, 100});
    circle.m_fillType = 3;
    circle.RecalcExtents();
    EXPECT_EQ(circle.GetRadius(), 0);
    EXPECT_EQ(circle.m_maxX, 100);
    EXPECT_TRUE(Traced(circle).empty());
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(circle.HitTest(&dc, &document, 50, 50), 0);
    int grip = -1;
    EXPECT_EQ(circle.HitGrip(&dc, &document, 50, 0, &grip), 0);
    const CDrawDefaults settings;
    circle.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    circle.DrawGrips(&dc, 0, 0, 1.0, &settings);
    circle.DrawMoved(&document, &dc, 5, 5, &settings);
    EXPECT_TRUE(dc.m_shapes.empty());

    CRukArc arc;
    arc.SetEndPoint(10, 10);
    arc.RecalcExtents();
    EXPECT_TRUE(Traced(arc).empty());
    EXPECT_EQ(arc.HitTest(&dc, &document, 10, 10), 0);
}

TEST(CRukArcTest, ChainRunsCounterClockwiseFromStartToEnd) {
    CRukArc arc = ArcOf(0, 0, 100, {100, 0}, {0, 100});
    const auto shapes = Traced(arc);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].call, "Polyline");
    // 0 and 90 degrees themselves, and 17 points between at 5-degree steps.
    ASSERT_EQ(shapes[0].points.size(), 19u);
    EXPECT_EQ(shapes[0].points.front(), (POINT{100, 0}));
    EXPECT_EQ(shapes[0].points[9], (POINT{71, 71}));
    EXPECT_EQ(shapes[0].points.back(), (POINT{0, 100}));
    EXPECT_EQ(arc.m_minX, 0);
    EXPECT_EQ(arc.m_minY, 0);
    EXPECT_EQ(arc.m_maxX, 100);
    EXPECT_EQ(arc.m_maxY, 100);
}

TEST(CRukArcTest, SameWholeDegreeGivesTheFullCircle) {
    // Both ends round to 0 degrees.
    CRukArc arc = ArcOf(0, 0, 10000, {10000, 0}, {10000, 50});
    const auto shapes = Traced(arc);
    ASSERT_EQ(shapes.size(), 1u);
    ASSERT_EQ(shapes[0].points.size(), 361u);
    // rnd() truncates toward zero, so the far side lies a unit or two inside.
    const POINT far = arc.CirclePoint(180);
    EXPECT_EQ(shapes[0].points[180], ToViewPoint(far.x, far.y, 0, 0, 1.0));
    EXPECT_LT(shapes[0].points[180].x, -9990);
    EXPECT_EQ(shapes[0].points.back(), (POINT{10000, 50}));
    EXPECT_EQ(arc.m_minX, arc.CirclePoint(180).x);
    EXPECT_EQ(arc.m_minY, arc.CirclePoint(270).y);
}

TEST(CRukArcTest, ChainOfALargeArcTakesOneDegreeStepsButExtentsFive) {
    CRukArc arc = ArcOf(0, 0, 1000, {0, 1000}, {-1000, 0});
    EXPECT_EQ(arc.Chain(1).size(), 91u);
    EXPECT_EQ(arc.Chain(5).size(), 19u);
    EXPECT_EQ(Traced(arc)[0].points.size(), 91u);
}

TEST(CRukArcTest, ScaleAboutMovesCornersAndEnds) {
    CRukArc arc = ArcOf(100, 100, 50, {150, 100}, {100, 150});
    arc.ScaleAbout(100, 100, 2.0, 0.5);
    EXPECT_EQ(VerticesOf(arc), (Points{{0, 75}, {200, 75}, {200, 125}, {0, 125}}));
    EXPECT_EQ(arc.m_x1, 200);
    EXPECT_EQ(arc.m_y1, 100);
    EXPECT_EQ(arc.m_x2, 100);
    EXPECT_EQ(arc.m_y2, 125);
}

// ---- Records

PorRecordBuilder CircleRecord() {
    PorRecordBuilder record(PorCircle::Type);
    const Points corners{{0, 0}, {0, 200}, {200, 200}, {200, 0}};
    record.Set(PorCircle::Corners, corners);
    record.Set(PorCircle::Pen, PorPen{2, 500, -1, 0x0000FF});
    record.Set(PorCircle::Fill, PorFill{4, PorByBlockColor});
    record.Set(PorCircle::Transparent, 0);
    record.Set(PorCircle::Id, "2B");
    record.Set(PorCircle::Layer, "HOLES");
    return record;
}

TEST(CRukCircleTest, RecordFillsTheCircle) {
    CRukCircle circle;
    ASSERT_EQ(Create(circle, CircleRecord(), 13), 1);
    EXPECT_EQ(circle.GetKind(), kKindCircle);
    EXPECT_EQ(circle.m_id, "2B");
    EXPECT_EQ(circle.m_layerName, "HOLES");
    EXPECT_EQ(circle.m_sourceLayer, "HOLES");
    EXPECT_EQ(VerticesOf(circle), (Points{{0, 0}, {0, 200}, {200, 200}, {200, 0}}));
    EXPECT_EQ(circle.m_lineType, 2);
    EXPECT_EQ(circle.m_lineTypeScale, 500);
    EXPECT_EQ(circle.m_lineWidth, 13);
    EXPECT_EQ(circle.m_savedColor, 0x0000FFu);
    EXPECT_EQ(circle.m_fillType, 4);
    EXPECT_EQ(circle.m_fillColor, 0xFFFFFFu);
    EXPECT_EQ(circle.m_savedFillColor, 0xFFFFFFu);
    EXPECT_EQ(circle.m_transparent, 0);
    EXPECT_EQ(circle.GetRadius(), 100);
    EXPECT_EQ(circle.m_maxY, 200);
}

TEST(CRukCircleTest, ForeignOrShortRecordsAreRefused) {
    CRukCircle circle;
    EXPECT_EQ(Create(circle, PorRecordBuilder(PorEllipse::Type)), 0);
    EXPECT_EQ(circle.CreateFromRecord(nullptr, nullptr, 0), 0);
    const PorRecordBuilder record = CircleRecord();
    std::vector<BYTE> bytes(record.Bytes().begin(), record.Bytes().end());
    bytes.resize(40);
    StorePorWord(bytes.data() + 4, 40);
    const auto framed = PorRecord::Frame(bytes);
    ASSERT_TRUE(framed.has_value());
    EXPECT_EQ(circle.CreateFromRecord(&*framed, nullptr, 0), 0);
    EXPECT_EQ(circle.m_points.GetSize(), 0);
}

TEST(CRukArcTest, RecordTakesBothEnds) {
    PorRecordBuilder record(PorArc::Type);
    const Points corners{{-50, -50}, {-50, 50}, {50, 50}, {50, -50}};
    record.Set(PorArc::Corners, corners);
    record.Set(PorArc::Start, POINT{50, 0});
    record.Set(PorArc::End, POINT{-50, 0});
    record.Set(PorArc::Pen, PorPen{1, 1000, 35, PorByBlockColor});
    record.Set(PorArc::Id, "7");
    record.Set(PorArc::Layer, "A");
    CRukArc arc;
    ASSERT_EQ(Create(arc, record), 1);
    EXPECT_EQ(arc.GetKind(), kKindArc);
    EXPECT_EQ(arc.m_x1, 50);
    EXPECT_EQ(arc.m_x2, -50);
    EXPECT_EQ(arc.m_color, 0xFFFFFFu);
    EXPECT_EQ(arc.m_lineWidth, 35);
    // The upper half only.
    EXPECT_EQ(arc.m_minY, 0);
    EXPECT_EQ(arc.m_maxY, 50);
    CRukCircle circle;
    EXPECT_EQ(Create(circle, record), 0);
}

// ---- Archive bodies

struct CircleBodyCase {
    const char* name;
    UINT schema;
    std::uint16_t lineType;
    std::uint16_t fillType;
    std::uint8_t storedTransparent;
    int expectedLineType;
    int expectedScale;
    int expectedFill;
    COLORREF expectedFillColor;
    COLORREF expectedThird;
    int expectedTransparent;
};

std::ostream& operator<<(std::ostream& out, const CircleBodyCase& c) {
    return out << c.name;
}

Bytes CircleBodyBytes(UINT schema, std::uint16_t lineType, std::uint16_t fillType,
                      std::uint8_t transparent, COLORREF fillColor = 0x00FF00,
                      COLORREF third = 0xFF0000, int scale = 350) {
    Bytes body;
    body.Word(4).Long(0).Long(0).Long(20).Long(0).Long(20).Long(20).Long(0).Long(20);
    body.Text("C").Word(lineType);
    if (schema >= 1)
        body.Long(scale);
    body.Word(25).Long(0x0000FF);
    if (schema >= 2)
        body.Word(fillType).Long(static_cast<std::int32_t>(fillColor));
    if (schema >= 3)
        body.Long(static_cast<std::int32_t>(third)).Byte(transparent);
    body.Byte(2).Text("t");
    return body;
}

class CircleBody : public testing::TestWithParam<CircleBodyCase> {};

TEST_P(CircleBody, LoadsEverySchemaAndStoresSchemaThree) {
    const CircleBodyCase& c = GetParam();
    CRukCircle circle;
    LoadBody(circle, CircleBodyBytes(c.schema, c.lineType, c.fillType, c.storedTransparent).Get(),
             c.schema);
    EXPECT_EQ(circle.GetRadius(), 10);
    EXPECT_EQ(circle.m_layerName, "C");
    EXPECT_EQ(circle.m_lineType, c.expectedLineType);
    EXPECT_EQ(circle.m_lineTypeScale, c.expectedScale);
    EXPECT_EQ(circle.m_lineWidth, 25);
    EXPECT_EQ(circle.m_color, 0x0000FFu);
    EXPECT_EQ(circle.m_savedColor, 0x0000FFu);
    EXPECT_EQ(circle.m_fillType, c.expectedFill);
    EXPECT_EQ(circle.m_fillColor, c.expectedFillColor);
    EXPECT_EQ(circle.m_savedFillColor, c.expectedFillColor);
    EXPECT_EQ(circle.m_thirdColor, c.expectedThird);
    EXPECT_EQ(circle.m_transparent, c.expectedTransparent);
    EXPECT_EQ(circle.m_childFlag, 2);
    EXPECT_EQ(circle.m_tag, "t");
    EXPECT_EQ(circle.m_maxX, 20);
    EXPECT_EQ(StoreBody(circle),
              CircleBodyBytes(3, static_cast<std::uint16_t>(c.expectedLineType),
                              static_cast<std::uint16_t>(c.expectedFill),
                              static_cast<std::uint8_t>(c.expectedTransparent), c.expectedFillColor,
                              c.expectedThird, c.expectedScale)
                  .Get());
}

INSTANTIATE_TEST_SUITE_P(
    Schemas, CircleBody,
    testing::Values(
        CircleBodyCase{"Schema3HatchKeepsItsFlag", 3, 0, 4, 1, 0, 350, 4, 0x00FF00, 0xFF0000, 1},
        CircleBodyCase{"Schema3OpaqueFillIsNeverTransparent", 3, 1, 3, 1, 1, 350, 3, 0x00FF00,
                       0xFF0000, 0},
        CircleBodyCase{"Schema3NoFillIsTransparent", 3, 1, 0, 0, 1, 350, 0, 0x00FF00, 0xFF0000, 1},
        CircleBodyCase{"Schema2HatchTakesTheColourAsThird", 2, 1, 4, 0, 1, 350, 4, 0x00FF00,
                       0x0000FF, 0},
        CircleBodyCase{"Schema1HasNoFill", 1, 0, 0, 0, 1, 350, 0, 0xFFFFFF, 0x0000FF, 1},
        CircleBodyCase{"Schema0HasNoScale", 0, 0, 0, 0, 1, 1000, 0, 0xFFFFFF, 0x0000FF, 1}),
    testing::PrintToStringParamName());

TEST(CRukArcTest, BodiesOfEverySchemaAndTheStoredOne) {
    const auto body = [](UINT schema, std::uint16_t lineType) {
        Bytes bytes;
        bytes.Word(4).Long(0).Long(0).Long(20).Long(0).Long(20).Long(20).Long(0).Long(20);
        bytes.Long(20).Long(10).Long(0).Long(10).Text("A").Word(lineType);
        if (schema >= 1)
            bytes.Long(schema >= 1 ? 700 : 1000);
        bytes.Word(5).Long(0x123456).Byte(1).Text("g");
        return bytes;
    };
    for (UINT schema = 0; schema <= 2; ++schema) {
        SCOPED_TRACE(schema);
        CRukArc arc;
        LoadBody(arc, body(schema, 0).Get(), schema);
        EXPECT_EQ(arc.m_x1, 20);
        EXPECT_EQ(arc.m_y2, 10);
        EXPECT_EQ(arc.m_lineType, schema == 2 ? 0 : 1);
        EXPECT_EQ(arc.m_lineTypeScale, schema == 0 ? 1000 : 700);
        EXPECT_EQ(arc.m_savedColor, 0x123456u);
        EXPECT_EQ(arc.m_childFlag, 1);
        EXPECT_EQ(arc.m_maxY, 20);
        Bytes stored;
        stored.Word(4).Long(0).Long(0).Long(20).Long(0).Long(20).Long(20).Long(0).Long(20);
        stored.Long(20).Long(10).Long(0).Long(10).Text("A");
        stored.Word(static_cast<std::uint16_t>(arc.m_lineType)).Long(arc.m_lineTypeScale);
        stored.Word(5).Long(0x123456).Byte(1).Text("g");
        EXPECT_EQ(StoreBody(arc), stored.Get());
    }
}

// ---- Hit tests, grips and cursors

TEST(CRukCircleTest, FilledCircleIsHitInsideOutlineOnlyNearTheRing) {
    CRukCircle circle = Around<CRukCircle>(500, 500, 200);
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(circle.HitTest(&dc, &document, 700, 500), 1);
    EXPECT_EQ(circle.HitTest(&dc, &document, 500, 500), 0);
    circle.m_fillType = 3;
    EXPECT_EQ(circle.HitTest(&dc, &document, 500, 500), 1);
    EXPECT_EQ(circle.HitTest(&dc, &document, 900, 900), 0);
}

TEST(CRukArcTest, IsHitOnItsChainOnly) {
    CRukArc arc = ArcOf(500, 500, 200, {700, 500}, {300, 500});
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(arc.HitTest(&dc, &document, 500, 700), 1);
    EXPECT_EQ(arc.HitTest(&dc, &document, 500, 300), 0);
}

TEST(CRukCircleTest, GripsSitMidSideAndChooseTheirCursors) {
    CRukCircle circle = Around<CRukCircle>(500, 500, 200);
    FakeDocument document;
    CapturingDC dc;
    int grip = -1;
    ASSERT_EQ(circle.HitGrip(&dc, &document, 700, 500, &grip), 1);
    EXPECT_EQ(grip, 1);
    ASSERT_EQ(circle.HitGrip(&dc, &document, 500, 300, &grip), 1);
    EXPECT_EQ(grip, 0);
    EXPECT_EQ(circle.HitGrip(&dc, &document, 500, 500, &grip), 0);

    circle.SetGripCursor(1);
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_SIZEWE));
    circle.SetGripCursor(2);
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_SIZENS));
    circle.SetGripCursor(4);
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_SIZENS));

    const CDrawDefaults settings;
    CRecordingDC boxes;
    circle.DrawGrips(&boxes, 0, 0, 1.0, &settings);
    const auto& calls = boxes.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Rectangle(695,495,705,505)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Rectangle(495,295,505,305)"), calls.end());
}

// ---- Pixels

COLORREF At(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

TEST(CRukCircleTest, DrawsItsRingAndFillOnAnImage) {
    CRukCircle circle = Around<CRukCircle>(40, 40, 30);
    circle.m_color = 0x0000FF;
    circle.m_savedColor = 0x0000FF;
    CRukArc arc = ArcOf(40, 40, 10, {50, 40}, {30, 40});
    arc.m_color = 0xFF0000;
    const QImage image = DrawnImage(80, 80, {&circle, &arc});
    EXPECT_EQ(At(image, 70, 40), 0x0000FFu);
    // rnd() truncates toward zero: the left side is a pixel inside.
    EXPECT_EQ(At(image, 11, 40), 0x0000FFu);
    EXPECT_EQ(At(image, 40, 70), 0x0000FFu);
    EXPECT_EQ(At(image, 40, 40), 0xFFFFFFu);
    // The arc's half on the larger y only.
    EXPECT_EQ(At(image, 40, 50), 0xFF0000u);
    EXPECT_EQ(At(image, 40, 30), 0xFFFFFFu);
}

// A context that draws every figure, as one that cannot tell which leave
// the device alone.
class DrawingEveryFigure : public CImageDC {
public:
    using CImageDC::CImageDC;

protected:
    bool IgnoresEmptySegments(bool) override { return false; }
};

// Rings and arcs from under a pixel to the whole image across, at many
// offsets to the pixel edges, arcs from every quarter to every other,
// painted at view scales that shrink and grow them. With more than one view
// unit to a pixel, the context maps view units to pixels as the view does,
// so that many view points share a pixel.
QImage Conics(double scale, bool everyFigure, int unitsPerPixel = 1) {
    QImage image(240, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    std::unique_ptr<CImageDC> dc = everyFigure ? std::make_unique<DrawingEveryFigure>(image)
                                               : std::make_unique<CImageDC>(image);
    if (unitsPerPixel > 1) {
        dc->SetMapMode(MM_ANISOTROPIC);
        dc->SetWindowExt(240 * unitsPerPixel, 240 * unitsPerPixel);
        dc->SetViewportExt(240, 240);
    }
    const RECT viewClip{0, 0, 240 * unitsPerPixel, 240 * unitsPerPixel};
    const auto on = [](int cx, int cy, int radius, int degrees) {
        const double angle = degrees * kDegToRad;
        return POINT{cx + static_cast<LONG>(std::lround(radius * std::cos(angle))),
                     cy + static_cast<LONG>(std::lround(radius * std::sin(angle)))};
    };
    for (int i = 0; i < 300; ++i) {
        const int cx = 7 + (i % 20) * 29 + i % 7;
        const int cy = 7 + (i / 20) * 29 + i % 5;
        if (i % 3 == 0) {
            const int radius = 5 + i * 37 % 300;
            CRukArc arc =
                ArcOf(cx, cy, radius, on(cx, cy, radius, i * 53), on(cx, cy, radius, i * 97));
            arc.DrawA(&document, dc.get(), 0, 0, scale, 1.0, &settings, FALSE, viewClip);
        } else {
            const int radius = i % 4 == 0 ? 150 + i * 3 : 1 + i % 13;
            CRukCircle circle = Around<CRukCircle>(cx, cy, radius);
            circle.DrawA(&document, dc.get(), 0, 0, scale, 1.0, &settings, FALSE, viewClip);
        }
    }
    // Short arcs across each quarter's turn, where a column or row is met
    // only for some degrees.
    for (int i = 0; i < 800; ++i) {
        const int cx = 11 + (i % 40) * 31 + i % 9;
        const int cy = 13 + (i / 40) * 43 + i % 11;
        const int radius = 20 + i * 13 % 90;
        const int turn = i % 4 * 90;
        CRukArc arc = ArcOf(cx, cy, radius, on(cx, cy, radius, turn - 10 - i % 30),
                            on(cx, cy, radius, turn + 10 + i % 40));
        arc.DrawA(&document, dc.get(), 0, 0, scale, 1.0, &settings, FALSE, viewClip);
    }
    return image;
}

TEST(CRukCircleTest, RingsAndArcsPaintAsEveryPointOfTheirOutline) {
    for (const double scale : {0.05, 0.1, 0.3, 0.5, 1.0, 2.5}) {
        SCOPED_TRACE(scale);
        const QImage shortened = Conics(scale, false);
        EXPECT_EQ(shortened, Conics(scale, true));
        QImage blank(shortened.size(), shortened.format());
        blank.fill(Qt::white);
        EXPECT_NE(shortened, blank);
    }
}

TEST(CRukCircleTest, RingsAndArcsUnderAViewMappingPaintAsEveryPointOfTheirOutline) {
    for (const int unitsPerPixel : {3, 10, 37}) {
        for (const double scale : {0.5, 2.0, 10.0}) {
            SCOPED_TRACE(testing::Message() << unitsPerPixel << " units a pixel, scale " << scale);
            const QImage shortened = Conics(scale, false, unitsPerPixel);
            EXPECT_EQ(shortened, Conics(scale, true, unitsPerPixel));
            QImage blank(shortened.size(), shortened.format());
            blank.fill(Qt::white);
            EXPECT_NE(shortened, blank);
        }
    }
}

} // namespace
