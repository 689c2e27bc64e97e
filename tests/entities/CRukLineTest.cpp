// The line: creation from its POR record, its archive body, the printing
// chain, the pen choice, hit tests and editing.
#include "entities/CRukLine.h"

#include "entities/EntityKinds.h"
#include "platform/gdi/CMetaFileDC.h"
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

constexpr RECT kClip{0, 0, 1000, 1000};

PorRecordBuilder LineRecord(PorPen pen) {
    PorRecordBuilder record(PorLine::Type);
    record.Set(PorLine::Start, POINT{-10, 20});
    record.Set(PorLine::End, POINT{30, -40});
    record.Set(PorLine::Pen, pen);
    record.Set(PorLine::Id, "1A");
    record.Set(PorLine::Layer, "WALL");
    return record;
}

int Create(CRukLine& line, const PorRecordBuilder& record, int defaultWidth = 25) {
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return line.CreateFromRecord(&*framed, nullptr, defaultWidth);
}

TEST(CRukLineTest, DefaultsAreASolidWhiteLineOnLayerZero) {
    const CRukLine line;
    EXPECT_EQ(line.GetKind(), kKindLine);
    EXPECT_EQ(line.m_layerName, "0");
    EXPECT_EQ(line.m_sourceLayer, "0");
    EXPECT_EQ(line.m_lineType, 1);
    EXPECT_EQ(line.m_lineTypeScale, 1000);
    EXPECT_EQ(line.m_lineWidth, 0);
    EXPECT_EQ(line.m_color, 0xFFFFFFu);
    EXPECT_EQ(line.m_savedColor, 0xFFFFFFu);
}

TEST(CRukLineTest, RecordFieldsFillTheLine) {
    CRukLine line;
    ASSERT_EQ(Create(line, LineRecord(PorPen{5, 2500, 35, 0x0000FF})), 1);
    EXPECT_EQ(line.m_id, "1A");
    EXPECT_EQ(line.m_x1, -10);
    EXPECT_EQ(line.m_y1, 20);
    EXPECT_EQ(line.m_x2, 30);
    EXPECT_EQ(line.m_y2, -40);
    EXPECT_EQ(line.m_lineType, 5);
    EXPECT_EQ(line.m_lineTypeScale, 2500);
    EXPECT_EQ(line.m_lineWidth, 35);
    EXPECT_EQ(line.m_color, 0x0000FFu);
    EXPECT_EQ(line.m_savedColor, 0x0000FFu);
    EXPECT_EQ(line.m_layerName, "WALL");
    EXPECT_EQ(line.m_sourceLayer, "WALL");
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    line.GetExtents(&minX, &minY, &maxX, &maxY);
    EXPECT_EQ((std::vector<int>{minX, minY, maxX, maxY}), (std::vector<int>{-10, -40, 30, 20}));
}

TEST(CRukLineTest, ByBlockColourIsWhiteAndNegativeWidthTakesTheDefault) {
    CRukLine line;
    ASSERT_EQ(Create(line, LineRecord(PorPen{1, 1000, -1, PorByBlockColor}), 18), 1);
    EXPECT_EQ(line.m_color, 0xFFFFFFu);
    EXPECT_EQ(line.m_savedColor, 0xFFFFFFu);
    EXPECT_EQ(line.m_lineWidth, 18);
}

TEST(CRukLineTest, EmptyIdPairGivesAnEmptyId) {
    PorRecordBuilder record(PorLine::Type);
    record.Set(PorLine::Pen, PorPen{1, 1000, 0, 0});
    CRukLine line;
    line.m_id = "old";
    ASSERT_EQ(Create(line, record), 1);
    EXPECT_EQ(line.m_id, "");
    EXPECT_EQ(line.m_layerName, "");
}

TEST(CRukLineTest, ForeignOrShortRecordsAreRefusedAndChangeNothing) {
    CRukLine line;
    line.m_color = 0x123456;
    EXPECT_EQ(line.CreateFromRecord(nullptr, nullptr, 25), 0);

    PorRecordBuilder polyline(PorPolyline::Type);
    EXPECT_EQ(Create(line, polyline), 0);

    // A line record that ends inside its pen block.
    const PorRecordBuilder full = LineRecord(PorPen{1, 1000, 0, 0});
    std::vector<BYTE> bytes(full.Bytes().begin(), full.Bytes().begin() + 40);
    bytes[4] = 40;
    const auto shortRecord = PorRecord::Frame(bytes);
    ASSERT_TRUE(shortRecord.has_value());
    EXPECT_EQ(line.CreateFromRecord(&*shortRecord, nullptr, 25), 0);

    EXPECT_EQ(line.m_color, 0x123456u);
    EXPECT_EQ(line.m_x1, 0);
}

// ---- Archive body

Bytes LineBodyBytes(bool withScale, std::uint16_t lineType) {
    Bytes body;
    body.Long(-10).Long(20).Long(30).Long(-40).Text("WALL").Word(lineType);
    if (withScale)
        body.Long(2500);
    body.Word(35).Long(0x0000FF).Byte(2).Text("tag");
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

class LineBody : public testing::TestWithParam<BodyCase> {};

TEST_P(LineBody, LoadsEverySchemaAndStoresSchemaTwo) {
    const BodyCase& c = GetParam();
    CRukLine line;
    LoadBody(line, LineBodyBytes(c.withScale, c.storedLineType).Get(), c.schema);
    EXPECT_EQ(line.m_x1, -10);
    EXPECT_EQ(line.m_y2, -40);
    EXPECT_EQ(line.m_layerName, "WALL");
    EXPECT_EQ(line.m_lineType, c.lineType);
    EXPECT_EQ(line.m_lineTypeScale, c.lineTypeScale);
    EXPECT_EQ(line.m_lineWidth, 35);
    EXPECT_EQ(line.m_color, 0x0000FFu);
    EXPECT_EQ(line.m_savedColor, 0x0000FFu);
    EXPECT_EQ(line.m_childFlag, 2);
    EXPECT_EQ(line.m_tag, "tag");
    EXPECT_EQ(line.m_maxX, 30);
    EXPECT_EQ(line.m_minY, -40);

    Bytes stored;
    stored.Long(-10).Long(20).Long(30).Long(-40).Text("WALL").Word(
        static_cast<std::uint16_t>(c.lineType));
    stored.Long(c.lineTypeScale).Word(35).Long(0x0000FF).Byte(2).Text("tag");
    EXPECT_EQ(StoreBody(line), stored.Get());
}

INSTANTIATE_TEST_SUITE_P(
    Schemas, LineBody,
    testing::Values(BodyCase{"Schema2", 2, true, 7, 7, 2500},
                    BodyCase{"Schema2KeepsInvisible", 2, true, 0, 0, 2500},
                    BodyCase{"Schema1MakesInvisibleSolid", 1, true, 0, 1, 2500},
                    BodyCase{"Schema0HasNoScale", 0, false, 7, 7, 1000},
                    BodyCase{"Schema0MakesInvisibleSolid", 0, false, 0, 1, 1000}),
    testing::PrintToStringParamName());

TEST(CRukLineTest, StoringWritesTheSavedColourAndLowHalves) {
    CRukLine line;
    line.m_savedColor = 0x00FF00;
    line.SetColor(0x0000FF);
    line.m_lineType = 1001;
    line.m_lineWidth = 0x12345;
    const std::vector<BYTE> bytes = StoreBody(line);
    Bytes expected;
    expected.Long(0).Long(0).Long(0).Long(0).Text("0").Word(1001).Long(1000).Word(0x2345).Long(
        0x00FF00);
    expected.Byte(0).Text("");
    EXPECT_EQ(bytes, expected.Get());
}

TEST(CRukLineTest, ClassRecordCarriesSchemaTwoAndOlderSchemasLoadThroughIt) {
    CRukLine line;
    line.m_lineType = 0;
    Bytes body;
    body.Long(0).Long(0).Long(0).Long(0).Text("0").Word(0).Long(1000).Word(0).Long(0xFFFFFF);
    body.Byte(0).Text("");
    EXPECT_EQ(StoreObject(line), ClassRecord(2, "CRukLine").Append(body.Get()).Get());

    const std::unique_ptr<CObject> loaded(
        LoadObject(ClassRecord(0, "CRukLine").Append(LineBodyBytes(false, 0).Get()).Get()));
    const auto* old = dynamic_cast<const CRukLine*>(loaded.get());
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->m_lineType, 1);
    EXPECT_EQ(old->m_lineTypeScale, 1000);
    EXPECT_EQ(old->m_tag, "tag");
}

// ---- Drawing

CRukLine MakeLine(int x1, int y1, int x2, int y2) {
    CRukLine line;
    line.SetPoint(x1, y1, 0);
    line.SetPoint(x2, y2, 1);
    return line;
}

struct ChainCase {
    const char* name;
    int x1;
    int x2;
    bool printing;
    Calls expected;
};

std::ostream& operator<<(std::ostream& out, const ChainCase& c) {
    return out << c.name;
}

class PrintChain : public testing::TestWithParam<ChainCase> {};

TEST_P(PrintChain, LongHorizontalLinesGoOutInPiecesWhenPrinting) {
    const ChainCase& c = GetParam();
    CRukLine line = MakeLine(c.x1, 7, c.x2, 7);
    const CDrawDefaults settings;
    CRecordingDC dc;
    dc.m_bPrinting = c.printing;
    line.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_EQ(dc.Calls(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintChain,
    testing::Values(
        ChainCase{"Forward",
                  0,
                  12000,
                  true,
                  {"MoveTo(0,7)", "LineTo(5000,7)", "LineTo(10000,7)", "LineTo(12000,7)"}},
        ChainCase{"Backward",
                  12000,
                  0,
                  true,
                  {"MoveTo(12000,7)", "LineTo(7000,7)", "LineTo(2000,7)", "LineTo(0,7)"}},
        ChainCase{"ExactlyOnePiece", 0, 5000, true, {"MoveTo(0,7)", "LineTo(5000,7)"}},
        ChainCase{
            "TwoExactPieces", 0, 10000, true, {"MoveTo(0,7)", "LineTo(5000,7)", "LineTo(10000,7)"}},
        ChainCase{"ScreenIsOneStroke", 0, 12000, false, {"MoveTo(0,7)", "LineTo(12000,7)"}}),
    testing::PrintToStringParamName());

TEST(CRukLineTest, SlopedLinesAreNeverCut) {
    CRukLine line = MakeLine(0, 0, 12000, 1);
    const CDrawDefaults settings;
    CRecordingDC dc;
    dc.m_bPrinting = TRUE;
    line.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_EQ(dc.Calls(), (Calls{"MoveTo(0,0)", "LineTo(12000,1)"}));
}

TEST(CRukLineTest, PrinterUnitsAreCutOnEveryDevice) {
    // Divisor 1 at scale 0.01 maps drawing units to printer units one to one.
    CRukLine line = MakeLine(6000, 3, 0, 3);
    const CDrawDefaults settings;
    CRecordingDC dc;
    line.TraceB(&dc, 1, 0.01, &settings);
    EXPECT_EQ(dc.Calls(), (Calls{"MoveTo(6000,3)", "LineTo(1000,3)", "LineTo(0,3)"}));
}

TEST(CRukLineTest, MetafilesTakeYNegated) {
    CRukLine line = MakeLine(1, 2, 3, 4);
    const CDrawDefaults settings;
    CMetaFileDC dc;
    line.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_EQ(dc.Calls(), (Calls{"MoveTo(1,-2)", "LineTo(3,-4)"}));
}

struct PenCase {
    const char* name;
    int lineType;
    int windowsNT;
    int outlineInvisible;
    Calls expected;
};

std::ostream& operator<<(std::ostream& out, const PenCase& c) {
    return out << c.name;
}

class LinePen : public testing::TestWithParam<PenCase> {};

TEST_P(LinePen, FollowsTheLineTypeAndPlatform) {
    const PenCase& c = GetParam();
    CRukLine line = MakeLine(0, 0, 10, 0);
    line.m_lineType = c.lineType;
    line.m_color = 0x0000FF;
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bWindowsNT = c.windowsNT;
    settings.m_outlineInvisibleLines = c.outlineInvisible;
    CRecordingDC dc;
    line.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_EQ(dc.Calls(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinePen,
    testing::Values(
        PenCase{"Solid",
                1,
                1,
                0,
                {"SelectObject(pen PS_SOLID 0 0x0000FF)", "MoveTo(0,0)", "LineTo(10,0)",
                 "SelectObject(BLACK_PEN)"}},
        PenCase{"InvisibleHasANullPen",
                0,
                1,
                0,
                {"SelectObject(pen PS_NULL 0 0x0000FF)", "MoveTo(0,0)", "LineTo(10,0)",
                 "SelectObject(BLACK_PEN)"}},
        PenCase{"InvisibleOutlined",
                0,
                0,
                1,
                {"SelectObject(pen PS_SOLID 0 0x0000FF)", "MoveTo(0,0)", "LineTo(10,0)",
                 "SelectObject(BLACK_PEN)"}},
        PenCase{"WideLineOnNT",
                100,
                1,
                0,
                {"SelectObject(pen PS_GEOMETRIC|PS_SOLID|PS_ENDCAP_SQUARE|PS_JOIN_ROUND 0 "
                 "0x0000FF)",
                 "MoveTo(0,0)", "LineTo(10,0)", "SelectObject(BLACK_PEN)"}},
        PenCase{"WideLineElsewhereIsAPath",
                100,
                0,
                0,
                {"SelectObject(pen PS_GEOMETRIC|PS_SOLID|PS_ENDCAP_SQUARE|PS_JOIN_ROUND 0 "
                 "0x0000FF)",
                 "BeginPath()", "MoveTo(0,0)", "LineTo(10,0)", "EndPath()", "StrokePath()",
                 "SelectObject(BLACK_PEN)"}}),
    testing::PrintToStringParamName());

TEST(CRukLineTest, FineDotsAreEmulatedUnderASolidPen) {
    CRukLine line = MakeLine(0, 0, 1100, 0);
    line.m_lineType = 5;
    line.m_lineTypeScale = 301;
    line.m_color = 0x0000FF;
    FakeDocument document;
    const CDrawDefaults settings;
    CRecordingDC dc;
    line.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_EQ(dc.Calls(),
              (Calls{"SelectObject(pen PS_SOLID 0 0x0000FF)", "MoveTo(0,0)", "LineTo(30,0)",
                     "MoveTo(1023,0)", "LineTo(1053,0)", "SelectObject(BLACK_PEN)"}));
    EXPECT_EQ(line.m_dashPoints.GetSize(), 0);
}

TEST(CRukLineTest, DrawBlackContrastsWithTheBackground) {
    CRukLine line = MakeLine(0, 0, 10, 0);
    line.m_color = 0x00FF00;
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bkColor = 0x000000;
    CRecordingDC dc;
    line.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, TRUE, kClip);
    ASSERT_FALSE(dc.Calls().empty());
    EXPECT_EQ(dc.Calls().front(), "SelectObject(pen PS_SOLID 0 0xFFFFFF)");
}

TEST(CRukLineTest, MetafilesGetEmulatedDashesFromDrawAButDashedPensFromDrawStyled) {
    CRukLine line = MakeLine(0, 0, 1100, 10);
    line.m_lineType = 5;
    line.m_lineTypeScale = 301;
    line.m_color = 0xFFFFFF;
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bkColor = 0x000000;

    CMetaFileDC drawn;
    line.DrawA(&document, &drawn, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_EQ(drawn.Calls(),
              (Calls{"SelectObject(pen PS_SOLID 0 0xFFFFFF)", "MoveTo(0,0)", "LineTo(30,0)",
                     "MoveTo(1023,-9)", "LineTo(1053,-10)", "SelectObject(BLACK_PEN)"}));

    // Styled output draws white as black and trusts the dashed pen.
    CMetaFileDC styled;
    line.DrawStyled(&document, &styled, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_EQ(styled.Calls(),
              (Calls{"SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 0 "
                     "0x000000 {30,993})",
                     "MoveTo(0,0)", "LineTo(1100,-10)", "SelectObject(BLACK_PEN)"}));
}

TEST(CRukLineTest, DrawMovedShiftsInTheDocumentsViewAndGripsBoxTheEnds) {
    CRukLine line = MakeLine(0, 0, 20000, 0);
    FakeDocument document;
    document.m_originX = 100;
    document.m_viewScale = 0.5;
    const CDrawDefaults settings;
    CRecordingDC dc;
    dc.m_bPrinting = TRUE;
    line.DrawMoved(&document, &dc, 300, 40, &settings);
    EXPECT_EQ(dc.Calls(), (Calls{"MoveTo(100,20)", "LineTo(10100,20)"}));

    dc.ClearCalls();
    line.DrawGrips(&dc, 0, 0, 0.001, &settings);
    EXPECT_EQ(dc.Calls(),
              (Calls{"SelectObject(pen PS_SOLID 1 0x0000FF)", "SelectStockObject(NULL_BRUSH)",
                     "SetBkMode(TRANSPARENT)", "Rectangle(-5,-5,5,5)", "Rectangle(15,-5,25,5)",
                     "SetBkMode(OPAQUE)", "SelectObject(WHITE_BRUSH)", "SelectObject(BLACK_PEN)"}));
}

// ---- Hit tests and editing

TEST(CRukLineTest, HitBandAroundTheSegment) {
    FakeDocument document;
    CRecordingDC dc;
    CRukLine line = MakeLine(0, 0, 1000, 0);
    EXPECT_EQ(line.HitTest(&dc, &document, 500, 5), 1);
    EXPECT_EQ(line.HitTest(&dc, &document, 500, 200), 0);
}

TEST(CRukLineTest, ZeroLengthLineIsNeverHit) {
    FakeDocument document;
    CRecordingDC dc;
    CRukLine line = MakeLine(100, 100, 100, 100);
    EXPECT_EQ(line.HitTest(&dc, &document, 100, 100), 0);
    // Different drawing points that map onto one view point count as one.
    document.m_viewScale = 0.001;
    CRukLine tiny = MakeLine(0, 0, 100, 0);
    EXPECT_EQ(tiny.HitTest(&dc, &document, 0, 0), 0);
}

TEST(CRukLineTest, GripsAreFoundFirstPointFirst) {
    FakeDocument document;
    CRecordingDC dc;
    CRukLine line = MakeLine(0, 0, 1000, 0);
    int grip = -1;
    EXPECT_EQ(line.HitGrip(&dc, &document, 1002, 1, &grip), 1);
    EXPECT_EQ(grip, 1);
    EXPECT_EQ(line.HitGrip(&dc, &document, 1, -2, &grip), 1);
    EXPECT_EQ(grip, 0);
    grip = -1;
    EXPECT_EQ(line.HitGrip(&dc, &document, 500, 0, &grip), 0);
    EXPECT_EQ(grip, -1);
}

TEST(CRukLineTest, SetPointTakesOnlyTheTwoEnds) {
    CRukLine line = MakeLine(1, 2, 3, 4);
    EXPECT_EQ(line.SetPoint(9, 9, 2), 0);
    EXPECT_EQ(line.SetPoint(9, 9, -1), 0);
    EXPECT_EQ((std::vector<int>{line.m_x1, line.m_y1, line.m_x2, line.m_y2}),
              (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(line.SetPoint(-5, 8, 1), 1);
    EXPECT_EQ(line.m_minX, -5);
    EXPECT_EQ(line.m_maxY, 8);
}

TEST(CRukLineTest, MoveVertexMovesTheSecondPointForAnyIndexButZero) {
    CRukLine line = MakeLine(0, 0, 10, 10);
    line.MoveVertex(5, -5, 7, 0, 0, 0);
    line.MoveVertex(1, 1, 0, 0, 0, 0);
    EXPECT_EQ((std::vector<int>{line.m_x1, line.m_y1, line.m_x2, line.m_y2}),
              (std::vector<int>{1, 1, 15, 5}));
    EXPECT_EQ(line.m_maxX, 15);
}

TEST(CRukLineTest, ScaleAboutTruncatesTowardTheCentre) {
    CRukLine line = MakeLine(-5, 5, 15, -15);
    line.ScaleAbout(10, -10, 0.5, 0.3);
    // -5: 10 + trunc(-7.5); 15: 10 + trunc(2.5); 5: -10 + trunc(4.5); -15: -10 + trunc(-1.5).
    EXPECT_EQ((std::vector<int>{line.m_x1, line.m_y1, line.m_x2, line.m_y2}),
              (std::vector<int>{3, -6, 12, -11}));
    EXPECT_EQ(line.m_minX, 3);
}

} // namespace
