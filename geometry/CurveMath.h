#pragma once
// Curve mathematics: the open interpolating spline (Farin's C2
// cubic interpolation with centripetal parameters and Bessel end conditions,
// converted to piecewise cubic Bezier form), the closed periodic spline, the
// Bezier flattening, the B-spline (Cox-de Boor) basis with NURBS evaluation,
// and the polygon area.
//
// FlattenBezier, SampleSpline, SampleClosedSpline and GetPolygonArea are
// operations of the entity base over its point list in the system; here they
// take the point list and return the double points, and the entity base wraps
// them. Every result is free of NaN for finite input.

#include <vector>

#include "geometry/Geometry.h"
#include "platform/win/WinTypes.h"

// --- Bezier flattening --------------------------------------------

// Flattens the complete cubic segments (control points i .. i + 3 for
// i = 0, 3, 6, ...) at parameter steps of 0.01; a point within 0.001 in both
// x and y of the previous emitted point is dropped. An incomplete trailing
// segment is ignored. At most FlattenBezierBound(count) points.
std::vector<DPOINT> FlattenBezier(const POINT* points, int count);
std::vector<DPOINT> FlattenBezier(const std::vector<POINT>& points);
std::vector<DPOINT> FlattenBezier(const DPOINT* points, int count);
std::vector<DPOINT> FlattenBezier(const std::vector<DPOINT>& points);
// count x 100 / 3 (integer division), 0 for negative counts.
int FlattenBezierBound(int count);

// --- Open interpolating spline (items 1, 2 and the open-spline sampler) ----

// Consecutive points closer than 0.001 in both coordinates are dropped (each
// point is compared with the last point kept).
std::vector<DPOINT> DropCloseDuplicates(const std::vector<DPOINT>& points);
std::vector<DPOINT> ToDoublePoints(const POINT* points, int count);
std::vector<DPOINT> ToDoublePoints(const std::vector<POINT>& points);

// The n + 3 cubic B-spline control points of the C2 interpolating spline
// through n + 1 distinct fit points. Fewer than 2 points give the
// points unchanged. The input is used as given (no duplicate dropping).
std::vector<DPOINT> SplineControlPoints(const std::vector<DPOINT>& fit);
// The 3n + 1 piecewise cubic Bezier points of that spline (items 1 and 2):
// the junctions are the fit points. Fewer than 2 points give the points
// unchanged. The input is used as given (no duplicate dropping).
std::vector<DPOINT> SplineBezierPointsExact(const std::vector<DPOINT>& fit);
// The same after dropping consecutive duplicate fit points: what the open
// spline draws with PolyBezier. One distinct point gives one point.
std::vector<DPOINT> SplineBezierPoints(const POINT* fit, int count);
std::vector<DPOINT> SplineBezierPoints(const std::vector<POINT>& fit);
std::vector<DPOINT> SplineBezierPoints(const std::vector<DPOINT>& fit);

// SampleSpline: duplicates dropped, Bezier points, flattened. Fewer than 2
// distinct fit points give no samples.
std::vector<DPOINT> SampleSpline(const POINT* fit, int count);
std::vector<DPOINT> SampleSpline(const std::vector<POINT>& fit);
std::vector<DPOINT> SampleSpline(const std::vector<DPOINT>& fit);

// --- Closed spline and its sampler ------------------

// Samples per span of SampleClosedSpline.
constexpr int kClosedSplineSamplesPerSpan = 25;

// The periodic cubic spline through n distinct points, parameterised by the
// cumulative chord length normalised to [0, 1] (the closing chord included).
class CClosedSpline {
public:
    // Drops consecutive points closer than 0.001 in both coordinates, and
    // trailing points that close onto the first one the same way (the closing
    // span would have length 0). Valid() tells whether at least 3 distinct
    // points remained and the periodic system was solved.
    explicit CClosedSpline(const std::vector<DPOINT>& points);

    bool Valid() const { return m_valid; }
    // Distinct points (n); the knots t_0 .. t_n (t_0 = 0, t_n = 1).
    const std::vector<DPOINT>& Points() const { return m_points; }
    const std::vector<double>& Knots() const { return m_knots; }
    int SpanCount() const { return static_cast<int>(m_points.size()); }

    // The point at parameter t (wrapped into [t_0, t_n] by the period).
    // Only for a valid spline.
    DPOINT Evaluate(double t) const;

private:
    double EvaluateCoordinate(const std::vector<double>& y, const std::vector<double>& sigma,
                              int lo, double b) const;
    int FindSpan(double t) const;

    std::vector<DPOINT> m_points;
    std::vector<double> m_knots;
    std::vector<double> m_x, m_y;           // values at the knots, periodic (n + 1)
    std::vector<double> m_sigmaX, m_sigmaY; // second-derivative coefficients (n + 1)
    bool m_valid = false;
};

// SampleClosedSpline: n distinct points give n x 25 + 1 samples at 0, h, 2h, ...
// with h = 1 / (n x 25 + 1). Fewer than 3 distinct points (the periodic system
// would be singular) give the points as given, converted to double points.
std::vector<DPOINT> SampleClosedSpline(const POINT* points, int count);
std::vector<DPOINT> SampleClosedSpline(const std::vector<POINT>& points);
std::vector<DPOINT> SampleClosedSpline(const std::vector<DPOINT>& points);

// --- B-spline basis and NURBS -------------------------

// N_{i,p}(t) by Cox-de Boor over the knot vector; a term whose denominator is
// 0 counts as 0. A function that needs a knot outside the vector (i < 0,
// p < 0, i + p + 1 >= knot count) is 0.
double BSplineBasis(int i, int p, double t, const double* knots, int knotCount);
double BSplineBasis(int i, int p, double t, const std::vector<double>& knots);
// All N_{j,p}(t) for j = 0 .. count - 1 at once (0 where the knots run out).
std::vector<double> BSplineBasisAll(int count, int p, double t, const std::vector<double>& knots);

// The NURBS point at u: Sx = sum N_j * w_j * x_j, Sy likewise, W = sum N_j * w_j
// over all control points j; (Sx / W, Sy / W) when W is not 0, else (Sx, Sy).
// A control point without a weight (the weight list shorter) has weight 1.
DPOINT NurbsPoint(const std::vector<POINT>& control, const std::vector<double>& weights,
                  const std::vector<double>& knots, int degree, double u);

// The NURBS curve of the NURBS entities and of the hatch NURBS edge as a
// chain of chords none of which strays more than `tolerance` drawing units
// from the curve: each knot span i from 0 while i < spanLimit (and
// i + 1 < knot count) with knot[i] < knot[i + 1] is cut into equal parameter
// steps, as many as a bound on the curve's bend over the span asks for (at
// least 1, at most kNurbsMaxSpanSegments), and the curve is evaluated at the
// start of each step; then the last control point when appendLast is set.
// The entity passes spanLimit = knot count - 1, the hatch edge knot count -
// degree - 1. At most maxPoints evaluated points are produced (a guard
// against absurd knot vectors in outside data), the appended last control
// point not counted.
constexpr int kNurbsMaxSpanSegments = 100;
constexpr int kNurbsMaxPoints = 1000000;
std::vector<DPOINT> SampleNurbs(const std::vector<POINT>& control,
                                const std::vector<double>& weights,
                                const std::vector<double>& knots, int degree, int spanLimit,
                                bool appendLast, double tolerance, int maxPoints = kNurbsMaxPoints);

// --- Polygon area -----------------------------------------------------------

// Signed area of the closed point list in units of the divisor (a divisor of 0
// counts as 1): sum of ((y_i + y_{i+1}) / b) * ((x_i - x_{i+1}) / b) * 0.5 over
// consecutive pairs and the closing pair. Positive for a counter-clockwise
// polygon in drawing coordinates (y up). 0 for fewer than 3 points.
double GetPolygonArea(const POINT* points, int count, int divisor);
double GetPolygonArea(const std::vector<POINT>& points, int divisor);
