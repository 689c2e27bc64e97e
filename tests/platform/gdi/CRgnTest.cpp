#include "platform/gdi/CRgn.h"

#include <gtest/gtest.h>

namespace {

struct RegionPointCase {
    POINT point;
    BOOL inside;
};

class RectRegionEdges : public testing::TestWithParam<RegionPointCase> {};

TEST_P(RectRegionEdges, HoldLeftAndTopButNotRightAndBottom) {
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(10, 20, 30, 40));
    EXPECT_EQ(region.PtInRegion(GetParam().point), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Table, RectRegionEdges,
                         testing::Values(RegionPointCase{{10, 20}, TRUE},
                                         RegionPointCase{{29, 39}, TRUE},
                                         RegionPointCase{{30, 20}, FALSE},
                                         RegionPointCase{{10, 40}, FALSE},
                                         RegionPointCase{{9, 30}, FALSE}));

// The 30-unit hit band around a horizontal segment from (100, 50) to (200, 50).
class SegmentBand : public testing::TestWithParam<RegionPointCase> {};

TEST_P(SegmentBand, FollowsTheSameEdgeRule) {
    const POINT corners[4] = {{100, 80}, {100, 20}, {200, 20}, {200, 80}};
    CRgn band;
    ASSERT_TRUE(band.CreatePolygonRgn(corners, 4, ALTERNATE));
    EXPECT_EQ(band.PtInRegion(GetParam().point), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SegmentBand,
    testing::Values(RegionPointCase{{100, 20}, TRUE}, RegionPointCase{{199, 79}, TRUE},
                    RegionPointCase{{150, 50}, TRUE}, RegionPointCase{{200, 50}, FALSE},
                    RegionPointCase{{150, 80}, FALSE}, RegionPointCase{{99, 50}, FALSE}));

TEST(CRgnTest, SlantedBandHoldsPointsAlongItsMiddle) {
    // Segment (0, 0)-(100, 50): mostly horizontal, offset 30 in y.
    const POINT corners[4] = {{0, 30}, {0, -30}, {100, 20}, {100, 80}};
    CRgn band;
    ASSERT_TRUE(band.CreatePolygonRgn(corners, 4, ALTERNATE));
    EXPECT_TRUE(band.PtInRegion(50, 25));
    EXPECT_TRUE(band.PtInRegion(50, -4));
    EXPECT_FALSE(band.PtInRegion(50, -6));
    EXPECT_FALSE(band.PtInRegion(50, 56));
}

TEST(CRgnTest, BandOfACollapsedSegmentHoldsNothing) {
    const POINT corners[4] = {{50, 80}, {50, 20}, {50, 20}, {50, 80}};
    CRgn band;
    ASSERT_TRUE(band.CreatePolygonRgn(corners, 4, ALTERNATE));
    EXPECT_FALSE(band.PtInRegion(50, 50));
    RECT box;
    EXPECT_EQ(band.GetRgnBox(&box), NULLREGION);
}

TEST(CRgnTest, CombinationKinds) {
    CRgn a;
    CRgn b;
    a.CreateRectRgn(0, 0, 100, 100);
    b.CreateRectRgn(40, 40, 60, 60);
    CRgn result;
    EXPECT_EQ(result.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    RECT box;
    EXPECT_EQ(result.GetRgnBox(&box), SIMPLEREGION);
    EXPECT_EQ(box.left, 40);
    EXPECT_EQ(box.right, 60);
    EXPECT_EQ(result.CombineRgn(&a, &b, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(result.PtInRegion(50, 50));
    EXPECT_TRUE(result.PtInRegion(60, 50));
    EXPECT_EQ(result.CombineRgn(&b, &a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(result.CombineRgn(&a, &b, RGN_XOR), COMPLEXREGION);
    EXPECT_EQ(result.CombineRgn(&b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(result.PtInRegion(59, 59));
}

TEST(CRgnTest, ARegionMayBeItsOwnOperand) {
    CRgn outer;
    CRgn hole;
    outer.CreateRectRgn(0, 0, 100, 100);
    hole.CreateRectRgn(10, 10, 20, 20);
    EXPECT_EQ(outer.CombineRgn(&outer, &hole, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(outer.PtInRegion(15, 15));
    EXPECT_TRUE(outer.PtInRegion(5, 15));
}

TEST(CRgnTest, EmptyOperandsAndUnknownModesGiveError) {
    CRgn a;
    CRgn empty;
    a.CreateRectRgn(0, 0, 10, 10);
    CRgn result;
    EXPECT_EQ(result.CombineRgn(&a, &empty, RGN_OR), ERROR);
    EXPECT_EQ(result.CombineRgn(&a, &a, 9), ERROR);
    EXPECT_EQ(result.GetSafeHandle(), nullptr);
    RECT box;
    EXPECT_EQ(empty.GetRgnBox(&box), ERROR);
    EXPECT_FALSE(empty.PtInRegion(0, 0));
    const POINT one[1] = {{0, 0}};
    EXPECT_FALSE(empty.CreatePolygonRgn(one, 1, ALTERNATE));
    EXPECT_FALSE(empty.CreatePolygonRgn(nullptr, 4, ALTERNATE));
}

TEST(CRgnTest, WindingFillsWhatAlternateLeavesOpen) {
    // A square traced twice in the same direction: winding number 2 inside.
    const POINT twice[8] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}};
    CRgn alternate;
    CRgn winding;
    alternate.CreatePolygonRgn(twice, 8, ALTERNATE);
    winding.CreatePolygonRgn(twice, 8, WINDING);
    EXPECT_FALSE(alternate.PtInRegion(5, 5));
    EXPECT_TRUE(winding.PtInRegion(5, 5));
}

TEST(CRgnTest, DeletingEmptiesTheRegion) {
    CRgn region;
    region.CreateRectRgn(0, 0, 10, 10);
    EXPECT_TRUE(region.DeleteObject());
    EXPECT_FALSE(region.PtInRegion(1, 1));
    EXPECT_FALSE(region.DeleteObject());
}

} // namespace
