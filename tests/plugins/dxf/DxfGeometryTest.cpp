#include "plugins/dxf/DxfGeometry.h"

#include <gtest/gtest.h>

namespace {

void ExpectNear(const DxfVector& actual, const DxfVector& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-12);
    EXPECT_NEAR(actual.y, expected.y, 1e-12);
    EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

TEST(DxfGeometry, DefaultExtrusionLeavesThePoint) {
    ExpectNear(OcsToWcs({5, -3, 2}, {0, 0, 1}), {5, -3, 2});
}

TEST(DxfGeometry, DownwardExtrusionMirrorsX) {
    ExpectNear(OcsToWcs({5, 3, 0}, {0, 0, -1}), {-5, 3, 0});
}

TEST(DxfGeometry, ExtrusionAlongXUsesTheWorldZAxisRule) {
    // Ax = Wz x N = (0, 1, 0), Ay = N x Ax = (0, 0, 1).
    ExpectNear(OcsToWcs({2, 3, 4}, {1, 0, 0}), {4, 2, 3});
}

TEST(DxfGeometry, TiltedExtrusionKeepsLengths) {
    // Ax = (0, 0.6, 0) before it is made a unit vector; a point one unit
    // along it must stay one unit from the origin.
    ExpectNear(OcsToWcs({1, 0, 0}, {0.6, 0, 0.8}), {0, 1, 0});
    ExpectNear(OcsToWcs({0, 1, 0}, {0.6, 0, 0.8}), {-0.8, 0, 0.6});
}

TEST(DxfGeometry, ExtrusionNotOfUnitLengthIsNormalised) {
    ExpectNear(OcsToWcs({5, 3, 1}, {0, 0, -2}), {-5, 3, -1});
    ExpectNear(OcsToWcs({5, 3, 1}, {0, 0, 0}), {5, 3, 1});
}

TEST(DxfGeometry, VectorAngle) {
    EXPECT_EQ(VectorAngle(1, 1, 1, 1), 0.0);
    EXPECT_EQ(VectorAngle(0, 0, 0.00005, 0), 0.0);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 1, 0), 0.0);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, 0, 2), 1.5707963267948966);
    // The full turn is 6.283185308 throughout, a little over two pi.
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0, -1, 0), 6.283185308 - 3.141592653589793);
    EXPECT_NEAR(VectorAngle(0, 0, 0, -1), 4.712388981, 1e-9);
    EXPECT_NEAR(VectorAngle(0, 0, -1, -1), 6.283185308 - 2.356194490192345, 1e-12);
    EXPECT_NEAR(VectorAngle(0, 0, 1, -1), 6.283185308 - 0.7853981633974483, 1e-12);
}

TEST(DxfGeometry, RotateScalePointTruncatesAndSaturates) {
    POINT p{1000, 0};
    RotateScalePoint(p, 5000, 5000, 2, 2, 90, 1000);
    // 90 x 0.017453292522222223 lies just above a right angle.
    EXPECT_EQ(p.x, 4999);
    EXPECT_EQ(p.y, 7000);

    POINT huge{2000000000, 0};
    RotateScalePoint(huge, 0, 0, 10, 10, 0, 1000);
    EXPECT_EQ(huge.x, INT32_MAX);

    POINT unitless{3, 4};
    RotateScalePoint(unitless, 1, 1, 1, 1, 0, 0);
    EXPECT_EQ(unitless.x, 4);
    EXPECT_EQ(unitless.y, 5);
}

} // namespace
