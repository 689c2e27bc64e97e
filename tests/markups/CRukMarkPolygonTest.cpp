// The polygon and cloud markups: the open gesture, the outline child, the
// cloud's arcs from the drawing's size, and the bodies of their schemas,
// old clouds rebuilt from their arcs included.
#include "MarkupTestSupport.h"

#include "entities/CRukArc.h"
#include "entities/CRukCloud.h"
#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CRukMarkCloud.h"
#include "markups/CRukMarkPolygon.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>

namespace {

const std::vector<POINT> kTriangle{{0, 0}, {4000, 0}, {2000, 3000}};

class PolygonMark : public ::testing::Test {
protected:
    PolygonMark() {
        m_document.m_curLayerName = "RED";
        m_document.m_style.m_redPenColor = 0x0000FF;
        m_document.m_style.m_redFillColor = 0x00FF00;
        m_document.m_style.m_redSolidFill = 1;
    }

    // The vertices clicked and a double click; the document owns the markup.
    template <class Markup> Markup& Drawn(const std::vector<POINT>& vertices) {
        auto* mark = new Markup();
        m_document.AddMarkup(mark);
        mark->OnButtonDown(nullptr, nullptr, vertices[0].x, vertices[0].y, nullptr, 0);
        for (std::size_t i = 1; i < vertices.size(); ++i)
            EXPECT_EQ(mark->AddPoint(vertices[i].x, vertices[i].y, 0), 0);
        EXPECT_EQ(mark->AddPoint(9999, 9999, 1), 1);
        CRecordingDC dc;
        mark->Finish(&m_document, &dc, &m_settings);
        return *mark;
    }

    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
};

TEST_F(PolygonMark, DoubleClickCompletesOnlyWithThreeVerticesAndAddsNone) {
    CRukMarkPolygon polygon;
    polygon.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    polygon.AddPoint(1000, 0, 0);
    EXPECT_EQ(polygon.AddPoint(1000, 1000, 1), 0);
    EXPECT_EQ(polygon.m_points.GetSize(), 2);
    EXPECT_EQ((POINT{polygon.m_x1, polygon.m_y1}), (POINT{1000, 1000})) << "only made current";
    polygon.AddPoint(1000, 1000, 0);
    EXPECT_EQ(polygon.AddPoint(1000, 1000, 1), 1);
    EXPECT_EQ(polygon.m_points.GetSize(), 3);
}

TEST_F(PolygonMark, FinishBuildsOneSolidPolygonThroughTheVertices) {
    CRukMarkPolygon& polygon = Drawn<CRukMarkPolygon>(kTriangle);
    const std::vector<CRukEntity*> children = ChildrenOf(polygon);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0]->GetKind(), kKindPolygon);
    EXPECT_EQ(VerticesOf(*children[0]), kTriangle);
    EXPECT_EQ(polygon.GetFillType(), 3);
    EXPECT_EQ(polygon.GetTransparent(), 0);
    EXPECT_EQ(polygon.GetFillColor(), 0x00FF00u);
    EXPECT_EQ(polygon.GetPointCount(), 3);
    EXPECT_EQ(polygon.HasPolylineChild(), 0);
    EXPECT_EQ((POINT{polygon.m_x1, polygon.m_y1}), (POINT{0, 3000}));
    EXPECT_EQ((POINT{polygon.m_x2, polygon.m_y2}), (POINT{4000, 0}));
}

TEST_F(PolygonMark, FinishWithTwoVerticesBuildsNothing) {
    CRukMarkPolygon polygon;
    polygon.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    polygon.AddPoint(1000, 0, 0);
    CRecordingDC dc;
    polygon.Finish(&m_document, &dc, &m_settings);
    EXPECT_TRUE(ChildrenOf(polygon).empty());
    EXPECT_TRUE(m_document.m_drawOrder.empty());
}

TEST_F(PolygonMark, RightButtonTakesBackTheLastVertexAndItsLines) {
    RecordingSurface surface;
    CRukMarkPolygon polygon;
    polygon.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    polygon.AddPoint(100, 0, 0);
    polygon.AddPoint(100, 100, 0);
    EXPECT_EQ(polygon.EraseTrackingOn(surface, m_document, {50, 200}, m_settings), 2);
    EXPECT_EQ(VerticesOf(polygon), (std::vector<POINT>{{0, 0}, {100, 0}}));
    EXPECT_EQ((POINT{polygon.m_x1, polygon.m_y1}), (POINT{100, 0}));
    EXPECT_EQ(surface.Shown(),
              (std::multiset<std::string>{"Polyline(50,200 100,0)", "Polyline(50,200 100,100)",
                                          "Polyline(100,0 100,100)"}));
    EXPECT_EQ(polygon.EraseTrackingOn(surface, m_document, {50, 200}, m_settings), 1);
    EXPECT_EQ(polygon.m_trackShown, 0);
    EXPECT_EQ(polygon.EraseTrackingOn(surface, m_document, {50, 200}, m_settings), 0);
}

TEST_F(PolygonMark, TrackDrawsTheClosingLineOnceShown) {
    RecordingSurface surface;
    CRukMarkPolygon polygon;
    polygon.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    polygon.AddPoint(100, 0, 0);
    polygon.TrackOn(surface, m_document, {100, 0}, {100, 100}, m_settings);
    polygon.TrackOn(surface, m_document, {100, 100}, {200, 100}, m_settings);
    EXPECT_EQ(surface.Shown(),
              (std::multiset<std::string>{"Polyline(0,0 200,100)", "Polyline(100,0 200,100)"}));
}

TEST_F(PolygonMark, CloudArcsFollowTheDrawingsSize) {
    // A drawing 40000 high with unit 1000 and CLOUD_SPACE 40: factor 1.
    m_document.m_cloudSize = 40000.0 / 1000 / 40;
    m_document.m_style.m_cloudArcRatio = 0.25;
    CRukMarkCloud& cloud = Drawn<CRukMarkCloud>(kTriangle);
    const std::vector<CRukEntity*> children = ChildrenOf(cloud);
    ASSERT_EQ(children.size(), 1u);
    const auto* child = dynamic_cast<const CRukCloud*>(children[0]);
    ASSERT_NE(child, nullptr);
    EXPECT_DOUBLE_EQ(child->m_arcSize, 1000.0);
    EXPECT_DOUBLE_EQ(child->m_arcRatio, 0.25);
    EXPECT_EQ(cloud.GetFillType(), 3) << "a closed kind";
    EXPECT_EQ(cloud.GetPointCount(), 3);
}

TEST_F(PolygonMark, CloudSetPointMovesAVertexOfItsChild) {
    CRukMarkCloud& cloud = Drawn<CRukMarkCloud>(kTriangle);
    ASSERT_EQ(cloud.SetPoint(2000, 5000, 2), 1);
    int x = 0, y = 0;
    ASSERT_EQ(cloud.GetPoint(&x, &y, 2), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{2000, 5000}));
    EXPECT_EQ(cloud.m_y2, 5000) << "the defining corners (min x, min y), (max x, max y)";
    EXPECT_EQ(cloud.SetPoint(0, 0, 3), 0);
}

// ---- Bodies

TEST_F(PolygonMark, PolygonBodyIsPointsThenGroupLayoutByteForByte) {
    CRukMarkPolygon& polygon = Drawn<CRukMarkPolygon>(kTriangle);
    const std::vector<BYTE> stored = StoreObject(polygon);
    Bytes own = ClassRecord(1, "CRukMarkPolygon");
    own.Word(3).Long(0).Long(0).Long(4000).Long(0).Long(2000).Long(3000);
    own.Long(0).Long(3000).Long(4000).Long(0);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("").Text("").Long(1).Word(1);
    ASSERT_GT(stored.size(), own.Get().size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + own.Get().size()), own.Get());
    const LoadedMarkup<CRukMarkPolygon> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->GetLayerName(), "RED");
}

TEST_F(PolygonMark, CloudBodyHasNoPointsAndAnswersFromItsChild) {
    CRukMarkCloud& cloud = Drawn<CRukMarkCloud>(kTriangle);
    const std::vector<BYTE> stored = StoreObject(cloud);
    Bytes own = ClassRecord(2, "CRukMarkCloud");
    // The defining corners hold the arcs' bulges too.
    ASSERT_LT(cloud.m_x1, 0);
    own.Long(cloud.m_x1).Long(cloud.m_y1).Long(cloud.m_x2).Long(cloud.m_y2);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("").Text("").Long(1).Word(1);
    ASSERT_GT(stored.size(), own.Get().size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + own.Get().size()), own.Get());
    const LoadedMarkup<CRukMarkCloud> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->m_points.GetSize(), 0);
    int x = 0, y = 0;
    ASSERT_EQ(loaded.mark->GetPoint(&x, &y, 2), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{2000, 3000}));
}

// The body of a polygon markup with the schema byte and class name of
// another: the old layouts share it.
std::vector<BYTE> Rebadged(const CRukMarkPolygon& shape, std::uint16_t schema,
                           std::string_view name) {
    const std::vector<BYTE> stored = StoreObject(shape);
    const std::size_t head = ClassRecord(1, "CRukMarkPolygon").Get().size();
    Bytes bytes = ClassRecord(schema, name);
    bytes.Append(std::vector<BYTE>(stored.begin() + head, stored.end()));
    return bytes.Get();
}

TEST(PolygonBodyOld, SchemaZeroGivesUnsetWidthsFifteenAndClearsABadFlag) {
    CRukMarkPolygon shape;
    CRukPolygon child;
    for (const POINT& vertex : kTriangle)
        child.AppendPoint(vertex.x, vertex.y);
    child.SetLineWidth(0);
    shape.m_points.Add(POINT{0, 0});
    shape.m_childFlag = 7;
    shape.AddChild(&child);
    const LoadedMarkup<CRukMarkPolygon> loaded(LoadObject(Rebadged(shape, 0, "CRukMarkPolygon")));
    ASSERT_NE(loaded.mark, nullptr);
    ASSERT_EQ(ChildrenOf(*loaded.mark).size(), 1u);
    EXPECT_EQ(ChildrenOf(*loaded.mark)[0]->GetLineWidth(), 15);
    EXPECT_EQ(loaded.mark->m_childFlag, 0);
    EXPECT_EQ(LoadCause(Rebadged(shape, 2, "CRukMarkPolygon")), CArchiveException::badSchema);
}

// An old cloud: its vertices and one arc of a circle of radius 500 about
// the origin from `start` to `end`.
struct OldCloud {
    OldCloud(POINT start, POINT end, int radius = 500) {
        for (const POINT& vertex : kTriangle)
            shape.m_points.Add(vertex);
        shape.m_layerName = "0";
        arc.m_points.Add(POINT{-radius, -radius});
        arc.m_points.Add(POINT{radius, -radius});
        arc.m_points.Add(POINT{radius, radius});
        arc.m_points.Add(POINT{-radius, radius});
        arc.m_x1 = start.x;
        arc.m_y1 = start.y;
        arc.m_x2 = end.x;
        arc.m_y2 = end.y;
        arc.SetLayerName("ARCS");
        arc.SetLineWidth(30);
        arc.SetLineType(3);
        shape.AddChild(&arc);
    }
    CRukMarkPolygon shape;
    CRukArc arc;
};

struct OldCloudCase {
    const char* name;
    POINT start;
    POINT end;
    int radius;
    double size;
    double ratio;
};

void PrintTo(const OldCloudCase& c, std::ostream* out) {
    *out << c.name;
}

class OldCloudRebuild : public ::testing::TestWithParam<OldCloudCase> {};

TEST_P(OldCloudRebuild, TakesArcSizeAndBulgeFromTheLongestArc) {
    const OldCloudCase& c = GetParam();
    OldCloud old(c.start, c.end, c.radius);
    for (const std::uint16_t schema : {0, 1}) {
        SCOPED_TRACE(schema);
        const LoadedMarkup<CRukMarkCloud> loaded(
            LoadObject(Rebadged(old.shape, schema, "CRukMarkCloud")));
        ASSERT_NE(loaded.mark, nullptr);
        const std::vector<CRukEntity*> children = ChildrenOf(*loaded.mark);
        ASSERT_EQ(children.size(), 2u) << "the arc read stays";
        EXPECT_EQ(children[0]->GetKind(), kKindArc);
        const auto* cloud = dynamic_cast<const CRukCloud*>(children[1]);
        ASSERT_NE(cloud, nullptr);
        EXPECT_DOUBLE_EQ(cloud->m_arcSize, c.size);
        EXPECT_TRUE(std::isfinite(cloud->m_arcRatio));
        EXPECT_NEAR(cloud->m_arcRatio, c.ratio, 1e-12);
        EXPECT_EQ(VerticesOf(*cloud), kTriangle);
        EXPECT_EQ(cloud->m_childFlag, 2);
        EXPECT_EQ(cloud->GetFillType(), 0);
        if (c.size > 0) {
            EXPECT_EQ(cloud->GetLayerName(), "ARCS");
            EXPECT_EQ(cloud->GetLineWidth(), 30);
            EXPECT_EQ(cloud->GetLineType(), 3);
            EXPECT_EQ(loaded.mark->GetLayerName(), "ARCS");
        }
        EXPECT_EQ(loaded.mark->GetPointCount(), 3);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clouds, OldCloudRebuild,
    ::testing::Values(
        OldCloudCase{"ChordEqualsDiameter", {500, 0}, {-500, 0}, 500, 1000.0, 1.0},
        OldCloudCase{
            "QuarterCircle", {500, 0}, {0, 500}, 500, 707.0, std::tan(std::asin(707.0 / 1000) / 2)},
        OldCloudCase{
            "MendedChordBeyondDiameterIsAHalfCircle", {510, 0}, {-510, 0}, 500, 1020.0, 1.0},
        OldCloudCase{"MendedZeroDiameterIsNoArc", {0, 0}, {0, 0}, 0, 0.0, 0.0}),
    [](const ::testing::TestParamInfo<OldCloudCase>& info) { return info.param.name; });

} // namespace
