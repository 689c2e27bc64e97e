// The polygon: creation from its POR record, its archive bodies, the fill
// passes, the closed geometry, hit tests and vertex editing.
#include "entities/CRukPolygon.h"

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

CRukPolygon MakePolygon(const Points& points) {
    CRukPolygon polygon;
    for (const POINT& point : points)
        polygon.AppendPoint(point.x, point.y);
    polygon.RecalcExtents();
    return polygon;
}

int Create(CRukPolygon& polygon, const PorRecordBuilder& record, int defaultWidth = 25) {
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return polygon.CreateFromRecord(&*framed, nullptr, defaultWidth);
}

PorRecordBuilder PolygonRecord(const Points& points) {
    PorRecordBuilder record(PorPolygon::Type);
    record.Set(PorPolygon::Pen, PorPen{2, 500, 70, 0x0000FF});
    record.Set(PorPolygon::Fill, PorFill{3, PorByBlockColor});
    record.Set(PorPolygon::SecondFillColor, 0x00FF00);
    record.Set(PorPolygon::Transparent, 0);
    record.Set(PorPolygon::Points, points);
    record.Set(PorPolygon::Id, "3C");
    record.Set(PorPolygon::Layer, "ROOM");
    return record;
}

TEST(CRukPolygonTest, DefaultsAreAnUnfilledTransparentOutline) {
    const CRukPolygon polygon;
    EXPECT_EQ(polygon.GetKind(), kKindPolygon);
    EXPECT_EQ(polygon.m_fillType, 0);
    EXPECT_EQ(polygon.m_fillColor, 0xFFFFFFu);
    EXPECT_EQ(polygon.m_transparent, 1);
    EXPECT_EQ(polygon.m_thirdColor, 0xFFFFFFu);
    EXPECT_EQ(polygon.m_lineType, 1);
}

TEST(CRukPolygonTest, RecordFieldsAndPointsFillThePolygon) {
    const Points points{{0, 0}, {100, 0}, {100, 80}};
    CRukPolygon polygon;
    ASSERT_EQ(Create(polygon, PolygonRecord(points)), 1);
    EXPECT_EQ(polygon.m_id, "3C");
    EXPECT_EQ(polygon.m_lineType, 2);
    EXPECT_EQ(polygon.m_lineTypeScale, 500);
    EXPECT_EQ(polygon.m_lineWidth, 70);
    EXPECT_EQ(polygon.m_color, 0x0000FFu);
    EXPECT_EQ(polygon.m_savedColor, 0x0000FFu);
    EXPECT_EQ(polygon.m_fillType, 3);
    EXPECT_EQ(polygon.m_fillColor, 0xFFFFFFu);
    EXPECT_EQ(polygon.m_savedFillColor, 0xFFFFFFu);
    EXPECT_EQ(polygon.m_transparent, 0);
    EXPECT_EQ(polygon.m_layerName, "ROOM");
    EXPECT_EQ(polygon.m_sourceLayer, "ROOM");
    EXPECT_EQ(VerticesOf(polygon), points);
    EXPECT_EQ(polygon.m_maxY, 80);
}

TEST(CRukPolygonTest, NegativeWidthTakesTheDefault) {
    PorRecordBuilder record = PolygonRecord({{0, 0}, {1, 1}});
    record.Set(PorPolygon::Pen, PorPen{1, 1000, -5, 0});
    CRukPolygon polygon;
    ASSERT_EQ(Create(polygon, record, 13), 1);
    EXPECT_EQ(polygon.m_lineWidth, 13);
}

TEST(CRukPolygonTest, CountBeyondTheRecordOrForeignTypeIsRefused) {
    PorRecordBuilder record = PolygonRecord({{0, 0}, {100, 0}, {100, 80}});
    // Room for the three points and the strings after them, not for ten.
    record.SetLong(PorPolygon::Points.word, 10);
    CRukPolygon polygon;
    EXPECT_EQ(Create(polygon, record), 0);
    PorRecordBuilder polyline(PorPolyline::Type);
    EXPECT_EQ(Create(polygon, polyline), 0);
    EXPECT_EQ(polygon.m_points.GetSize(), 0);
    EXPECT_EQ(polygon.m_fillType, 0);
    EXPECT_EQ(polygon.m_id, "");
}

// ---- Archive bodies

struct BodyCase {
    const char* name;
    UINT schema;
    std::uint16_t storedLineType;
    std::uint16_t storedFillType;
    std::uint8_t storedTransparent;
    int lineType;
    int lineTypeScale;
    int fillType;
    COLORREF fillColor;
    COLORREF thirdColor;
    int transparent;
};

std::ostream& operator<<(std::ostream& out, const BodyCase& c) {
    return out << c.name;
}

Bytes PolygonBodyBytes(const BodyCase& c) {
    Bytes body;
    body.Word(3).Long(0).Long(0).Long(50).Long(0).Long(50).Long(40).Text("ROOM");
    body.Word(c.storedLineType);
    if (c.schema >= 1)
        body.Long(350);
    body.Word(25).Long(0x0000FF);
    if (c.schema >= 2)
        body.Word(c.storedFillType).Long(0x00FF00);
    if (c.schema >= 3)
        body.Long(0xFF0000).Byte(c.storedTransparent);
    body.Byte(2).Text("t");
    return body;
}

class PolygonBody : public testing::TestWithParam<BodyCase> {};

TEST_P(PolygonBody, LoadsEverySchemaAndStoresSchemaThree) {
    const BodyCase& c = GetParam();
    CRukPolygon polygon;
    LoadBody(polygon, PolygonBodyBytes(c).Get(), c.schema);
    EXPECT_EQ(VerticesOf(polygon), (Points{{0, 0}, {50, 0}, {50, 40}}));
    EXPECT_EQ(polygon.m_layerName, "ROOM");
    EXPECT_EQ(polygon.m_lineType, c.lineType);
    EXPECT_EQ(polygon.m_lineTypeScale, c.lineTypeScale);
    EXPECT_EQ(polygon.m_lineWidth, 25);
    EXPECT_EQ(polygon.m_savedColor, 0x0000FFu);
    EXPECT_EQ(polygon.m_fillType, c.fillType);
    EXPECT_EQ(polygon.m_fillColor, c.fillColor);
    EXPECT_EQ(polygon.m_savedFillColor, c.fillColor);
    EXPECT_EQ(polygon.m_thirdColor, c.thirdColor);
    EXPECT_EQ(polygon.m_transparent, c.transparent);
    EXPECT_EQ(polygon.m_childFlag, 2);
    EXPECT_EQ(polygon.m_tag, "t");
    EXPECT_EQ(polygon.m_maxX, 50);

    BodyCase current = c;
    current.schema = 3;
    current.storedLineType = static_cast<std::uint16_t>(c.lineType);
    current.storedFillType = static_cast<std::uint16_t>(c.fillType);
    current.storedTransparent = static_cast<std::uint8_t>(c.transparent);
    Bytes stored = PolygonBodyBytes(current);
    if (c.schema < 3) {
        // Fields an older body did not have are stored with their values.
        stored = Bytes();
        stored.Word(3).Long(0).Long(0).Long(50).Long(0).Long(50).Long(40).Text("ROOM");
        stored.Word(static_cast<std::uint16_t>(c.lineType)).Long(c.lineTypeScale).Word(25);
        stored.Long(0x0000FF).Word(static_cast<std::uint16_t>(c.fillType)).Long(c.fillColor);
        stored.Long(c.thirdColor).Byte(static_cast<std::uint8_t>(c.transparent));
        stored.Byte(2).Text("t");
    }
    EXPECT_EQ(StoreBody(polygon), stored.Get());
}

INSTANTIATE_TEST_SUITE_P(
    Schemas, PolygonBody,
    testing::Values(
        BodyCase{"Schema3HatchKeepsItsFlag", 3, 0, 5, 0, 0, 350, 5, 0x00FF00, 0xFF0000, 0},
        BodyCase{"Schema3UnfilledIsTransparent", 3, 1, 0, 0, 1, 350, 0, 0x00FF00, 0xFF0000, 1},
        BodyCase{"Schema3SolidIsOpaque", 3, 1, 3, 1, 1, 350, 3, 0x00FF00, 0xFF0000, 0},
        BodyCase{"Schema3SpecialIsOpaque", 3, 1, 99, 1, 1, 350, 99, 0x00FF00, 0xFF0000, 0},
        BodyCase{"Schema2SolidIsOpaque", 2, 0, 3, 0, 0, 350, 3, 0x00FF00, 0xFFFFFF, 0},
        BodyCase{"Schema2UnfilledIsTransparent", 2, 1, 0, 0, 1, 350, 0, 0x00FF00, 0xFFFFFF, 1},
        BodyCase{"Schema1IsUnfilled", 1, 0, 0, 0, 1, 350, 0, 0xFFFFFF, 0xFFFFFF, 1},
        BodyCase{"Schema0HasNoScale", 0, 0, 0, 0, 1, 1000, 0, 0xFFFFFF, 0xFFFFFF, 1}),
    testing::PrintToStringParamName());

TEST(CRukPolygonTest, VertexCountOf65535TakesTheLongCount) {
    CRukPolygon polygon;
    for (int i = 0; i < 0xFFFF; ++i)
        polygon.AppendPoint(i, -i);
    const std::vector<BYTE> bytes = StoreBody(polygon);
    ASSERT_GE(bytes.size(), 14u);
    EXPECT_EQ((std::vector<BYTE>(bytes.begin(), bytes.begin() + 6)),
              (std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
    // The last vertex: (65534, -65534).
    EXPECT_EQ((std::vector<BYTE>(bytes.begin() + 6 + 8 * 0xFFFE, bytes.begin() + 6 + 8 * 0xFFFF)),
              (std::vector<BYTE>{0xFE, 0xFF, 0x00, 0x00, 0x02, 0x00, 0xFF, 0xFF}));

    CRukPolygon back;
    LoadBody(back, bytes, 3);
    ASSERT_EQ(back.m_points.GetSize(), 0xFFFF);
    EXPECT_EQ(back.m_minY, -0xFFFE);
    EXPECT_EQ(StoreBody(back), bytes);
}

// ---- Drawing

TEST(CRukPolygonTest, FourCoincidentVerticesDrawNothingOnScreen) {
    CRukPolygon polygon = MakePolygon({{5, 5}, {5, 5}, {5, 5}, {5, 5}});
    const CDrawDefaults settings;
    CRecordingDC dc;
    polygon.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_TRUE(dc.Calls().empty());
    polygon.TraceB(&dc, 1, 0.01, &settings);
    EXPECT_EQ(dc.Calls(), (Calls{"Polygon(5,5 5,5 5,5 5,5)"}));
}

TEST(CRukPolygonTest, DashesRunRoundTheClosingEdge) {
    CRukPolygon polygon = MakePolygon({{0, 0}, {600, 0}, {600, 600}, {0, 600}});
    polygon.m_lineType = 5;
    polygon.m_lineTypeScale = 301;
    FakeDocument document;
    const CDrawDefaults settings;
    CRecordingDC dc;
    polygon.LineTypeA(&document, &dc, 0, 0, 1.0, 1.0, &settings, kClip);
    // Dash 30, gap 993 over a perimeter of 2400: dashes at 0, 1023 and 2046,
    // the last one on the closing edge from (0,600) down to (0,0).
    EXPECT_EQ(dc.Calls(), (Calls{"MoveTo(0,0)", "LineTo(30,0)", "MoveTo(600,423)",
                                 "LineTo(600,453)", "MoveTo(0,354)", "LineTo(0,324)"}));
}

struct FillCase {
    const char* name;
    int fillType;
    int transparent;
    int lineType;
    int windowsNT;
    Calls expected;
};

std::ostream& operator<<(std::ostream& out, const FillCase& c) {
    return out << c.name;
}

class FillPasses : public testing::TestWithParam<FillCase> {};

TEST_P(FillPasses, RecordTheirCalls) {
    const FillCase& c = GetParam();
    CRukPolygon polygon = MakePolygon({{0, 0}, {10, 0}, {10, 10}});
    polygon.m_color = 0x0000FF;
    polygon.m_fillColor = 0x00FF00;
    polygon.m_thirdColor = 0xFF0000;
    polygon.m_fillType = c.fillType;
    polygon.m_transparent = c.transparent;
    polygon.m_lineType = c.lineType;
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    settings.m_bWindowsNT = c.windowsNT;
    CRecordingDC dc;
    polygon.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_EQ(dc.Calls(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillPasses,
    testing::Values(
        FillCase{"TranslucentMasksThenOutlinesAgain",
                 1,
                 1,
                 1,
                 0,
                 {"SetTextColor(0xFF0000)", "SelectObject(brush BS_SOLID 0x00FF00)",
                  "SetBkMode(TRANSPARENT)", "SetROP2(R2_MASKPEN)",
                  "SelectObject(pen PS_SOLID 0 0x0000FF)", "Polygon(0,0 10,0 10,10)",
                  "SetROP2(R2_COPYPEN)", "SelectStockObject(NULL_BRUSH)", "Polygon(0,0 10,0 10,10)",
                  "SetTextColor(0x000000)", "SetBkMode(OPAQUE)", "SetROP2(R2_COPYPEN)",
                  "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}},
        FillCase{"OpaqueHatchPaintsItsBackground",
                 4,
                 0,
                 1,
                 1,
                 {"SetTextColor(0xFF0000)", "SetBkColor(0x00FF00)",
                  "SelectObject(brush BS_HATCHED HS_BDIAGONAL 0xFF0000)", "SetBkMode(OPAQUE)",
                  "SetROP2(R2_COPYPEN)", "SelectObject(pen PS_SOLID 0 0x0000FF)",
                  "Polygon(0,0 10,0 10,10)", "SetTextColor(0x000000)", "SetBkMode(OPAQUE)",
                  "SetROP2(R2_COPYPEN)", "SetBkColor(0xFFFFFF)", "SelectObject(BLACK_PEN)",
                  "SelectObject(WHITE_BRUSH)"}},
        FillCase{"InvisibleOutlineFillsUnderANullPen",
                 3,
                 0,
                 0,
                 0,
                 {"SetTextColor(0xFF0000)", "SelectObject(brush BS_SOLID 0x00FF00)",
                  "SetBkMode(OPAQUE)", "SetROP2(R2_COPYPEN)",
                  "SelectObject(pen PS_NULL 0 0x0000FF)", "Polygon(0,0 10,0 10,10)",
                  "SelectObject(BLACK_PEN)", "SelectObject(pen PS_NULL 0 0x0000FF)",
                  "Polygon(0,0 10,0 10,10)", "SetTextColor(0x000000)", "SetBkMode(OPAQUE)",
                  "SetROP2(R2_COPYPEN)", "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}}),
    testing::PrintToStringParamName());

TEST(CRukPolygonTest, PrintingUsesTheStoredWidthAndPrinterUnits) {
    CRukPolygon polygon = MakePolygon({{0, 0}, {100, 0}, {100, 50}});
    polygon.m_color = 0xFFFFFF;
    polygon.m_fillType = 3;
    polygon.m_fillColor = 0x00FF00;
    polygon.m_transparent = 0;
    polygon.m_lineWidth = 35;
    FakeDocument document;
    const CDrawDefaults settings;
    CRecordingDC dc;
    dc.m_bPrinting = TRUE;
    polygon.DrawB(&document, &dc, 10, 0.5, 1.0, &settings, FALSE);
    // White turns black on paper; x / 10 x 0.5 x 100 gives printer units.
    EXPECT_EQ(
        dc.Calls(),
        (Calls{"SetTextColor(0x000000)", "SelectObject(brush BS_SOLID 0x00FF00)",
               "SetBkMode(OPAQUE)", "SetROP2(R2_COPYPEN)", "SelectObject(pen PS_SOLID 35 0x000000)",
               "Polygon(0,0 500,0 500,250)", "SetTextColor(0x000000)", "SetBkMode(OPAQUE)",
               "SetROP2(R2_COPYPEN)", "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}));
}

// ---- Hit tests and editing

// A five-pointed star drawn in one stroke: its centre is covered twice.
const Points kStar{{0, 1000}, {-588, -809}, {951, 309}, {-951, 309}, {588, -809}};

TEST(CRukPolygonTest, UnfilledIsHitOnlyNearItsEdgesClosingEdgeIncluded) {
    FakeDocument document;
    CRecordingDC dc;
    CRukPolygon polygon = MakePolygon({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});
    EXPECT_EQ(polygon.HitTest(&dc, &document, 500, 500), 0);
    EXPECT_EQ(polygon.HitTest(&dc, &document, 2, 500), 1);
    EXPECT_EQ(polygon.HitTest(&dc, &document, 500, 1003), 1);
}

TEST(CRukPolygonTest, FilledIsHitInsideByTheEvenOddRule) {
    FakeDocument document;
    CRecordingDC dc;
    CRukPolygon star = MakePolygon(kStar);
    star.m_fillType = 3;
    EXPECT_EQ(star.HitTest(&dc, &document, 0, 800), 1);
    EXPECT_EQ(star.HitTest(&dc, &document, 0, 0), 0);
    star.m_fillType = 0;
    EXPECT_EQ(star.HitTest(&dc, &document, 0, 800), 0);
}

TEST(CRukPolygonTest, VertexEditsOutsideTheListChangeNothing) {
    CRukPolygon polygon = MakePolygon({{0, 0}, {10, 0}, {10, 10}});
    EXPECT_EQ(polygon.SetPoint(1, 1, 3), 0);
    polygon.MoveVertex(1, 1, 3, 0, 0, 0);
    EXPECT_EQ(VerticesOf(polygon), (Points{{0, 0}, {10, 0}, {10, 10}}));
    polygon.MoveVertex(-110, 0, 2, 0, 0, 0);
    EXPECT_EQ(polygon.m_minX, -100);
    int grip = -1;
    FakeDocument document;
    CRecordingDC dc;
    EXPECT_EQ(polygon.HitGrip(&dc, &document, -99, 11, &grip), 1);
    EXPECT_EQ(grip, 2);
}

} // namespace
