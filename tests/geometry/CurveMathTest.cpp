// Curve mathematics (Bezier flattening, open and closed splines,
// B-spline basis and NURBS, polygon area).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "geometry/CurveMath.h"

namespace {

double Dist(const DPOINT& a, const DPOINT& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool AllFinite(const std::vector<DPOINT>& pts) {
    return std::all_of(pts.begin(), pts.end(),
                       [](const DPOINT& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

double MinDistance(const DPOINT& p, const std::vector<DPOINT>& pts) {
    double best = std::numeric_limits<double>::infinity();
    for (const DPOINT& q : pts)
        best = std::min(best, Dist(p, q));
    return best;
}

double MaxStep(const std::vector<DPOINT>& pts) {
    double best = 0.0;
    for (std::size_t i = 1; i < pts.size(); ++i)
        best = std::max(best, Dist(pts[i - 1], pts[i]));
    return best;
}

// Distance of p from the line through a and b.
double LineDistance(const DPOINT& a, const DPOINT& b, const DPOINT& p) {
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    return std::fabs(cross) / Dist(a, b);
}

// Consecutive emitted points never lie within 0.001 in both coordinates.
void ExpectNoCloseNeighbours(const std::vector<DPOINT>& pts) {
    for (std::size_t i = 1; i < pts.size(); ++i) {
        EXPECT_FALSE(std::fabs(pts[i].x - pts[i - 1].x) <= 0.001 &&
                     std::fabs(pts[i].y - pts[i - 1].y) <= 0.001)
            << "at " << i;
    }
}

} // namespace

// --- FlattenBezier ----------------------------------------------------------------

TEST(FlattenBezierTest, StraightCubicGivesCollinearPoints) {
    const std::vector<POINT> ctrl = {{0, 0}, {100, 50}, {250, 125}, {300, 150}};
    const std::vector<DPOINT> out = FlattenBezier(ctrl);
    ASSERT_GT(out.size(), 2u);
    for (const DPOINT& p : out) {
        EXPECT_NEAR(p.y, p.x / 2.0, 1e-9);
        EXPECT_GE(p.x, 0.0);
        EXPECT_LE(p.x, 300.0);
    }
    ExpectNoCloseNeighbours(out);
}

TEST(FlattenBezierTest, OneSegmentStartsAndEndsOnItsEndPoints) {
    const std::vector<POINT> ctrl = {{0, 0}, {0, 1000}, {1000, 1000}, {1000, 0}};
    const std::vector<DPOINT> out = FlattenBezier(ctrl);
    // Start, t = 0.01 .. 0.99 (99 values), end.
    ASSERT_EQ(out.size(), 101u);
    EXPECT_EQ(out.front(), (DPOINT{0, 0}));
    EXPECT_EQ(out.back(), (DPOINT{1000, 0}));
    EXPECT_NEAR(out[50].x, 500.0, 1e-6); // t = 0.5 (accumulated)
    EXPECT_NEAR(out[50].y, 750.0, 1e-6);
    EXPECT_LE(static_cast<int>(out.size()), FlattenBezierBound(4));
}

TEST(FlattenBezierTest, IncompleteTrailingSegmentIsIgnored) {
    const std::vector<POINT> four = {{0, 0}, {10, 100}, {90, 100}, {100, 0}};
    std::vector<POINT> five = four;
    five.push_back({500, 500});
    std::vector<POINT> six = five;
    six.push_back({600, 0});
    const std::vector<DPOINT> a = FlattenBezier(four);
    EXPECT_EQ(FlattenBezier(five), a);
    EXPECT_EQ(FlattenBezier(six), a);
    EXPECT_TRUE(FlattenBezier(std::vector<POINT>{{0, 0}, {1, 1}, {2, 2}}).empty());
    EXPECT_TRUE(FlattenBezier(std::vector<POINT>{}).empty());
    EXPECT_TRUE(FlattenBezier(static_cast<const POINT*>(nullptr), 4).empty());
}

TEST(FlattenBezierTest, SegmentsJoinWithoutRepeatingTheJunction) {
    const std::vector<POINT> ctrl = {{0, 0},      {0, 100},    {100, 100}, {100, 0},
                                     {100, -100}, {200, -100}, {200, 0}};
    const std::vector<DPOINT> out = FlattenBezier(ctrl);
    EXPECT_EQ(out.size(), 201u);
    EXPECT_EQ(out[100], (DPOINT{100, 0}));
    EXPECT_EQ(out.back(), (DPOINT{200, 0}));
    ExpectNoCloseNeighbours(out);
}

TEST(FlattenBezierTest, OutputLengthBound) {
    for (int segments = 1; segments <= 12; ++segments) {
        for (int extra = 0; extra < 3; ++extra) {
            std::vector<POINT> ctrl;
            const int count = 3 * segments + 1 + extra;
            for (int i = 0; i < count; ++i)
                ctrl.push_back({i * 1000, (i % 2) * 5000});
            const std::vector<DPOINT> out = FlattenBezier(ctrl);
            EXPECT_LE(static_cast<int>(out.size()), count * 100 / 3);
            EXPECT_EQ(static_cast<int>(out.size()), 100 * segments + 1);
        }
    }
}

TEST(FlattenBezierTest, TinyCurveCollapsesToOnePoint) {
    const std::vector<DPOINT> ctrl = {{0, 0}, {0.0003, 0.0002}, {0.0006, 0.0004}, {0.0009, 0.001}};
    const std::vector<DPOINT> out = FlattenBezier(ctrl);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], (DPOINT{0, 0}));
}

// --- Open spline ------------------------------------------------------------------

TEST(SampleSplineTest, PassesThroughItsFitPoints) {
    const std::vector<POINT> fit = {{0, 0},       {1000, 2000}, {2500, 1800},
                                    {3000, -500}, {5000, 0},    {5200, 3000}};
    const std::vector<DPOINT> out = SampleSpline(fit);
    ASSERT_FALSE(out.empty());
    EXPECT_TRUE(AllFinite(out));
    for (const POINT& p : fit)
        EXPECT_LT(MinDistance({double(p.x), double(p.y)}, out), 1e-6) << p.x << "," << p.y;
    EXPECT_EQ(out.front(), (DPOINT{0, 0}));
    EXPECT_EQ(out.back(), (DPOINT{5200, 3000}));
    EXPECT_LE(out.size(), static_cast<std::size_t>(FlattenBezierBound(3 * 5 + 1)));
    ExpectNoCloseNeighbours(out);
}

TEST(SampleSplineTest, TwoFitPointsGiveAStraightLine) {
    const std::vector<POINT> fit = {{100, 200}, {4100, 3200}};
    const std::vector<DPOINT> bez = SplineBezierPoints(fit);
    ASSERT_EQ(bez.size(), 4u);
    EXPECT_NEAR(bez[1].x, 100 + 4000.0 / 3, 1e-9);
    EXPECT_NEAR(bez[1].y, 200 + 3000.0 / 3, 1e-9);
    EXPECT_NEAR(bez[2].x, 100 + 8000.0 / 3, 1e-9);
    EXPECT_NEAR(bez[2].y, 200 + 6000.0 / 3, 1e-9);
    const std::vector<DPOINT> out = SampleSpline(fit);
    ASSERT_EQ(out.size(), 101u);
    for (const DPOINT& p : out)
        EXPECT_LT(LineDistance({100, 200}, {4100, 3200}, p), 1e-9);
    // Uniform speed: the middle sample is the midpoint.
    EXPECT_NEAR(out[50].x, 2100.0, 1e-6);
    EXPECT_NEAR(out[50].y, 1700.0, 1e-6);
}

TEST(SampleSplineTest, CollinearFitPointsGiveAStraightCurve) {
    const std::vector<POINT> fit = {{0, 0}, {100, 100}, {150, 150}, {1000, 1000}, {1010, 1010}};
    const std::vector<DPOINT> out = SampleSpline(fit);
    ASSERT_FALSE(out.empty());
    for (const DPOINT& p : out)
        EXPECT_NEAR(p.x, p.y, 1e-6);
}

TEST(SampleSplineTest, DuplicatePointsAreDropped) {
    const std::vector<POINT> fit = {{0, 0}, {1000, 2000}, {2500, 1800}, {3000, -500}};
    const std::vector<POINT> dup = {{0, 0},       {0, 0},       {1000, 2000}, {1000, 2000},
                                    {1000, 2000}, {2500, 1800}, {3000, -500}, {3000, -500}};
    EXPECT_EQ(SampleSpline(dup), SampleSpline(fit));
    EXPECT_EQ(SplineBezierPoints(dup), SplineBezierPoints(fit));
    EXPECT_EQ(SplineBezierPoints(dup).size(), 10u);
}

TEST(SampleSplineTest, OneDistinctPointGivesNoSamples) {
    EXPECT_TRUE(SampleSpline(std::vector<POINT>{}).empty());
    EXPECT_TRUE(SampleSpline(std::vector<POINT>{{5, 5}}).empty());
    EXPECT_TRUE(SampleSpline(std::vector<POINT>{{5, 5}, {5, 5}, {5, 5}}).empty());
    EXPECT_EQ(SplineBezierPoints(std::vector<POINT>{{5, 5}, {5, 5}}).size(), 1u);
}

TEST(SplineMathTest, ControlAndBezierPointCounts) {
    for (int count = 2; count <= 9; ++count) {
        std::vector<DPOINT> fit;
        for (int i = 0; i < count; ++i)
            fit.push_back({i * 100.0 + (i % 3) * 37.0, (i % 2) * 250.0 - i * 11.0});
        const int n = count - 1;
        EXPECT_EQ(SplineControlPoints(fit).size(), static_cast<std::size_t>(n + 3));
        const std::vector<DPOINT> bez = SplineBezierPointsExact(fit);
        ASSERT_EQ(bez.size(), static_cast<std::size_t>(3 * n + 1));
        for (int i = 0; i <= n; ++i) {
            EXPECT_NEAR(bez[3 * i].x, fit[i].x, 1e-9);
            EXPECT_NEAR(bez[3 * i].y, fit[i].y, 1e-9);
        }
        EXPECT_TRUE(AllFinite(bez));
    }
}

// The Bezier form is C2 in the centripetal parameter: first and second
// derivatives agree at every junction.
TEST(SplineMathTest, BezierFormIsC2AtTheJunctions) {
    const std::vector<DPOINT> fit = {{0, 0},     {300, 900},  {400, 950}, {2000, 100},
                                     {2100, 50}, {2500, 700}, {5000, 0}};
    const std::vector<DPOINT> bez = SplineBezierPointsExact(fit);
    std::vector<double> delta;
    for (std::size_t i = 1; i < fit.size(); ++i)
        delta.push_back(std::sqrt(Dist(fit[i], fit[i - 1])));
    for (std::size_t i = 1; i + 1 < fit.size(); ++i) {
        const double d0 = delta[i - 1];
        const double d1 = delta[i];
        const std::size_t j = 3 * i;
        for (int axis = 0; axis < 2; ++axis) {
            auto c = [&](std::size_t k) { return axis == 0 ? bez[k].x : bez[k].y; };
            const double left1 = 3 * (c(j) - c(j - 1)) / d0;
            const double right1 = 3 * (c(j + 1) - c(j)) / d1;
            EXPECT_NEAR(left1, right1, 1e-6 * (1 + std::fabs(left1)));
            const double left2 = 6 * (c(j) - 2 * c(j - 1) + c(j - 2)) / (d0 * d0);
            const double right2 = 6 * (c(j + 2) - 2 * c(j + 1) + c(j)) / (d1 * d1);
            EXPECT_NEAR(left2, right2, 1e-6 * (1 + std::fabs(left2)));
        }
    }
}

TEST(SplineMathTest, BesselEndConditionsFromTheParabola) {
    // The second and second-to-last control points from the parabola through
    // the first (last) three fit points, with centripetal parameters.
    const std::vector<DPOINT> fit = {{0, 0}, {30, 9}, {100, 100}, {130, 169}, {200, 400}};
    std::vector<double> t = {0.0};
    for (std::size_t i = 1; i < fit.size(); ++i)
        t.push_back(t.back() + std::sqrt(Dist(fit[i], fit[i - 1])));
    auto bessel = [](DPOINT q0, DPOINT q1, DPOINT q2, double s0, double s1, double s2) {
        const double a = (s2 - s1) / (s2 - s0);
        const double c = 1 - a;
        const DPOINT m = {(q1.x - a * a * q0.x - c * c * q2.x) / (2 * a * c),
                          (q1.y - a * a * q0.y - c * c * q2.y) / (2 * a * c)};
        return DPOINT{2.0 / 3.0 * (a * q0.x + c * m.x) + q0.x / 3.0,
                      2.0 / 3.0 * (a * q0.y + c * m.y) + q0.y / 3.0};
    };
    const DPOINT first = bessel(fit[0], fit[1], fit[2], t[0], t[1], t[2]);
    const DPOINT last = bessel(fit[4], fit[3], fit[2], 0.0, t[4] - t[3], t[4] - t[2]);
    const std::vector<DPOINT> ctrl = SplineControlPoints(fit);
    ASSERT_EQ(ctrl.size(), 7u);
    EXPECT_EQ(ctrl[0], fit[0]);
    EXPECT_NEAR(ctrl[1].x, first.x, 1e-9);
    EXPECT_NEAR(ctrl[1].y, first.y, 1e-9);
    EXPECT_NEAR(ctrl[5].x, last.x, 1e-9);
    EXPECT_NEAR(ctrl[5].y, last.y, 1e-9);
    EXPECT_EQ(ctrl[6], fit[4]);
    // The first Bezier segment leaves P0 along the parabola's tangent: for
    // three points the spline's first leg is the parabola's first piece.
    const std::vector<DPOINT> three = {fit[0], fit[1], fit[2]};
    const std::vector<DPOINT> bez = SplineBezierPointsExact(three);
    ASSERT_EQ(bez.size(), 7u);
    EXPECT_NEAR(bez[1].x, first.x, 1e-9);
    EXPECT_NEAR(bez[1].y, first.y, 1e-9);
}

// --- Closed spline ------------------------------------------------------------------

TEST(SampleClosedSplineTest, SampleCountAndClosure) {
    const std::vector<POINT> fit = {{1000, 0}, {0, 1000}, {-1000, 0}, {0, -1000}};
    const std::vector<DPOINT> out = SampleClosedSpline(fit);
    ASSERT_EQ(out.size(), 4u * 25 + 1);
    EXPECT_TRUE(AllFinite(out));
    EXPECT_EQ(out.front(), (DPOINT{1000, 0}));
    // The last sample sits one step before the start: the curve closes on itself.
    const double step = MaxStep(out);
    EXPECT_LT(Dist(out.back(), out.front()), 1.5 * step);
    EXPECT_GT(Dist(out.back(), out.front()), 0.0);
    // A symmetric diamond gives a nearly round curve.
    for (const DPOINT& p : out)
        EXPECT_NEAR(std::hypot(p.x, p.y), 1000.0, 100.0);
}

TEST(SampleClosedSplineTest, PassesThroughTheFitPoints) {
    const std::vector<POINT> fit = {{0, 0}, {4000, 500}, {5000, 3000}, {2500, 4200}, {-300, 2500}};
    const CClosedSpline spline(ToDoublePoints(fit));
    ASSERT_TRUE(spline.Valid());
    ASSERT_EQ(spline.SpanCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const DPOINT p = spline.Evaluate(spline.Knots()[i]);
        EXPECT_NEAR(p.x, fit[i].x, 1e-6);
        EXPECT_NEAR(p.y, fit[i].y, 1e-6);
    }
    // Periodic: t and t + 1 give the same point; t = 1 is the start again.
    for (double t : {0.0, 0.1, 0.37, 0.9})
        EXPECT_NEAR(Dist(spline.Evaluate(t), spline.Evaluate(t + 1.0)), 0.0, 1e-6);
    EXPECT_NEAR(Dist(spline.Evaluate(1.0), {0, 0}), 0.0, 1e-6);
    EXPECT_NEAR(Dist(spline.Evaluate(-0.25), spline.Evaluate(0.75)), 0.0, 1e-6);

    const std::vector<DPOINT> out = SampleClosedSpline(fit);
    ASSERT_EQ(out.size(), 5u * 25 + 1);
    const double step = MaxStep(out);
    for (const POINT& p : fit)
        EXPECT_LT(MinDistance({double(p.x), double(p.y)}, out), step);
}

TEST(SampleClosedSplineTest, SmoothAcrossTheClosingPoint) {
    const std::vector<POINT> fit = {{0, 0}, {4000, 500}, {5000, 3000}, {2500, 4200}};
    const CClosedSpline spline(ToDoublePoints(fit));
    ASSERT_TRUE(spline.Valid());
    const double e = 1e-6;
    for (double t : {0.0, spline.Knots()[1], spline.Knots()[2]}) {
        const DPOINT a = spline.Evaluate(t - e);
        const DPOINT b = spline.Evaluate(t);
        const DPOINT c = spline.Evaluate(t + e);
        // Equal one-sided difference quotients: C1 at the knot.
        EXPECT_NEAR((b.x - a.x) / e, (c.x - b.x) / e, 1.0);
        EXPECT_NEAR((b.y - a.y) / e, (c.y - b.y) / e, 1.0);
    }
}

TEST(SampleClosedSplineTest, RepeatedStartPointAtTheEndIsTheSameCurve) {
    const std::vector<POINT> open = {{0, 0}, {4000, 500}, {5000, 3000}, {2500, 4200}};
    std::vector<POINT> closed = open;
    closed.push_back({0, 0});
    const std::vector<DPOINT> a = SampleClosedSpline(open);
    const std::vector<DPOINT> b = SampleClosedSpline(closed);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_TRUE(AllFinite(b));
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_NEAR(Dist(a[i], b[i]), 0.0, 1e-9);
}

TEST(SampleClosedSplineTest, ConsecutiveDuplicatesAreDropped) {
    const std::vector<POINT> fit = {{0, 0}, {4000, 500}, {5000, 3000}};
    const std::vector<POINT> dup = {{0, 0}, {0, 0}, {4000, 500}, {5000, 3000}, {5000, 3000}};
    EXPECT_EQ(SampleClosedSpline(dup), SampleClosedSpline(fit));
    EXPECT_EQ(SampleClosedSpline(fit).size(), 3u * 25 + 1);
}

struct DegenerateCase {
    std::vector<POINT> points;
};

class ClosedSplineDegenerateTest : public ::testing::TestWithParam<DegenerateCase> {};

TEST_P(ClosedSplineDegenerateTest, GivesThePointsAsGivenWithoutNaN) {
    const std::vector<POINT>& pts = GetParam().points;
    const std::vector<DPOINT> out = SampleClosedSpline(pts);
    EXPECT_TRUE(AllFinite(out));
    EXPECT_EQ(out, ToDoublePoints(pts));
    EXPECT_FALSE(CClosedSpline(ToDoublePoints(pts)).Valid());
}

INSTANTIATE_TEST_SUITE_P(Table, ClosedSplineDegenerateTest,
                         ::testing::Values(DegenerateCase{{}}, DegenerateCase{{{5, 7}}},
                                           DegenerateCase{{{0, 0}, {100, 50}}},
                                           DegenerateCase{{{3, 3}, {3, 3}, {3, 3}, {3, 3}}},
                                           DegenerateCase{{{0, 0}, {100, 0}, {0, 0}}}, // A, B, A
                                           DegenerateCase{
                                               {{0, 0}, {0, 0}, {9, 9}, {9, 9}}})); // two distinct

TEST(SampleClosedSplineTest, DoublePointsCloserThanTheToleranceAreDuplicates) {
    const std::vector<DPOINT> pts = {{0, 0}, {0.0005, 0.0009}, {10, 0}, {10.0002, 0}};
    EXPECT_EQ(SampleClosedSpline(pts), pts); // two distinct points only
}

// --- B-spline basis and NURBS ------------------------------------------------------

TEST(BSplineBasisTest, PartitionOfUnityOnAClampedKnotVector) {
    const std::vector<double> knots = {0, 0, 0, 0, 1, 2, 3, 3, 3, 3};
    const int degree = 3;
    const int count = static_cast<int>(knots.size()) - degree - 1; // 6
    for (double t = 0.0; t < 3.0; t += 0.05) {
        double sum = 0.0;
        const std::vector<double> all = BSplineBasisAll(count, degree, t, knots);
        for (int i = 0; i < count; ++i) {
            const double n = BSplineBasis(i, degree, t, knots);
            EXPECT_GE(n, 0.0);
            EXPECT_NEAR(n, all[i], 1e-12);
            sum += n;
        }
        EXPECT_NEAR(sum, 1.0, 1e-12) << "t = " << t;
    }
    // Clamped: only the first function is 1 at the start.
    EXPECT_DOUBLE_EQ(BSplineBasis(0, degree, 0.0, knots), 1.0);
    // Half-open spans: at the very last knot every function is 0.
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(BSplineBasis(i, degree, 3.0, knots), 0.0);
}

TEST(BSplineBasisTest, KnownValues) {
    const std::vector<double> uniform = {0, 1, 2, 3, 4, 5};
    EXPECT_EQ(BSplineBasis(1, 0, 1.5, uniform), 1.0);
    EXPECT_EQ(BSplineBasis(1, 0, 2.0, uniform), 0.0);
    EXPECT_DOUBLE_EQ(BSplineBasis(0, 1, 1.0, uniform), 1.0); // hat peak
    EXPECT_DOUBLE_EQ(BSplineBasis(0, 1, 0.5, uniform), 0.5);
    EXPECT_DOUBLE_EQ(BSplineBasis(0, 2, 1.5, uniform), 0.75); // quadratic peak
    EXPECT_DOUBLE_EQ(BSplineBasis(0, 3, 2.0, uniform), 2.0 / 3.0);
}

TEST(BSplineBasisTest, ZeroDenominatorsAndOutOfRangeIndexesGiveZero) {
    const std::vector<double> equal = {2, 2, 2, 2, 2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(BSplineBasis(i, 1, 2.0, equal), 0.0);
        EXPECT_FALSE(std::isnan(BSplineBasis(i, 1, 2.0, equal)));
    }
    const std::vector<double> knots = {0, 1, 2, 3};
    EXPECT_EQ(BSplineBasis(-1, 1, 0.5, knots), 0.0);
    EXPECT_EQ(BSplineBasis(0, -1, 0.5, knots), 0.0);
    EXPECT_EQ(BSplineBasis(2, 1, 2.5, knots), 0.0);  // needs knot 4
    EXPECT_EQ(BSplineBasis(0, 50, 0.5, knots), 0.0); // degree beyond the knots
    const std::vector<double> all = BSplineBasisAll(5, 1, 1.5, knots);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_DOUBLE_EQ(all[0], 0.5);
    EXPECT_DOUBLE_EQ(all[1], 0.5);
    EXPECT_EQ(all[2], 0.0);
    EXPECT_EQ(all[4], 0.0);
}

TEST(NurbsTest, RationalQuarterCircle) {
    const std::vector<POINT> ctrl = {{1000, 0}, {1000, 1000}, {0, 1000}};
    const std::vector<double> weights = {1.0, std::sqrt(0.5), 1.0};
    const std::vector<double> knots = {0, 0, 0, 1, 1, 1};
    for (double u = 0.0; u < 1.0; u += 0.125) {
        const DPOINT p = NurbsPoint(ctrl, weights, knots, 2, u);
        EXPECT_NEAR(std::hypot(p.x, p.y), 1000.0, 1e-9) << "u = " << u;
    }
    const DPOINT start = NurbsPoint(ctrl, weights, knots, 2, 0.0);
    EXPECT_DOUBLE_EQ(start.x, 1000.0);
    EXPECT_DOUBLE_EQ(start.y, 0.0);
}

TEST(NurbsTest, ZeroWeightSumGivesTheUnnormalisedSums) {
    const std::vector<POINT> ctrl = {{10, 20}, {30, 40}};
    const std::vector<double> knots = {0, 0, 1, 1};
    // Outside every span all basis functions are 0: (0, 0).
    const DPOINT p = NurbsPoint(ctrl, {1.0, 1.0}, knots, 1, 5.0);
    EXPECT_EQ(p, (DPOINT{0, 0}));
    // Missing weights count as 1.
    const DPOINT q = NurbsPoint(ctrl, {}, knots, 1, 0.5);
    EXPECT_DOUBLE_EQ(q.x, 20.0);
    EXPECT_DOUBLE_EQ(q.y, 30.0);
}

// The farthest any chord of the samples strays from the curve, measured at
// the middle of each chord's parameter interval, for a single-span curve
// whose knots run from 0 to 1.
double WorstChordError(const std::vector<POINT>& ctrl, const std::vector<double>& weights,
                       const std::vector<double>& knots, int degree,
                       const std::vector<DPOINT>& samples) {
    double worst = 0.0;
    const std::size_t steps = samples.size() - 1;
    for (std::size_t s = 0; s < steps; ++s) {
        const double u = (s + 0.5) / static_cast<double>(steps);
        const DPOINT on = NurbsPoint(ctrl, weights, knots, degree, u);
        const DPOINT a = samples[s];
        const DPOINT b = samples[s + 1];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const double off =
            std::fabs((b.x - a.x) * (on.y - a.y) - (b.y - a.y) * (on.x - a.x)) / length;
        worst = std::max(worst, off);
    }
    return worst;
}

const std::vector<POINT> kArch = {{0, 0}, {10, 100}, {90, 100}, {100, 0}};
const std::vector<double> kArchKnots = {0, 0, 0, 0, 1, 1, 1, 1};

// Real files give knots from 0 to 1: the span must be cut finely enough to
// look round, not sampled at its start alone.
TEST(NurbsTest, ArchIsSampledWithinTheToleranceMendsStraightSplines) {
    for (double tolerance : {2.0, 0.25, 0.01}) {
        const std::vector<DPOINT> arch =
            SampleNurbs(kArch, {1, 1, 1, 1}, kArchKnots, 3, 7, true, tolerance);
        ASSERT_GT(arch.size(), 3u) << tolerance;
        EXPECT_EQ(arch.front(), (DPOINT{0, 0}));
        EXPECT_EQ(arch.back(), (DPOINT{100, 0}));
        EXPECT_LE(WorstChordError(kArch, {1, 1, 1, 1}, kArchKnots, 3, arch), tolerance)
            << tolerance;
    }
    // A coarse output needs fewer points than a fine one.
    EXPECT_LT(SampleNurbs(kArch, {1, 1, 1, 1}, kArchKnots, 3, 7, true, 2.0).size(),
              SampleNurbs(kArch, {1, 1, 1, 1}, kArchKnots, 3, 7, true, 0.25).size());
}

TEST(NurbsTest, SamplesAreTheCurvesPointsAtEqualSteps) {
    const std::vector<DPOINT> arch = SampleNurbs(kArch, {1, 2, 1, 1}, kArchKnots, 3, 7, false, 0.5);
    const double steps = static_cast<double>(arch.size());
    for (std::size_t s = 0; s < arch.size(); ++s)
        EXPECT_EQ(arch[s], NurbsPoint(kArch, {1, 2, 1, 1}, kArchKnots, 3, s / steps)) << s;
}

TEST(NurbsTest, RationalCircleStaysWithinTheTolerance) {
    const std::vector<POINT> ctrl = {{1000, 0}, {1000, 1000}, {0, 1000}};
    const std::vector<double> weights = {1.0, std::sqrt(0.5), 1.0};
    const std::vector<double> knots = {0, 0, 0, 1, 1, 1};
    const std::vector<DPOINT> arc = SampleNurbs(ctrl, weights, knots, 2, 5, true, 0.25);
    EXPECT_LE(WorstChordError(ctrl, weights, knots, 2, arc), 0.25);
}

TEST(NurbsTest, StraightSpansTakeOneStepEach) {
    const std::vector<POINT> ctrl = {{0, 0}, {100, 0}, {200, 50}};
    const std::vector<double> knots = {0, 0, 12, 30, 30};
    const std::vector<DPOINT> open = SampleNurbs(ctrl, {1, 1, 1}, knots, 1, 4, true, 0.01);
    EXPECT_EQ(open, (std::vector<DPOINT>{{0, 0}, {100, 0}, {200, 50}}));
    // The hatch edge's span limit: knot count - degree - 1 leaves out the
    // last span.
    EXPECT_EQ(SampleNurbs(ctrl, {1, 1, 1}, knots, 1, 2, false, 0.01).size(), 1u);
}

TEST(NurbsTest, AllKnotsEqualGiveOnlyTheLastControlPoint) {
    const std::vector<POINT> ctrl = {{0, 0}, {100, 300}, {200, 0}};
    const std::vector<double> knots = {7, 7, 7, 7, 7, 7};
    const std::vector<DPOINT> open = SampleNurbs(ctrl, {1, 1, 1}, knots, 2, 5, true, 0.25);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0], (DPOINT{200, 0}));
    EXPECT_TRUE(SampleNurbs(ctrl, {1, 1, 1}, knots, 2, 5, false, 0.25).empty());
}

TEST(NurbsTest, EachSpanTakesAtMostItsCap) {
    const std::vector<DPOINT> arch =
        SampleNurbs(kArch, {1, 1, 1, 1}, kArchKnots, 3, 7, false, 1e-12);
    EXPECT_EQ(arch.size(), static_cast<std::size_t>(kNurbsMaxSpanSegments));
    // No tolerance at all, or none that makes sense, asks for the cap too.
    for (double tolerance : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(SampleNurbs(kArch, {1, 1, 1, 1}, kArchKnots, 3, 7, false, tolerance).size(),
                  static_cast<std::size_t>(kNurbsMaxSpanSegments));
}

TEST(NurbsTest, PointCountIsBounded) {
    std::vector<POINT> ctrl;
    std::vector<double> knots = {0, 0, 0};
    for (int i = 0; i < 100; ++i) {
        ctrl.push_back({i * 100, i % 2 * 1000});
        knots.push_back(i);
    }
    const std::vector<DPOINT> out =
        SampleNurbs(ctrl, std::vector<double>(100, 1.0), knots, 2, 102, false, 1e-6, 1500);
    EXPECT_EQ(out.size(), 1500u);
}

TEST(NurbsTest, KnotsThatGoBackAreSampledByTheWholeBasis) {
    const std::vector<POINT> ctrl = {{0, 0}, {100, 300}, {200, 0}};
    const std::vector<double> knots = {0, 0, 2, 1, 3, 3};
    const std::vector<DPOINT> out = SampleNurbs(ctrl, {1, 1, 1}, knots, 2, 5, false, 0.25);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.front(), NurbsPoint(ctrl, {1, 1, 1}, knots, 2, 0.0));
}

TEST(NurbsTest, HugeKnotValuesEndWithoutNaN) {
    const std::vector<POINT> ctrl = {{0, 0}, {100, 0}};
    const std::vector<double> huge = {1e300, 1e300, std::numeric_limits<double>::max(),
                                      std::numeric_limits<double>::max()};
    for (const DPOINT& p : SampleNurbs(ctrl, {1, 1}, huge, 1, 3, true, 0.25)) {
        EXPECT_TRUE(std::isfinite(p.x));
        EXPECT_TRUE(std::isfinite(p.y));
    }
}

// --- Polygon area -------------------------------------------------------------------

struct AreaCase {
    std::vector<POINT> points;
    int divisor;
    double expected;
};

class GetPolygonAreaTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(GetPolygonAreaTest, SignedAreaInUnitsOfTheDivisor) {
    const AreaCase& c = GetParam();
    EXPECT_DOUBLE_EQ(GetPolygonArea(c.points, c.divisor), c.expected);
    EXPECT_DOUBLE_EQ(GetPolygonArea(c.points.data(), static_cast<int>(c.points.size()), c.divisor),
                     c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GetPolygonAreaTest,
    ::testing::Values(AreaCase{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1, 1.0},  // counter-clockwise
                      AreaCase{{{0, 0}, {0, 1}, {1, 1}, {1, 0}}, 1, -1.0}, // clockwise
                      AreaCase{{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}, 1000, 1.0},
                      AreaCase{{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}, 10, 10000.0},
                      AreaCase{{{0, 0}, {0, 1000}, {1000, 1000}, {1000, 0}}, 1000, -1.0},
                      AreaCase{{{0, 0}, {4, 0}, {0, 3}}, 1, 6.0},
                      AreaCase{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 0, 1.0}, // divisor 0 counts as 1
                      AreaCase{{{0, 0}, {5, 5}}, 1, 0.0}, AreaCase{{}, 1, 0.0},
                      AreaCase{{{-2000000000, -2000000000},
                                {2000000000, -2000000000},
                                {2000000000, 2000000000},
                                {-2000000000, 2000000000}},
                               1000000,
                               16000000.0})); // no int32 overflow in the sums
