// The entity base: defaults, extents, point tests and transformations.
#include "entities/CRukEntity.h"
#include "entities/EntityKinds.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/TestShape.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

class PlainEntity : public CRukEntity {};

std::vector<POINT> PointsOf(const CRukEntity& entity) {
    return std::vector<POINT>(entity.m_points.GetData(),
                              entity.m_points.GetData() + entity.m_points.GetSize());
}

TEST(RukEntity, StartsWithTheEmptyBoxAndItsDefaults) {
    PlainEntity entity;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    entity.GetExtents(&minX, &minY, &maxX, &maxY);
    EXPECT_EQ(minX, 2147483647);
    EXPECT_EQ(minY, 2147483647);
    EXPECT_EQ(maxX, -2147483647 - 1);
    EXPECT_EQ(maxY, -2147483647 - 1);
    EXPECT_EQ(entity.GetLayerName(), "0");
    EXPECT_EQ(entity.m_sourceLayer, "0");
    EXPECT_EQ(entity.GetLineType(), 1);
    EXPECT_EQ(entity.GetLineTypeScale(), 1000);
    EXPECT_EQ(entity.GetColor(), 0xFFFFFFu);
    EXPECT_EQ(entity.GetFillColor(), 0xFFFFFFu);
    EXPECT_EQ(entity.GetTransparent(), 1);
    EXPECT_EQ(entity.IsVisible(), 1);
    EXPECT_EQ(entity.GetCharSet(), 0x80);
    EXPECT_EQ(entity.GetLeaderAttached(), 1);
}

TEST(RukEntity, UnionWithAFreshEntityChangesNothing) {
    PlainEntity fresh;
    int minX = -5, minY = 7, maxX = 20, maxY = 30;
    fresh.UnionExtents(&minX, &minY, &maxX, &maxY);
    EXPECT_EQ(minX, -5);
    EXPECT_EQ(minY, 7);
    EXPECT_EQ(maxX, 20);
    EXPECT_EQ(maxY, 30);

    TestShape shape(-10, 10, 40, 20);
    shape.UnionExtents(&minX, &minY, &maxX, &maxY);
    EXPECT_EQ(minX, -10);
    EXPECT_EQ(minY, 7);
    EXPECT_EQ(maxX, 40);
    EXPECT_EQ(maxY, 30);
}

TEST(RukEntity, CentreAndSizeUseIntegerArithmeticWithoutOverflow) {
    PlainEntity entity;
    entity.SetOrigin(1, 1);
    entity.SetCorner2(2, 2);
    EXPECT_EQ(entity.GetCenter().x, 1);
    EXPECT_EQ(entity.GetCenter().y, 1);
    entity.SetOrigin(-1, kMax);
    entity.SetCorner2(-2, kMax);
    EXPECT_EQ(entity.GetCenter().x, -1);
    EXPECT_EQ(entity.GetCenter().y, kMax);
    entity.SetOrigin(kMin, 3);
    entity.SetCorner2(kMax, -4);
    EXPECT_EQ(entity.GetWidth(), kMax);
    EXPECT_EQ(entity.GetHeight(), 7);
}

struct PointHitCase {
    int x;
    int y;
    int expected;
};

class HitTestPoint : public testing::TestWithParam<PointHitCase> {};

// The first point maps to (50, 50); the 20 x 20 square is centred on the test point.
TEST_P(HitTestPoint, UsesTheSquareAroundTheTestPoint) {
    FakeDocument document;
    document.m_originX = 100;
    document.m_originY = 100;
    document.m_viewScale = 0.5;
    TestShape shape(200, 200, 300, 300);
    EXPECT_EQ(shape.HitTestPoint(&document, GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HitTestPoint,
                         testing::Values(PointHitCase{220, 200, 1},   // 10 right
                                         PointHitCase{182, 200, 1},   // 9 left
                                         PointHitCase{180, 200, 0},   // 10 left
                                         PointHitCase{200, 220, 1},   // 10 below
                                         PointHitCase{200, 180, 0},   // 10 above
                                         PointHitCase{218, 218, 1},   // 9 both ways
                                         PointHitCase{200, 242, 0})); // 21 below

TEST(RukEntity, ScaleMultipliesEveryPoint) {
    TestShape shape(1, 2, 3, -4);
    shape.m_points.Add(POINT{5, -6});
    shape.m_points.Add(POINT{7, 8});
    shape.Scale(3);
    EXPECT_EQ(shape.m_x1, 3);
    EXPECT_EQ(shape.m_y1, 6);
    EXPECT_EQ(shape.m_x2, 9);
    EXPECT_EQ(shape.m_y2, -12);
    EXPECT_EQ(PointsOf(shape), (std::vector<POINT>{{15, -18}, {21, 24}}));
    EXPECT_EQ(shape.m_minY, -12);
    EXPECT_EQ(shape.m_maxX, 9);

    shape.m_points[0] = POINT{1000000000, -1000000000};
    shape.Scale(3);
    EXPECT_EQ(PointsOf(shape)[0], (POINT{kMax, kMin}));
}

TEST(RukEntity, OffsetMovesEveryPoint) {
    TestShape shape(1, 2, 3, 4);
    shape.m_points.Add(POINT{5, 6});
    shape.Offset(10, -20);
    EXPECT_EQ(shape.m_x1, 11);
    EXPECT_EQ(shape.m_y1, -18);
    EXPECT_EQ(shape.m_x2, 13);
    EXPECT_EQ(shape.m_y2, -16);
    EXPECT_EQ(PointsOf(shape), (std::vector<POINT>{{15, -14}}));
    EXPECT_EQ(shape.m_minY, -18);
    EXPECT_EQ(shape.m_maxY, -16);

    shape.Offset(kMax, kMin);
    EXPECT_EQ(PointsOf(shape), (std::vector<POINT>{{kMax, kMin}}));
}

TEST(RukEntity, ScaleAboutMovesOnlyTheListedPoints) {
    TestShape shape(1, 2, 3, 4);
    shape.m_points.Add(POINT{15, -15});
    shape.m_points.Add(POINT{10, 10});
    shape.ScaleAbout(10, 10, 0.5, 0.5);
    // 10 + trunc(2.5) and 10 + trunc(-12.5): truncation toward zero.
    EXPECT_EQ(PointsOf(shape), (std::vector<POINT>{{12, -2}, {10, 10}}));
    EXPECT_EQ(shape.m_x1, 1);
    EXPECT_EQ(shape.m_y2, 4);
}

TEST(RukEntity, DeviceRectGrowsAroundTheNormalisedBox) {
    FakeDocument document;
    document.m_originX = 100;
    document.m_originY = 100;
    document.m_viewScale = 0.5;
    TestShape shape(100, 100, 300, 200);
    RECT rect;
    shape.GetDeviceRect(&document, &rect);
    EXPECT_EQ(rect.left, -2);
    EXPECT_EQ(rect.top, -2);
    EXPECT_EQ(rect.right, 102);
    EXPECT_EQ(rect.bottom, 52);

    shape.GetDeviceRectEx(&rect, 0, 0, 2.0);
    EXPECT_EQ(rect.left, 198);
    EXPECT_EQ(rect.top, 198);
    EXPECT_EQ(rect.right, 602);
    EXPECT_EQ(rect.bottom, 402);
}

TEST(RukEntity, InsideARectWhenBothCornersAre) {
    FakeDocument document;
    TestShape shape(10, 10, 20, 30);
    EXPECT_EQ(shape.IsInsideRect(&document, RECT{10, 10, 21, 31}), 1);
    // The right and bottom edges are outside.
    EXPECT_EQ(shape.IsInsideRect(&document, RECT{10, 10, 20, 31}), 0);
    EXPECT_EQ(shape.IsInsideRect(&document, RECT{11, 10, 21, 31}), 0);
}

TEST(RukEntity, OutsideTheExtents) {
    TestShape shape(0, 0, 10, 10);
    EXPECT_EQ(shape.IsOutside(0, 10), 0);
    EXPECT_EQ(shape.IsOutside(5, 5), 0);
    EXPECT_EQ(shape.IsOutside(11, 5), 1);
    EXPECT_EQ(shape.IsOutside(5, -1), 1);
}

TEST(RukEntity, ColoursComeBackFromTheSavedCopies) {
    PlainEntity entity;
    entity.m_savedColor = 0x123456;
    entity.m_savedFillColor = 0x654321;
    entity.SetColor(0x0000FF);
    entity.SetFillColor(CRukEntity::kNoFillColor);
    entity.RestoreColor();
    entity.RestoreFillColor();
    EXPECT_EQ(entity.GetColor(), 0x123456u);
    EXPECT_EQ(entity.GetFillColor(), 0x654321u);
}

TEST(RukEntity, CurveSamplersWorkOnThePointList) {
    PlainEntity entity;
    EXPECT_TRUE(entity.FlattenBezier().empty());
    EXPECT_TRUE(entity.SampleSpline().empty());
    EXPECT_EQ(entity.GetPolygonArea(1), 0.0);
    for (const POINT& p : {POINT{0, 0}, POINT{10, 0}, POINT{10, 10}, POINT{0, 10}})
        entity.m_points.Add(p);
    EXPECT_DOUBLE_EQ(std::abs(entity.GetPolygonArea(1)), 100.0);
    EXPECT_DOUBLE_EQ(std::abs(entity.GetPolygonArea(10)), 1.0);
    const std::vector<DPOINT> flat = entity.FlattenBezier();
    ASSERT_FALSE(flat.empty());
    EXPECT_EQ(flat.front(), (DPOINT{0, 0}));
    EXPECT_EQ(entity.SampleClosedSpline().size(), 4u * 25 + 1);
}

TEST(EntityKinds, MarkupsAreTheNumberedRange) {
    EXPECT_FALSE(IsMarkupKind(kKindPEdit));
    EXPECT_TRUE(IsMarkupKind(MarkupKind(0)));
    EXPECT_TRUE(IsMarkupKind(0x10000015));
    EXPECT_FALSE(IsMarkupKind(0x10000016));
    EXPECT_FALSE(IsMarkupKind(0x0FFFFFFF));
}

} // namespace
