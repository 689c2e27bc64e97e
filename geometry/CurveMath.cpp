#include "geometry/CurveMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kDuplicateTolerance = 0.001;

bool IsClose(const DPOINT& a, const DPOINT& b) {
    return std::fabs(a.x - b.x) < kDuplicateTolerance && std::fabs(a.y - b.y) < kDuplicateTolerance;
}

bool IsFinite(const DPOINT& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool AllFinite(const std::vector<DPOINT>& points) {
    return std::all_of(points.begin(), points.end(), IsFinite);
}

DPOINT Add(const DPOINT& a, const DPOINT& b) {
    return {a.x + b.x, a.y + b.y};
}

DPOINT Mul(double f, const DPOINT& a) {
    return {f * a.x, f * a.y};
}

// Parameter intervals of the open spline: Delta_i = t_{i+1} - t_i with
// t_i - t_{i-1} = sqrt(|P_i - P_{i-1}|) (centripetal parameters).
std::vector<double> CentripetalIntervals(const std::vector<DPOINT>& fit) {
    std::vector<double> delta;
    delta.reserve(fit.size() > 0 ? fit.size() - 1 : 0);
    for (std::size_t i = 1; i < fit.size(); ++i) {
        const double dx = fit[i].x - fit[i - 1].x;
        const double dy = fit[i].y - fit[i - 1].y;
        delta.push_back(std::sqrt(std::sqrt(dx * dx + dy * dy)));
    }
    return delta;
}

// Delta_k with Delta_{-1} = Delta_L = 0.
double IntervalAt(const std::vector<double>& delta, long k) {
    if (k < 0 || k >= static_cast<long>(delta.size()))
        return 0.0;
    return delta[static_cast<std::size_t>(k)];
}

// The second B-spline control point from the parabola through q0, q1, q2
// (parameters s0 < s1 < s2): Bessel end condition.
DPOINT BesselEnd(const DPOINT& q0, const DPOINT& q1, const DPOINT& q2, double s0, double s1,
                 double s2) {
    const double a = (s2 - s1) / (s2 - s0);
    const double c = 1.0 - a;
    const double k = 2.0 * a * c;
    const DPOINT m = {(q1.x - a * a * q0.x - c * c * q2.x) / k,
                      (q1.y - a * a * q0.y - c * c * q2.y) / k};
    return Add(Mul(2.0 / 3.0, Add(Mul(a, q0), Mul(c, m))), Mul(1.0 / 3.0, q0));
}

// Periodic (cyclic) tridiagonal solve, n >= 3: row i is
// a[i] x[i-1] + b[i] x[i] + c[i] x[i+1] = r[i] with indices modulo n.
// Sherman-Morrison on the tridiagonal part (the system is strictly diagonally
// dominant for the closed spline).
std::vector<double> SolveCyclic(const std::vector<double>& a, const std::vector<double>& b,
                                const std::vector<double>& c, const std::vector<double>& r) {
    const std::size_t n = b.size();
    auto tridiag = [&](std::vector<double> diag, const std::vector<double>& rhs) {
        std::vector<double> cp(n), dp(n), x(n);
        cp[0] = c[0] / diag[0];
        dp[0] = rhs[0] / diag[0];
        for (std::size_t i = 1; i < n; ++i) {
            const double m = diag[i] - a[i] * cp[i - 1];
            cp[i] = (i + 1 < n) ? c[i] / m : 0.0;
            dp[i] = (rhs[i] - a[i] * dp[i - 1]) / m;
        }
        x[n - 1] = dp[n - 1];
        for (std::size_t i = n - 1; i-- > 0;)
            x[i] = dp[i] - cp[i] * x[i + 1];
        return x;
    };
    const double alpha = c[n - 1]; // row n-1, column 0
    const double beta = a[0];      // row 0, column n-1
    const double gamma = -b[0];
    std::vector<double> diag = b;
    diag[0] = b[0] - gamma;
    diag[n - 1] = b[n - 1] - alpha * beta / gamma;
    const std::vector<double> x = tridiag(diag, r);
    std::vector<double> u(n, 0.0);
    u[0] = gamma;
    u[n - 1] = alpha;
    const std::vector<double> z = tridiag(diag, u);
    const double fact = (x[0] + beta * x[n - 1] / gamma) / (1.0 + z[0] + beta * z[n - 1] / gamma);
    std::vector<double> out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = x[i] - fact * z[i];
    return out;
}

} // namespace

// --- Bezier flattening -------------------------------------------------------

int FlattenBezierBound(int count) {
    if (count <= 0)
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(count) * 100 / 3);
}

std::vector<DPOINT> FlattenBezier(const DPOINT* points, int count) {
    std::vector<DPOINT> out;
    if (!points || count < 4)
        return out;
    const std::size_t bound = static_cast<std::size_t>(FlattenBezierBound(count));
    auto emit = [&](const DPOINT& p) {
        if (out.size() >= bound)
            return;
        if (!out.empty() && std::fabs(p.x - out.back().x) <= kDuplicateTolerance &&
            std::fabs(p.y - out.back().y) <= kDuplicateTolerance)
            return;
        out.push_back(p);
    };
    for (int i = 0; i + 3 < count; i += 3) {
        const DPOINT& p0 = points[i];
        const DPOINT& p1 = points[i + 1];
        const DPOINT& p2 = points[i + 2];
        const DPOINT& p3 = points[i + 3];
        emit(p0);
        for (double t = 0.01; t < 1.0; t += 0.01) {
            const double s = 1.0 - t;
            const double k0 = s * s * s;
            const double k1 = 3.0 * t * s * s;
            const double k2 = 3.0 * t * t * s;
            const double k3 = t * t * t;
            emit({k0 * p0.x + k1 * p1.x + k2 * p2.x + k3 * p3.x,
                  k0 * p0.y + k1 * p1.y + k2 * p2.y + k3 * p3.y});
        }
        emit(p3);
    }
    return out;
}

std::vector<DPOINT> FlattenBezier(const std::vector<DPOINT>& points) {
    return FlattenBezier(points.data(), static_cast<int>(points.size()));
}

std::vector<DPOINT> FlattenBezier(const POINT* points, int count) {
    const std::vector<DPOINT> d = ToDoublePoints(points, count);
    return FlattenBezier(d);
}

std::vector<DPOINT> FlattenBezier(const std::vector<POINT>& points) {
    return FlattenBezier(points.data(), static_cast<int>(points.size()));
}

// --- Open interpolating spline -------------------------------------------------

std::vector<DPOINT> ToDoublePoints(const POINT* points, int count) {
    std::vector<DPOINT> out;
    if (!points || count <= 0)
        return out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        out.push_back({static_cast<double>(points[i].x), static_cast<double>(points[i].y)});
    return out;
}

std::vector<DPOINT> ToDoublePoints(const std::vector<POINT>& points) {
    return ToDoublePoints(points.data(), static_cast<int>(points.size()));
}

std::vector<DPOINT> DropCloseDuplicates(const std::vector<DPOINT>& points) {
    std::vector<DPOINT> out;
    out.reserve(points.size());
    for (const DPOINT& p : points) {
        if (out.empty() || !IsClose(p, out.back()))
            out.push_back(p);
    }
    return out;
}

std::vector<DPOINT> SplineControlPoints(const std::vector<DPOINT>& fit) {
    const std::size_t count = fit.size();
    if (count < 2)
        return fit;
    const long L = static_cast<long>(count) - 1;
    if (L == 1) {
        const DPOINT& p0 = fit[0];
        const DPOINT& p1 = fit[1];
        return {p0,
                {(2.0 * p0.x + p1.x) / 3.0, (2.0 * p0.y + p1.y) / 3.0},
                {(p0.x + 2.0 * p1.x) / 3.0, (p0.y + 2.0 * p1.y) / 3.0},
                p1};
    }

    const std::vector<double> delta = CentripetalIntervals(fit);
    auto D = [&](long k) { return IntervalAt(delta, k); };
    std::vector<double> t(count, 0.0);
    for (std::size_t i = 1; i < count; ++i)
        t[i] = t[i - 1] + delta[i - 1];

    // Unknowns d_0 .. d_L; rows 0 and L are unit rows holding the Bessel
    // values, rows 1 .. L-1 Farin's C2 interpolation conditions.
    const std::size_t n = count; // L + 1 unknowns
    const DPOINT first = BesselEnd(fit[0], fit[1], fit[2], t[0], t[1], t[2]);
    const DPOINT last = BesselEnd(fit[n - 1], fit[n - 2], fit[n - 3], 0.0, t[n - 1] - t[n - 2],
                                  t[n - 1] - t[n - 3]);
    std::vector<double> cp(n), dpx(n), dpy(n);
    cp[0] = 0.0;
    dpx[0] = first.x;
    dpy[0] = first.y;
    for (long i = 1; i < L; ++i) {
        const double s1 = D(i - 2) + D(i - 1) + D(i);
        const double s2 = D(i - 1) + D(i) + D(i + 1);
        const double alpha = D(i) * D(i) / s1;
        const double beta = D(i) * (D(i - 2) + D(i - 1)) / s1 + D(i - 1) * (D(i) + D(i + 1)) / s2;
        const double gamma = D(i - 1) * D(i - 1) / s2;
        const double w = D(i - 1) + D(i);
        const std::size_t k = static_cast<std::size_t>(i);
        const double m = beta - alpha * cp[k - 1];
        cp[k] = gamma / m;
        dpx[k] = (w * fit[k].x - alpha * dpx[k - 1]) / m;
        dpy[k] = (w * fit[k].y - alpha * dpy[k - 1]) / m;
    }
    std::vector<DPOINT> d(n);
    d[n - 1] = last;
    for (std::size_t k = n - 1; k-- > 0;) {
        d[k].x = dpx[k] - cp[k] * d[k + 1].x;
        d[k].y = dpy[k] - cp[k] * d[k + 1].y;
    }

    std::vector<DPOINT> control;
    control.reserve(n + 2);
    control.push_back(fit[0]);
    control.insert(control.end(), d.begin(), d.end());
    control.push_back(fit[n - 1]);
    return control;
}

std::vector<DPOINT> SplineBezierPointsExact(const std::vector<DPOINT>& fit) {
    const std::size_t count = fit.size();
    if (count < 2)
        return fit;
    const long L = static_cast<long>(count) - 1;
    const std::vector<DPOINT> control = SplineControlPoints(fit);
    const std::vector<double> delta = CentripetalIntervals(fit);
    auto D = [&](long k) { return IntervalAt(delta, k); };
    // d_j for j = -1 .. L + 1 is control[j + 1].
    auto d = [&](long j) { return control[static_cast<std::size_t>(j + 1)]; };

    std::vector<DPOINT> b(static_cast<std::size_t>(3 * L + 1));
    b[0] = fit[0];
    for (long i = 1; i <= L; ++i) {
        const double s = D(i - 2) + D(i - 1) + D(i);
        const DPOINT di0 = d(i - 1);
        const DPOINT di1 = d(i);
        b[static_cast<std::size_t>(3 * i - 2)] =
            Mul(1.0 / s, Add(Mul(D(i - 1) + D(i), di0), Mul(D(i - 2), di1)));
        b[static_cast<std::size_t>(3 * i - 1)] =
            Mul(1.0 / s, Add(Mul(D(i), di0), Mul(D(i - 2) + D(i - 1), di1)));
    }
    for (long i = 1; i < L; ++i) {
        const double w = D(i - 1) + D(i);
        b[static_cast<std::size_t>(3 * i)] =
            Mul(1.0 / w, Add(Mul(D(i), b[static_cast<std::size_t>(3 * i - 1)]),
                             Mul(D(i - 1), b[static_cast<std::size_t>(3 * i + 1)])));
    }
    b[static_cast<std::size_t>(3 * L)] = fit[count - 1];
    return b;
}

std::vector<DPOINT> SplineBezierPoints(const std::vector<DPOINT>& fit) {
    return SplineBezierPointsExact(DropCloseDuplicates(fit));
}

std::vector<DPOINT> SplineBezierPoints(const POINT* fit, int count) {
    return SplineBezierPoints(ToDoublePoints(fit, count));
}

std::vector<DPOINT> SplineBezierPoints(const std::vector<POINT>& fit) {
    return SplineBezierPoints(ToDoublePoints(fit));
}

std::vector<DPOINT> SampleSpline(const std::vector<DPOINT>& fit) {
    const std::vector<DPOINT> distinct = DropCloseDuplicates(fit);
    if (distinct.size() < 2)
        return {};
    return FlattenBezier(SplineBezierPointsExact(distinct));
}

std::vector<DPOINT> SampleSpline(const POINT* fit, int count) {
    return SampleSpline(ToDoublePoints(fit, count));
}

std::vector<DPOINT> SampleSpline(const std::vector<POINT>& fit) {
    return SampleSpline(ToDoublePoints(fit));
}

// --- Closed spline -------------------------------------------------------------

CClosedSpline::CClosedSpline(const std::vector<DPOINT>& points) {
    m_points = DropCloseDuplicates(points);
    // The closing span runs from the last point back to the first: a last
    // point on the first one would give a span of length 0.
    while (m_points.size() > 1 && IsClose(m_points.back(), m_points.front()))
        m_points.pop_back();
    const std::size_t n = m_points.size();
    if (n < 3)
        return;

    // Knots: cumulative chord length, closing chord included, normalised.
    m_knots.assign(n + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const DPOINT& a = m_points[i];
        const DPOINT& b = m_points[(i + 1) % n];
        m_knots[i + 1] = m_knots[i] + GetDistanceD(a.x, a.y, b.x, b.y);
    }
    const double total = m_knots[n];
    if (!(total > 0.0) || !std::isfinite(total))
        return;
    for (double& k : m_knots)
        k /= total;
    m_knots[n] = 1.0;

    m_x.resize(n + 1);
    m_y.resize(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
        m_x[i] = m_points[i].x;
        m_y[i] = m_points[i].y;
    }
    m_x[n] = m_x[0];
    m_y[n] = m_y[0];

    std::vector<double> h(n);
    for (std::size_t i = 0; i < n; ++i) {
        h[i] = m_knots[i + 1] - m_knots[i];
        if (!(h[i] > 0.0))
            return; // cannot happen for distinct points; keeps the solver safe
    }
    // Row i: h_{i-1} s_{i-1} + 2 (h_{i-1} + h_i) s_i + h_i s_{i+1}
    //        = (y_{i+1} - y_i) / h_i - (y_i - y_{i-1}) / h_{i-1}, indices mod n.
    std::vector<double> a(n), b(n), c(n), rx(n), ry(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t prev = (i + n - 1) % n;
        a[i] = h[prev];
        b[i] = 2.0 * (h[prev] + h[i]);
        c[i] = h[i];
        rx[i] = (m_x[i + 1] - m_x[i]) / h[i] - (m_x[i] - m_x[prev]) / h[prev];
        ry[i] = (m_y[i + 1] - m_y[i]) / h[i] - (m_y[i] - m_y[prev]) / h[prev];
    }
    m_sigmaX = SolveCyclic(a, b, c, rx);
    m_sigmaY = SolveCyclic(a, b, c, ry);
    m_sigmaX.push_back(m_sigmaX[0]);
    m_sigmaY.push_back(m_sigmaY[0]);

    const auto finite = [](double v) { return std::isfinite(v); };
    m_valid = std::all_of(m_sigmaX.begin(), m_sigmaX.end(), finite) &&
              std::all_of(m_sigmaY.begin(), m_sigmaY.end(), finite);
}

int CClosedSpline::FindSpan(double t) const {
    const int n = SpanCount();
    int lo = 0;
    int hi = n;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (m_knots[static_cast<std::size_t>(mid)] > t)
            hi = mid;
        else
            lo = mid;
    }
    if (lo > 0 && t == m_knots[static_cast<std::size_t>(lo)])
        --lo;
    return lo;
}

double CClosedSpline::EvaluateCoordinate(const std::vector<double>& y,
                                         const std::vector<double>& sigma, int lo, double b) const {
    const std::size_t l = static_cast<std::size_t>(lo);
    const double h = m_knots[l + 1] - m_knots[l];
    return y[l] + b * ((y[l + 1] - y[l]) / h - h * (2.0 * sigma[l] + sigma[l + 1]) +
                       b * (b * (sigma[l + 1] - sigma[l]) / h + 3.0 * sigma[l]));
}

DPOINT CClosedSpline::Evaluate(double t) const {
    if (!m_valid)
        return m_points.empty() ? DPOINT{0.0, 0.0} : m_points.front();
    const double t0 = m_knots.front();
    const double tn = m_knots.back();
    const double period = tn - t0;
    if (!std::isfinite(t))
        t = t0;
    if (t < t0 || t > tn) {
        t = std::fmod(t - t0, period);
        if (t < 0.0)
            t += period;
        t += t0;
    }
    const int lo = FindSpan(t);
    const double b = t - m_knots[static_cast<std::size_t>(lo)];
    return {EvaluateCoordinate(m_x, m_sigmaX, lo, b), EvaluateCoordinate(m_y, m_sigmaY, lo, b)};
}

std::vector<DPOINT> SampleClosedSpline(const std::vector<DPOINT>& points) {
    const CClosedSpline spline(points);
    if (!spline.Valid())
        return points; // singular periodic system: the points as given
    const int count = spline.SpanCount() * kClosedSplineSamplesPerSpan + 1;
    const double h = 1.0 / count;
    std::vector<DPOINT> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        out.push_back(spline.Evaluate(k * h));
    if (!AllFinite(out))
        return points;
    return out;
}

std::vector<DPOINT> SampleClosedSpline(const POINT* points, int count) {
    return SampleClosedSpline(ToDoublePoints(points, count));
}

std::vector<DPOINT> SampleClosedSpline(const std::vector<POINT>& points) {
    return SampleClosedSpline(ToDoublePoints(points));
}

// --- B-spline basis and NURBS ----------------------------------------------------

double BSplineBasis(int i, int p, double t, const double* knots, int knotCount) {
    if (!knots || i < 0 || p < 0 ||
        static_cast<std::int64_t>(i) + p + 1 >= static_cast<std::int64_t>(knotCount))
        return 0.0;
    // The triangle N_{i+k, d} for d = 0 .. p, k = 0 .. p - d.
    std::vector<double> n(static_cast<std::size_t>(p) + 1);
    for (int k = 0; k <= p; ++k) {
        const int j = i + k;
        n[static_cast<std::size_t>(k)] = (knots[j] <= t && t < knots[j + 1]) ? 1.0 : 0.0;
    }
    for (int d = 1; d <= p; ++d) {
        for (int k = 0; k + d <= p; ++k) {
            const int j = i + k;
            const double den1 = knots[j + d] - knots[j];
            const double den2 = knots[j + d + 1] - knots[j + 1];
            double v = 0.0;
            if (den1 != 0.0)
                v += (t - knots[j]) / den1 * n[static_cast<std::size_t>(k)];
            if (den2 != 0.0)
                v += (knots[j + d + 1] - t) / den2 * n[static_cast<std::size_t>(k) + 1];
            n[static_cast<std::size_t>(k)] = v;
        }
    }
    return n[0];
}

double BSplineBasis(int i, int p, double t, const std::vector<double>& knots) {
    return BSplineBasis(
        i, p, t, knots.data(),
        static_cast<int>(std::min<std::size_t>(
            knots.size(), static_cast<std::size_t>(std::numeric_limits<int>::max()))));
}

namespace {

// The Cox-de Boor triangle over the basis functions first .. first + n - 1
// (n the size of values): degree 0 from the knots, raised in place to
// degree p; afterwards values[k] is N_{first + k, p}(u) where that function
// and all it is made of lie in the window. A term whose denominator is 0
// counts as 0.
void CoxDeBoor(std::vector<double>& values, std::int64_t first, int p, double u,
               const std::vector<double>& knots) {
    const std::int64_t K = static_cast<std::int64_t>(knots.size());
    const std::int64_t width = static_cast<std::int64_t>(values.size());
    for (std::int64_t k = 0; k < width; ++k) {
        const std::int64_t j = first + k;
        values[static_cast<std::size_t>(k)] =
            j >= 0 && j + 1 < K && knots[j] <= u && u < knots[j + 1] ? 1.0 : 0.0;
    }
    for (std::int64_t d = 1; d <= p; ++d) {
        for (std::int64_t k = 0; k + d < width; ++k) {
            const std::int64_t j = first + k;
            if (j < 0 || j + d + 1 >= K)
                continue;
            const double den1 = knots[j + d] - knots[j];
            const double den2 = knots[j + d + 1] - knots[j + 1];
            double v = 0.0;
            if (den1 != 0.0)
                v += (u - knots[j]) / den1 * values[static_cast<std::size_t>(k)];
            if (den2 != 0.0)
                v += (knots[j + d + 1] - u) / den2 * values[static_cast<std::size_t>(k + 1)];
            values[static_cast<std::size_t>(k)] = v;
        }
    }
}

} // namespace

std::vector<double> BSplineBasisAll(int count, int p, double t, const std::vector<double>& knots) {
    std::vector<double> result(static_cast<std::size_t>(std::max(count, 0)), 0.0);
    const std::int64_t K = static_cast<std::int64_t>(knots.size());
    if (count <= 0 || p < 0 || K < 2 || static_cast<std::int64_t>(p) + 2 > K)
        return result;
    // Every interval, raised one degree at a time; after degree d the
    // entries 0 .. K - 2 - d are N_{j,d}.
    std::vector<double> n(static_cast<std::size_t>(K - 1));
    CoxDeBoor(n, 0, p, t, knots);
    const std::int64_t valid = K - 1 - p; // N_{j,p} exists for j < valid
    for (std::int64_t j = 0; j < count && j < valid; ++j)
        result[static_cast<std::size_t>(j)] = n[static_cast<std::size_t>(j)];
    return result;
}

namespace {

// The weighted sum of a rational curve's control points: each taken with
// its basis value times its weight (1 past the end of the weight list).
class CWeightedSum {
public:
    CWeightedSum(const std::vector<POINT>& control, const std::vector<double>& weights)
        : m_control(control), m_weights(weights) {}

    void Add(std::size_t index, double basis) {
        const double nw = basis * (index < m_weights.size() ? m_weights[index] : 1.0);
        m_x += nw * m_control[index].x;
        m_y += nw * m_control[index].y;
        m_w += nw;
    }

    // The sums divided by the total weight, or as they are when it is 0.
    DPOINT Point() const {
        if (m_w != 0.0)
            return {m_x / m_w, m_y / m_w};
        return {m_x, m_y};
    }

private:
    const std::vector<POINT>& m_control;
    const std::vector<double>& m_weights;
    double m_x = 0.0;
    double m_y = 0.0;
    double m_w = 0.0;
};

} // namespace

DPOINT NurbsPoint(const std::vector<POINT>& control, const std::vector<double>& weights,
                  const std::vector<double>& knots, int degree, double u) {
    const int count = static_cast<int>(std::min<std::size_t>(
        control.size(), static_cast<std::size_t>(std::numeric_limits<int>::max())));
    const std::vector<double> basis = BSplineBasisAll(count, degree, u, knots);
    CWeightedSum sum(control, weights);
    for (std::size_t j = 0; j < basis.size(); ++j)
        if (basis[j] != 0.0)
            sum.Add(j, basis[j]);
    return sum.Point();
}

namespace {

// The basis functions N_{j,p}(u) for j = first .. first + p of the span i
// holding u, computed over that span's knots alone with the arithmetic of
// BSplineBasisAll (so the points equal NurbsPoint's for a knot vector that
// never decreases); 0 where the function does not exist.
class CSpanBasis {
public:
    CSpanBasis(const std::vector<double>& knots, int degree, std::size_t span)
        : m_knots(knots), m_degree(degree), m_first(static_cast<std::int64_t>(span) - degree),
          m_values(static_cast<std::size_t>(2 * degree) + 1) {}

    std::int64_t First() const { return m_first; }

    // N_{first + k, p}(u) for k = 0 .. p, left in Value(k).
    void Evaluate(double u) { CoxDeBoor(m_values, m_first, m_degree, u, m_knots); }

    double Value(int k) const { return m_values[static_cast<std::size_t>(k)]; }

private:
    const std::vector<double>& m_knots;
    int m_degree;
    std::int64_t m_first;
    std::vector<double> m_values;
};

// The curve point at u in the span the basis was made for.
DPOINT SpanPoint(const std::vector<POINT>& control, const std::vector<double>& weights,
                 std::size_t knotCount, int degree, const CSpanBasis& basis) {
    const std::int64_t valid = static_cast<std::int64_t>(knotCount) - 1 - degree;
    CWeightedSum sum(control, weights);
    for (int k = 0; k <= degree; ++k) {
        const std::int64_t j = basis.First() + k;
        if (j >= 0 && j < valid && j < static_cast<std::int64_t>(control.size()) &&
            basis.Value(k) != 0.0)
            sum.Add(static_cast<std::size_t>(j), basis.Value(k));
    }
    return sum.Point();
}

// A bound on the second derivative of the span's polynomial curve, taken
// from the second differences of its control points over their knot
// spreads, and raised by the spread of its weights for a rational curve.
// Infinite where nothing can be said.
double SpanBend(const std::vector<POINT>& control, const std::vector<double>& weights,
                const std::vector<double>& knots, int degree, std::size_t span) {
    if (degree < 2)
        return 0.0;
    const std::int64_t first = static_cast<std::int64_t>(span) - degree;
    const std::int64_t count = static_cast<std::int64_t>(control.size());
    const std::int64_t K = static_cast<std::int64_t>(knots.size());
    const double p = degree;
    // First-derivative control points Q_k, k = first .. span - 1.
    std::vector<DPOINT> q;
    for (std::int64_t k = first; k < static_cast<std::int64_t>(span); ++k) {
        if (k < 0 || k + 1 >= count || k + degree + 1 >= K) {
            q.push_back({0.0, 0.0});
            continue;
        }
        const double spread = knots[k + degree + 1] - knots[k + 1];
        const double f = spread > 0.0 ? p / spread : 0.0;
        q.push_back({f * (control[k + 1].x - control[k].x), f * (control[k + 1].y - control[k].y)});
    }
    double bend = 0.0;
    for (std::size_t m = 0; m + 1 < q.size(); ++m) {
        const std::int64_t k = first + static_cast<std::int64_t>(m);
        if (k < 0 || k + degree + 1 >= K)
            continue;
        const double spread = knots[k + degree + 1] - knots[k + 2];
        if (!(spread > 0.0))
            continue;
        const double f = (p - 1.0) / spread;
        bend = std::max(bend, f * std::hypot(q[m + 1].x - q[m].x, q[m + 1].y - q[m].y));
    }
    double wMin = std::numeric_limits<double>::infinity();
    double wMax = 0.0;
    for (std::int64_t j = std::max<std::int64_t>(first, 0);
         j <= static_cast<std::int64_t>(span) && j < count; ++j) {
        const double w = static_cast<std::size_t>(j) < weights.size() ? weights[j] : 1.0;
        wMin = std::min(wMin, w);
        wMax = std::max(wMax, w);
    }
    if (wMax > 0.0 && wMin < wMax)
        bend = wMin > 0.0 ? bend * (wMax / wMin) : std::numeric_limits<double>::infinity();
    return bend;
}

// Equal steps of the span that keep each chord within the tolerance: a
// curve bending by at most `bend` strays h^2 / 8 x bend from a chord of
// parameter length h.
int SpanSegments(double length, double bend, double tolerance) {
    if (bend == 0.0)
        return 1;
    const double wanted = length * std::sqrt(bend / (8.0 * tolerance));
    if (!(wanted < kNurbsMaxSpanSegments))
        return kNurbsMaxSpanSegments;
    return std::max(1, static_cast<int>(std::ceil(wanted)));
}

} // namespace

std::vector<DPOINT> SampleNurbs(const std::vector<POINT>& control,
                                const std::vector<double>& weights,
                                const std::vector<double>& knots, int degree, int spanLimit,
                                bool appendLast, double tolerance, int maxPoints) {
    std::vector<DPOINT> out;
    const std::size_t limit = static_cast<std::size_t>(std::max(maxPoints, 0));
    // Outside data may give a knot vector that goes back; only the sum over
    // every basis function then gives its curve.
    const bool ordered = std::ranges::is_sorted(knots);
    const int p = std::max(degree, 0);
    bool full = false;
    for (std::size_t i = 0;
         !full && static_cast<std::int64_t>(i) < spanLimit && i + 1 < knots.size(); ++i) {
        const double lo = knots[i];
        const double hi = knots[i + 1];
        if (!(lo < hi))
            continue;
        const int segments =
            SpanSegments(hi - lo, SpanBend(control, weights, knots, degree, i), tolerance);
        CSpanBasis basis(knots, p, i);
        for (int s = 0; s < segments; ++s) {
            if (out.size() >= limit) {
                full = true;
                break;
            }
            const double u = s == 0 ? lo : lo + (hi - lo) * s / segments;
            if (ordered) {
                basis.Evaluate(u);
                out.push_back(SpanPoint(control, weights, knots.size(), p, basis));
            } else {
                out.push_back(NurbsPoint(control, weights, knots, degree, u));
            }
        }
    }
    if (appendLast && !control.empty())
        out.push_back(
            {static_cast<double>(control.back().x), static_cast<double>(control.back().y)});
    return out;
}

// --- Polygon area ------------------------------------------------------------------

double GetPolygonArea(const POINT* points, int count, int divisor) {
    if (!points || count < 3)
        return 0.0;
    const double b = divisor == 0 ? 1.0 : static_cast<double>(divisor);
    double area = 0.0;
    for (int i = 0; i < count; ++i) {
        const POINT& p = points[i];
        const POINT& q = points[(i + 1) % count];
        const double ys = (static_cast<double>(p.y) + static_cast<double>(q.y)) / b;
        const double xd = (static_cast<double>(p.x) - static_cast<double>(q.x)) / b;
        area += ys * xd * 0.5;
    }
    return area;
}

double GetPolygonArea(const std::vector<POINT>& points, int divisor) {
    return GetPolygonArea(
        points.data(),
        static_cast<int>(std::min<std::size_t>(
            points.size(), static_cast<std::size_t>(std::numeric_limits<int>::max()))),
        divisor);
}
