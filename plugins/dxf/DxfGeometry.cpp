#include "plugins/dxf/DxfGeometry.h"

#include "geometry/Geometry.h"

#include <cmath>

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
