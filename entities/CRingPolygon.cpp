#include "entities/CRingPolygon.h"

#include "geometry/Geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// base + rnd(offset), saturating at the int32 range.
LONG Place(LONG base, double offset) {
    return TruncInt(static_cast<double>(base) + static_cast<double>(RndInt(offset)));
}

// (min + max) / 2 without overflow, truncated toward zero.
LONG Middle(LONG a, LONG b) {
    return static_cast<LONG>((static_cast<long long>(a) + b) / 2);
}

} // namespace

std::vector<POINT> CRingPolygon::Ring(LONG cx, LONG cy, double rx, double ry) {
    std::vector<POINT> points;
    points.reserve(kVertexCount);
    for (int degree = 0; degree < kVertexCount; ++degree) {
        const double angle = degree * kDegToRad;
        points.push_back(POINT{Place(cx, rx * std::cos(angle)), Place(cy, ry * std::sin(angle))});
    }
    return points;
}

std::vector<POINT> CRingPolygon::Circle(LONG cx, LONG cy, LONG radius) {
    return Ring(cx, cy, radius, radius);
}

std::vector<POINT> CRingPolygon::Ellipse(LONG left, LONG top, LONG right, LONG bottom) {
    const LONG cx = Middle(std::min(left, right), std::max(left, right));
    const LONG cy = Middle(std::min(top, bottom), std::max(top, bottom));
    const double rx = static_cast<double>(std::max(left, right)) - cx;
    const double ry = static_cast<double>(std::max(top, bottom)) - cy;
    return Ring(cx, cy, rx, ry);
}
