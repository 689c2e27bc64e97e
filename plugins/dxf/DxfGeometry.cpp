#include "plugins/dxf/DxfGeometry.h"

#include "geometry/Geometry.h"

#include <cmath>
#include <numbers>

double VectorAngle(double x1, double y1, double x2, double y2) {
    const double length = PointDistance(x1, y1, x2, y2);
    if (!(length > 0.0001)) {
        return 0.0;
    }
    const double c = (x2 - x1) / length;
    const double s = (y2 - y1) / length;
    if ((c > 0 && s >= 0) || (c <= 0 && s > 0)) {
        return std::acos(c);
    }
    if (c >= 0 && s < 0) {
        return std::asin(s) + kTwoPi;
    }
    return kTwoPi - std::acos(c);
}

double PointDistance(double x1, double y1, double x2, double y2) {
    return std::sqrt((y1 - y2) * (y1 - y2) + (x1 - x2) * (x1 - x2));
}

namespace {

DxfVector Cross(const DxfVector& a, const DxfVector& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

DxfVector Unit(const DxfVector& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (!(length > 0.0) || !std::isfinite(length)) {
        return {};
    }
    return {v.x / length, v.y / length, v.z / length};
}

} // namespace

DxfVector OcsToWcs(const DxfVector& point, const DxfVector& extrusion) {
    DxfVector n = Unit(extrusion);
    if (n.x == 0.0 && n.y == 0.0 && n.z == 0.0) {
        n = {0.0, 0.0, 1.0};
    }
    constexpr double Threshold = 1.0 / 64.0;
    const DxfVector ax =
        Unit(std::fabs(n.x) < Threshold && std::fabs(n.y) < Threshold ? DxfVector{n.z, 0.0, -n.x}
                                                                      : DxfVector{-n.y, n.x, 0.0});
    const DxfVector ay = Cross(n, ax);
    return {point.x * ax.x + point.y * ay.x + point.z * n.x,
            point.x * ax.y + point.y * ay.y + point.z * n.y,
            point.x * ax.z + point.y * ay.z + point.z * n.z};
}

void RotateScalePoint(POINT& point, double baseX, double baseY, double xScale, double yScale,
                      double angleDegrees, unsigned unit) {
    const double u = unit == 0 ? 1.0 : static_cast<double>(unit);
    const double theta = angleDegrees * kDegToRad;
    const double x = point.x / u * xScale;
    const double y = point.y / u * yScale;
    point.x = TruncInt(u * (x * std::cos(theta) - y * std::sin(theta)) + baseX);
    point.y = TruncInt(u * (x * std::sin(theta) + y * std::cos(theta)) + baseY);
}

int BulgeArcPoints(std::vector<DPOINT>& points, const DPOINT& p1, const DPOINT& p2, double bulge,
                   double stepDegrees) {
    const double theta = 4.0 * std::atan(bulge);
    const double step = stepDegrees * kDegToRad;
    if (!std::isfinite(bulge) || std::fabs(theta) < kDegToRad || !(step > 0.0)) {
        return 0;
    }
    const double chord = PointDistance(p1.x, p1.y, p2.x, p2.y);
    const double radius = chord * 0.5 / std::sin(theta * 0.5);
    const double d = std::numbers::pi / 2.0 - theta * 0.5 + VectorAngle(p1.x, p1.y, p2.x, p2.y);
    const DPOINT centre{p1.x + radius * std::cos(d), p1.y + radius * std::sin(d)};
    const double start = std::atan2(p1.y - centre.y, p1.x - centre.x);
    const double r = std::fabs(radius);
    const double turn = theta > 0 ? 1.0 : -1.0;
    // A point closer to p2 than a thousandth of a step counts as p2.
    const double span = std::fabs(theta) - step * 0.001;
    int added = 0;
    for (int k = 1; k * step < span; ++k) {
        const double a = start + turn * k * step;
        points.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
        ++added;
    }
    return added;
}

double DirectionDegrees(double dx, double dy) {
    if (!(PointDistance(0.0, 0.0, dx, dy) > 0.0001)) {
        return 0.0;
    }
    const double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

std::array<DPOINT, 4> ArrowHead(const DPOINT& tip, const DPOINT& from, double size) {
    constexpr double SixthOfArrow = 0.1666666666666666019;
    const double angle = VectorAngle(from.x, from.y, tip.x, tip.y);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const DPOINT left{tip.x - size * (c - s * SixthOfArrow), tip.y - size * (s + c * SixthOfArrow)};
    const DPOINT right{tip.x - size * (c + s * SixthOfArrow),
                       tip.y - size * (s - c * SixthOfArrow)};
    return {tip, left, right, tip};
}
