// The polyline: creation from its POR record, its archive body, its
// geometry on each output, hit tests and vertex editing.
#include "entities/CRukPolyline.h"

#include "entities/EntityKinds.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;
using Points = std::vector<POINT>;

constexpr RECT kClip{0, 0, 1000, 1000};

CRukPolyline MakePolyline(const Points& points) {
    CRukPolyline polyline;
    for (const POINT& point : points)
        polyline.AppendPoint(point.x, point.y);
    polyline.RecalcExtents();
    return polyline;
}

int Create(CRukPolyline& polyline, const PorRecordBuilder& record, int defaultWidth = 25) {
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return polyline.CreateFromRecord(&*framed, nullptr, defaultWidth);
}

TEST(CRukPolylineTest, RecordFieldsAndPointsFillThePolyline) {
    PorRecordBuilder record(PorPolyline::Type);
    record.Set(PorPolyline::Pen, PorPen{3, 700, -1, PorByBlockColor});
    record.Set(PorPolyline::StartArrow, 3);
    record.Set(PorPolyline::EndArrow, 3);
    const Points points{{0, 0}, {100, -50}, {-20, 30}};
    record.Set(PorPolyline::Points, points);
    record.Set(PorPolyline::Id, "2B");
    record.Set(PorPolyline::Layer, "PIPE");

    CRukPolyline polyline;
    ASSERT_EQ(Create(polyline, record, 18), 1);
    EXPECT_EQ(polyline.GetKind(), kKindPolyline);
    EXPECT_EQ(polyline.m_id, "2B");
    EXPECT_EQ(polyline.m_lineType, 3);
    EXPECT_EQ(polyline.m_lineTypeScale, 700);
    EXPECT_EQ(polyline.m_lineWidth, 18);
    EXPECT_EQ(polyline.m_color, 0xFFFFFFu);
    EXPECT_EQ(polyline.m_savedColor, 0xFFFFFFu);
    EXPECT_EQ(polyline.m_layerName, "PIPE");
    EXPECT_EQ(polyline.m_sourceLayer, "PIPE");
    EXPECT_EQ(VerticesOf(polyline), points);
    EXPECT_EQ(
        (std::vector<int>{polyline.m_minX, polyline.m_minY, polyline.m_maxX, polyline.m_maxY}),
        (std::vector<int>{-20, -50, 100, 30}));
    // The first point follows the vertex added last.
    EXPECT_EQ(polyline.m_x1, -20);
    EXPECT_EQ(polyline.m_y1, 30);
}

TEST(CRukPolylineTest, RecordWithoutPointsGivesAnEmptyPolyline) {
    PorRecordBuilder record(PorPolyline::Type);
    record.Set(PorPolyline::Pen, PorPen{1, 1000, 0, 0x00FF00});
    CRukPolyline polyline;
    ASSERT_EQ(Create(polyline, record), 1);
    EXPECT_EQ(polyline.m_points.GetSize(), 0);
    EXPECT_EQ(polyline.m_color, 0x00FF00u);
}

TEST(CRukPolylineTest, CountBeyondTheRecordOrForeignTypeIsRefused) {
    PorRecordBuilder record(PorPolyline::Type);
    record.Set(PorPolyline::Pen, PorPen{1, 1000, 0, 0x00FF00});
    const Points points{{1, 2}, {3, 4}};
    record.Set(PorPolyline::Points, points);
    record.SetLong(PorPolyline::Points.word, 3);
    CRukPolyline polyline;
    EXPECT_EQ(Create(polyline, record), 0);
    record.SetLong(PorPolyline::Points.word, -1);
    EXPECT_EQ(Create(polyline, record), 0);
    EXPECT_EQ(Create(polyline, PorRecordBuilder(PorPolygon::Type)), 0);
    EXPECT_EQ(polyline.CreateFromRecord(nullptr, nullptr, 25), 0);
    EXPECT_EQ(polyline.m_points.GetSize(), 0);
    EXPECT_EQ(polyline.m_color, 0xFFFFFFu);
}

// ---- Archive body

Bytes PolylineBodyBytes(bool withScale, std::uint16_t lineType) {
    Bytes body;
    body.Word(2).Long(1).Long(-2).Long(300).Long(400).Text("PIPE").Word(lineType);
    if (withScale)
        body.Long(350);
    body.Word(25).Long(0x0000FF).Byte(1).Text("t");
    return body;
}

struct BodyCase {
    const char* name;
    UINT schema;
    bool withScale;
    std::uint16_t storedLineType;
    int lineType;
    int lineTypeScale;
};

std::ostream& operator<<(std::ostream& out, const BodyCase& c) {
    return out << c.name;
}

class PolylineBody : public testing::TestWithParam<BodyCase> {};

TEST_P(PolylineBody, LoadsEverySchemaAndStoresSchemaTwo) {
    const BodyCase& c = GetParam();
    CRukPolyline polyline;
    LoadBody(polyline, PolylineBodyBytes(c.withScale, c.storedLineType).Get(), c.schema);
    EXPECT_EQ(VerticesOf(polyline), (Points{{1, -2}, {300, 400}}));
    EXPECT_EQ(polyline.m_lineType, c.lineType);
    EXPECT_EQ(polyline.m_lineTypeScale, c.lineTypeScale);
    EXPECT_EQ(polyline.m_savedColor, 0x0000FFu);
    EXPECT_EQ(polyline.m_childFlag, 1);
    EXPECT_EQ(polyline.m_maxY, 400);

    const CRukPolyline& loaded = polyline;
    Bytes stored;
    stored.Word(2).Long(1).Long(-2).Long(300).Long(400).Text("PIPE");
    stored.Word(static_cast<std::uint16_t>(loaded.m_lineType)).Long(loaded.m_lineTypeScale);
    stored.Word(25).Long(0x0000FF).Byte(1).Text("t");
    EXPECT_EQ(StoreBody(polyline), stored.Get());
}

INSTANTIATE_TEST_SUITE_P(Schemas, PolylineBody,
                         testing::Values(BodyCase{"Schema2KeepsInvisible", 2, true, 0, 0, 350},
                                         BodyCase{"Schema1MakesInvisibleSolid", 1, true, 0, 1, 350},
                                         BodyCase{"Schema0HasNoScale", 0, false, 9, 9, 1000}),
                         testing::PrintToStringParamName());

// ---- Drawing

TEST(CRukPolylineTest, TwoCoincidentVerticesDrawNothingOnScreenButDoInPrint) {
    CRukPolyline polyline = MakePolyline({{5, 5}, {5, 5}});
    const CDrawDefaults settings;
    CRecordingDC dc;
    polyline.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_TRUE(dc.Calls().empty());
    polyline.TraceB(&dc, 1, 0.01, &settings);
    EXPECT_EQ(dc.Calls(), (Calls{"Polyline(5,5 5,5)"}));
}

TEST(CRukPolylineTest, WideLineOutsideNTIsAStrokedPathWithMitredJoins) {
    CRukPolyline polyline = MakePolyline({{0, 0}, {10, 0}, {10, 10}});
    polyline.m_lineType = CRukLine::kWideLineType;
    polyline.m_color = 0x0000FF;
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bWindowsNT = 0;
    CRecordingDC dc;
    polyline.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_EQ(dc.Calls(),
              (Calls{"SelectObject(pen PS_GEOMETRIC|PS_SOLID|PS_ENDCAP_SQUARE|PS_JOIN_MITER 0 "
                     "0x0000FF)",
                     "BeginPath()", "Polyline(0,0 10,0 10,10)", "EndPath()", "StrokePath()",
                     "SelectObject(BLACK_PEN)"}));
}

TEST(CRukPolylineTest, FineDotsTakeTheDashedPenOnNT) {
    CRukPolyline polyline = MakePolyline({{0, 0}, {1100, 0}});
    polyline.m_lineType = 5;
    polyline.m_lineTypeScale = 301;
    polyline.m_color = 0x0000FF;
    FakeDocument document;
    const CDrawDefaults settings;
    CRecordingDC dc;
    polyline.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_EQ(dc.Calls(),
              (Calls{"SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 0 "
                     "0x0000FF {30,993})",
                     "Polyline(0,0 1100,0)", "SelectObject(BLACK_PEN)"}));
}

TEST(CRukPolylineTest, DashesRunOnAcrossVertices) {
    CRukPolyline polyline = MakePolyline({{0, 0}, {1000, 0}, {1000, 100}});
    polyline.m_lineType = 5;
    polyline.m_lineTypeScale = 301;
    FakeDocument document;
    const CDrawDefaults settings;
    CRecordingDC dc;
    polyline.LineTypeA(&document, &dc, 0, 0, 1.0, 1.0, &settings, kClip);
    // A dash of 30 and a gap of 993: the second dash starts 23 past the corner.
    EXPECT_EQ(dc.Calls(),
              (Calls{"MoveTo(0,0)", "LineTo(30,0)", "MoveTo(1000,23)", "LineTo(1000,53)"}));
}

// ---- Hit tests and editing

TEST(CRukPolylineTest, HitAlongAnyEdgeAndCoincidentVerticesAreSkipped) {
    FakeDocument document;
    CRecordingDC dc;
    CRukPolyline polyline = MakePolyline({{0, 0}, {0, 0}, {1000, 0}, {1000, 1000}});
    EXPECT_EQ(polyline.HitTest(&dc, &document, 500, 3), 1);
    EXPECT_EQ(polyline.HitTest(&dc, &document, 1002, 700), 1);
    // The open chain has no closing edge.
    EXPECT_EQ(polyline.HitTest(&dc, &document, 500, 500), 0);
}

TEST(CRukPolylineTest, GripIndexIsTheFirstVertexHit) {
    FakeDocument document;
    CRecordingDC dc;
    CRukPolyline polyline = MakePolyline({{0, 0}, {100, 0}, {100, 0}});
    int grip = -1;
    EXPECT_EQ(polyline.HitGrip(&dc, &document, 101, 1, &grip), 1);
    EXPECT_EQ(grip, 1);
    EXPECT_EQ(polyline.HitGrip(&dc, &document, 50, 0, &grip), 0);
}

TEST(CRukPolylineTest, VertexEditsOutsideTheListChangeNothing) {
    CRukPolyline polyline = MakePolyline({{0, 0}, {10, 10}});
    EXPECT_EQ(polyline.SetPoint(5, 5, 2), 0);
    polyline.MoveVertex(5, 5, 2, 0, 0, 0);
    polyline.MoveVertex(5, 5, -1, 0, 0, 0);
    EXPECT_EQ(VerticesOf(polyline), (Points{{0, 0}, {10, 10}}));

    EXPECT_EQ(polyline.SetPoint(-4, 20, 0), 1);
    polyline.MoveVertex(1, -1, 1, 0, 0, 0);
    EXPECT_EQ(VerticesOf(polyline), (Points{{-4, 20}, {11, 9}}));
    EXPECT_EQ(
        (std::vector<int>{polyline.m_minX, polyline.m_minY, polyline.m_maxX, polyline.m_maxY}),
        (std::vector<int>{-4, 9, 11, 20}));
}

TEST(CRukPolylineTest, ScaleAboutMovesTheVertices) {
    CRukPolyline polyline = MakePolyline({{-5, 5}, {15, -15}});
    polyline.ScaleAbout(10, -10, 0.5, 0.3);
    EXPECT_EQ(VerticesOf(polyline), (Points{{3, -6}, {12, -11}}));
    EXPECT_EQ(polyline.m_maxX, 12);
}

} // namespace
