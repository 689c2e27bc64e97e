// The open-path markups: the clicked polyline, the freehand stroke with its
// thinning, and the segment stroke with its chains and pen toggle.
#include "MarkupTestSupport.h"

#include "entities/EntityKinds.h"
#include "markups/CRukFreeCurve.h"
#include "markups/CRukMarkPartLine.h"
#include "markups/CRukRedPolyline.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

class OpenPath : public ::testing::Test {
protected:
    OpenPath() {
        m_document.m_curLayerName = "RED";
        m_document.m_style.m_redPenColor = 0x0000FF;
        m_document.m_style.m_redPenWidth = 40;
        m_document.m_style.m_redLineType = 3;
    }

    void Finish(CRukMark& mark) {
        CRecordingDC dc;
        mark.Finish(&m_document, &dc, &m_settings);
    }

    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
};

// ---- Polyline

TEST_F(OpenPath, PolylineDoubleClickedAtItsSecondPointAddsItOnce) {
    auto* polyline = new CRukRedPolyline();
    m_document.AddMarkup(polyline);
    polyline->OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    EXPECT_EQ(polyline->AddPoint(0, 0, 1), 0) << "one point keeps the gesture open";
    EXPECT_EQ(polyline->AddPoint(1000, 500, 0), 0);
    EXPECT_EQ(polyline->AddPoint(1000, 500, 1), 1);
    Finish(*polyline);
    const std::vector<CRukEntity*> children = ChildrenOf(*polyline);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0]->GetKind(), kKindPolyline);
    EXPECT_EQ(VerticesOf(*children[0]), (std::vector<POINT>{{0, 0}, {1000, 500}}));
    EXPECT_EQ(children[0]->GetLineType(), 3);
    EXPECT_EQ(children[0]->GetLineWidth(), 40);
    EXPECT_EQ(polyline->GetPointCount(), 2);
    EXPECT_EQ(polyline->HasPolylineChild(), 1);
    EXPECT_EQ(polyline->GetFillType(), 0);
}

TEST_F(OpenPath, PolylineBandShowsThePathAndTheLegToTheCursor) {
    RecordingSurface surface;
    CRukRedPolyline polyline;
    polyline.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    polyline.AddPoint(100, 0, 0);
    polyline.TrackAtOn(surface, m_document, {100, 100}, m_settings);
    EXPECT_EQ(surface.Shown(),
              (std::multiset<std::string>{"Polyline(0,0 100,0)", "Polyline(100,0 100,100)"}));
    EXPECT_EQ(polyline.EraseTrackingOn(surface, m_document, {100, 100}, m_settings), 1);
    EXPECT_EQ(polyline.m_trackShown, 0);
    EXPECT_EQ((POINT{polyline.m_x1, polyline.m_y1}), (POINT{0, 0}));
}

TEST_F(OpenPath, PolylineBodyIsPointsThenGroupLayoutByteForByte) {
    auto* polyline = new CRukRedPolyline();
    m_document.AddMarkup(polyline);
    polyline->OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    polyline->AddPoint(1000, 500, 0);
    polyline->AddPoint(2000, -500, 0);
    Finish(*polyline);
    const std::vector<BYTE> stored = StoreObject(*polyline);
    Bytes own = ClassRecord(0, "CRukRedPolyline");
    own.Word(3).Long(0).Long(0).Long(1000).Long(500).Long(2000).Long(-500);
    own.Long(0).Long(500).Long(2000).Long(-500);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("").Text("").Long(1).Word(1);
    ASSERT_GT(stored.size(), own.Get().size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + own.Get().size()), own.Get());
    const LoadedMarkup<CRukRedPolyline> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->GetPointCount(), 3);
}

// ---- Freehand

struct ThinCase {
    const char* name;
    std::vector<POINT> path;
    std::vector<POINT> kept;
};

void PrintTo(const ThinCase& c, std::ostream* out) {
    *out << c.name;
}

class FreehandThinning : public ::testing::TestWithParam<ThinCase> {};

TEST_P(FreehandThinning, KeepsTheEndsOfEachRunWithinAUnitOfItsChord) {
    EXPECT_EQ(CRukFreeCurve::Thin(GetParam().path, 1000), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FreehandThinning,
    ::testing::Values(ThinCase{"TwoPointsStay", {{0, 0}, {10, 10}}, {{0, 0}, {10, 10}}},
                      ThinCase{"CollinearKeepsTheEnds",
                               {{0, 0}, {1000, 0}, {2000, 0}, {3000, 0}, {4000, 0}},
                               {{0, 0}, {4000, 0}}},
                      ThinCase{"WithinAUnitOfTheChordKeepsTheEnds",
                               {{0, 0}, {2000, 500}, {4000, -500}, {6000, 0}},
                               {{0, 0}, {6000, 0}}},
                      ThinCase{"ACornerIsKept",
                               {{0, 0}, {5000, 0}, {10000, 0}, {10000, 5000}, {10000, 10000}},
                               {{0, 0}, {10000, 0}, {10000, 10000}}},
                      ThinCase{"ARunEndsBeforeThePointThatFails",
                               {{0, 0}, {1000, 0}, {2000, 5000}, {3000, 0}},
                               {{0, 0}, {2000, 5000}, {3000, 0}}},
                      ThinCase{"AClosedLoopKeepsItsFarSide",
                               {{0, 0}, {5000, 0}, {5000, 5000}, {0, 0}},
                               {{0, 0}, {5000, 0}, {5000, 5000}, {0, 0}}},
                      ThinCase{"OnePointStays", {{7, 7}}, {{7, 7}}}),
    [](const ::testing::TestParamInfo<ThinCase>& info) { return info.param.name; });

TEST_F(OpenPath, FreehandFinishBuildsASplineThroughTheKeptPoints) {
    auto* stroke = new CRukFreeCurve();
    m_document.AddMarkup(stroke);
    stroke->OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    for (const POINT& p : std::vector<POINT>{{5000, 0}, {10000, 0}, {10000, 5000}})
        EXPECT_EQ(stroke->AddPoint(p.x, p.y, 0), 0);
    EXPECT_EQ(stroke->AddPoint(10000, 10000, 0), 0);
    EXPECT_EQ(stroke->AddPoint(10000, 10000, 1), 1);
    EXPECT_EQ(stroke->HitTestPoint(&m_document, 10000, 10000), 0) << "never ends on a point";
    Finish(*stroke);
    const std::vector<POINT> kept{{0, 0}, {10000, 0}, {10000, 10000}};
    EXPECT_EQ(VerticesOf(*stroke), kept);
    const std::vector<CRukEntity*> children = ChildrenOf(*stroke);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0]->GetKind(), kKindSpline);
    EXPECT_EQ(VerticesOf(*children[0]), kept);

    const LoadedMarkup<CRukFreeCurve> loaded(LoadObject(StoreObject(*stroke)));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(loaded.mark->GetPointCount(), 3) << "the spline child's count";
    EXPECT_EQ(StoreObject(*loaded.mark), StoreObject(*stroke));
}

TEST_F(OpenPath, MendedFreehandOfOnePointDoesNotCompleteAndBuildsNothing) {
    CRukFreeCurve stroke;
    stroke.OnButtonDown(nullptr, nullptr, 300, 300, nullptr, 0);
    EXPECT_EQ(stroke.AddPoint(300, 300, 1), 0) << "a finish request needs two points";
    EXPECT_EQ(stroke.m_points.GetSize(), 1);
    // A press and release without a move records the same point twice.
    stroke.AddPoint(300, 300, 0);
    EXPECT_EQ(stroke.AddPoint(300, 300, 1), 1);
    Finish(stroke);
    EXPECT_TRUE(ChildrenOf(stroke).empty());
    EXPECT_TRUE(m_document.m_drawOrder.empty());
}

// ---- Segment stroke

// The clicks of a gesture: a click, or the pen toggle.
struct Step {
    enum Kind { kClick, kToggle, kDoubleClick } kind;
    POINT at;
};

struct ChainCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<POINT> points;
    std::vector<std::vector<POINT>> chains;
};

void PrintTo(const ChainCase& c, std::ostream* out) {
    *out << c.name;
}

class SegmentStroke : public OpenPath, public ::testing::WithParamInterface<ChainCase> {};

constexpr POINT kA{0, 0};
constexpr POINT kB{1000, 0};
constexpr POINT kC{1000, 1000};
constexpr POINT kD{2000, 1000};

TEST_P(SegmentStroke, ClicksAndPenTogglesGiveTheChains) {
    auto* stroke = new CRukMarkPartLine();
    m_document.AddMarkup(stroke);
    RecordingSurface surface;
    const std::vector<Step>& steps = GetParam().steps;
    stroke->OnButtonDown(nullptr, nullptr, steps[0].at.x, steps[0].at.y, nullptr, 0);
    int answer = 0;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.kind == Step::kToggle) {
            stroke->DrawPreviewOn(surface, m_document, step.at);
            continue;
        }
        // A double click's first press counts as a click.
        answer = stroke->AddPoint(step.at.x, step.at.y, 0);
        if (step.kind == Step::kDoubleClick)
            answer = stroke->AddPoint(step.at.x, step.at.y, 1);
    }
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(VerticesOf(*stroke), GetParam().points);
    Finish(*stroke);
    std::vector<std::vector<POINT>> chains;
    for (const CRukEntity* child : ChildrenOf(*stroke)) {
        chains.push_back(VerticesOf(*child));
        EXPECT_EQ(child->GetKind(), kKindPolyline);
        EXPECT_EQ(child->GetLineType(), 100);
        EXPECT_EQ(child->GetLineWidth(), 40);
        EXPECT_EQ(child->GetColor(), 0x0000FFu);
        EXPECT_EQ(child->m_childFlag, 2);
    }
    EXPECT_EQ(chains, GetParam().chains);
    EXPECT_EQ(stroke->m_childCount, static_cast<int>(chains.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Gestures, SegmentStroke,
    ::testing::Values(
        ChainCase{"ClickClickDoubleClickIsOneChain",
                  {{Step::kClick, kA}, {Step::kClick, kB}, {Step::kDoubleClick, kC}},
                  {kA, kB, kB, kC},
                  {{kA, kB, kC}}},
        ChainCase{"PenUpBetweenGivesTwoChains",
                  {{Step::kClick, kA},
                   {Step::kClick, kB},
                   {Step::kToggle, kB},
                   {Step::kClick, kC},
                   {Step::kDoubleClick, kD}},
                  {kA, kB, kC, kD},
                  {{kA, kB}, {kC, kD}}},
        ChainCase{"PenDownAgainContinuesTheChain",
                  {{Step::kClick, kA},
                   {Step::kClick, kB},
                   {Step::kToggle, kB},
                   {Step::kToggle, kB},
                   {Step::kDoubleClick, kC}},
                  {kA, kB, kB, kC},
                  {{kA, kB, kC}}},
        ChainCase{
            "EqualClicksMakeNoZeroLengthVertex",
            {{Step::kClick, kA}, {Step::kClick, kB}, {Step::kClick, kB}, {Step::kDoubleClick, kC}},
            {kA, kB, kB, kB, kB, kC},
            {{kA, kB, kC}}}),
    [](const ::testing::TestParamInfo<ChainCase>& info) { return info.param.name; });

TEST_F(OpenPath, SegmentStrokeFinishDropsTheOpenStart) {
    auto* stroke = new CRukMarkPartLine();
    m_document.AddMarkup(stroke);
    for (const POINT& p : std::vector<POINT>{kA, kB, kB})
        stroke->m_points.Add(p);
    Finish(*stroke);
    EXPECT_EQ(VerticesOf(*stroke), (std::vector<POINT>{kA, kB}));
    ASSERT_EQ(ChildrenOf(*stroke).size(), 1u);
    EXPECT_EQ(VerticesOf(*ChildrenOf(*stroke)[0]), (std::vector<POINT>{kA, kB}));
}

TEST_F(OpenPath, SegmentStrokeFinishRequestWithOnePointKeepsItOpen) {
    CRukMarkPartLine stroke;
    stroke.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    EXPECT_EQ(stroke.AddPoint(500, 500, 1), 0);
    EXPECT_EQ(stroke.m_points.GetSize(), 1);
}

TEST_F(OpenPath, SegmentStrokeRightButtonTakesBackTheChainedSegment) {
    CRukMarkPartLine stroke;
    RecordingSurface surface;
    stroke.OnButtonDown(nullptr, nullptr, kA.x, kA.y, nullptr, 0);
    stroke.AddPoint(kB.x, kB.y, 0);
    stroke.TrackAtOn(surface, m_document, kC, m_settings);
    ASSERT_EQ(VerticesOf(stroke), (std::vector<POINT>{kA, kB, kB}));
    EXPECT_EQ(stroke.EraseTrackingOn(surface, m_document, kC, m_settings), 1);
    EXPECT_EQ(VerticesOf(stroke), (std::vector<POINT>{kA}));
    EXPECT_EQ(stroke.m_trackShown, 0);
    // What stays on screen is the band from A, the start again, to the cursor.
    EXPECT_EQ(surface.Shown(), (std::multiset<std::string>{"Stroke(0,0 1000,1000)"}));
    EXPECT_EQ(surface.m_strokeWidths.front(), 40);
    EXPECT_EQ(stroke.EraseTrackingOn(surface, m_document, kC, m_settings), 0);
}

TEST_F(OpenPath, SegmentStrokeRightButtonAfterPenUpReopensAtTheSegmentsStart) {
    CRukMarkPartLine stroke;
    RecordingSurface surface;
    for (const POINT& p : std::vector<POINT>{kA, kB})
        stroke.m_points.Add(p);
    stroke.TrackAtOn(surface, m_document, kC, m_settings);
    EXPECT_EQ(stroke.EraseTrackingOn(surface, m_document, kC, m_settings), 1);
    EXPECT_EQ(VerticesOf(stroke), (std::vector<POINT>{kA}));
    EXPECT_EQ(surface.Shown(), (std::multiset<std::string>{"Stroke(0,0 1000,1000)"}));
}

TEST_F(OpenPath, SegmentStrokeAnchorsTheBandOnlyWhileASegmentIsOpen) {
    CRukMarkPartLine stroke;
    stroke.OnButtonDown(nullptr, nullptr, 100, 200, nullptr, 0);
    EXPECT_EQ(stroke.AdjustPoint(&m_document, nullptr, 5, 5), (POINT{100, 200}));
    stroke.AddPoint(300, 200, 0);
    stroke.DrawPreviewOn(*std::make_unique<RecordingSurface>(), m_document, {0, 0});
    EXPECT_EQ(stroke.AdjustPoint(&m_document, nullptr, 5, 5), (POINT{5, 5})) << "pen up";
}

} // namespace

namespace {

bool Called(const CRecordingDC& dc, const std::string& prefix) {
    for (const std::string& call : dc.Calls())
        if (call.rfind(prefix, 0) == 0)
            return true;
    return false;
}

TEST_F(OpenPath, SegmentStrokeFeedbackIsAWideStrokedPathInXor) {
    CRukMarkPartLine stroke;
    stroke.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    stroke.AddPoint(1000, 0, 0);
    CRecordingDC dc;
    stroke.DrawPreview(&m_document, &dc, 2000, 0, &m_settings);
    EXPECT_TRUE(Called(dc, "SetROP2(R2_XORPEN)"));
    EXPECT_TRUE(Called(dc, "BeginPath"));
    EXPECT_TRUE(Called(dc, "StrokePath"));
    EXPECT_TRUE(Called(dc, "SelectObject(pen PS_GEOMETRIC"));
    EXPECT_EQ(VerticesOf(stroke), (std::vector<POINT>{{0, 0}, {1000, 0}})) << "pen up";
}

TEST_F(OpenPath, SegmentStrokeDrawsItsChainsInvertedOnlyInSelectModeThree) {
    auto* stroke = new CRukMarkPartLine();
    m_document.AddMarkup(stroke);
    for (const POINT& p : std::vector<POINT>{kA, kB})
        stroke->m_points.Add(p);
    Finish(*stroke);
    for (const int mode : {0, 3}) {
        m_settings.m_selectMode = mode;
        CRecordingDC dc;
        stroke->Draw(&m_document, &dc, 0, 0, 0.1, 0x0000FF, &m_settings, RECT{0, 0, 0, 0});
        EXPECT_EQ(Called(dc, "SetROP2(R2_NOT)"), mode == 3) << mode;
        EXPECT_FALSE(Called(dc, "SelectObject(brush")) << "no fill brush";
        EXPECT_FALSE(Called(dc, "SetTextColor")) << mode;
    }
}

} // namespace

namespace {

TEST_F(OpenPath, SegmentStrokeBodyIsPointsThenGroupLayoutByteForByte) {
    auto* stroke = new CRukMarkPartLine();
    m_document.AddMarkup(stroke);
    for (const POINT& p : std::vector<POINT>{kA, kB, kC, kD})
        stroke->m_points.Add(p);
    Finish(*stroke);
    const std::vector<BYTE> stored = StoreObject(*stroke);
    Bytes own = ClassRecord(0, "CRukMarkPartLine");
    own.Word(4).Long(0).Long(0).Long(1000).Long(0).Long(1000).Long(1000).Long(2000).Long(1000);
    own.Long(0).Long(1000).Long(2000).Long(0);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("").Text("").Long(2).Word(2);
    ASSERT_GT(stored.size(), own.Get().size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + own.Get().size()), own.Get());
    const LoadedMarkup<CRukMarkPartLine> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->GetPointCount(), 2) << "the first chain's vertices";
}

} // namespace
