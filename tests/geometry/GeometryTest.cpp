// The free point, angle and segment functions.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "geometry/Geometry.h"

namespace {

constexpr LONG kMax = std::numeric_limits<LONG>::max();
constexpr LONG kMin = std::numeric_limits<LONG>::min();

// What printf prints in the C locale, read back with strtod in the C locale.
double PrintfCLocale(double value, int digits) {
    const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(c);
    char text[128];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    const double back = std::strtod(text, nullptr);
    uselocale(previous);
    freelocale(c);
    return back;
}

std::string PrintfText(double value, int digits) {
    char text[128];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    return text;
}

// Switches the process locale for the scope of a test.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name) {
        const char* current = std::setlocale(LC_ALL, nullptr);
        m_previous = current ? current : "C";
        m_ok = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    bool ok() const { return m_ok; }

private:
    std::string m_previous;
    bool m_ok = false;
};

} // namespace

// --- Integer conversions ---------------------------------------------------

TEST(GeometryIntTest, TruncIntSaturatesAndMapsNaNToZero) {
    EXPECT_EQ(TruncInt(2.9), 2);
    EXPECT_EQ(TruncInt(-2.9), -2);
    EXPECT_EQ(TruncInt(3e9), kMax);
    EXPECT_EQ(TruncInt(-3e9), kMin);
    EXPECT_EQ(TruncInt(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(TruncInt(-std::numeric_limits<double>::infinity()), kMin);
    EXPECT_EQ(TruncInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncInt(2147483647.0), kMax);
    EXPECT_EQ(TruncInt(-2147483648.0), kMin);
}

TEST(GeometryIntTest, RndIntAddsHalfAndTruncatesTowardZero) {
    EXPECT_EQ(RndInt(2.5), 3);
    EXPECT_EQ(RndInt(2.4), 2);
    EXPECT_EQ(RndInt(-2.5), -2);
    EXPECT_EQ(RndInt(-2.6), -2);
    EXPECT_EQ(RndInt(-0.7), 0);
}

// --- ToViewPoint / FromViewPoint / ToPrintPoint ----------------------------

struct ViewCase {
    LONG x, y, ox, oy;
    double scale;
    LONG ex, ey;
};

class ToViewPointTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(ToViewPointTest, RoundsByAddingHalfAndTruncating) {
    const ViewCase& c = GetParam();
    POINT p{-99, -99};
    POINT* r = ToViewPoint(&p, c.x, c.y, c.ox, c.oy, c.scale);
    EXPECT_EQ(r, &p);
    EXPECT_EQ(p.x, c.ex);
    EXPECT_EQ(p.y, c.ey);
    const POINT q = ToViewPoint(c.x, c.y, c.ox, c.oy, c.scale);
    EXPECT_EQ(q.x, c.ex);
    EXPECT_EQ(q.y, c.ey);
    const POINT d = ToViewPointD(c.x, c.y, c.ox, c.oy, c.scale);
    EXPECT_EQ(d.x, c.ex);
    EXPECT_EQ(d.y, c.ey);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToViewPointTest,
    ::testing::Values(ViewCase{10, 10, 0, 0, 0.25, 3, 3},       // 2.5 + 0.5 -> 3
                      ViewCase{-10, -10, 0, 0, 0.25, -2, -2},   // -2.5 + 0.5 = -2.0 -> -2
                      ViewCase{-11, -9, 0, 0, 0.25, -2, -1},    // -2.25 -> -2; -1.75 -> -1
                      ViewCase{110, 220, 100, 200, 0.5, 5, 10}, // origin subtracted first
                      ViewCase{0, 0, 100, 100, 0.1, -9, -9},    // -10 + 0.5 = -9.5 -> -9
                      ViewCase{7, 3, 0, 0, 1.0, 7, 3},
                      ViewCase{1, 2, 0, 0, 0.4, 0, 1})); // 0.4 + .5 -> 0; 0.8 + .5 -> 1

TEST(ToViewPointExtraTest, NegativeValuesTruncateTowardZeroAfterAddingHalf) {
    // -11 * 0.25 = -2.75, + 0.5 = -2.25 -> -2; -9 * 0.25 = -2.25, + 0.5 = -1.75 -> -1.
    const POINT p = ToViewPoint(-11, -9, 0, 0, 0.25);
    EXPECT_EQ(p.x, -2);
    EXPECT_EQ(p.y, -1);
}

TEST(ToViewPointExtraTest, ExtremeValuesSaturateInsteadOfOverflowing) {
    const POINT p = ToViewPoint(kMax, kMin, kMin, kMax, 1.0);
    EXPECT_EQ(p.x, kMax);
    EXPECT_EQ(p.y, kMin);
    const POINT q = ToViewPointD(std::numeric_limits<double>::quiet_NaN(), 1e300, 0, 0, 1.0);
    EXPECT_EQ(q.x, 0);
    EXPECT_EQ(q.y, kMax);
}

TEST(FromViewPointTest, AddsTruncatedQuotientToOrigin) {
    POINT p = FromViewPoint(3, -3, 100, 200, 0.25); // 12.5 -> 12; -12 + 0.5 = -11.5 -> -11
    EXPECT_EQ(p.x, 112);
    EXPECT_EQ(p.y, 189);
    p = FromViewPoint(5, 10, 0, 0, 2.0); // 2.5 + .5 -> 3; 5.5 -> 5
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 5);
}

TEST(FromViewPointTest, ZeroScaleIsDefined) {
    POINT p = FromViewPoint(5, -5, 10, 10, 0.0);
    EXPECT_EQ(p.x, kMax);
    EXPECT_EQ(p.y, kMin);
    p = FromViewPoint(0, 0, 10, 20, 0.0); // 0 / 0: the origin
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
}

TEST(ToPrintPointTest, DrawingUnitsToHundredths) {
    POINT p{};
    ToPrintPoint(&p, 1234, -1234, 1000, 1.0);
    EXPECT_EQ(p.x, 123);  // 123.4 + 0.5 -> 123
    EXPECT_EQ(p.y, -122); // -123.4 + 0.5 = -122.9 -> -122
    p = ToPrintPoint(1235, 5, 1000, 2.0);
    EXPECT_EQ(p.x, 247); // 247.0 + 0.5
    EXPECT_EQ(p.y, 1);   // 1.0 + 0.5
    p = ToPrintPointD(12.5, 0.0, 1, 0.01);
    EXPECT_EQ(p.x, 13);
    EXPECT_EQ(p.y, 0);
}

TEST(ToPrintPointTest, ZeroDivisorCountsAsOne) {
    const POINT p = ToPrintPoint(3, 4, 0, 1.0);
    EXPECT_EQ(p.x, 300);
    EXPECT_EQ(p.y, 400);
}

// --- Distances ---------------------------------------------------------------

TEST(GetDistanceTest, ThreeFourFiveInMillionsWithoutOverflow) {
    EXPECT_EQ(GetDistance(0, 0, 3000000, 4000000), 5000000);
    EXPECT_EQ(GetDistance(3000000, 4000000, 0, 0), 5000000);
    EXPECT_DOUBLE_EQ(GetDistanceD(0, 0, 3e6, 4e6), 5e6);
}

struct DistanceCase {
    LONG x1, y1, x2, y2, expected;
};

class GetDistanceTableTest : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(GetDistanceTableTest, Truncates) {
    const DistanceCase& c = GetParam();
    EXPECT_EQ(GetDistance(c.x1, c.y1, c.x2, c.y2), c.expected);
    EXPECT_EQ(GetDistance(POINT{c.x1, c.y1}, POINT{c.x2, c.y2}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GetDistanceTableTest,
    ::testing::Values(DistanceCase{0, 0, 0, 0, 0}, DistanceCase{0, 0, 1, 1, 1}, // 1.414 -> 1
                      DistanceCase{0, 0, 3, 4, 5}, DistanceCase{-3, -4, 0, 0, 5},
                      DistanceCase{0, 0, 30000, 40000, 50000},
                      DistanceCase{0, 0, 300000, 400000, 500000}, DistanceCase{0, 0, 10, 10, 14},
                      DistanceCase{-2000000, 0, 2000000, 0, 4000000}));

TEST(GetDistanceTest, DistanceBeyondInt32Saturates) {
    EXPECT_EQ(GetDistance(kMin, kMin, kMax, kMax), kMax);
}

// --- Angles --------------------------------------------------------------------

struct AngleCase {
    LONG x1, y1, x2, y2;
    double expected;
};

class GetAngleTest : public ::testing::TestWithParam<AngleCase> {};

TEST_P(GetAngleTest, DirectionCounterClockwise) {
    const AngleCase& c = GetParam();
    EXPECT_NEAR(GetAngle(c.x1, c.y1, c.x2, c.y2), c.expected, 1e-6);
    EXPECT_NEAR(GetAngleD(c.x1, c.y1, c.x2, c.y2), c.expected, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GetAngleTest,
    ::testing::Values(AngleCase{0, 0, 5, 0, 0.0}, AngleCase{0, 0, 0, 5, 1.570796327},
                      AngleCase{0, 0, -5, 0, 3.141592654}, AngleCase{0, 0, 0, -5, 4.712388981},
                      AngleCase{0, 0, 0, 0, 0.0}, AngleCase{7, -3, 7, -3, 0.0},
                      AngleCase{0, 0, 5, 5, 0.785398163}, AngleCase{0, 0, -5, 5, 2.356194490},
                      AngleCase{0, 0, -5, -5, 3.926990818}, AngleCase{0, 0, 5, -5, 5.497787144},
                      AngleCase{0, 0, 3000000, 4000000, 0.927295218},
                      AngleCase{0, 0, 3000000, -4000000, 2 * 3.141592654 - 0.927295218},
                      AngleCase{kMin, kMin, kMax, kMax, 0.785398163}));

TEST(GetAngleTest, AxesGiveTheTenDigitConstantsExactly) {
    EXPECT_EQ(GetAngle(0, 0, 0, 5), 1.570796327);
    EXPECT_EQ(GetAngle(0, 0, -5, 0), 3.141592654);
    EXPECT_EQ(GetAngle(0, 0, 0, -5), 4.712388981);
    EXPECT_EQ(GetAngle(0, 0, 5, 0), 0.0);
    EXPECT_EQ(GetAngle(0, 0, 0, 0), 0.0);
    EXPECT_EQ(GetAngle(POINT{1, 1}, POINT{1, 1}), 0.0);
}

TEST(GetAngleTest, FourthQuadrantUsesAsinPlusTwoPi) {
    const double a = GetAngle(0, 0, 5, -5);
    EXPECT_NEAR(a, 5.497787, 1e-6);
    EXPECT_DOUBLE_EQ(a, std::asin(-std::sqrt(0.5)) + 6.283185308);
}

TEST(GetAngleTest, TinyDoubleSegmentGivesZero) {
    EXPECT_EQ(GetAngleD(0.0, 0.0, 0.0005, 0.0005), 0.0);
}

TEST(GetUnitVectorTest, NormalisesAndGivesZeroForEqualPoints) {
    DPOINT v{9, 9};
    GetUnitVector(0, 0, 3, 4, &v);
    EXPECT_DOUBLE_EQ(v.x, 0.6);
    EXPECT_DOUBLE_EQ(v.y, 0.8);
    GetUnitVector(0, 0, 3000000, -4000000, &v);
    EXPECT_NEAR(v.x, 0.6, 1e-12);
    EXPECT_NEAR(v.y, -0.8, 1e-12);
    GetUnitVector(5, 5, 5, 5, &v);
    EXPECT_EQ(v.x, 0.0);
    EXPECT_EQ(v.y, 0.0);
}

// --- Rotation ----------------------------------------------------------------------

TEST(RotatePointTest, RotatesCounterClockwiseAndTruncates) {
    LONG x = 100, y = 0;
    RotatePoint(&x, &y, 90.0);
    EXPECT_EQ(x, 0); // cos 90 * 100 is about 6e-15
    EXPECT_EQ(y, 100);
    x = 100;
    y = 0;
    RotatePoint(&x, &y, 45.0);
    EXPECT_EQ(x, 70); // 70.71 truncated
    EXPECT_EQ(y, 70);
    x = 10;
    y = 20;
    RotatePoint(&x, &y, 180.0);
    // The system's degree constant is a little above pi / 180: -9.9999999918 and
    // -20.0000000041, truncated toward zero.
    EXPECT_EQ(x, -9);
    EXPECT_EQ(y, -20);
}

TEST(RotatePointTest, OutOfRangeResultSaturates) {
    LONG x = kMax, y = kMax;
    RotatePoint(&x, &y, 45.0); // y' = sqrt(2) * kMax
    EXPECT_EQ(y, kMax);
    EXPECT_EQ(x, 0);
}

// --- Segments ----------------------------------------------------------------------

struct CrossCase {
    POINT p1, p2, p3, p4;
    int expected;
};

class IsSegmentsCrossTest : public ::testing::TestWithParam<CrossCase> {};

TEST_P(IsSegmentsCrossTest, Table) {
    const CrossCase& c = GetParam();
    EXPECT_EQ(IsSegmentsCross(c.p1, c.p2, c.p3, c.p4, 1), c.expected);
    EXPECT_EQ(IsSegmentsCross(c.p1, c.p2, c.p3, c.p4, 1000), c.expected);
    EXPECT_EQ(IsSegmentsCross(c.p3, c.p4, c.p1, c.p2, 1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsSegmentsCrossTest,
    ::testing::Values(CrossCase{{0, 0}, {10, 10}, {0, 10}, {10, 0}, 1}, // proper crossing
                      CrossCase{{0, 0}, {10, 0}, {10, 0}, {10, 5}, 1},  // touching at an end
                      CrossCase{{0, 0}, {10, 0}, {5, 0}, {5, 5}, 1},    // T junction
                      CrossCase{{0, 0}, {2, 0}, {3, 0}, {4, 0}, 1},     // one line, apart
                      CrossCase{{0, 0}, {10, 0}, {0, 1}, {10, 1}, 0},   // parallel
                      CrossCase{{0, 0}, {10, 0}, {11, -5}, {11, 5}, 0}, // misses the end
                      CrossCase{{0, 0}, {10, 10}, {20, 0}, {11, 9}, 0}, // lines cross outside
                      CrossCase{{-2000000000, 0},
                                {2000000000, 0},
                                {0, -2000000000},
                                {0, 2000000000},
                                1})); // huge coordinates

TEST(GetCrossPointTest, IntersectionOfCrossingSegments) {
    POINT out{-1, -1};
    EXPECT_EQ(GetCrossPoint({0, 0}, {10, 10}, {0, 10}, {10, 0}, &out, 1), 1);
    EXPECT_EQ(out.x, 5);
    EXPECT_EQ(out.y, 5);
    EXPECT_EQ(GetCrossPoint({0, 0}, {1000, 0}, {300, -100}, {300, 300}, &out, 1000), 1);
    EXPECT_EQ(out.x, 300);
    EXPECT_EQ(out.y, 0);
}

TEST(GetCrossPointTest, NoCrossingLeavesOutUnchanged) {
    POINT out{-1, -1};
    EXPECT_EQ(GetCrossPoint({0, 0}, {10, 0}, {0, 1}, {10, 1}, &out, 1), 0);
    EXPECT_EQ(out.x, -1);
    EXPECT_EQ(out.y, -1);
}

TEST(GetCrossPointTest, CollinearSegmentsGiveP1) {
    POINT out{-1, -1};
    EXPECT_EQ(GetCrossPoint({0, 0}, {2, 0}, {3, 0}, {4, 0}, &out, 1), 1);
    EXPECT_EQ(out.x, 0);
    EXPECT_EQ(out.y, 0);
    // Degenerate second segment on the first one's line.
    EXPECT_EQ(GetCrossPoint({7, 7}, {9, 9}, {8, 8}, {8, 8}, &out, 0), 1);
    EXPECT_EQ(out.x, 7);
    EXPECT_EQ(out.y, 7);
}

TEST(GetLineDistanceTest, DistanceFromLineScaledBackByDivisor) {
    EXPECT_DOUBLE_EQ(GetLineDistance({0, 0}, {10, 0}, {5, 3}, 1), 3.0);
    EXPECT_DOUBLE_EQ(GetLineDistance({0, 0}, {10, 0}, {50, -3}, 1), 3.0); // line, not segment
    EXPECT_NEAR(GetLineDistance({0, 0}, {10000, 0}, {5000, 3000}, 1000), 3000.0, 1e-9);
    EXPECT_EQ(GetLineDistance({4, 4}, {4, 4}, {0, 0}, 1), 0.0);
    EXPECT_DOUBLE_EQ(GetLineDistance({0, 0}, {10, 0}, {5, 3}, 0), 3.0);
}

// --- RoundDecimal --------------------------------------------------------------

struct RoundCase {
    double value;
    int digits;
};

class RoundDecimalTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundDecimalTest, EqualsCLocalePrintf) {
    const RoundCase& c = GetParam();
    EXPECT_EQ(RoundDecimal(c.value, c.digits), PrintfCLocale(c.value, c.digits));
}

TEST_P(RoundDecimalTest, EqualsCLocalePrintfUnderGermanLocale) {
    const RoundCase& c = GetParam();
    const double expected = PrintfCLocale(c.value, c.digits);
    ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.ok()) << "de_DE.UTF-8 is installed by scripts/install-deps.sh";
    if (c.digits > 0 && std::isfinite(c.value)) {
        // The process locale really prints a decimal comma here.
        EXPECT_NE(PrintfText(c.value, c.digits).find(','), std::string::npos);
    }
    EXPECT_EQ(RoundDecimal(c.value, c.digits), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RoundDecimalTest,
                         ::testing::Values(RoundCase{2.5, 0}, RoundCase{0.125, 2},
                                           RoundCase{3.5, 0}, RoundCase{-2.5, 0},
                                           RoundCase{0.375, 2}, RoundCase{1.0 / 3.0, 3},
                                           RoundCase{123456.789, 1}, RoundCase{-0.0005, 3},
                                           RoundCase{2.675, 2}, RoundCase{1e20, 2},
                                           RoundCase{0.1, 15}));

TEST(RoundDecimalExtraTest, SpecValues) {
    EXPECT_EQ(RoundDecimal(2.5, 0), 2.0); // "2": round half to even on the exact value
    EXPECT_EQ(RoundDecimal(0.125, 2), 0.12);
}

TEST(RoundDecimalExtraTest, DigitsAreClamped) {
    EXPECT_EQ(RoundDecimal(2.5, -3), RoundDecimal(2.5, 0));
    EXPECT_EQ(RoundDecimal(1.0 / 3.0, 1000), PrintfCLocale(1.0 / 3.0, kRoundDecimalMaxDigits));
    EXPECT_EQ(RoundDecimal(1e300, 1000), 1e300); // no fixed buffer to overrun
}

TEST(RoundDecimalExtraTest, NonFiniteValuesComeBack) {
    EXPECT_TRUE(std::isnan(RoundDecimal(std::numeric_limits<double>::quiet_NaN(), 2)));
    EXPECT_EQ(RoundDecimal(std::numeric_limits<double>::infinity(), 2),
              std::numeric_limits<double>::infinity());
}

// --- NormalizeRectX --------------------------------------------------------------

struct RectCase {
    RECT in, out;
};

class NormalizeRectXTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(NormalizeRectXTest, OnlyLeftChangesButTopAndBottomSwap) {
    RECT r = GetParam().in;
    EXPECT_EQ(NormalizeRectX(&r), 1);
    const RECT& e = GetParam().out;
    EXPECT_EQ(r.left, e.left);
    EXPECT_EQ(r.top, e.top);
    EXPECT_EQ(r.right, e.right);
    EXPECT_EQ(r.bottom, e.bottom);
}

INSTANTIATE_TEST_SUITE_P(Table, NormalizeRectXTest,
                         ::testing::Values(RectCase{{10, 20, 5, 8}, {5, 8, 5, 20}},
                                           RectCase{{1, 2, 3, 4}, {1, 2, 3, 4}},
                                           RectCase{{10, 2, 5, 4}, {5, 2, 5, 4}},
                                           RectCase{{1, 9, 3, 4}, {1, 4, 3, 9}},
                                           RectCase{{7, 7, 7, 7}, {7, 7, 7, 7}}));

TEST(NormalizeRectXExtraTest, NullRectangle) {
    EXPECT_EQ(NormalizeRectX(nullptr), 0);
}
