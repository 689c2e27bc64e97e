#include "entities/CEllipseFrame.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSmallAxis = 90;
// Sides closer to parallel than this make no ellipse to measure on.
constexpr double kFlatSine = 1e-9;

int Mid(LONG a, LONG b) {
    return static_cast<int>((static_cast<long long>(a) + b) / 2);
}

DPOINT Rotated(DPOINT p, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return DPOINT{p.x * c - p.y * s, p.x * s + p.y * c};
}

} // namespace

CEllipseFrame::CEllipseFrame(const POINT corners[4])
    : m_center{Mid(corners[0].x, corners[2].x), Mid(corners[0].y, corners[2].y)},
      m_a(GetDistance(corners[0], corners[3]) / 2),
      m_b(GetDistance(corners[0], corners[1]) / 2), m_u{0, 0}, m_v{0, 0} {
    GetUnitVector(corners[0].x, corners[0].y, corners[3].x, corners[3].y, &m_u);
    GetUnitVector(corners[0].x, corners[0].y, corners[1].x, corners[1].y, &m_v);
}

int CEllipseFrame::Step() const {
    return std::min(m_a, m_b) <= kSmallAxis ? 5 : 1;
}

POINT CEllipseFrame::Point(double degrees) const {
    const double t = degrees * kDegToRad;
    const double ca = m_a * std::cos(t);
    const double sb = m_b * std::sin(t);
    return POINT{TruncInt(static_cast<double>(m_center.x) + RndInt(ca * m_u.x - sb * m_v.x)),
                 TruncInt(static_cast<double>(m_center.y) + RndInt(ca * m_u.y - sb * m_v.y))};
}

std::vector<POINT> CEllipseFrame::Ring() const {
    std::vector<POINT> ring;
    const int step = Step();
    ring.reserve(static_cast<std::size_t>(360 / step));
    for (int t = 0; t < 360; t += step)
        ring.push_back(Point(t));
    return ring;
}

std::optional<double> CEllipseFrame::ParameterDegrees(POINT point) const {
    const double theta = GetAngleD(0.0, 0.0, m_u.x, m_u.y);
    const DPOINT d = Rotated(DPOINT{static_cast<double>(point.x) - m_center.x,
                                    static_cast<double>(point.y) - m_center.y},
                             -theta);
    const DPOINT v = Rotated(m_v, -theta);
    // Flat or pointlike: no frame to measure the parameter in. Parallel
    // sides leave rounding noise in the sine of the angle between them.
    if (m_a == 0 || m_b == 0 || std::fabs(v.y) < kFlatSine)
        return std::nullopt;
    const double s = -d.y / v.y;
    const double u = d.x + s * v.x;
    const double b = m_b;
    const double a = m_a;
    const double angle =
        b < a ? GetAngleD(0.0, 0.0, u * b / a, s) : GetAngleD(0.0, 0.0, u, s * a / b);
    if (!std::isfinite(angle))
        return std::nullopt;
    return angle * kRadToDeg;
}

std::optional<int> CEllipseFrame::ParameterOf(POINT point) const {
    const std::optional<double> degrees = ParameterDegrees(point);
    if (!degrees)
        return std::nullopt;
    return TruncInt(*degrees + 0.5);
}

std::vector<POINT> CEllipseFrame::Arc(POINT start, POINT end) const {
    const std::optional<int> from = ParameterOf(start);
    const std::optional<int> to = ParameterOf(end);
    if (!from || !to)
        return {start, end};
    const int ts = *from;
    int te = *to;
    if (ts >= te)
        te += 360;
    std::vector<POINT> arc{start};
    const int step = Step();
    for (int t = ts + step; t < te; t += step)
        arc.push_back(Point(t >= 360 ? t - 360 : t));
    arc.push_back(end);
    return arc;
}
