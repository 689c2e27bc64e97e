#include "platform/gdi/CMapping.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

CMapping Isotropic(SIZE window, SIZE viewport, int dpiX = 96, int dpiY = 96) {
    CMapping mapping(CDeviceCaps(1000, 800, dpiX, dpiY));
    mapping.SetMapMode(MM_ISOTROPIC);
    mapping.SetWindowExt(window);
    mapping.SetViewportExt(viewport);
    return mapping;
}

struct IsotropicCase {
    SIZE window;
    SIZE viewport;
    int dpiX;
    int dpiY;
    SIZE adjusted;
};

class IsotropicExtents : public testing::TestWithParam<IsotropicCase> {};

TEST_P(IsotropicExtents, ShrinkTheViewportOnTheLongerAxis) {
    const IsotropicCase& c = GetParam();
    const CMapping mapping = Isotropic(c.window, c.viewport, c.dpiX, c.dpiY);
    EXPECT_EQ(mapping.WindowExt().cx, c.window.cx);
    EXPECT_EQ(mapping.WindowExt().cy, c.window.cy);
    EXPECT_EQ(mapping.ViewportExt().cx, c.adjusted.cx);
    EXPECT_EQ(mapping.ViewportExt().cy, c.adjusted.cy);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsotropicExtents,
    testing::Values(
        // The view's mapping: a square window into a wide client area.
        IsotropicCase{{5000, 5000}, {780, -580}, 96, 96, {580, -580}},
        // Too tall a unit in y: y shrinks, keeping its sign.
        IsotropicCase{{100, 50}, {1000, -1000}, 96, 96, {1000, -500}},
        // 3 * 10 / 7 = 4.29 rounds to 4.
        IsotropicCase{{3, 7}, {10, 10}, 96, 96, {4, 10}},
        // A negative window extent counts by its size.
        IsotropicCase{{-100, 100}, {200, 400}, 96, 96, {200, 200}},
        // Already equal units: nothing changes.
        IsotropicCase{{10, 20}, {-30, 60}, 96, 96, {-30, 60}},
        // Pixels twice as tall as wide: equal physical units need half the x pixels.
        IsotropicCase{{100, 100}, {100, 100}, 96, 192, {50, 100}}));

struct PointCase {
    POINT in;
    POINT out;
};

// Window (2, 2) onto viewport (1, -1): every odd coordinate falls on a half.
class HalfwayPoints : public testing::TestWithParam<PointCase> {};

TEST_P(HalfwayPoints, RoundUpwards) {
    CMapping mapping(CDeviceCaps(100, 100));
    mapping.SetMapMode(MM_ANISOTROPIC);
    mapping.SetWindowExt(SIZE{2, 2});
    mapping.SetViewportExt(SIZE{1, -1});
    const POINT device = mapping.ToDevice(GetParam().in);
    EXPECT_EQ(device.x, GetParam().out.x);
    EXPECT_EQ(device.y, GetParam().out.y);
}

INSTANTIATE_TEST_SUITE_P(Table, HalfwayPoints,
                         testing::Values(PointCase{{1, 1}, {1, 0}}, PointCase{{-1, -1}, {0, 1}},
                                         PointCase{{3, 3}, {2, -1}}, PointCase{{-3, 3}, {-1, -1}},
                                         PointCase{{4, -4}, {2, 2}}));

TEST(CMappingTest, OriginsShiftBothWays) {
    CMapping mapping = Isotropic({5000, 5000}, {780, -580});
    mapping.SetViewportOrg(POINT{110, 589});
    mapping.SetWindowOrg(POINT{-100, 200});
    const POINT corner = mapping.ToDevice(POINT{4900, 5200});
    EXPECT_EQ(corner.x, 110 + 580);
    EXPECT_EQ(corner.y, 589 - 580);
    // 1 / 0.116 = 8.6 logical units per pixel: pixel (111, 588) is 9 units in.
    const POINT logical = mapping.ToLogical(POINT{111, 588});
    EXPECT_EQ(logical.x, -100 + 9);
    EXPECT_EQ(logical.y, 200 + 9);
}

TEST(CMappingTest, SizesScaleByTheExtentsWithoutTheirSign) {
    const CMapping mapping = Isotropic({5000, 5000}, {780, -580});
    // The screen line width rule: a device size of 15 back to logical units.
    const SIZE width = mapping.SizeToLogical(SIZE{15, 15});
    EXPECT_EQ(width.cx, 129); // 15 * 5000 / 580 = 129.3
    EXPECT_EQ(width.cy, 129);
    const SIZE negative = mapping.SizeToLogical(SIZE{-3, 3});
    EXPECT_EQ(negative.cx, -26); // 25.9 rounds away from zero
    EXPECT_EQ(negative.cy, 26);
    const SIZE device = mapping.SizeToDevice(SIZE{129, -129});
    EXPECT_EQ(device.cx, 15);
    EXPECT_EQ(device.cy, -15);
}

TEST(CMappingTest, SizeHalvesRoundAwayFromZero) {
    CMapping mapping(CDeviceCaps(100, 100));
    mapping.SetMapMode(MM_ANISOTROPIC);
    mapping.SetWindowExt(SIZE{2, -2});
    mapping.SetViewportExt(SIZE{1, 1});
    const SIZE half = mapping.SizeToDevice(SIZE{1, -1});
    EXPECT_EQ(half.cx, 1);
    EXPECT_EQ(half.cy, -1);
    const SIZE threeHalves = mapping.SizeToDevice(SIZE{3, -3});
    EXPECT_EQ(threeHalves.cx, 2);
    EXPECT_EQ(threeHalves.cy, -2);
}

TEST(CMappingTest, ZeroAndUnrepresentableExtentsAreRefused) {
    CMapping mapping = Isotropic({5000, 5000}, {780, -580});
    EXPECT_FALSE(mapping.SetWindowExt(SIZE{0, 100}));
    EXPECT_FALSE(mapping.SetViewportExt(SIZE{100, 0}));
    EXPECT_FALSE(mapping.SetWindowExt(SIZE{INT32_MIN, 100}));
    EXPECT_EQ(mapping.WindowExt().cx, 5000);
    EXPECT_EQ(mapping.ViewportExt().cx, 580);
    const POINT point = mapping.ToLogical(POINT{58, -58});
    EXPECT_EQ(point.x, 500);
    EXPECT_EQ(point.y, 500);
}

TEST(CMappingTest, DevicePointsStayWithinTwentySevenBits) {
    CMapping mapping(CDeviceCaps(100, 100));
    mapping.SetMapMode(MM_ANISOTROPIC);
    mapping.SetViewportExt(SIZE{1000, -1000});
    const POINT far = mapping.ToDevice(POINT{2000000, 2000000});
    EXPECT_EQ(far.x, (1 << 27) - 1);
    EXPECT_EQ(far.y, -((1 << 27) - 1));
    // Logical results are not held to it.
    mapping.SetViewportExt(SIZE{1, 1});
    mapping.SetWindowExt(SIZE{1000, 1000});
    EXPECT_EQ(mapping.ToLogical(POINT{1000000, 0}).x, 1000000000);
}

TEST(CMappingTest, TextModeIgnoresExtents) {
    CMapping mapping(CDeviceCaps(100, 100));
    EXPECT_FALSE(mapping.SetWindowExt(SIZE{10, 10}));
    EXPECT_EQ(mapping.WindowExt().cx, 1);
    EXPECT_EQ(mapping.ToDevice(POINT{7, -3}).y, -3);
}

TEST(CMappingTest, MetricModesCountFromTheDeviceResolution) {
    CMapping mapping(CDeviceCaps(960, 480, 96, 96));
    EXPECT_EQ(mapping.SetMapMode(MM_HIMETRIC), MM_TEXT);
    EXPECT_EQ(mapping.WindowExt().cx, 25400);
    EXPECT_EQ(mapping.WindowExt().cy, 12700);
    // One inch right and one inch down (y grows upwards).
    const POINT inch = mapping.ToDevice(POINT{2540, -2540});
    EXPECT_EQ(inch.x, 96);
    EXPECT_EQ(inch.y, 96);
    mapping.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(mapping.ToDevice(POINT{254, 0}).x, 96);
    mapping.SetMapMode(MM_TWIPS);
    EXPECT_EQ(mapping.ToDevice(POINT{1440, 0}).x, 96);
    EXPECT_FALSE(mapping.SetWindowExt(SIZE{1, 1}));
    EXPECT_EQ(mapping.SetMapMode(99), 0);
    EXPECT_EQ(mapping.GetMapMode(), MM_TWIPS);
}

TEST(CMappingTest, IsotropicStartsFromLometricExtents) {
    CMapping mapping(CDeviceCaps(960, 480, 96, 96));
    mapping.SetMapMode(MM_ISOTROPIC);
    EXPECT_EQ(mapping.WindowExt().cx, 2540);
    EXPECT_EQ(mapping.ViewportExt().cy, -480);
    // Only the window extent given: the viewport is adjusted against the
    // starting one, so the order of the two calls matters as in GDI.
    mapping.SetWindowExt(SIZE{100, 100});
    EXPECT_EQ(mapping.ViewportExt().cx, 480);
    EXPECT_EQ(mapping.ViewportExt().cy, -480);
}

} // namespace

TEST(CMappingTest, PointsMapBackThroughTheCurrentWorld) {
    CMapping mapping(CDeviceCaps(100, 100));
    const auto back = [&mapping](POINT device) {
        const POINT logical = mapping.ToLogical(device);
        return std::make_pair(logical.x, logical.y);
    };
    ASSERT_TRUE(mapping.SetWorld(XFORM{2.0F, 0.0F, 0.0F, 2.0F, 10.0F, 0.0F}));
    EXPECT_EQ(back(POINT{30, 8}), std::make_pair(10, 4));
    // A quarter turn: (x, y) goes to (-y, x).
    ASSERT_TRUE(mapping.SetWorld(XFORM{0.0F, 1.0F, -1.0F, 0.0F, 0.0F, 0.0F}));
    EXPECT_EQ(back(POINT{-4, 10}), std::make_pair(10, 4));
    // A refused transform leaves the turn in place, both ways.
    EXPECT_FALSE(mapping.SetWorld(XFORM{1.0F, 1.0F, 1.0F, 1.0F, 0.0F, 0.0F}));
    EXPECT_EQ(back(POINT{-4, 10}), std::make_pair(10, 4));
    EXPECT_EQ(mapping.ToDevice(POINT{10, 4}).x, -4);
    ASSERT_TRUE(mapping.SetWorld(XFORM{}));
    EXPECT_EQ(back(POINT{-4, 10}), std::make_pair(-4, 10));
}
