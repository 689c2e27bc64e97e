#include "app/CPointSnap.h"

#include <cmath>

namespace {

constexpr double kDegreesPerRadian = 57.29577950560105;
constexpr double kRadiansPerDegree = 0.017453292522222223;

// The direction from the reference to the point, 0 to 360 degrees, in
// window pixels (y downward, so clockwise as seen).
double PixelAngle(POINT reference, POINT point) {
    const double angle = std::atan2(static_cast<double>(point.y) - reference.y,
                                    static_cast<double>(point.x) - reference.x) *
                         kDegreesPerRadian;
    return angle < 0.0 ? angle + 360.0 : angle;
}

bool InSector(double angle, double from, double to) {
    return (angle >= from && angle < to) || (angle + 360.0 >= from && angle + 360.0 < to);
}

LONG Round(double value) {
    return static_cast<LONG>(std::lround(value));
}

} // namespace

POINT CPointSnap::Orthogonal(POINT reference, POINT point) {
    const double angle = PixelAngle(reference, point);
    const bool horizontal = angle <= 45.0 || (angle > 135.0 && angle <= 225.0) || angle > 315.0;
    return horizontal ? POINT{point.x, reference.y} : POINT{reference.x, point.y};
}

POINT CPointSnap::Angle(POINT reference, POINT point, const SnapRays& rays) {
    if (rays.step == 0.0 || !std::isfinite(rays.step))
        return point;
    const double step = std::fabs(rays.step);
    const double base = rays.base;
    const int counterClockwise = rays.counterClockwise;
    double angle = PixelAngle(reference, point);
    double start = 360.0 - base;
    if (counterClockwise) {
        start = base;
        angle = 360.0 - angle;
    }
    const int count = static_cast<int>(360.0 / step);
    double ray = start;
    for (int i = 0; i < count; ++i) {
        const double from = start + i * step;
        if (InSector(angle, from, from + step / 2)) {
            ray = from;
            break;
        }
        if (InSector(angle, from + step / 2, from + step)) {
            ray = from + step;
            break;
        }
    }
    // The ray as drawn on the window, where y runs downward.
    const double pixelRay = (counterClockwise ? -ray : ray) * kRadiansPerDegree;
    const double dx = static_cast<double>(point.x) - reference.x;
    const double dy = static_cast<double>(point.y) - reference.y;
    const double along = dx * std::cos(pixelRay) + dy * std::sin(pixelRay);
    return POINT{Round(reference.x + along * std::cos(pixelRay)),
                 Round(reference.y + along * std::sin(pixelRay))};
}
