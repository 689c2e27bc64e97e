#pragma once
// The free point, angle and segment functions shared by the
// entities, the markups, the document, the view and the import plug-ins:
// drawing <-> device transforms, overflow-safe distances and direction angles,
// rotation, segment intersection, decimal rounding and rectangle
// normalisation. They hold no state.
//
// Every conversion of a double to a 32-bit integer goes through TruncInt or
// RndInt, which saturate at the int32 range and turn NaN into 0, so no
// out-of-range or undefined value reaches an integer. A divisor of 0 (the
// document unit) counts as 1.

#include "platform/win/WinTypes.h"

#include <cmath>
#include <limits>

// A double point: the element of the curve arrays of the Bezier, spline and NURBS classes.
struct DPOINT {
    double x;
    double y;
};

inline bool operator==(const DPOINT& a, const DPOINT& b) {
    return a.x == b.x && a.y == b.y;
}

// The direction-angle constants: pi to ten digits, as the system uses them.
constexpr double kHalfPi = 1.570796327;
constexpr double kPi = 3.141592654;
constexpr double kThreeHalfPi = 4.712388981;
constexpr double kTwoPi = 6.283185308;
// Degrees to radians and back.
constexpr double kDegToRad = 0.017453292522222223;
constexpr double kRadToDeg = 57.29577950560105;

// Truncation toward zero into int32: NaN gives 0, values beyond the range
// give INT32_MIN or INT32_MAX. Inline: every drawn point passes here.
inline LONG TruncInt(double value) {
    constexpr double highest = static_cast<double>(std::numeric_limits<LONG>::max());
    constexpr double lowest = static_cast<double>(std::numeric_limits<LONG>::min());
    if (std::isnan(value))
        return 0;
    if (value >= highest)
        return std::numeric_limits<LONG>::max();
    if (value <= lowest)
        return std::numeric_limits<LONG>::min();
    return static_cast<LONG>(value);
}
// rnd(x): x + 0.5 truncated toward zero (saturating as TruncInt).
inline LONG RndInt(double value) {
    return TruncInt(value + 0.5);
}

// Drawing units -> view units: (rnd((x - ox) * scale), rnd((y - oy) * scale)).
POINT* ToViewPoint(POINT* out, LONG x, LONG y, LONG ox, LONG oy, double scale);
// The same for a double point (curve samples).
POINT* ToViewPointD(POINT* out, double x, double y, LONG ox, LONG oy, double scale);
inline POINT ToViewPointD(double x, double y, LONG ox, LONG oy, double scale) {
    return POINT{RndInt((x - static_cast<double>(ox)) * scale),
                 RndInt((y - static_cast<double>(oy)) * scale)};
}
inline POINT ToViewPoint(LONG x, LONG y, LONG ox, LONG oy, double scale) {
    // The difference in doubles: exact, and free of int32 overflow.
    return ToViewPointD(static_cast<double>(x), static_cast<double>(y), ox, oy, scale);
}

// View units -> drawing units: (ox + trunc(dx / scale + 0.5), oy + trunc(dy / scale + 0.5)).
// A scale of 0 saturates.
POINT FromViewPoint(LONG dx, LONG dy, LONG ox, LONG oy, double scale);

// Drawing units -> hundredths for the printer-unit routines:
// (trunc(x / divisor * scale * 100 + 0.5), trunc(scale * (y / divisor) * 100 + 0.5)).
POINT* ToPrintPoint(POINT* out, LONG x, LONG y, int divisor, double scale);
POINT ToPrintPoint(LONG x, LONG y, int divisor, double scale);
POINT* ToPrintPointD(POINT* out, double x, double y, int divisor, double scale);
POINT ToPrintPointD(double x, double y, int divisor, double scale);

// sqrt((y1 - y2)^2 + (x1 - x2)^2).
double GetDistanceD(double x1, double y1, double x2, double y2);
// The overflow-safe integer distance (scaled by 1e5, 1e4, 1e3 or 1), truncated;
// saturates at INT32_MAX.
LONG GetDistance(LONG x1, LONG y1, LONG x2, LONG y2);
inline LONG GetDistance(const POINT& a, const POINT& b) {
    return GetDistance(a.x, a.y, b.x, b.y);
}

// Direction of P1 -> P2 in radians, counter-clockwise in drawing coordinates
// (y up); 0 for equal points.
double GetAngleD(double x1, double y1, double x2, double y2);
double GetAngle(LONG x1, LONG y1, LONG x2, LONG y2);
inline double GetAngle(const POINT& a, const POINT& b) {
    return GetAngle(a.x, a.y, b.x, b.y);
}

// Unit vector of P1 -> P2; (0, 0) when the points are equal.
void GetUnitVector(LONG x1, LONG y1, LONG x2, LONG y2, DPOINT* out);

// Rotation about the origin by degrees:
// x' = trunc(cos a * x - y * sin a), y' = trunc(y * cos a + sin a * x).
void RotatePoint(LONG* x, LONG* y, double degrees);

// 1 when segment P1P2 and segment P3P4 cross or touch (also when they lie on
// one common line, even apart), else 0.
int IsSegmentsCross(POINT p1, POINT p2, POINT p3, POINT p4, int divisor);
// The intersection point when IsSegmentsCross is 1 (returns 1), else 0 with
// *out unchanged. Segments on one common line give P1.
int GetCrossPoint(POINT p1, POINT p2, POINT p3, POINT p4, POINT* out, int divisor);
// Distance of P from the line through P1 and P2; 0 when P1 = P2.
double GetLineDistance(POINT p1, POINT p2, POINT p, int divisor);

// The value printed with that many decimals (as "%.<digits>f" prints in the C
// locale) and read back. Digits are clamped to 0..kRoundDecimalMaxDigits.
constexpr int kRoundDecimalMaxDigits = 15;
double RoundDecimal(double value, int digits);

// When left > right, left := right (only left changes); when top > bottom the
// two are swapped. Returns 1 (0 for a null rectangle).
int NormalizeRectX(RECT* rect);
