#include "MarkupTestSupport.h"

#include "entities/CRukCircle.h"
#include "entities/CRukEllipse.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "markups/CRukMarkCircle.h"
#include "markups/CRukMarkEllipse.h"
#include "markups/CRukMarkSquare.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/entities/PointPrinting.h"
#include "tests/support/FixedTextMetrics.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <ostream>

namespace {

constexpr int kFrameCircle = 1;
constexpr int kFrameNone = 2;
constexpr int kFrameRect = 3;

enum class Shape { Ellipse, Circle, Square };

std::unique_ptr<CRukLeaderMark> MakeMark(Shape shape) {
    switch (shape) {
    case Shape::Ellipse:
        return std::make_unique<CRukMarkEllipse>();
    case Shape::Circle:
        return std::make_unique<CRukMarkCircle>();
    case Shape::Square:
        break;
    }
    return std::make_unique<CRukMarkSquare>();
}

// The shape's two points: a box from (0, 2000) to (2000, 0), or the circle
// of radius 1000 around (1000, 1000); either way centred on (1000, 1000).
POINT SecondPoint(Shape shape) {
    return shape == Shape::Circle ? POINT{2000, 1000} : POINT{2000, 0};
}
POINT FirstPoint(Shape shape) {
    return shape == Shape::Circle ? POINT{1000, 1000} : POINT{0, 2000};
}

int ShapeKindOf(Shape shape) {
    return shape == Shape::Ellipse  ? kKindEllipse
           : shape == Shape::Circle ? kKindCircle
                                    : kKindPolygon;
}

// A document at a tenth of a view unit per drawing unit whose labels are
// 200 units high: a 28-pixel font, in which fixed metrics make "ABCD"
// 56 x 29 pixels, 560 x 290 units.
class LeaderFixture : public ::testing::Test {
protected:
    LeaderFixture() {
        m_document.m_viewScale = 0.1;
        m_document.m_textSize = 0.2;
        m_document.m_curLayerName = "RED";
        m_document.m_newMarkTag = "tag";
        m_document.m_newMarkName = "tip";
        m_document.m_style.m_redPenColor = 0x0000FF;
        m_document.m_style.m_redPenWidth = 35;
    }

    std::unique_ptr<CRukLeaderMark> Finished(Shape shape, std::vector<POINT> leader,
                                             const char* label) {
        auto mark = MakeMark(shape);
        mark->SetText(label);
        const POINT first = FirstPoint(shape);
        mark->OnButtonDown(nullptr, nullptr, first.x, first.y, nullptr, 0);
        mark->SetPolyMode(leader.size() > 1 ? 1 : 0);
        mark->AddPoint(SecondPoint(shape).x, SecondPoint(shape).y, 0);
        for (POINT p : leader)
            mark->AddPoint(p.x, p.y, 0);
        CRecordingDC dc;
        mark->Finish(&m_document, &dc, &m_settings);
        return mark;
    }

    FixedTextMetrics m_metrics;
    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
};

const POINT kAnchor{5000, 1000};

std::vector<int> KindsOf(const CRukEntity& mark) {
    std::vector<int> kinds;
    for (const CRukEntity* child : ChildrenOf(mark))
        kinds.push_back(child->GetKind());
    return kinds;
}

// ---- Finish

struct FinishCase {
    const char* name;
    Shape shape;
    int frame;
    int tipAtCentre;
    // The leader's first and last points.
    POINT start;
    POINT end;
    int endRadius;
    // The frame's first corner.
    POINT frameCorner;
};

void PrintTo(const FinishCase& c, std::ostream* out) {
    *out << c.name;
}

class LeaderFinish : public LeaderFixture, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(LeaderFinish, FiveChildrenInTheirPositions) {
    const FinishCase& c = GetParam();
    m_document.m_style.m_labelFrame = c.frame;
    m_document.m_style.m_leaderTipAtCentre = c.tipAtCentre;
    const auto mark = Finished(c.shape, {kAnchor}, "ABCD");

    ASSERT_EQ(KindsOf(*mark), (std::vector<int>{ShapeKindOf(c.shape), kKindPolyline, kKindCircle,
                                                kKindPolygon, kKindText}));
    const std::vector<CRukEntity*> children = ChildrenOf(*mark);
    EXPECT_EQ(mark->m_childCount, 5);
    EXPECT_EQ(m_document.m_drawOrder, children);
    EXPECT_EQ(m_document.m_layers["RED"], children);
    for (const CRukEntity* child : children) {
        EXPECT_EQ(child->m_childFlag, 2);
        EXPECT_EQ(child->m_redline, 1);
        EXPECT_EQ(child->GetColor(), 0x0000FFu);
        EXPECT_EQ(child->GetLineWidth(), child->GetKind() == kKindText ? 0 : 35);
    }

    const CRukEntity& leader = *children[1];
    ASSERT_EQ(leader.m_points.GetSize(), 2);
    EXPECT_NEAR(leader.m_points[0].x, c.start.x, 1);
    EXPECT_NEAR(leader.m_points[0].y, c.start.y, 1);
    EXPECT_NEAR(leader.m_points[1].x, c.end.x, 1);
    EXPECT_NEAR(leader.m_points[1].y, c.end.y, 1);

    const auto* endCircle = dynamic_cast<const CRukCircle*>(children[2]);
    ASSERT_NE(endCircle, nullptr);
    EXPECT_EQ(endCircle->GetCircleCenter(), kAnchor);
    EXPECT_EQ(endCircle->GetRadius(), c.endRadius);
    EXPECT_EQ(children[3]->m_points.GetSize(), 4);
    EXPECT_EQ(children[3]->m_points[0], c.frameCorner);
    EXPECT_EQ(children[3]->GetFillType(), 0);

    const CRukEntity& text = *children[4];
    EXPECT_EQ(text.GetText(), "ABCD");
    EXPECT_EQ(text.GetTextHeight(), 200);
    EXPECT_EQ((POINT{text.m_x1, text.m_y1}), (POINT{5000, 1290}));
    EXPECT_EQ((POINT{text.m_x2, text.m_y2}), (POINT{5560, 1000}));

    // The markup's own points: the shape's centre, then the anchor.
    ASSERT_EQ(mark->GetPointCount(), 2);
    EXPECT_EQ(mark->m_points[0], (POINT{1000, 1000}));
    EXPECT_EQ(mark->m_points[1], kAnchor);
    EXPECT_EQ(mark->m_tag, "tag");
    EXPECT_EQ(mark->GetName(), "tip");
    EXPECT_EQ(mark->m_leaderAttached, c.tipAtCentre);
    EXPECT_TRUE(m_document.m_newMarkTag.IsEmpty());
    EXPECT_TRUE(m_document.m_newMarkName.IsEmpty());
}

// "ABCD" is 560 x 290: circle frame radius 392, rectangle frame 728 x 406,
// plain box 616 x 348.
INSTANTIATE_TEST_SUITE_P(
    Leader, LeaderFinish,
    ::testing::Values(
        FinishCase{"EllipseCircleFrame",
                   Shape::Ellipse,
                   kFrameCircle,
                   1,
                   {1000, 1000},
                   {4609, 1000},
                   392,
                   kAnchor},
        FinishCase{"EllipseNoFrame",
                   Shape::Ellipse,
                   kFrameNone,
                   1,
                   {1000, 1000},
                   {4692, 1000},
                   0,
                   kAnchor},
        FinishCase{"EllipseRectFrame",
                   Shape::Ellipse,
                   kFrameRect,
                   1,
                   {1000, 1000},
                   {4636, 1000},
                   0,
                   {4636, 1203}},
        FinishCase{"EllipseTipOnOutline",
                   Shape::Ellipse,
                   kFrameNone,
                   0,
                   {2000, 1000},
                   {4692, 1000},
                   0,
                   kAnchor},
        FinishCase{"CircleCircleFrame",
                   Shape::Circle,
                   kFrameCircle,
                   1,
                   {1000, 1000},
                   {4609, 1000},
                   392,
                   kAnchor},
        FinishCase{"CircleTipOnOutline",
                   Shape::Circle,
                   kFrameRect,
                   0,
                   {2000, 1000},
                   {4636, 1000},
                   0,
                   {4636, 1203}},
        FinishCase{
            "SquareNoFrame", Shape::Square, kFrameNone, 1, {1000, 1000}, {4692, 1000}, 0, kAnchor},
        FinishCase{"SquareTipOnOutline",
                   Shape::Square,
                   kFrameCircle,
                   0,
                   {2000, 1000},
                   {4609, 1000},
                   392,
                   kAnchor}),
    [](const auto& info) { return info.param.name; });

TEST_F(LeaderFixture, ShapeChildFollowsTheClass) {
    const auto ellipse = Finished(Shape::Ellipse, {kAnchor}, "A");
    EXPECT_EQ(ChildrenOf(*ellipse)[0]->m_points[0], (POINT{0, 2000}));
    EXPECT_EQ(ChildrenOf(*ellipse)[0]->m_points[2], (POINT{2000, 0}));
    const auto square = Finished(Shape::Square, {kAnchor}, "A");
    const CRukEntity& polygon = *ChildrenOf(*square)[0];
    ASSERT_EQ(polygon.m_points.GetSize(), 4);
    EXPECT_EQ(polygon.m_points[1], (POINT{2000, 2000}));
    EXPECT_EQ(polygon.m_points[3], (POINT{0, 0}));
    const auto circle = Finished(Shape::Circle, {kAnchor}, "A");
    EXPECT_EQ(dynamic_cast<const CRukCircle&>(*ChildrenOf(*circle)[0]).GetRadius(), 1000);
}

TEST_F(LeaderFixture, LeaderVerticesKeepTheMarkupsCount) {
    m_document.m_style.m_labelFrame = kFrameNone;
    const auto mark = Finished(Shape::Ellipse, {{3000, 3000}, kAnchor}, "ABCD");
    const CRukEntity& leader = *ChildrenOf(*mark)[1];
    ASSERT_EQ(leader.m_points.GetSize(), mark->GetPointCount());
    EXPECT_EQ(leader.m_points[1], (POINT{3000, 3000}));
}

// Mended: an empty label with a circle frame left the end circle's radius
// undefined; it is the circle radius of the empty label.
TEST_F(LeaderFixture, MendedEmptyLabelEndCircleHasTheLabelRadius) {
    m_document.m_style.m_labelFrame = kFrameCircle;
    const auto mark = Finished(Shape::Ellipse, {kAnchor}, "");
    const std::vector<CRukEntity*> children = ChildrenOf(*mark);
    ASSERT_EQ(children.size(), 5u);
    const int height = children[4]->m_y1 - kAnchor.y;
    EXPECT_EQ(dynamic_cast<const CRukCircle&>(*children[2]).GetRadius(),
              CRukMark::CircleRadiusForLabel(0, height));
    // No width: the plain box has no edge to cross, the leader ends at the anchor.
    EXPECT_EQ(children[1]->m_points[1], kAnchor);
}

TEST_F(LeaderFixture, FinishBeforeThreePointsBuildsNothing) {
    CRukMarkEllipse mark;
    mark.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    mark.AddPoint(10, 10, 0);
    CRecordingDC dc;
    mark.Finish(&m_document, &dc, &m_settings);
    EXPECT_EQ(mark.GetHeadPosition(), nullptr);
    EXPECT_TRUE(m_document.m_drawOrder.empty());
    EXPECT_EQ(m_document.m_newMarkTag, "tag");
}

// ---- Editing

TEST_F(LeaderFixture, MovingTheAnchorCarriesTheLabelButNotTheShape) {
    for (Shape shape : {Shape::Ellipse, Shape::Circle}) {
        const auto mark = Finished(shape, {kAnchor}, "ABCD");
        std::vector<CRukEntity*> children = ChildrenOf(*mark);
        const POINT shapeCorner = children[0]->m_points[0];
        const POINT circleCorner = children[2]->m_points[0];
        const POINT textOrigin{children[4]->m_x1, children[4]->m_y1};
        mark->MoveVertex(100, -50, 1, 0, 0, 0);
        EXPECT_EQ(mark->m_points[1], (POINT{5100, 950}));
        EXPECT_EQ(children[0]->m_points[0], shapeCorner);
        EXPECT_EQ(children[2]->m_points[0], (POINT{circleCorner.x + 100, circleCorner.y - 50}));
        EXPECT_EQ((POINT{children[4]->m_x1, children[4]->m_y1}),
                  (POINT{textOrigin.x + 100, textOrigin.y - 50}));
        EXPECT_EQ(children[1]->m_points[1], (POINT{5100, 950}));
        // Moving point 0 moves the shape only.
        mark->MoveVertex(10, 10, 0, 0, 0, 0);
        EXPECT_EQ(children[0]->m_points[0], (POINT{shapeCorner.x + 10, shapeCorner.y + 10}));
        EXPECT_EQ(children[2]->m_points[0], (POINT{circleCorner.x + 100, circleCorner.y - 50}));
        EXPECT_EQ(children[1]->m_points[0], (POINT{1010, 1010}));
    }
}

TEST_F(LeaderFixture, SetPointMovesTheLabelWithTheAnchor) {
    const auto mark = Finished(Shape::Square, {kAnchor}, "ABCD");
    std::vector<CRukEntity*> children = ChildrenOf(*mark);
    const POINT textOrigin{children[4]->m_x1, children[4]->m_y1};
    EXPECT_EQ(mark->SetPoint(6000, 2000, 1), 1);
    EXPECT_EQ(children[1]->m_points[1], (POINT{6000, 2000}));
    EXPECT_EQ((POINT{children[4]->m_x1, children[4]->m_y1}),
              (POINT{textOrigin.x + 1000, textOrigin.y + 1000}));
    EXPECT_EQ(mark->SetPoint(0, 0, 2), 0);
}

TEST_F(LeaderFixture, UpdateLeaderFindsTheOutlineOrCollapsesTheFirstLeg) {
    m_document.m_style.m_leaderTipAtCentre = 0;
    const auto mark = Finished(Shape::Circle, {kAnchor}, "ABCD");
    const CRukEntity& leader = *ChildrenOf(*mark)[1];
    mark->UpdateLeader(&m_document);
    EXPECT_NEAR(leader.m_points[0].x, 2000, 1);
    EXPECT_NEAR(leader.m_points[0].y, 1000, 1);
    // The label over the shape: the first leg collapses onto the leader's end.
    mark->SetPoint(1200, 1000, 1);
    mark->UpdateLeader(&m_document);
    EXPECT_EQ(leader.m_points[0], leader.m_points[1]);
}

TEST_F(LeaderFixture, ShapeSizeOfTheShapeChild) {
    const auto mark = Finished(Shape::Ellipse, {kAnchor}, "A");
    int width = 0, height = 0;
    ASSERT_EQ(mark->GetShapeSize(&width, &height), 1);
    EXPECT_EQ((SIZE{width, height}), (SIZE{2000, 2000}));
    CRukMarkSquare empty;
    EXPECT_EQ(empty.GetShapeSize(&width, &height), 0);
}

// Mended: a leader with fewer points than the markup (an old file) is
// edited within its bounds, and a layout without a leader at position 1
// is left alone.
TEST_F(LeaderFixture, MendedShortLeaderIsEditedWithinItsBounds) {
    const auto mark = Finished(Shape::Ellipse, {kAnchor}, "ABCD");
    mark->m_points.Add(POINT{7000, 7000});
    mark->m_points.Add(POINT{8000, 8000});
    mark->MoveVertex(5, 5, 3, 0, 0, 0);
    EXPECT_EQ(mark->SetPoint(9000, 9000, 2), 1);
    mark->UpdateLeader(&m_document);
    EXPECT_EQ(ChildrenOf(*mark)[1]->m_points.GetSize(), 2);

    CRukMarkEllipse bare;
    bare.m_points.Add(POINT{0, 0});
    bare.m_points.Add(POINT{10, 10});
    auto* text = new CRukText();
    m_document.AddMarkup(text);
    bare.AddChild(text);
    bare.UpdateLeader(&m_document);
    bare.MoveVertex(1, 1, 1, 0, 0, 0);
    EXPECT_EQ(bare.SetPoint(3, 3, 0), 1);
}

// ---- Label fitting

TEST_F(LeaderFixture, NewLabelTextRefitsTheCircleFrameAndLeader) {
    m_document.m_style.m_labelFrame = kFrameCircle;
    const auto mark = Finished(Shape::Ellipse, {kAnchor}, "ABCD");
    EXPECT_EQ(mark->GetLabelMode(), 1);
    CRecordingDC dc;
    mark->SetLabelText(&m_document, &dc, "ABCDEFGH", &m_settings);
    const std::vector<CRukEntity*> children = ChildrenOf(*mark);
    EXPECT_EQ(mark->GetLabelText(), "ABCDEFGH");
    // 1120 x 290 units: radius 784.
    EXPECT_EQ(dynamic_cast<const CRukCircle&>(*children[2]).GetRadius(), 784);
    EXPECT_EQ((POINT{children[4]->m_x2, children[4]->m_y2}), (POINT{6120, 1000}));
    EXPECT_NEAR(children[1]->m_points[1].x, kAnchor.x - 784, 2);
    EXPECT_EQ(mark->GetLabelMode(), 1);
}

TEST_F(LeaderFixture, RefitToARectangleCollapsesTheCircle) {
    m_document.m_style.m_labelFrame = kFrameCircle;
    const auto mark = Finished(Shape::Square, {kAnchor}, "ABCD");
    CRecordingDC dc;
    mark->RefitLabel(&m_document, &dc, 2, &m_settings);
    const std::vector<CRukEntity*> children = ChildrenOf(*mark);
    EXPECT_EQ(mark->GetLabelMode(), 2);
    EXPECT_EQ(dynamic_cast<const CRukCircle&>(*children[2]).GetRadius(), 0);
    EXPECT_EQ(children[3]->m_points[0], (POINT{4636, 1203}));
    EXPECT_EQ(children[3]->m_points[2], (POINT{5364, 797}));
    EXPECT_EQ(children[1]->m_points[1], (POINT{4636, 1000}));
    EXPECT_EQ(mark->GetLabelText(), "ABCD");
    // No outline: both frames collapse and the leader stops at the plain box.
    mark->RefitLabel(&m_document, &dc, 0, &m_settings);
    EXPECT_EQ(mark->GetLabelMode(), 0);
    EXPECT_EQ(children[3]->m_points[0], kAnchor);
    EXPECT_EQ(children[1]->m_points[1], (POINT{4692, 1000}));
}

TEST_F(LeaderFixture, GripsSitOnTheOwnPoints) {
    const auto mark = Finished(Shape::Circle, {kAnchor}, "A");
    CRecordingDC dc;
    int grip = -1;
    ASSERT_EQ(mark->HitGrip(&dc, &m_document, 5010, 990, &grip), 1);
    EXPECT_EQ(grip, 1);
    ASSERT_EQ(mark->HitGrip(&dc, &m_document, 1000, 1000, &grip), 1);
    EXPECT_EQ(grip, 0);
    EXPECT_EQ(mark->HitGrip(&dc, &m_document, 3000, 1000, &grip), 0);
    mark->DrawGrips(&dc, 0, 0, 0.1, &m_settings);
    const std::vector<std::string>& calls = dc.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Rectangle(95,95,105,105)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Rectangle(495,95,505,105)"), calls.end());
}

TEST_F(LeaderFixture, AdjustPointIsTheLegStartWhileTheShapeIsPlaced) {
    CRukMarkEllipse mark;
    CRecordingDC dc;
    mark.OnButtonDown(nullptr, nullptr, 0, 2000, nullptr, 0);
    EXPECT_EQ(mark.AdjustPoint(&m_document, &dc, 7, 7), (POINT{0, 200}));
    mark.AddPoint(2000, 0, 0);
    EXPECT_EQ(mark.AdjustPoint(&m_document, &dc, 7, 7), (POINT{100, 100}));
    mark.AddPoint(3000, 0, 0);
    EXPECT_EQ(mark.AdjustPoint(&m_document, &dc, 7, 7), (POINT{7, 7}));
    CRukMarkCircle circle;
    circle.OnButtonDown(nullptr, nullptr, 1000, 1000, nullptr, 0);
    circle.AddPoint(2000, 1000, 0);
    EXPECT_EQ(circle.AdjustPoint(&m_document, &dc, 7, 7), (POINT{100, 100}));
}

// ---- Feedback

class LeaderTracking : public ::testing::Test {
protected:
    LeaderTracking() {
        m_document.m_style.m_labelFrame = kFrameCircle;
        m_mark.SetText("ABC");
        m_mark.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    }

    void Track(POINT from, POINT to) {
        m_mark.TrackOn(m_surface, m_document, from, to, m_settings);
    }

    // What TrackAt draws for the state at the point.
    std::multiset<std::string> StateAt(POINT point) {
        RecordingSurface surface;
        m_mark.TrackAtOn(surface, m_document, point, m_settings);
        return surface.Shown();
    }

    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
    CRukMarkEllipse m_mark;
    RecordingSurface m_surface;
};

TEST_F(LeaderTracking, TrackErasesTheOldFeedbackAndDrawsTheNew) {
    Track({0, 0}, {100, 50});
    Track({100, 50}, {200, 100});
    EXPECT_EQ(m_surface.Shown(), StateAt({200, 100}));
    ASSERT_EQ(m_mark.AddPoint(200, 100, 0), 0);
    Track({200, 100}, {300, 300});
    Track({300, 300}, {400, 300});
    EXPECT_EQ(m_mark.m_trackShown, 1);
    EXPECT_EQ(m_surface.Shown(), StateAt({400, 300}));
    const std::multiset<std::string> expected{
        RecordingSurface::Figure("Polyline", {{100, 50}, {400, 300}}),
        RecordingSurface::Figure("Polyline",
                                 {{385, 290}, {415, 290}, {415, 310}, {385, 310}, {385, 290}})};
    for (const std::string& figure : expected)
        EXPECT_EQ(m_surface.Shown().count(figure), 1u) << figure;
    // The label font: 200 units at scale 1 and text scale 1.4.
    EXPECT_EQ(m_surface.m_fonts.back(), 280);
}

TEST_F(LeaderTracking, EraseTrackingTakesBackAPolyVertex) {
    m_mark.SetPolyMode(1);
    Track({0, 0}, {200, 100});
    m_mark.AddPoint(200, 100, 0);
    Track({200, 100}, {400, 300});
    m_mark.AddPoint(400, 300, 0);
    Track({400, 300}, {500, 100});
    EXPECT_EQ(m_mark.EraseTrackingOn(m_surface, m_document, POINT{500, 100}, m_settings), 2);
    EXPECT_EQ((POINT{m_mark.m_x1, m_mark.m_y1}), (POINT{100, 50}));
    EXPECT_EQ(m_surface.Shown(), StateAt({500, 100}));
}

TEST_F(LeaderTracking, PendingTrackRedrawsTheLastLegAndLabel) {
    Track({0, 0}, {200, 100});
    m_mark.AddPoint(200, 100, 0);
    Track({200, 100}, {300, 300});
    m_mark.TrackPendingOn(m_surface, m_document, POINT{300, 300}, m_settings);
    // Drawn twice, leg and label are gone; the shape stays.
    const std::multiset<std::string> shown = m_surface.Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.begin()->rfind("Polygon(", 0), 0u);
}

// The feedback on a real surface: a whole gesture's moves and their erase
// leave the pixels as they were.
TEST(LeaderTrackingPixels, GestureAndEraseLeaveTheSurfaceByteForByte) {
    FixedTextMetrics metrics;
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < 300; i += 7)
        image.setPixel(i, (i * 3) % 300, 0xFF336699);
    const QImage before = image.copy();
    FakeMarkupDocument document;
    document.m_textSize = 0.02;
    document.m_style.m_labelFrame = kFrameRect;
    const CDrawDefaults settings = MarkupSettings();
    CRukMarkCircle mark;
    mark.SetText("AB");
    {
        CImageDC dc(image);
        mark.OnButtonDown(&dc, &document, 100, 100, &settings, 0);
        mark.Track(&document, &dc, 100, 100, 140, 120, &settings, 0);
        mark.Track(&document, &dc, 140, 120, 160, 100, &settings, 0);
        mark.Track(&document, &dc, 160, 100, 100, 100, &settings, 0);
        mark.AddPoint(150, 100, 0);
        mark.TrackAt(&document, &dc, 150, 100, &settings);
        mark.Track(&document, &dc, 150, 100, 220, 180, &settings, 0);
        mark.Track(&document, &dc, 220, 180, 250, 60, &settings, 0);
        mark.TrackPending(&document, &dc, 250, 60, &settings);
        EXPECT_FALSE(image.copy() == before) << "the state drawn by TrackAt is on the surface";
        mark.TrackAt(&document, &dc, 150, 100, &settings);
    }
    EXPECT_TRUE(image == before);
}

} // namespace
