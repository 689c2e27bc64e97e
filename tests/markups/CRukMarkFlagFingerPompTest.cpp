#include "MarkupTestSupport.h"

#include "entities/CRukCircle.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CRukMarkFinger.h"
#include "markups/CRukMarkFlag.h"
#include "markups/CRukMarkPomp.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

// A document of unit 1000 whose view units are drawing units: flags 5000
// long with a foot of radius 500, hands 500 in size.
class PlantedFixture : public ::testing::Test {
protected:
    PlantedFixture() {
        m_document.m_curLayerName = "RED";
        m_document.m_style.m_redPenColor = 0x0000FF;
        m_document.m_style.m_redPenWidth = 25;
    }

    template <class Mark> void Plant(Mark& mark, POINT first, POINT second) {
        mark.OnButtonDown(nullptr, nullptr, first.x, first.y, nullptr, 0);
        ASSERT_EQ(mark.AddPoint(second.x, second.y, 0), 1);
        CRecordingDC dc;
        mark.Finish(&m_document, &dc, &m_settings);
    }

    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
};

// ---- Flag

TEST_F(PlantedFixture, TheFlagsSecondPointIsAtTheFlagLengthTowardTheCursor) {
    CRukMarkFlag flag;
    flag.OnButtonDown(nullptr, nullptr, 1000, 1000, nullptr, 0);
    EXPECT_EQ(flag.FixedLengthPoint(nullptr, &m_document, 1300, 1400), (POINT{4000, 5000}));
    EXPECT_EQ(flag.AddPoint(1000, 1000, 0), 0) << "the foot point is refused";
}

struct FlagCase {
    const char* name;
    int side;
    POINT pennantTip;
};

void PrintTo(const FlagCase& c, std::ostream* out) {
    *out << c.name;
}

class FlagPlanted : public PlantedFixture, public ::testing::WithParamInterface<FlagCase> {};

// Straight up from the origin: the pole from the top down to the foot
// circle, the pennant's base halfway up, its tip 3750 up and 2165 aside.
TEST_P(FlagPlanted, PoleStopsAtTheFootAndThePennantStandsOnOneSide) {
    const FlagCase& c = GetParam();
    m_document.m_style.m_pennantSide = c.side;
    m_document.m_style.m_redSolidFill = 1;
    CRukMarkFlag flag;
    Plant(flag, {0, 0}, {0, 5000});
    const std::vector<CRukEntity*> children = ChildrenOf(flag);
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(children[0]->GetKind(), kKindLine);
    EXPECT_EQ((std::vector<POINT>{{children[0]->m_x1, children[0]->m_y1},
                                  {children[0]->m_x2, children[0]->m_y2}}),
              (std::vector<POINT>{{0, 5000}, {0, 500}}));
    EXPECT_EQ(static_cast<const CRukCircle*>(children[1])->GetRadius(), 500);
    EXPECT_EQ(children[1]->GetFillType(), 3);
    EXPECT_EQ(children[1]->GetTransparent(), 0);
    EXPECT_EQ(VerticesOf(*children[2]), (std::vector<POINT>{{0, 5000}, {0, 2500}, c.pennantTip}));
    EXPECT_EQ(children[2]->GetFillType(), 3);
    EXPECT_EQ(children[2]->GetTransparent(), 1) << "the pennant keeps its own flag";
    for (const CRukEntity* child : children) {
        EXPECT_EQ(child->m_childFlag, 2);
        EXPECT_EQ(child->GetLineWidth(), 25);
        EXPECT_EQ(child->GetLayerName(), "RED");
    }
    EXPECT_EQ(flag.m_childCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Sides, FlagPlanted,
                         ::testing::Values(FlagCase{"Right", 0, {2165, 3750}},
                                           FlagCase{"Left", 1, {-2164, 3750}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlantedFixture, ALoadedFlagsSecondPointIsThePolesLowerEnd) {
    CRukMarkFlag flag;
    Plant(flag, {0, 0}, {0, 5000});
    const std::vector<BYTE> stored = StoreObject(flag);
    // The group body: the defining points follow the class record.
    Bytes head = ClassRecord(0, "CRukMarkFlag");
    head.Long(-500).Long(5000).Long(2165).Long(-500);
    ASSERT_GT(stored.size(), head.Get().size());
    EXPECT_EQ(
        std::vector<BYTE>(stored.begin(), stored.begin() + static_cast<long>(head.Get().size())),
        head.Get());
    const LoadedMarkup<CRukMarkFlag> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(VerticesOf(*loaded.mark), (std::vector<POINT>{{0, 0}, {0, 500}}));
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
}

TEST_F(PlantedFixture, MendedNoStrayFlagIsLeftAtThePressPoint) {
    CRukMarkFlag flag;
    flag.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    RecordingSurface surface;
    // The first move starts on the press point, where the flag has no
    // direction; only the flag toward the cursor stays.
    flag.TrackOn(surface, m_document, POINT{0, 0}, POINT{0, 100}, m_settings);
    flag.TrackOn(surface, m_document, POINT{0, 100}, POINT{100, 0}, m_settings);
    const std::multiset<std::string> shown = surface.Shown();
    EXPECT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown.count(RecordingSurface::Figure("Polyline", {{0, 0}, {5000, 0}})), 1u);
}

// ---- Hand

struct HandCase {
    const char* name;
    POINT second;
    bool mirrored;
};

void PrintTo(const HandCase& c, std::ostream* out) {
    *out << c.name;
}

class HandDirection : public PlantedFixture, public ::testing::WithParamInterface<HandCase> {};

// The hand lies from the fingertip toward the second point; vertex 7 lies
// to the left of that axis, or to the right when the hand is mirrored.
TEST_P(HandDirection, IsMirroredOnlyWhenPointingLeft) {
    const HandCase& c = GetParam();
    CRukMarkFinger finger;
    Plant(finger, {0, 0}, c.second);
    const std::vector<CRukEntity*> children = ChildrenOf(finger);
    ASSERT_EQ(children.size(), 1u);
    ASSERT_EQ(children[0]->m_points.GetSize(), 23);
    EXPECT_EQ(children[0]->m_points[0], (POINT{0, 0}));
    const POINT vertex = children[0]->m_points[7];
    const double side =
        static_cast<double>(c.second.x) * vertex.y - static_cast<double>(c.second.y) * vertex.x;
    EXPECT_EQ(side < 0, c.mirrored) << side;
    EXPECT_EQ(finger.m_childCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Angles, HandDirection,
                         ::testing::Values(HandCase{"NinetyDegrees", {0, -10000}, false},
                                           // atan2(10000, -87) is 90.498 degrees.
                                           HandCase{"NinetyAndAHalfDegrees", {87, -10000}, true},
                                           HandCase{"PointingRight", {-10000, 0}, false},
                                           HandCase{"PointingLeft", {10000, 0}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlantedFixture, HandAtNinetyDegreesTurnsTheOutlineExactly) {
    CRukMarkFinger finger;
    Plant(finger, {0, 0}, {0, -10000});
    // (0.55, -0.3) of a 500-unit hand lying downward: (150, -275), the y
    // cut toward zero after adding a half.
    EXPECT_EQ(ChildrenOf(finger)[0]->m_points[7], (POINT{150, -274}));
    // (0.825, 0) on the axis.
    EXPECT_EQ(ChildrenOf(finger)[0]->m_points[16], (POINT{0, -412}));
}

TEST_F(PlantedFixture, HandSizeAndPointsComeFromTheOutline) {
    CRukMarkFinger finger;
    Plant(finger, {0, 0}, {3000, 0});
    EXPECT_NEAR(finger.GetHandSize(), 500.0, 1.0);
    int x = 0;
    int y = 0;
    ASSERT_EQ(finger.GetPoint(&x, &y, 1), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{413, 0}));
    EXPECT_EQ(finger.GetPoint(&x, &y, 2), 0);
    const LoadedMarkup<CRukMarkFinger> loaded(LoadObject(StoreObject(finger)));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(VerticesOf(*loaded.mark), (std::vector<POINT>{{0, 0}, {413, 0}}));
}

// ---- Circled callout

struct ShiftCase {
    const char* name;
    std::vector<POINT> points;
    std::vector<POINT> shifted;
};

void PrintTo(const ShiftCase& c, std::ostream* out) {
    *out << c.name;
}

class CalloutShift : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(CalloutShift, MovesEachPointBesideItsSegments) {
    EXPECT_EQ(CRukMarkPomp::ShiftedPoints(GetParam().points, 100), GetParam().shifted);
}

INSTANTIATE_TEST_SUITE_P(
    Leaders, CalloutShift,
    ::testing::Values(ShiftCase{"Level", {{0, 0}, {1000, 0}}, {{0, 100}, {1000, 100}}},
                      ShiftCase{"Vertical", {{0, 0}, {0, 1000}}, {{-100, 0}, {-100, 1000}}},
                      ShiftCase{"UpThenAcross",
                                {{0, 0}, {0, 1000}, {1000, 1000}},
                                {{-100, 0}, {-100, 1100}, {1000, 1100}}},
                      ShiftCase{"AcrossThenUp",
                                {{0, 0}, {1000, 0}, {1000, 1000}},
                                {{0, 100}, {900, 100}, {900, 1000}}},
                      ShiftCase{"UpAndUp",
                                {{0, 0}, {0, 1000}, {0, 2000}},
                                {{-100, 0}, {-100, 1000}, {-100, 2000}}}),
    [](const auto& info) { return std::string(info.param.name); });

// "ABCDEFGH" at a tenth of a view unit per unit and 200-unit labels
// measures 1120 x 290: a circle of radius 840, a gap of 500.
class CalloutFixture : public ::testing::Test {
protected:
    CalloutFixture() {
        m_document.m_viewScale = 0.1;
        m_document.m_textSize = 0.2;
        m_document.m_curLayerName = "RED";
        m_document.m_style.m_redPenWidth = 25;
        m_document.m_scale = 100;
        m_document.m_extentHeight = 28000000;
    }

    void Finish(const std::vector<POINT>& points) {
        m_pomp.SetText("ABCDEFGH");
        m_pomp.OnButtonDown(nullptr, nullptr, points[0].x, points[0].y, nullptr, 0);
        for (std::size_t i = 1; i < points.size(); ++i)
            m_pomp.AddPoint(points[i].x, points[i].y, 0);
        ASSERT_EQ(m_pomp.AddPoint(points.back().x, points.back().y, 1), 1);
        CRecordingDC dc;
        m_pomp.Finish(&m_document, &dc, &m_settings);
    }

    FixedTextMetrics m_metrics;
    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
    CRukMarkPomp m_pomp;
};

TEST_F(CalloutFixture, TwoPointsGiveTwoLinesTheCircleAndTheLabel) {
    Finish({{0, 0}, {5000, 0}});
    const std::vector<CRukEntity*> children = ChildrenOf(m_pomp);
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[0]->GetKind(), kKindLine);
    EXPECT_EQ((POINT{children[0]->m_x1, children[0]->m_y1}), (POINT{0, 0}));
    EXPECT_NEAR(children[0]->m_x2, 5000 - 840, 2);
    EXPECT_EQ(children[1]->GetKind(), kKindLine);
    EXPECT_EQ(children[1]->GetLineType(), 200);
    // 28000000 / (100 x 2800) for a metric drawing.
    EXPECT_EQ(children[1]->GetLineTypeScale(), 100);
    EXPECT_EQ((POINT{children[1]->m_x1, children[1]->m_y1}), (POINT{0, 500}));
    // It meets the circle 500 above the centre: sqrt(840^2 - 500^2) = 675 back.
    EXPECT_NEAR(children[1]->m_x2, 5000 - 675, 3);
    EXPECT_EQ(static_cast<const CRukCircle*>(children[2])->GetRadius(), 840);
    EXPECT_EQ(children[3]->GetText(), "ABCDEFGH");
    EXPECT_EQ(children[3]->GetLineWidth(), 0);
    EXPECT_EQ(VerticesOf(m_pomp), (std::vector<POINT>{{0, 0}, {5000, 0}, {5840, 0}}));
    EXPECT_EQ(m_pomp.m_childCount, 4);
}

TEST_F(CalloutFixture, MendedScaleZeroGivesTheDefaultLineTypeScale) {
    m_document.m_scale = 0;
    Finish({{0, 0}, {5000, 0}});
    EXPECT_EQ(ChildrenOf(m_pomp)[1]->GetLineTypeScale(), 1000);
}

TEST_F(CalloutFixture, MorePointsGivePolylinesEndingAtTheCircle) {
    Finish({{0, 0}, {0, 3000}, {5000, 3000}});
    const std::vector<CRukEntity*> children = ChildrenOf(m_pomp);
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[0]->GetKind(), kKindPolyline);
    const std::vector<POINT> second = VerticesOf(*children[1]);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[0], (POINT{-500, 0}));
    EXPECT_EQ(second[1], (POINT{-500, 3500}));
}

TEST_F(CalloutFixture, ANewLabelResizesTheCircleAndCutsTheLeadersAgain) {
    Finish({{0, 0}, {5000, 0}});
    CRecordingDC dc;
    m_pomp.SetLabelText(&m_document, &dc, "ABCD", &m_settings);
    const std::vector<CRukEntity*> children = ChildrenOf(m_pomp);
    // "ABCD" measures 560 x 290: radius 420.
    EXPECT_EQ(static_cast<const CRukCircle*>(children[2])->GetRadius(), 420);
    EXPECT_NEAR(children[0]->m_x2, 5000 - 420, 2);
    EXPECT_EQ(children[3]->GetText(), "ABCD");
    EXPECT_EQ(VerticesOf(m_pomp).back(), (POINT{5420, 0}));
}

TEST_F(CalloutFixture, TheBodyIsThePointsThenTheGroupBody) {
    Finish({{0, 0}, {5000, 0}});
    const std::vector<BYTE> stored = StoreObject(m_pomp);
    Bytes head = ClassRecord(0, "CRukMarkPomp");
    head.Word(3).Long(0).Long(0).Long(5000).Long(0).Long(5840).Long(0);
    ASSERT_GT(stored.size(), head.Get().size());
    EXPECT_EQ(
        std::vector<BYTE>(stored.begin(), stored.begin() + static_cast<long>(head.Get().size())),
        head.Get());
    const LoadedMarkup<CRukMarkPomp> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
}

TEST(CalloutGesture, RightButtonTakesBackTheLastPoint) {
    FakeMarkupDocument document;
    CRukMarkPomp pomp;
    pomp.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    pomp.AddPoint(100, 0, 0);
    pomp.AddPoint(100, 100, 0);
    RecordingSurface surface;
    EXPECT_EQ(pomp.EraseTrackingOn(surface, document, POINT{200, 100}, MarkupSettings()), 2);
    EXPECT_EQ(pomp.AddPoint(300, 300, 1), 1);
    EXPECT_EQ(pomp.m_pointsToFinish, 2);
}

} // namespace
