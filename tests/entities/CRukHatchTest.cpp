// The hatch entity: what it builds from its record (loops, edges, fills,
// and records whose counts or edge types run wild), what it paints and
// clips, the colours of its fills, and its archive with the objects it owns.
#include "entities/CRukHatch.h"

#include "entities/CEntityFactory.h"
#include "entities/CRukHatchBoundary.h"
#include "entities/CRukHatchEdgeArc.h"
#include "entities/CRukHatchEdgeLine.h"
#include "entities/CRukHatchEdgeNurbs.h"
#include "entities/CRukHatchPattern.h"
#include "entities/CRukHatchTile.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CMemFile.h"
#include "por/PorRecord.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/DrawnImage.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/HatchTestSupport.h"
#include "tests/entities/ShapeTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace HatchTest;

int Create(CRukHatch& hatch, const PorRecordBuilder& record) {
    FakeDocument document;
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return hatch.CreateFromRecord(&*framed, &document, 25);
}

std::vector<const CRukHatchEdge*> EdgesOf(const CRukHatch& hatch, int boundary) {
    POSITION position = hatch.m_boundaries.FindIndex(boundary);
    const auto* loop = static_cast<const CRukHatchBoundary*>(hatch.m_boundaries.GetAt(position));
    std::vector<const CRukHatchEdge*> edges;
    for (POSITION p = loop->Edges().GetHeadPosition(); p;)
        edges.push_back(static_cast<const CRukHatchEdge*>(loop->Edges().GetNext(p)));
    return edges;
}

template <class T> T* FillAt(const CRukHatch& hatch, int index) {
    return dynamic_cast<T*>(hatch.m_fills.GetAt(hatch.m_fills.FindIndex(index)));
}

// Two loops (a square of three edge kinds and a triangle) and two pattern lines.
PorRecordBuilder PatternRecord() {
    const Words square = Loop(
        3, Join({LineEdge({0, 0}, {100, 0}),
                 ArcEdge(PorHatchEdge::ArcType, 1, {100, 0}, {100, 100}, CircleBox(100, 50, 50)),
                 ListEdge(PorHatchEdge::PolylineType, {{100, 100}, {0, 100}, {0, 0}})}));
    const Words triangle = Loop(2, Join({NurbsEdge(1, {{200, 0}, {300, 0}, {250, 80}},
                                                   {1000, 1000, 1000}, {0, 0, 5000, 10000, 10000}),
                                         LineEdge({250, 80}, {200, 0})}));
    const Words lines = Join({PatternLine(-4500, {0, 0}, {10, 10}, {}),
                              PatternLine(9000, {5, 5}, {20, 1}, {30, -10, 0})});
    return HatchRecord(CRukHatch::kPatternKind, 2, Join({square, triangle}), 2, lines);
}

TEST(CRukHatchTest, RecordBuildsLoopsEdgesAndPatternLines) {
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, PatternRecord()), 1);
    EXPECT_EQ(hatch.GetKind(), kKindHatch);
    EXPECT_EQ(hatch.m_id, "H1");
    EXPECT_EQ(hatch.m_layerName, "HATCH");
    EXPECT_EQ(hatch.m_color, 0x0000FFu);
    EXPECT_EQ(hatch.m_fillType, 0);
    ASSERT_EQ(hatch.m_boundaries.GetCount(), 2);
    const auto square = EdgesOf(hatch, 0);
    ASSERT_EQ(square.size(), 3u);
    EXPECT_EQ(square[0]->m_edgeType, PorHatchEdge::LineType);
    EXPECT_EQ(square[1]->m_edgeType, PorHatchEdge::ArcType);
    EXPECT_EQ(square[2]->m_edgeType, PorHatchEdge::PolylineType);
    EXPECT_EQ(EdgesOf(hatch, 1).size(), 2u);
    ASSERT_EQ(hatch.m_fills.GetCount(), 2);
    const auto* first = FillAt<CRukHatchPattern>(hatch, 0);
    EXPECT_EQ(first->m_angle, -45.0); // read signed
    const auto* second = FillAt<CRukHatchPattern>(hatch, 1);
    EXPECT_EQ(second->m_angle, 90.0);
    EXPECT_EQ(second->m_baseX, 5);
    EXPECT_EQ(second->m_dx, 20);
    EXPECT_EQ(second->m_lineWidth, 13);
    EXPECT_EQ(second->m_dashes.GetSize(), 3);
    // The arc bulges to x = 150; the NURBS triangle reaches x = 300.
    EXPECT_EQ(hatch.m_minX, 0);
    EXPECT_EQ(hatch.m_maxX, 300);
    EXPECT_EQ(hatch.m_maxY, 100);
}

TEST(CRukHatchTest, FactoryBuildsAHatchFromItsRecord) {
    FakeDocument document;
    const PorRecordBuilder record =
        HatchRecord(CRukHatch::kSolidKind, 1, Square(0, 0, 10, 10), 0, {});
    const auto framed = PorRecord::Frame(record.Bytes());
    const std::unique_ptr<CRukEntity> entity = CEntityFactory::Make(*framed, &document, 25);
    ASSERT_NE(dynamic_cast<CRukHatch*>(entity.get()), nullptr);
    EXPECT_EQ(entity->GetFillType(), 3);
}

TEST(CRukHatchTest, TileRecordBuildsOneTile) {
    const Words tile{5, 6, 50, 90000, 40, 45000, 2000, 1000, 30000, 1, 0, 0, 10, 0};
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, HatchRecord(CRukHatch::kTileKind, 1, Square(0, 0, 10, 10), 0, tile)),
              1);
    ASSERT_EQ(hatch.m_fills.GetCount(), 1);
    const auto* made = FillAt<CRukHatchTile>(hatch, 0);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->m_originX, 5);
    EXPECT_EQ(made->m_rowStep, 50);
    EXPECT_EQ(made->m_rowAngle, 90.0);
    EXPECT_EQ(made->m_offsetLength, 40);
    EXPECT_EQ(made->m_offsetAngle, 45.0);
    EXPECT_EQ(made->m_scaleX, 2.0);
    EXPECT_EQ(made->m_motifAngle, 30.0);
    EXPECT_EQ(VerticesOf(*made), (std::vector<POINT>{{0, 0}, {10, 0}}));
}

struct WildRecord {
    const char* name;
    Words loops;
    LONG loopCount;
    LONG patternCount;
    int boundaries;
    int edges; // of the first boundary
};

void PrintTo(const WildRecord& c, std::ostream* os) {
    *os << c.name;
}

class WildRecords : public ::testing::TestWithParam<WildRecord> {};

TEST_P(WildRecords, AreReadWithinTheRecordMendsUnboundedCounts) {
    const WildRecord& c = GetParam();
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, HatchRecord(CRukHatch::kPatternKind, c.loopCount, c.loops,
                                        c.patternCount, PatternLine(0, {0, 0}, {1, 1}, {}))),
              1);
    ASSERT_EQ(hatch.m_boundaries.GetCount(), c.boundaries);
    if (c.boundaries > 0) {
        EXPECT_EQ(EdgesOf(hatch, 0).size(), static_cast<std::size_t>(c.edges));
    }
    EXPECT_LE(hatch.m_fills.GetCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    CRukHatchTest, WildRecords,
    ::testing::Values(
        WildRecord{"HugeLoopCount", Square(0, 0, 1, 1), 0x7FFFFFFF, 1, 1, 1},
        WildRecord{"HugeEdgeCount", Loop(0x7FFFFFFF, LineEdge({0, 0}, {1, 1})), 1, 1, 1, 1},
        WildRecord{"HugePatternCount", Square(0, 0, 1, 1), 1, 0x7FFFFFFF, 1, 1},
        WildRecord{"NegativeCounts", Loop(-5, LineEdge({0, 0}, {1, 1})), -3, -2, 0, 0},
        WildRecord{"UnknownEdgeTypeStopsTheWalk",
                   Join({Loop(3, Join({LineEdge({0, 0}, {1, 1}), Words{9, 0, 0, 0}})),
                         Square(0, 0, 1, 1)}),
                   2, 1, 1, 1},
        WildRecord{"PointCountPastTheRecord",
                   Loop(1, Words{PorHatchEdge::PolylineType, 0, 0, 0, 0, 0, 0, 1000, 1, 2}), 1, 1,
                   0, 0},
        WildRecord{"EmptyLoopTakesItsHeadOnly", Join({Loop(0, {}), Square(0, 0, 1, 1)}), 2, 1, 2,
                   0}),
    [](const ::testing::TestParamInfo<WildRecord>& info) { return std::string(info.param.name); });

TEST(CRukHatchTest, OtherRecordTypeIsRefused) {
    CRukHatch hatch;
    PorRecordBuilder line(PorLine::Type);
    EXPECT_EQ(Create(hatch, line), 0);
}

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

constexpr QRgb kWhitePixel = 0xFFFFFF;

TEST(CRukHatchTest, SolidHatchLeavesItsHoleEmpty) {
    auto hatch = std::make_unique<CRukHatch>();
    ASSERT_EQ(
        Create(*hatch, HatchRecord(CRukHatch::kSolidKind, 2,
                                   Join({Square(10, 10, 90, 90), Square(40, 40, 60, 60)}), 0, {})),
        1);
    const QImage image = DrawnImage(100, 100, {hatch.get()});
    EXPECT_EQ(Pixel(image, 20, 20), 0xFF0000u); // COLORREF 0x0000FF is red
    EXPECT_EQ(Pixel(image, 50, 50), kWhitePixel);
    EXPECT_EQ(Pixel(image, 5, 5), kWhitePixel);
}

TEST(CRukHatchTest, PatternStaysInItsLoopsAndTheCallersClipComesBackMendsLostClip) {
    // A triangle of horizontal lines five apart, under a caller's clip that
    // ends at x = 60.
    const Words triangle =
        Loop(1, ListEdge(PorHatchEdge::PolylineType, {{20, 20}, {120, 20}, {20, 120}}));
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, HatchRecord(CRukHatch::kPatternKind, 1, triangle, 1,
                                        PatternLine(0, {0, 0}, {1, 5}, {}))),
              1);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CImageDC dc(image);
        dc.IntersectClipRect(0, 0, 60, 200);
        FakeDocument document;
        CDrawDefaults settings;
        settings.m_bkColor = 0xFFFFFF;
        hatch.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, RECT{0, 0, 200, 200});
        CPen pen;
        pen.CreatePen(PS_SOLID, 1, 0);
        CPen* old = dc.SelectObject(&pen);
        dc.MoveTo(0, 190);
        dc.LineTo(200, 190);
        dc.SelectObject(old);
    }
    EXPECT_EQ(Pixel(image, 30, 25), 0xFF0000u);     // a pattern line inside
    EXPECT_EQ(Pixel(image, 30, 27), kWhitePixel);   // between two lines
    EXPECT_EQ(Pixel(image, 100, 100), kWhitePixel); // in the box, outside the loop
    EXPECT_EQ(Pixel(image, 70, 25), kWhitePixel);   // beyond the caller's clip
    EXPECT_EQ(Pixel(image, 10, 190), 0u);
    EXPECT_EQ(Pixel(image, 100, 190), kWhitePixel); // the caller's clip still holds
}

TEST(CRukHatchTest, HatchWithoutPointsDrawsNothingAndKeepsTheClip) {
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, HatchRecord(CRukHatch::kPatternKind, 0, {}, 1,
                                        PatternLine(0, {0, 0}, {1, 5}, {}))),
              1);
    const QImage image = DrawnImage(50, 50, {&hatch});
    EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, kWhitePixel);
    EXPECT_EQ(hatch.m_maxX, 0);
}

struct FillColorCase {
    const char* name;
    bool printing;
    int mode;
    int redline;
    COLORREF color;
    COLORREF expected;
};

void PrintTo(const FillColorCase& c, std::ostream* os) {
    *os << c.name;
}

class FillColors : public ::testing::TestWithParam<FillColorCase> {};

TEST_P(FillColors, FollowTheColourModes) {
    const FillColorCase& c = GetParam();
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, HatchRecord(CRukHatch::kPatternKind, 1, Square(0, 0, 100, 100), 1,
                                        PatternLine(0, {0, 50}, {1, 1000}, {0, -10}), c.color)),
              1);
    hatch.m_redline = c.redline;
    SegmentDC dc;
    dc.m_bPrinting = c.printing;
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    settings.m_mono = c.printing ? 0 : c.mode;
    settings.m_printColorMode = c.printing ? c.mode : 4;
    hatch.TraceA(&dc, 0, 0, 1.0, &settings, RECT{}, FALSE);
    const std::string calls = [&] {
        std::string all;
        for (const std::string& call : dc.Calls())
            all += call + "\n";
        return all;
    }();
    char expected[32];
    std::snprintf(expected, sizeof expected, "0x%06X", static_cast<unsigned>(c.expected));
    EXPECT_NE(calls.find(std::string("SetPixel(0,50,") + expected), std::string::npos) << calls;
}

INSTANTIATE_TEST_SUITE_P(
    CRukHatchTest, FillColors,
    ::testing::Values(FillColorCase{"ScreenOwnColour", false, 0, 0, 0x00FF00, 0x00FF00},
                      FillColorCase{"ScreenMono", false, 1, 0, 0x00FF00, 0},
                      FillColorCase{"ScreenRedlineKept", false, 2, 1, 0x00FF00, 0x00FF00},
                      FillColorCase{"ScreenWhiteOnWhiteTurnsBlack", false, 0, 0, 0xFFFFFF, 0},
                      FillColorCase{"PrintBlack", true, 0, 0, 0x00FF00, 0},
                      FillColorCase{"PrintOwnColour", true, 4, 0, 0x00FF00, 0x00FF00},
                      FillColorCase{"PrintWhiteIsBlack", true, 4, 0, 0xFFFFFF, 0}),
    [](const ::testing::TestParamInfo<FillColorCase>& info) {
        return std::string(info.param.name);
    });

std::unique_ptr<CRukHatch> Reloaded(const CRukHatch& hatch) {
    std::unique_ptr<CObject> object(LoadObject(StoreObject(hatch)));
    auto* reloaded = dynamic_cast<CRukHatch*>(object.get());
    EXPECT_NE(reloaded, nullptr);
    object.release();
    return std::unique_ptr<CRukHatch>(reloaded);
}

TEST(CRukHatchTest, ArchiveRoundTripKeepsBoundariesEdgesAndPatterns) {
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, PatternRecord()), 1);
    hatch.SetColor(0x123456); // a highlight is not saved
    const std::vector<BYTE> stored = StoreObject(hatch);
    const auto reloaded = Reloaded(hatch);
    EXPECT_EQ(reloaded->m_color, 0x0000FFu);
    EXPECT_EQ(reloaded->m_layerName, "HATCH");
    EXPECT_EQ(reloaded->m_hatchKind, CRukHatch::kPatternKind);
    ASSERT_EQ(reloaded->m_boundaries.GetCount(), 2);
    EXPECT_EQ(EdgesOf(*reloaded, 0)[1]->Outline(), EdgesOf(hatch, 0)[1]->Outline());
    EXPECT_EQ(EdgesOf(*reloaded, 1)[0]->Outline(), EdgesOf(hatch, 1)[0]->Outline());
    EXPECT_EQ(FillAt<CRukHatchPattern>(*reloaded, 0)->m_angle, -45.0);
    EXPECT_EQ(reloaded->m_minX, hatch.m_minX);
    EXPECT_EQ(reloaded->m_maxX, hatch.m_maxX);
    EXPECT_EQ(StoreObject(*reloaded), stored);
}

TEST(CRukHatchTest, BodyLayoutStartsWithItsFieldsThenTheLists) {
    CRukHatch hatch;
    hatch.m_layerName = "L";
    hatch.m_savedColor = 0x0A0B0C;
    hatch.m_hatchKind = CRukHatch::kSolidKind;
    hatch.m_childFlag = 1;
    hatch.m_tag = "T";
    EXPECT_EQ(StoreBody(hatch),
              Bytes().Text("L").Long(0x0A0B0C).Word(1).Byte(1).Text("T").Word(0).Word(0).Get());
}

TEST(CRukHatchTest, PatternBodyKeepsHundredthsOfADegree) {
    CRukHatchPattern pattern;
    pattern.m_angle = -45.0;
    pattern.m_baseX = 1;
    pattern.m_baseY = 2;
    pattern.m_dx = 3;
    pattern.m_dy = 4;
    pattern.m_lineWidth = 5;
    pattern.m_savedColor = 6;
    pattern.m_dashes.Add(-7);
    const std::vector<BYTE> body = StoreBody(pattern);
    EXPECT_EQ(
        body,
        Bytes().Long(-4500).Long(1).Long(2).Long(3).Long(4).Word(5).Long(6).Word(1).Long(-7).Get());
    CRukHatchPattern reloaded;
    LoadBody(reloaded, body, 0);
    EXPECT_EQ(reloaded.m_angle, -45.0);
    EXPECT_EQ(reloaded.m_dashes[0], -7);
}

TEST(CRukHatchTest, TileBodyKeepsThousandths) {
    CRukHatchTile tile;
    tile.m_rowAngle = 12.5;
    tile.m_scaleX = -0.25;
    tile.m_points.Add(POINT{1, 2});
    CRukHatchTile reloaded;
    LoadBody(reloaded, StoreBody(tile), 0);
    EXPECT_EQ(reloaded.m_rowAngle, 12.5);
    EXPECT_EQ(reloaded.m_scaleX, -0.25);
    EXPECT_EQ(reloaded.m_scaleY, 1.0);
    EXPECT_EQ(VerticesOf(reloaded), (std::vector<POINT>{{1, 2}}));
}

// A reader whose load failed frees every object the archive names: the
// parts a hatch owns are not among them, so each object goes exactly once.
TEST(CRukHatchTest, CutArchiveFreesEveryObjectOnce) {
    CRukHatch hatch;
    ASSERT_EQ(Create(hatch, PatternRecord()), 1);
    const std::vector<BYTE> bytes = StoreObject(hatch);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        CMemFile file;
        file.Write(bytes.data(), static_cast<UINT>(length));
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        CObject* object = nullptr;
        EXPECT_THROW(ar >> object, CArchiveException) << length;
        for (CObject* loaded : ar.GetLoadedObjects())
            delete loaded;
    }
}

TEST(CRukHatchTest, PartReadBeforeCannotBeTakenAgain) {
    // A list holding a boundary and then a hatch that names the same
    // boundary: read back, the hatch may not take the boundary it does not own.
    auto* boundary = new CRukHatchBoundary;
    CRukHatch sharing;
    sharing.m_boundaries.AddTail(boundary);
    CObList list;
    list.AddTail(boundary);
    list.AddTail(&sharing);
    const std::vector<BYTE> bytes = StoreObject(list);
    sharing.m_boundaries.RemoveAll();
    delete boundary;

    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CObject* object = nullptr;
    try {
        ar >> object;
        FAIL() << "a shared boundary was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
    }
    for (CObject* loaded : ar.GetLoadedObjects())
        delete loaded;
}

} // namespace
