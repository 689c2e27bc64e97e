#include "MarkupTestSupport.h"

#include "entities/CRukCircle.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukMarkBalloon.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

constexpr double kWidthRatio = 0.16666666666666663;

// ---- Arrowhead corners

struct ArrowCase {
    const char* name;
    POINT from;
    POINT a;
    POINT b;
};

void PrintTo(const ArrowCase& c, std::ostream* out) {
    *out << c.name;
}

class ArrowCorners : public ::testing::TestWithParam<ArrowCase> {};

// Length 1000 with the tip at the origin: the corners lie 1000 back along
// the leader and 166.67 to either side, each coordinate cut toward zero
// after adding a half.
TEST_P(ArrowCorners, LieBackAlongTheLeaderAndToEitherSide) {
    const ArrowCase& c = GetParam();
    POINT a{};
    POINT b{};
    CRukMarkBalloon::ArrowCorners(POINT{0, 0}, c.from, 1000.0, kWidthRatio, &a, &b);
    EXPECT_EQ(a, c.a);
    EXPECT_EQ(b, c.b);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ArrowCorners,
    ::testing::Values(ArrowCase{"FromTheRight", {3000, 0}, {1000, -166}, {1000, 167}},
                      ArrowCase{"FromAbove", {0, 3000}, {167, 1000}, {-166, 1000}},
                      ArrowCase{"FromTheLeft", {-3000, 0}, {-999, 167}, {-999, -166}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The gesture

TEST(BalloonGesture, WithoutPolyModeTheSecondDistinctClickCompletes) {
    CRukMarkBalloon balloon;
    balloon.SetEndMarkFlag(1);
    balloon.OnButtonDown(nullptr, nullptr, 100, 100, nullptr, 0);
    EXPECT_EQ(balloon.AddPoint(100, 100, 0), 0) << "a click on the tip is ignored";
    EXPECT_EQ(balloon.GetPointCount(), 1);
    EXPECT_EQ(balloon.AddPoint(900, 100, 0), 1);
    EXPECT_EQ(balloon.GetPointCount(), 2);
    EXPECT_EQ(balloon.m_pointsToFinish, 2);
}

TEST(BalloonGesture, PolyModeCollectsUntilAFinishRequest) {
    CRukMarkBalloon balloon;
    balloon.SetEndMarkFlag(1);
    balloon.SetPolyMode(1);
    balloon.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    EXPECT_EQ(balloon.AddPoint(500, 0, 0), 0);
    EXPECT_EQ(balloon.AddPoint(500, 500, 0), 0);
    EXPECT_EQ(balloon.AddPoint(600, 600, 1), 1);
    EXPECT_EQ(balloon.GetPointCount(), 3) << "the finish request adds no point";
    EXPECT_EQ(balloon.m_pointsToFinish, 3);
}

TEST(BalloonGesture, RightButtonInATwoPointPolyGestureDropsThePoint) {
    CRukMarkBalloon balloon;
    balloon.SetEndMarkFlag(1);
    balloon.SetPolyMode(1);
    balloon.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    balloon.AddPoint(500, 0, 0);
    FakeMarkupDocument document;
    RecordingSurface surface;
    EXPECT_EQ(balloon.EraseTrackingOn(surface, document, POINT{800, 0}, MarkupSettings()), 1);
    EXPECT_EQ(balloon.GetPointCount(), 1);
    EXPECT_EQ(balloon.m_pointsToFinish, 3);
    EXPECT_EQ(balloon.EraseTrackingOn(surface, document, POINT{800, 0}, MarkupSettings()), 0)
        << "the tip stays";
}

TEST(BalloonGesture, TheToolOfTheBalloonMakesOne) {
    std::unique_ptr<CRukMark> made(CMarkupKinds::CreateForTool(4));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetKind(), MarkupKind(0x04));
    EXPECT_NE(dynamic_cast<CRukMarkBalloon*>(made.get()), nullptr);
}

// ---- Feedback

TEST(BalloonFeedback, TheArrowheadFollowsTheMouseWhileOnlyTheTipExists) {
    FakeMarkupDocument document;
    document.m_viewScale = 0.1;
    const CDrawDefaults settings = MarkupSettings();
    CRukMarkBalloon balloon;
    balloon.SetEndMarkFlag(1);
    balloon.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    RecordingSurface surface;
    balloon.TrackOn(surface, document, POINT{0, 0}, POINT{3000, 0}, settings);
    balloon.TrackOn(surface, document, POINT{3000, 0}, POINT{0, 3000}, settings);
    const std::multiset<std::string> shown = surface.Shown();
    // The strokes for the mouse above the tip: to (167, 1000) and (-166, 1000).
    EXPECT_EQ(shown.count(RecordingSurface::Figure("Polyline", {{0, 0}, {17, 100}})), 1u);
    EXPECT_EQ(shown.count(RecordingSurface::Figure("Polyline", {{0, 0}, {-16, 100}})), 1u);
    EXPECT_EQ(shown.count(RecordingSurface::Figure("Polyline", {{0, 0}, {0, 300}})), 1u);
    // Those for the mouse on the right are gone.
    EXPECT_EQ(shown.count(RecordingSurface::Figure("Polyline", {{0, 0}, {100, -17}})), 0u);
    EXPECT_EQ(shown.count(RecordingSurface::Figure("Polyline", {{0, 0}, {300, 0}})), 0u);
}

// ---- Finish and the arrowhead's length

// A document of a tenth of a view unit per drawing unit, arrowheads 1000
// units long and labels 200 units high ("ABCD" measures 560 x 290).
class BalloonFixture : public ::testing::Test {
protected:
    BalloonFixture() {
        m_document.m_viewScale = 0.1;
        m_document.m_textSize = 0.2;
        m_document.m_arrowSize = 1.0;
        m_document.m_curLayerName = "RED";
        m_document.m_newMarkTag = "tag";
        m_document.m_newMarkName = "tip";
        m_document.m_style.m_redPenColor = 0x0000FF;
        m_document.m_style.m_redPenWidth = 35;
    }

    void Finish(const std::vector<POINT>& points) {
        m_balloon.SetEndMarkFlag(1);
        m_balloon.SetText("ABCD");
        m_balloon.SetPolyMode(points.size() > 2 ? 1 : 0);
        m_balloon.OnButtonDown(nullptr, nullptr, points[0].x, points[0].y, nullptr, 0);
        for (std::size_t i = 1; i < points.size(); ++i)
            m_balloon.AddPoint(points[i].x, points[i].y, 0);
        if (points.size() > 2)
            m_balloon.AddPoint(points.back().x, points.back().y, 1);
        CRecordingDC dc;
        m_balloon.Finish(&m_document, &dc, &m_settings);
    }

    std::vector<CRukEntity*> Children() const { return ChildrenOf(m_balloon); }

    FixedTextMetrics m_metrics;
    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
    CRukMarkBalloon m_balloon;
};

TEST_F(BalloonFixture, TwoClicksGiveArrowheadLeaderAndLabelAtTheAnchor) {
    Finish({{0, 0}, {5000, 0}});
    const std::vector<CRukEntity*> children = Children();
    ASSERT_EQ(children.size(), 5u);
    std::vector<int> kinds;
    for (const CRukEntity* child : children)
        kinds.push_back(child->GetKind());
    EXPECT_EQ(kinds, (std::vector<int>{kKindPolyline, kKindPolyline, kKindCircle, kKindPolygon,
                                       kKindText}));
    EXPECT_EQ(VerticesOf(*children[0]), (std::vector<POINT>{{1000, -166}, {0, 0}, {1000, 167}}));
    // The leader ends where it meets the label circle of radius 392.
    const std::vector<POINT> leader = VerticesOf(*children[1]);
    ASSERT_EQ(leader.size(), 2u);
    EXPECT_EQ(leader[0], (POINT{0, 0}));
    EXPECT_NEAR(leader[1].x, 5000 - 392, 1);
    EXPECT_EQ(leader[1].y, 0);
    EXPECT_EQ(static_cast<const CRukCircle*>(children[2])->GetRadius(), 392);
    EXPECT_EQ(children[4]->GetText(), "ABCD");
    EXPECT_EQ(children[4]->GetTextHeight(), 200);
    for (const CRukEntity* child : children) {
        EXPECT_EQ(child->m_childFlag, 2);
        EXPECT_EQ(child->GetLayerName(), "RED");
        EXPECT_EQ(child->GetColor(), 0x0000FFu);
    }
    EXPECT_EQ(children[0]->GetLineWidth(), 35);
    EXPECT_EQ(m_balloon.m_childCount, 5);
    EXPECT_EQ(m_balloon.m_tag, "tag");
    EXPECT_EQ(m_balloon.m_leaderAttached, 0);
    EXPECT_TRUE(m_document.m_newMarkTag.IsEmpty());
    EXPECT_EQ(m_document.m_drawOrder.size(), 5u);
    EXPECT_EQ(m_balloon.HasLabelCircle(), 1);
}

TEST_F(BalloonFixture, ArrowFactorZeroLeavesThreeCopiesOfTheTip) {
    m_document.m_arrowSize = 0.0;
    Finish({{100, 200}, {5000, 0}});
    EXPECT_EQ(VerticesOf(*Children()[0]), (std::vector<POINT>{{100, 200}, {100, 200}, {100, 200}}));
    EXPECT_EQ(m_balloon.GetArrowLength(), 0);
}

TEST_F(BalloonFixture, BentLeaderKeepsItsVerticesAndAimsTheArrowAlongTheFirstLeg) {
    Finish({{0, 0}, {0, 3000}, {5000, 3000}});
    const std::vector<CRukEntity*> children = Children();
    ASSERT_EQ(children.size(), 5u);
    EXPECT_EQ(VerticesOf(*children[0]), (std::vector<POINT>{{167, 1000}, {0, 0}, {-166, 1000}}));
    const std::vector<POINT> leader = VerticesOf(*children[1]);
    ASSERT_EQ(leader.size(), 3u);
    EXPECT_EQ(leader[1], (POINT{0, 3000}));
}

TEST_F(BalloonFixture, MendedArrowLengthIsTheLengthItWasBuiltWith) {
    Finish({{0, 0}, {5000, 0}});
    EXPECT_EQ(m_balloon.GetArrowLength(), 1000);
    m_balloon.SetArrowLength(2345);
    EXPECT_EQ(m_balloon.GetArrowLength(), 2345);
}

TEST_F(BalloonFixture, MendedTwentyEditsKeepTheArrowLength) {
    Finish({{0, 0}, {5000, 0}});
    const POINT steps[] = {{37, -11}, {-250, 400}, {1, 1}, {-13, 77}, {900, -3}};
    for (int edit = 0; edit < 20; ++edit) {
        const POINT step = steps[edit % 5];
        if (edit % 2 == 0) {
            m_balloon.MoveVertex(step.x, step.y, 0, 0, 0, 0);
        } else {
            int x = 0;
            int y = 0;
            m_balloon.GetPoint(&x, &y, 0);
            m_balloon.SetPoint(x + step.x, y + step.y, 0);
        }
        ASSERT_EQ(m_balloon.GetArrowLength(), 1000) << "edit " << edit;
    }
    // The arrowhead's tip is the balloon's tip, its corners on the line
    // to the leader's second point.
    const std::vector<CRukEntity*> children = Children();
    int x = 0;
    int y = 0;
    m_balloon.GetPoint(&x, &y, 0);
    EXPECT_EQ(children[0]->m_points[1], (POINT{x, y}));
    POINT a{};
    POINT b{};
    CRukMarkBalloon::ArrowCorners(POINT{x, y}, children[1]->m_points[1], 1000.0, kWidthRatio, &a,
                                  &b);
    EXPECT_EQ(children[0]->m_points[0], a);
    EXPECT_EQ(children[0]->m_points[2], b);
}

TEST_F(BalloonFixture, MovingTheAnchorTakesFramesAndTextAndReaimsTheArrow) {
    Finish({{0, 0}, {5000, 0}});
    const std::vector<CRukEntity*> children = Children();
    const POINT centre = children[2]->m_points[0];
    const POINT textOrigin{children[4]->m_x1, children[4]->m_y1};
    m_balloon.MoveVertex(0, 5000, 1, 0, 0, 0);
    // The leader now rises at 45 degrees from the tip.
    EXPECT_EQ(VerticesOf(*children[0]), (std::vector<POINT>{{825, 589}, {0, 0}, {589, 825}}));
    EXPECT_EQ(m_balloon.GetArrowLength(), 1000);
    EXPECT_EQ(children[2]->m_points[0], (POINT{centre.x, centre.y + 5000}));
    EXPECT_EQ((POINT{children[4]->m_x1, children[4]->m_y1}),
              (POINT{textOrigin.x, textOrigin.y + 5000}));
    EXPECT_EQ(children[1]->m_points[1], (POINT{5000, 5000})) << "the leader runs to the anchor";
}

TEST_F(BalloonFixture, ALeaderOfOnePointHasNoArrowLength) {
    Finish({{0, 0}, {5000, 0}});
    Children()[1]->m_points.RemoveAt(1);
    EXPECT_EQ(m_balloon.GetArrowLength(), 0);
}

// ---- Archive

constexpr char kBalloonName[] = "CRukMarkBalloon";

TEST_F(BalloonFixture, SchemaTwoBodyReadsAndWritesBackByteForByte) {
    Finish({{0, 0}, {5000, 0}});
    const std::vector<BYTE> stored = StoreObject(m_balloon);
    const Bytes head = ClassRecord(2, kBalloonName);
    Bytes own;
    own.Word(2).Long(0).Long(0).Long(5000).Long(0);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("tag").Text("tip");
    // Five children follow.
    own.Word(5);
    const std::size_t end = head.Get().size() + own.Get().size();
    ASSERT_GT(stored.size(), end);
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + static_cast<long>(end)),
              Bytes().Append(head.Get()).Append(own.Get()).Get());

    const LoadedMarkup<CRukMarkBalloon> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->m_childCount, 5);
    EXPECT_EQ(loaded.mark->m_endMarkFlag, 0) << "the flag is not archived";
    EXPECT_EQ(loaded.mark->GetArrowLength(), 1000);
}

// A balloon as older versions stored it: a line leader, the arrowhead's
// two strokes, a circle frame and a text; the defining points and the
// child count in the body.
struct OldBalloon {
    OldBalloon() {
        balloon.m_points.Add(POINT{0, 0});
        balloon.m_points.Add(POINT{5000, 0});
        balloon.m_points.Add(POINT{5000, 0});
        balloon.m_layerName = "OLD";
        leader.SetFirstPoint(0, 0);
        leader.AppendPoint(4600, 0);
        leader.SetLayerName("LEAD");
        leader.SetLineWidth(20);
        strokes[0].SetFirstPoint(0, 0);
        strokes[0].AppendPoint(1000, -166);
        strokes[1].SetFirstPoint(0, 0);
        strokes[1].AppendPoint(1000, 167);
        for (CRukLine& stroke : strokes) {
            stroke.SetLayerName("OLD");
            stroke.SetLineWidth(20);
        }
        circle.SetFirstPoint(5000, 0);
        circle.AppendPoint(5400, 0);
        circle.SetLayerName("OLD");
        text.SetText("Hi");
        text.SetTextHeight(100);
        text.SetOrigin(5000, 100);
        text.SetCorner2(5200, 0);
        text.SetLayerName("OLD");
        for (CRukEntity* child :
             std::initializer_list<CRukEntity*>{&leader, &strokes[0], &strokes[1], &circle, &text})
            balloon.AddChild(child);
    }
    std::vector<BYTE> Body(std::uint16_t schema) {
        const std::vector<BYTE> stored = StoreObject(balloon);
        const std::size_t head = ClassRecord(2, kBalloonName).Get().size();
        const std::size_t points = head + 2 + 3 * 8;
        const std::size_t attributes = points + 4 + 4 + 1 + 1 + 1 + 1;
        Bytes body = ClassRecord(schema, kBalloonName);
        body.Append(std::vector<BYTE>(stored.begin() + static_cast<long>(head),
                                      stored.begin() + static_cast<long>(points)));
        body.Long(0).Long(0).Long(5000).Long(0);
        body.Append(std::vector<BYTE>(stored.begin() + static_cast<long>(points),
                                      stored.begin() + static_cast<long>(attributes)));
        body.Long(5);
        body.Append(
            std::vector<BYTE>(stored.begin() + static_cast<long>(attributes), stored.end()));
        return body.Get();
    }

    CRukMarkBalloon balloon;
    CRukLine leader;
    CRukLine strokes[2];
    CRukCircle circle;
    CRukText text;
};

TEST(BalloonArchiveOld, SchemaOneIsConvertedToTheFiveChildLayout) {
    OldBalloon old;
    const LoadedMarkup<CRukMarkBalloon> loaded(LoadObject(old.Body(1)));
    ASSERT_NE(loaded.mark, nullptr);
    const std::vector<CRukEntity*> children = ChildrenOf(*loaded.mark);
    ASSERT_EQ(children.size(), 10u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(children[i]->m_tag, "DELETE") << i;
    std::vector<int> kinds;
    for (std::size_t i = 5; i < children.size(); ++i) {
        kinds.push_back(children[i]->GetKind());
        EXPECT_EQ(children[i]->m_childFlag, 2);
    }
    EXPECT_EQ(kinds, (std::vector<int>{kKindPolyline, kKindPolyline, kKindCircle, kKindPolygon,
                                       kKindText}));
    EXPECT_EQ(VerticesOf(*children[5]), (std::vector<POINT>{{1000, -166}, {0, 0}, {1000, 167}}));
    EXPECT_EQ(VerticesOf(*children[6]), (std::vector<POINT>{{0, 0}, {4600, 0}}));
    EXPECT_EQ(children[6]->GetLayerName(), "LEAD");
    EXPECT_EQ(children[6]->GetLineWidth(), 20);
    EXPECT_EQ(static_cast<const CRukCircle*>(children[7])->GetRadius(), 400);
    EXPECT_EQ(VerticesOf(*children[8]), std::vector<POINT>(4, POINT{5000, 0}));
    EXPECT_EQ(children[9]->GetText(), "Hi");
    // The circle had a radius: the repeated anchor goes.
    EXPECT_EQ(VerticesOf(*loaded.mark), (std::vector<POINT>{{0, 0}, {5000, 0}}));
    EXPECT_EQ(loaded.mark->m_layerName, "LEAD");
}

TEST(BalloonArchiveOld, SchemaZeroGivesUnsetWidthsFifteen) {
    OldBalloon old;
    old.circle.SetLineWidth(0);
    const LoadedMarkup<CRukMarkBalloon> loaded(LoadObject(old.Body(0)));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(ChildrenOf(*loaded.mark)[3]->GetLineWidth(), 15);
    EXPECT_EQ(ChildrenOf(*loaded.mark)[7]->GetLineWidth(), 15);
}

} // namespace
