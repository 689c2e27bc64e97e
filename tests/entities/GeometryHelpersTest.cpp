// The hit band of a segment and the circle and ellipse polygons.
#include "entities/CRingPolygon.h"
#include "entities/CRukEntity.h"
#include "entities/CSegmentBand.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CRgn.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

class PlainEntity : public CRukEntity {};

struct BandCase {
    const char* name;
    POINT p1;
    POINT p2;
    std::vector<POINT> inside;
    std::vector<POINT> outside;
};

std::ostream& operator<<(std::ostream& out, const BandCase& c) {
    return out << c.name;
}

class SegmentRegion : public testing::TestWithParam<BandCase> {};

TEST_P(SegmentRegion, HoldsTheBand) {
    const BandCase& c = GetParam();
    PlainEntity entity;
    CRgn region;
    entity.MakeSegmentRegion(&region, c.p1, c.p2);
    for (const POINT& p : c.inside)
        EXPECT_TRUE(region.PtInRegion(p)) << p.x << "," << p.y;
    for (const POINT& p : c.outside)
        EXPECT_FALSE(region.PtInRegion(p)) << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SegmentRegion,
    testing::Values(BandCase{"Horizontal",
                             {0, 0},
                             {100, 0},
                             {{50, 29}, {50, -29}, {50, -30}, {0, 0}, {99, 0}},
                             {{50, 31}, {50, -31}, {-1, 0}, {100, 0}}},
                    BandCase{"Vertical",
                             {0, 100},
                             {0, 0},
                             {{29, 50}, {-29, 50}, {-30, 50}},
                             {{31, 50}, {-31, 50}, {0, 101}}},
                    // n = (-15, 30): the edges run 37.5 units above and below the
                    // segment's middle (50, 25) along y.
                    BandCase{"MostlyHorizontalDiagonal",
                             {0, 0},
                             {100, 50},
                             {{50, 25}, {50, 61}, {50, -12}},
                             {{50, 63}, {50, -14}}},
                    // n = (30, -15): 37.5 units left and right of (25, 50) along x.
                    BandCase{"MostlyVerticalDiagonal",
                             {0, 0},
                             {50, 100},
                             {{25, 50}, {61, 50}, {-12, 50}},
                             {{63, 50}, {-14, 50}}},
                    // End points that coincide have no band at all.
                    BandCase{
                        "ZeroLength", {40, 40}, {40, 40}, {}, {{40, 40}, {41, 40}, {40, 39}}}));

TEST(SegmentBand, SaturatesAtTheIntegerRange) {
    constexpr LONG kMax = std::numeric_limits<LONG>::max();
    constexpr LONG kMin = std::numeric_limits<LONG>::min();
    std::array<POINT, 4> corners;
    ASSERT_TRUE(CSegmentBand::Corners(POINT{kMin, kMax}, POINT{kMax, kMax}, &corners));
    EXPECT_EQ(corners[0].y, kMax);
    EXPECT_EQ(corners[1].y, kMax - 30);
    EXPECT_EQ(corners[2].x, kMax);
    EXPECT_FALSE(CSegmentBand::Corners(POINT{kMax, kMin}, POINT{kMax, kMin}, &corners));
}

TEST(RingPolygon, CircleRoundsByAddingAHalf) {
    const std::vector<POINT> ring = CRingPolygon::Circle(100, 100, 10);
    ASSERT_EQ(ring.size(), 360u);
    EXPECT_EQ(ring[0].x, 110);
    EXPECT_EQ(ring[0].y, 100);
    EXPECT_EQ(ring[90].x, 100);
    EXPECT_EQ(ring[90].y, 110);
    // trunc(-10 + 0.5) = -9.
    EXPECT_EQ(ring[180].x, 91);
    EXPECT_EQ(ring[180].y, 100);
    EXPECT_EQ(ring[270].y, 91);
    // 10 cos 45 = 7.07.
    EXPECT_EQ(ring[45].x, 107);
    EXPECT_EQ(ring[45].y, 107);
}

TEST(RingPolygon, EllipseFromItsBoxInEitherOrder) {
    for (const RECT& box : {RECT{0, 0, 20, 10}, RECT{20, 10, 0, 0}}) {
        const std::vector<POINT> ring =
            CRingPolygon::Ellipse(box.left, box.top, box.right, box.bottom);
        ASSERT_EQ(ring.size(), 360u);
        EXPECT_EQ(ring[0].x, 20);
        EXPECT_EQ(ring[0].y, 5);
        EXPECT_EQ(ring[90].x, 10);
        EXPECT_EQ(ring[90].y, 10);
    }
    // Centre (2, 2) by integer division, radius 3.
    EXPECT_EQ(CRingPolygon::Ellipse(0, 0, 5, 5)[0].x, 5);
    EXPECT_EQ(CRingPolygon::Ellipse(0, 0, 5, 5)[90].y, 5);
}

TEST(RingPolygon, DrawnAsOnePolygon) {
    CRecordingDC dc;
    CRukEntity::DrawCirclePolygon(&dc, 0, 0, 5);
    CRukEntity::DrawEllipsePolygon(&dc, 0, 0, 10, 4);
    ASSERT_EQ(dc.Calls().size(), 2u);
    EXPECT_EQ(dc.Calls()[0].rfind("Polygon(5,0 5,0 ", 0), 0u) << dc.Calls()[0];
    EXPECT_EQ(dc.Calls()[1].rfind("Polygon(10,2 10,2 ", 0), 0u) << dc.Calls()[1];
}

} // namespace
