#include "MarkupTestSupport.h"

#include "entities/CRukCircle.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukMark.h"
#include "markups/CRukMarkCircle.h"
#include "markups/CRukMarkEllipse.h"
#include "markups/CRukMarkSquare.h"
#include "tests/entities/PointPrinting.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

// A markup of any kind with the base behaviour and its building steps open.
class TestMark : public CRukMark {
public:
    explicit TestMark(int number) : CRukMark(MarkupKind(number)) {}
    using CRukMark::BuildMarkupChild;
};

// ---- The gesture rule

struct GestureStep {
    int x, y, mode;
    int answer;
    int count;
    POINT current;
};

struct GestureCase {
    const char* name;
    int number;
    int polyMode;
    std::vector<GestureStep> steps;
};

void PrintTo(const GestureCase& c, std::ostream* out) {
    *out << c.name;
}

class Gesture : public ::testing::TestWithParam<GestureCase> {};

TEST_P(Gesture, AnswersPointsAndCurrentPoint) {
    TestMark mark(GetParam().number);
    mark.SetPolyMode(GetParam().polyMode);
    mark.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    int step = 0;
    for (const GestureStep& s : GetParam().steps) {
        SCOPED_TRACE(step++);
        EXPECT_EQ(mark.AddPoint(s.x, s.y, s.mode), s.answer);
        EXPECT_EQ(mark.GetPointCount(), s.count);
        EXPECT_EQ((POINT{mark.m_x1, mark.m_y1}), s.current);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Markup, Gesture,
    ::testing::Values(
        // A double click before the count is reached is ignored; the
        // completing point does not become current.
        GestureCase{"FixedTwo", 0x07, 0, {{5, 5, 1, 0, 1, {0, 0}}, {10, 0, 0, 1, 2, {0, 0}}}},
        GestureCase{
            "FixedThree",
            0x01,
            0,
            {{10, 0, 0, 0, 2, {10, 0}}, {5, 5, 1, 0, 2, {10, 0}}, {20, 20, 0, 1, 3, {10, 0}}}},
        // Two points and a double click only move the current point; with
        // three the figure completes without the double-clicked point.
        GestureCase{"Poly",
                    0x01,
                    1,
                    {{10, 0, 0, 0, 2, {10, 0}},
                     {7, 7, 1, 0, 2, {7, 7}},
                     {20, 0, 0, 0, 3, {20, 0}},
                     {30, 30, 1, 1, 3, {20, 0}},
                     {40, 40, 2, 0, 3, {40, 40}}}}),
    [](const auto& info) { return info.param.name; });

TEST(CRukMarkTest, KindTableGivesEachClassItsCount) {
    EXPECT_EQ(CRukMarkEllipse().m_pointsToFinish, 3);
    EXPECT_EQ(TestMark(0x05).m_pointsToFinish, 2);
    EXPECT_EQ(TestMark(0x13).m_pointsToFinish, 0);
    EXPECT_TRUE(CMarkupKinds::IsClosed(MarkupKind(0x0A)));
    EXPECT_FALSE(CMarkupKinds::IsClosed(MarkupKind(0x15)));
    EXPECT_FALSE(CMarkupKinds::IsClosed(MarkupKind(0x00)));
    EXPECT_EQ(CMarkupKinds::Find(MarkupKind(0x10)), nullptr);
    EXPECT_EQ(CMarkupKinds::Find(kKindText), nullptr);
}

TEST(CRukMarkTest, ToolsCreateTheirLeaderMarks) {
    for (const auto& [tool, kind] : {std::pair{0, 0x01}, std::pair{1, 0x02}, std::pair{2, 0x00}}) {
        const std::unique_ptr<CRukMark> mark(CMarkupKinds::CreateForTool(tool));
        ASSERT_NE(mark, nullptr) << tool;
        EXPECT_EQ(mark->GetKind(), MarkupKind(kind));
        EXPECT_EQ(mark->m_leaderAttached, 1);
        EXPECT_EQ(mark->m_endMarkFlag, 1);
    }
    EXPECT_EQ(CMarkupKinds::CreateForTool(-1), nullptr);
    EXPECT_EQ(CMarkupKinds::CreateForTool(99), nullptr);
}

// ---- Attributes

TEST(CRukMarkTest, LeaderMarkHasNoFillAndTheCharSetAnswerIsFixed) {
    FakeMarkupDocument document;
    CRukMarkEllipse mark;
    auto* circle = new CRukCircle();
    document.AddMarkup(circle);
    mark.AddChild(circle);
    mark.SetFillType(3);
    EXPECT_EQ(circle->GetFillType(), 0);
    EXPECT_EQ(mark.GetFillType(), 0);
    EXPECT_EQ(mark.GetTransparent(), 1);
    EXPECT_EQ(mark.GetFillColor(), 0xFFFFFFu);
    mark.SetCharSet(0);
    EXPECT_EQ(mark.m_charSet, 0);
    EXPECT_EQ(mark.GetCharSet(), 128);
}

TEST(CRukMarkTest, ClosedKindPassesFillToItsClosedChild) {
    FakeMarkupDocument document;
    TestMark mark(0x08);
    auto* text = new CRukText();
    auto* circle = new CRukCircle();
    for (CRukEntity* child : {static_cast<CRukEntity*>(text), static_cast<CRukEntity*>(circle)}) {
        document.AddMarkup(child);
        mark.AddChild(child);
    }
    mark.SetFillType(4);
    mark.SetTransparent(0);
    mark.SetFillColor(0x123456);
    EXPECT_EQ(mark.GetFillType(), 4);
    EXPECT_EQ(mark.GetTransparent(), 0);
    EXPECT_EQ(mark.GetFillColor(), 0x123456u);
    EXPECT_EQ(circle->m_savedFillColor, 0x123456u);
    EXPECT_EQ(text->GetFillType(), 0);
}

TEST(CRukMarkTest, SetPointBeyondThePointsChangesNothing) {
    TestMark mark(0x07);
    mark.OnButtonDown(nullptr, nullptr, 1, 2, nullptr, 0);
    EXPECT_EQ(mark.SetPoint(9, 9, 1), 0);
    EXPECT_EQ(mark.SetPoint(9, 9, -1), 0);
    int x = 0, y = 0;
    EXPECT_EQ(mark.GetPoint(&x, &y, 1), 0);
    EXPECT_EQ(mark.GetPoint(&x, &y, 0), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{1, 2}));
}

// ---- Building a child

struct FillCase {
    const char* name;
    int solid, fillType, transparent;
    int expectedType, expectedTransparent;
};

void PrintTo(const FillCase& c, std::ostream* out) {
    *out << c.name;
}

class ChildFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(ChildFill, ClosedChildTakesTheFillStyle) {
    FakeMarkupDocument document;
    document.m_style.m_redSolidFill = GetParam().solid;
    document.m_style.m_redFillType = GetParam().fillType;
    document.m_style.m_redTransparent = GetParam().transparent;
    document.m_curLayerName = "RED";
    TestMark mark(0x0A);
    auto* polygon = new CRukPolygon();
    polygon->SetFirstPoint(0, 0);
    polygon->AppendPoint(10, 10);
    polygon->RecalcExtents();
    mark.BuildMarkupChild(document, polygon);
    EXPECT_EQ(polygon->GetFillType(), GetParam().expectedType);
    EXPECT_EQ(polygon->GetTransparent(), GetParam().expectedTransparent);
    EXPECT_EQ(polygon->m_childFlag, 2);
    EXPECT_EQ(polygon->GetLayerName(), "RED");
    EXPECT_EQ(polygon->GetLineWidth(), 15);
    EXPECT_EQ(document.m_drawOrder, std::vector<CRukEntity*>{polygon});
    EXPECT_EQ(document.m_layers["RED"], std::vector<CRukEntity*>{polygon});
    EXPECT_EQ(ChildrenOf(mark), std::vector<CRukEntity*>{polygon});
}

INSTANTIATE_TEST_SUITE_P(Markup, ChildFill,
                         ::testing::Values(FillCase{"Solid", 1, 5, 1, 3, 0},
                                           FillCase{"None", 0, 0, 0, 0, 1},
                                           FillCase{"Translucent", 0, 1, 1, 1, 0},
                                           FillCase{"Opaque", 0, 3, 1, 3, 0},
                                           FillCase{"Special", 0, 99, 1, 99, 0},
                                           FillCase{"HatchTransparent", 0, 5, 1, 5, 1},
                                           FillCase{"HatchOpaque", 0, 6, 0, 6, 0}),
                         [](const auto& info) { return info.param.name; });

// ---- Label sizes and clipping

TEST(CRukMarkTest, LabelSizesRoundHalfUp) {
    EXPECT_EQ(CRukMark::CircleRadiusForLabel(100, 40), 70);
    EXPECT_EQ(CRukMark::CircleRadiusForLabel(15, 7), 11);
    EXPECT_EQ(CRukMark::RectSizeForLabel(15, 7), (SIZE{20, 10}));
    EXPECT_EQ(CRukMark::PlainSizeForLabel(15, 7), (SIZE{17, 8}));
    EXPECT_EQ(CRukMark::PlainSizeForLabel(0, 0), (SIZE{0, 0}));
}

TEST(CRukMarkTest, RectClipFindsTheEdgeTowardThePoint) {
    POINT out{};
    ASSERT_EQ(CRukMark::ClipToRect(POINT{0, 1000}, &out, 200, 100, 0, 0, 1000), 1);
    EXPECT_EQ(out, (POINT{0, 50}));
    ASSERT_EQ(CRukMark::ClipToRect(POINT{1000, 0}, &out, 200, 100, 0, 0, 1000), 1);
    EXPECT_EQ(out, (POINT{100, 0}));
    EXPECT_EQ(CRukMark::ClipToRect(POINT{1000, 0}, &out, 0, 100, 0, 0, 1000), 0);
    // A point inside the rectangle reaches no edge.
    out = POINT{-7, -7};
    EXPECT_EQ(CRukMark::ClipToRect(POINT{10, 10}, &out, 200, 100, 0, 0, 1000), 0);
    EXPECT_EQ(out, (POINT{-7, -7}));
}

TEST(CRukMarkTest, CircleClipOfASegmentThroughTheCircleTakesTheNearerCrossing) {
    POINT q{1000, 0};
    ASSERT_EQ(CRukMark::ClipSegmentToCircle(POINT{-1000, 0}, &q, 0, 0, 100, 1000), 1);
    // The 72-gon's crossing on the near side, not the far one at x = 100.
    EXPECT_NEAR(q.x, -100, 2);
    EXPECT_EQ(q.y, 0);
    POINT out{};
    ASSERT_EQ(CRukMark::ClipToCircle(POINT{1000, 0}, &out, 0, 0, 100, 1000), 1);
    EXPECT_EQ(out, (POINT{100, 0}));
    EXPECT_EQ(CRukMark::ClipToCircle(POINT{10, 0}, &out, 0, 0, 100, 1000), 0);
}

TEST(CRukMarkTest, EllipseClipFollowsTheHalfAxes) {
    POINT out{};
    ASSERT_EQ(CRukMark::ClipToEllipse(POINT{0, 1000}, &out, 0, 0, 400, 200, 1000), 1);
    EXPECT_NEAR(out.y, 100, 1);
    EXPECT_NEAR(out.x, 0, 1);
    ASSERT_EQ(CRukMark::ClipToEllipse(POINT{1000, 0}, &out, 0, 0, 400, 200, 1000), 1);
    EXPECT_NEAR(out.x, 200, 1);
}

// ---- Taking back a point

TEST(CRukMarkTest, EraseTrackingDrawsTheThreeLinesAndTakesTheLastPoint) {
    FakeMarkupDocument document;
    const CDrawDefaults settings = MarkupSettings();
    TestMark mark(0x0B);
    mark.SetPolyMode(1);
    mark.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    for (POINT p : {POINT{100, 0}, POINT{100, 100}, POINT{0, 100}})
        mark.AddPoint(p.x, p.y, 0);
    RecordingSurface surface;
    EXPECT_EQ(mark.EraseTrackingOn(surface, document, POINT{50, 50}, settings), 3);
    EXPECT_EQ(surface.m_figures,
              (std::vector<std::string>{"Polyline(0,100 50,50)", "Polyline(50,50 100,100)",
                                        "Polyline(0,100 100,100)"}));
    EXPECT_EQ((POINT{mark.m_x1, mark.m_y1}), (POINT{100, 100}));
    // With three points the previous point is the middle of the first two.
    surface.m_figures.clear();
    EXPECT_EQ(mark.EraseTrackingOn(surface, document, POINT{50, 50}, settings), 2);
    EXPECT_EQ(surface.m_figures,
              (std::vector<std::string>{"Polyline(50,50 100,100)", "Polyline(50,0 50,50)",
                                        "Polyline(50,0 100,100)"}));
    EXPECT_EQ((POINT{mark.m_x1, mark.m_y1}), (POINT{50, 0}));
    surface.m_figures.clear();
    EXPECT_EQ(mark.EraseTrackingOn(surface, document, POINT{50, 50}, settings), 0);
    EXPECT_TRUE(surface.m_figures.empty());
    EXPECT_EQ(mark.GetPointCount(), 2);
}

} // namespace
