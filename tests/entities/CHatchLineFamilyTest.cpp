// The pattern line families and the tile lattice: which segments and dots
// a family draws over a box, the normalised angles, the thinning of lines
// finer than a device pixel, and data that would never end.
#include "entities/CHatchLineFamily.h"
#include "entities/CHatchMapping.h"
#include "entities/CHatchTileLattice.h"

#include "tests/entities/HatchTestSupport.h"
#include "tests/entities/PointPrinting.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using HatchTest::Segment;
using HatchTest::SegmentDC;
using HatchTest::SilentDC;

constexpr CHatchBox kBox{0, 0, 1000, 1000};

// Dashes clamped to a box edge from both ends leave nothing to see.
std::vector<Segment> NonEmpty(const std::vector<Segment>& segments) {
    std::vector<Segment> kept;
    for (const Segment& segment : segments)
        if (segment.from.x != segment.to.x || segment.from.y != segment.to.y)
            kept.push_back(segment);
    return kept;
}

std::vector<Segment> Drawn(double angle, POINT base, POINT offset, std::vector<LONG> dashes = {},
                           double scale = 1.0, CHatchBox box = kBox) {
    SegmentDC dc;
    CHatchLineFamily family(angle, base, offset, std::move(dashes));
    family.Draw(&dc, CHatchMapping::ForView(&dc, 0, 0, scale), box, 0x00FF00);
    return dc.m_segments;
}

struct FamilyCase {
    const char* name;
    double angle;
    POINT base;
    POINT offset;
    std::size_t lines;
    Segment first;
    Segment last;
};

void PrintTo(const FamilyCase& c, std::ostream* os) {
    *os << c.name;
}

class Families : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(Families, CoverTheBoxLineByLine) {
    const FamilyCase& c = GetParam();
    const std::vector<Segment> segments = Drawn(c.angle, c.base, c.offset);
    ASSERT_EQ(segments.size(), c.lines);
    EXPECT_EQ(segments.front(), c.first);
    EXPECT_EQ(segments.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    HatchPattern, Families,
    ::testing::Values(
        FamilyCase{
            "Horizontal", 0, {0, 30}, {1, 100}, 10, {{0, 30}, {1000, 30}}, {{0, 930}, {1000, 930}}},
        FamilyCase{
            "Vertical", 90, {30, 0}, {100, 1}, 10, {{30, 0}, {30, 1000}}, {{930, 0}, {930, 1000}}},
        FamilyCase{"Rising",
                   45,
                   {0, 30},
                   {-100, 100},
                   10,
                   {{0, 830}, {170, 1000}},
                   {{970, 0}, {1000, 30}}},
        FamilyCase{"Falling",
                   135,
                   {0, 30},
                   {100, 100},
                   10,
                   {{830, 1000}, {1000, 830}},
                   {{0, 30}, {30, 0}}},
        FamilyCase{"FullTurnIsHorizontalMendsSlantedCase",
                   360,
                   {0, 30},
                   {1, 100},
                   10,
                   {{0, 30}, {1000, 30}},
                   {{0, 930}, {1000, 930}}},
        FamilyCase{"MinusNinetyIsVerticalMendsSlantedCase",
                   -90,
                   {30, 0},
                   {100, 1},
                   10,
                   {{30, 0}, {30, 1000}},
                   {{930, 0}, {930, 1000}}},
        FamilyCase{"FourFiftyIsVerticalMendsSlantedCase",
                   450,
                   {30, 0},
                   {100, 1},
                   10,
                   {{30, 0}, {30, 1000}},
                   {{930, 0}, {930, 1000}}},
        FamilyCase{"NearAxisIsHorizontalMendsSlantedCase",
                   359.9999999,
                   {0, 30},
                   {1, 100},
                   10,
                   {{0, 30}, {1000, 30}},
                   {{0, 930}, {1000, 930}}}),
    [](const ::testing::TestParamInfo<FamilyCase>& info) { return std::string(info.param.name); });

TEST(HatchPattern, NormalisedAngleIsInAFullTurn) {
    EXPECT_EQ(CHatchLineFamily::NormalisedAngle(-45), 315);
    EXPECT_EQ(CHatchLineFamily::NormalisedAngle(720), 0);
    EXPECT_EQ(CHatchLineFamily::NormalisedAngle(-360.0000000001), 0);
    EXPECT_DOUBLE_EQ(CHatchLineFamily::NormalisedAngle(405.5), 45.5);
}

TEST(HatchPattern, DashedVerticalLinesClampTheirDashesToTheBox) {
    SegmentDC dc;
    CHatchLineFamily family(90, {0, 0}, {500, 1}, {300, -100, 0, -100});
    family.Draw(&dc, CHatchMapping::ForView(&dc, 0, 0, 1.0), CHatchBox{0, 100, 400, 900}, 0x00FF00);
    // One line, at x = 0 (500 is past the box); its pattern of 500 starts
    // at y = 0, before the box, and is walked twice.
    const std::vector<Segment> expected{{{0, 100}, {0, 300}}, {{0, 500}, {0, 800}}};
    EXPECT_EQ(dc.m_segments, expected);
    const std::vector<POINT> dots{{0, 400}, {0, 900}};
    EXPECT_EQ(dc.m_pixels, dots);
}

TEST(HatchPattern, TwoSeventyWalksTheDashesBackward) {
    const std::vector<Segment> up = NonEmpty(Drawn(90, {0, 0}, {2000, 1}, {100, -50, 200, -650}));
    const std::vector<Segment> down =
        NonEmpty(Drawn(270, {0, 0}, {2000, 1}, {100, -50, 200, -650}));
    ASSERT_FALSE(up.empty());
    ASSERT_FALSE(down.empty());
    EXPECT_EQ(up.front(), (Segment{{0, 0}, {0, 100}}));
    // Backward: the gap of 650 first, then the dash of 200.
    EXPECT_EQ(down.front(), (Segment{{0, 650}, {0, 850}}));
}

TEST(HatchPattern, OffsetAlongTheLinesDrawsNothingWhenDashed) {
    EXPECT_TRUE(Drawn(45, {0, 0}, {100, 100}, {50, -50}).empty());
    EXPECT_TRUE(Drawn(45, {0, 0}, {100, 100}).empty());
}

TEST(HatchPattern, DotsOnlyDrawNothingWithoutDividingByZero) {
    SegmentDC dc;
    CHatchLineFamily family(30, {0, 0}, {10, 100}, {0, 0});
    family.Draw(&dc, CHatchMapping::ForView(&dc, 0, 0, 1.0), kBox, 0);
    EXPECT_TRUE(dc.m_segments.empty());
    EXPECT_TRUE(dc.m_pixels.empty());
}

TEST(HatchPattern, LinesCloserThanAPixelAreThinnedMendsLineByLineDrawing) {
    // A hundred drawing units to the pixel: lines one unit apart are drawn
    // a hundred apart, ten over the box.
    EXPECT_EQ(Drawn(0, {0, 0}, {1, 1}, {}, 0.01).size(), 10u);
    EXPECT_EQ(Drawn(90, {0, 0}, {1, 1}, {}, 0.01).size(), 10u);
    const std::size_t slanted = Drawn(45, {0, 0}, {-1, 1}, {}, 0.01).size();
    EXPECT_GT(slanted, 5u);
    EXPECT_LT(slanted, 20u);
}

TEST(HatchPattern, DashesShorterThanAPixelDrawThePlainLine) {
    EXPECT_EQ(Drawn(0, {0, 0}, {1, 500}, {1, -1}, 0.01),
              (std::vector<Segment>{{{0, 0}, {10, 0}}, {{0, 5}, {10, 5}}}));
}

struct Pathological {
    const char* name;
    double angle;
    POINT offset;
    std::vector<LONG> dashes;
};

void PrintTo(const Pathological& c, std::ostream* os) {
    *os << c.name;
}

class PathologicalFamilies : public ::testing::TestWithParam<Pathological> {};

TEST_P(PathologicalFamilies, EndQuicklyOverTheWidestBox) {
    const Pathological& c = GetParam();
    const CHatchBox wide{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};
    SilentDC dc;
    CHatchLineFamily family(c.angle, {7, 3}, c.offset, c.dashes);
    const auto started = CpuClock::now();
    family.Draw(&dc, CHatchMapping::ForView(&dc, 0, 0, 1.0), wide, 0);
    EXPECT_LT(CpuClock::now() - started, std::chrono::seconds(10));
}

INSTANTIATE_TEST_SUITE_P(
    HatchPattern, PathologicalFamilies,
    ::testing::Values(Pathological{"Horizontal", 0, {1, 1}, {}},
                      Pathological{"VerticalDashed", 90, {1, 1}, {1, -1}},
                      Pathological{"Slanted", 30, {1, 1}, {}},
                      Pathological{"SlantedDashed", 30, {1, 1}, {2, -1, 0}},
                      Pathological{"GapsOnly", 60, {1, 1}, {-1, -1}},
                      Pathological{"AlmostVertical", 89.99, {1, 1}, {1, -1}},
                      Pathological{"HugeSteps", 10, {INT_MAX, INT_MIN}, {INT_MAX, INT_MIN}}),
    [](const ::testing::TestParamInfo<Pathological>& info) {
        return std::string(info.param.name);
    });

CHatchTileShape Shape(LONG rowStep, double rowAngle, LONG offsetLength, double offsetAngle) {
    return CHatchTileShape{{0, 0}, rowStep, rowAngle, offsetLength,     offsetAngle,
                           1.0,    1.0,     0.0,      {{0, 0}, {10, 0}}};
}

std::vector<Segment> Tiles(const CHatchTileShape& shape,
                           CHatchBox box = CHatchBox{0, 0, 100, 100}) {
    SegmentDC dc;
    CHatchTileLattice lattice(shape);
    lattice.Draw(&dc, CHatchMapping::ForView(&dc, 0, 0, 1.0), box);
    return dc.m_segments;
}

TEST(HatchTile, RowsOfTilesCoverTheBox) {
    // Rows 50 apart along x, tiles 50 apart in each row: rows at y = 0, 50, 100.
    const std::vector<Segment> segments = Tiles(Shape(50, 0, 50, 90));
    EXPECT_EQ(segments.size(), 9u);
    EXPECT_NE(std::find(segments.begin(), segments.end(), Segment{{50, 50}, {60, 50}}),
              segments.end());
}

TEST(HatchTile, ColumnsOfTilesCoverTheBox) {
    const std::vector<Segment> segments = Tiles(Shape(50, 90, 50, 0));
    EXPECT_EQ(segments.size(), 9u);
    EXPECT_NE(std::find(segments.begin(), segments.end(), Segment{{100, 100}, {110, 100}}),
              segments.end());
}

TEST(HatchTile, SegmentOutsideTheBoxIsSkipped) {
    CHatchTileShape shape = Shape(1000, 0, 1000, 90);
    shape.motif = {{0, 0}, {10, 0}, {500, 500}, {510, 500}};
    EXPECT_EQ(Tiles(shape), (std::vector<Segment>{{{0, 0}, {10, 0}}}));
}

TEST(HatchTile, MotifIsScaledAndTurned) {
    CHatchTileShape shape = Shape(1000, 0, 1000, 90);
    shape.scaleX = 2.0;
    shape.motifAngle = 90.0;
    EXPECT_EQ(Tiles(shape), (std::vector<Segment>{{{0, 0}, {0, 20}}}));
}

struct TileCase {
    const char* name;
    CHatchTileShape shape;
};

void PrintTo(const TileCase& c, std::ostream* os) {
    *os << c.name;
}

class PathologicalTiles : public ::testing::TestWithParam<TileCase> {};

TEST_P(PathologicalTiles, EndQuicklyMendsEndlessWalks) {
    SilentDC dc;
    CHatchTileLattice lattice(GetParam().shape);
    const auto started = CpuClock::now();
    lattice.Draw(&dc, CHatchMapping::ForView(&dc, 0, 0, 1.0),
                 CHatchBox{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2});
    EXPECT_LT(CpuClock::now() - started, std::chrono::seconds(10));
}

INSTANTIATE_TEST_SUITE_P(HatchTile, PathologicalTiles,
                         ::testing::Values(TileCase{"ZeroRowStep", Shape(0, 30, 10, 60)},
                                           TileCase{"ZeroOffset", Shape(10, 0, 0, 90)},
                                           TileCase{"ColumnsWithoutXOffset", Shape(10, 90, 10, 90)},
                                           TileCase{"NegativeRowStep", Shape(-10, 90, 10, 0)},
                                           TileCase{"BackwardRows", Shape(1, 200, 1, 300)},
                                           TileCase{"RowsParallelToOffset", Shape(10, 30, 10, 30)},
                                           TileCase{"UnitSteps", Shape(1, 45, 1, 135)}),
                         [](const ::testing::TestParamInfo<TileCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
