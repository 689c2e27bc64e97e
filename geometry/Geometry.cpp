#include "geometry/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "platform/win/CNumberFormat.h"

namespace {

// The scale of the overflow-safe distance, from the larger coordinate difference.
double DistanceScale(double m) {
    if (m > 1000000.0)
        return 1e5;
    if (m > 100000.0)
        return 1e4;
    if (m > 10000.0)
        return 1e3;
    return 1.0;
}

// The divisor as a double; 0 counts as 1 so no division by zero arises.
double Divisor(int divisor) {
    return divisor == 0 ? 1.0 : static_cast<double>(divisor);
}

// Cross product of (ax, ay) and (bx, by).
double Cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// A truncated value (already integral, or NaN/infinite) plus an integer offset.
LONG AddTruncated(LONG base, double truncated) {
    if (std::isnan(truncated))
        truncated = 0.0;
    return TruncInt(static_cast<double>(base) + truncated);
}

} // namespace

POINT* ToViewPoint(POINT* out, LONG x, LONG y, LONG ox, LONG oy, double scale) {
    *out = ToViewPoint(x, y, ox, oy, scale);
    return out;
}

POINT* ToViewPointD(POINT* out, double x, double y, LONG ox, LONG oy, double scale) {
    *out = ToViewPointD(x, y, ox, oy, scale);
    return out;
}

POINT FromViewPoint(LONG dx, LONG dy, LONG ox, LONG oy, double scale) {
    POINT p;
    p.x = AddTruncated(ox, std::trunc(static_cast<double>(dx) / scale + 0.5));
    p.y = AddTruncated(oy, std::trunc(static_cast<double>(dy) / scale + 0.5));
    return p;
}

POINT* ToPrintPoint(POINT* out, LONG x, LONG y, int divisor, double scale) {
    *out = ToPrintPointD(static_cast<double>(x), static_cast<double>(y), divisor, scale);
    return out;
}

POINT ToPrintPoint(LONG x, LONG y, int divisor, double scale) {
    return ToPrintPointD(static_cast<double>(x), static_cast<double>(y), divisor, scale);
}

POINT* ToPrintPointD(POINT* out, double x, double y, int divisor, double scale) {
    *out = ToPrintPointD(x, y, divisor, scale);
    return out;
}

POINT ToPrintPointD(double x, double y, int divisor, double scale) {
    const double d = Divisor(divisor);
    POINT p;
    p.x = TruncInt(x / d * scale * 100.0 + 0.5);
    p.y = TruncInt(scale * (y / d) * 100.0 + 0.5);
    return p;
}

double GetDistanceD(double x1, double y1, double x2, double y2) {
    const double dy = y1 - y2;
    const double dx = x1 - x2;
    return std::sqrt(dy * dy + dx * dx);
}

LONG GetDistance(LONG x1, LONG y1, LONG x2, LONG y2) {
    // Differences in doubles: exact for any two int32 values.
    const double dx = static_cast<double>(x1) - static_cast<double>(x2);
    const double dy = static_cast<double>(y1) - static_cast<double>(y2);
    const double s = DistanceScale(std::max(std::fabs(dx), std::fabs(dy)));
    const double sx = dx / s;
    const double sy = dy / s;
    return TruncInt(s * std::sqrt(sy * sy + sx * sx));
}

double GetAngleD(double x1, double y1, double x2, double y2) {
    if (y1 == y2)
        return x1 > x2 ? kPi : 0.0;
    if (x1 == x2)
        return y1 > y2 ? kThreeHalfPi : kHalfPi;

    const double s = DistanceScale(std::max(std::fabs(x2 - x1), std::fabs(y2 - y1)));
    const double ax = x1 / s;
    const double ay = y1 / s;
    const double bx = x2 / s;
    const double by = y2 / s;
    const double len = GetDistanceD(ax, ay, bx, by);
    if (!(len > 0.001))
        return 0.0;
    // The quotients cannot leave [-1, 1] mathematically; clamp against rounding
    // so acos and asin never give NaN.
    const double c = std::clamp((bx - ax) / len, -1.0, 1.0);
    const double d = std::clamp((by - ay) / len, -1.0, 1.0);
    if ((c > 0.0 && d >= 0.0) || (c <= 0.0 && d > 0.0))
        return std::acos(c);
    if (c >= 0.0 && d < 0.0)
        return std::asin(d) + kTwoPi;
    return kTwoPi - std::acos(c); // c < 0 and d <= 0
}

double GetAngle(LONG x1, LONG y1, LONG x2, LONG y2) {
    return GetAngleD(static_cast<double>(x1), static_cast<double>(y1), static_cast<double>(x2),
                     static_cast<double>(y2));
}

void GetUnitVector(LONG x1, LONG y1, LONG x2, LONG y2, DPOINT* out) {
    const double dx = static_cast<double>(x2) - static_cast<double>(x1);
    const double dy = static_cast<double>(y2) - static_cast<double>(y1);
    const double s = DistanceScale(std::max(std::fabs(dx), std::fabs(dy)));
    const double sx = dx / s;
    const double sy = dy / s;
    const double len = std::sqrt(sy * sy + sx * sx);
    if (len == 0.0) {
        out->x = 0.0;
        out->y = 0.0;
        return;
    }
    out->x = sx / len;
    out->y = sy / len;
}

void RotatePoint(LONG* x, LONG* y, double degrees) {
    const double a = degrees * kDegToRad;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double px = static_cast<double>(*x);
    const double py = static_cast<double>(*y);
    *x = TruncInt(c * px - py * s);
    *y = TruncInt(py * c + s * px);
}

int IsSegmentsCross(POINT p1, POINT p2, POINT p3, POINT p4, int divisor) {
    const double e = Divisor(divisor);
    const double x1 = p1.x / e, y1 = p1.y / e;
    const double x2 = p2.x / e, y2 = p2.y / e;
    const double x3 = p3.x / e, y3 = p3.y / e;
    const double x4 = p4.x / e, y4 = p4.y / e;
    const double d1 = Cross(x2 - x1, y2 - y1, x3 - x1, y3 - y1);
    const double d2 = Cross(x2 - x1, y2 - y1, x4 - x1, y4 - y1);
    const double d3 = Cross(x4 - x3, y4 - y3, x1 - x3, y1 - y3);
    const double d4 = Cross(x4 - x3, y4 - y3, x2 - x3, y2 - y3);
    if (d1 * d2 > 0.0 || d3 * d4 > 0.0)
        return 0;
    return 1;
}

int GetCrossPoint(POINT p1, POINT p2, POINT p3, POINT p4, POINT* out, int divisor) {
    if (!IsSegmentsCross(p1, p2, p3, p4, divisor))
        return 0;
    const double g = GetLineDistance(p3, p4, p1, divisor);
    const double h = GetLineDistance(p3, p4, p2, divisor);
    const double sum = g + h;
    if (!(sum > 0.0) || !std::isfinite(sum)) {
        // Both end points on the line P3P4 (segments on one common line, or
        // P3 = P4): t would be 0/0. The defined answer is P1.
        *out = p1;
        return 1;
    }
    const double t = g / sum;
    const double x1 = static_cast<double>(p1.x);
    const double y1 = static_cast<double>(p1.y);
    out->x = TruncInt(t * (static_cast<double>(p2.x) - x1) + x1 + 0.5);
    out->y = TruncInt(t * (static_cast<double>(p2.y) - y1) + y1 + 0.5);
    return 1;
}

double GetLineDistance(POINT p1, POINT p2, POINT p, int divisor) {
    const double e = Divisor(divisor);
    const double x1 = p1.x / e, y1 = p1.y / e;
    const double x2 = p2.x / e, y2 = p2.y / e;
    const double x = p.x / e, y = p.y / e;
    const double len = GetDistanceD(x1, y1, x2, y2);
    if (len == 0.0)
        return 0.0;
    return e * std::fabs(Cross(x - x1, y - y1, x2 - x1, y2 - y1)) / len;
}

double RoundDecimal(double value, int digits) {
    digits = std::clamp(digits, 0, kRoundDecimalMaxDigits);
    // Fixed gives exactly what "%.<digits>f" prints in the C locale; Atof reads
    // it back in the C locale, whatever the process locale is.
    const std::string text = CNumberFormat::Fixed(value, digits);
    if (text.empty())
        return value;
    return CNumberFormat::Atof(text.c_str());
}

int NormalizeRectX(RECT* rect) {
    if (!rect)
        return 0;
    if (rect->left > rect->right)
        rect->left = rect->right;
    if (rect->top > rect->bottom)
        std::swap(rect->top, rect->bottom);
    return 1;
}
