#include "entities/CHatchLineFamily.h"

#include "entities/CHatchMapping.h"
#include "geometry/Geometry.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Degrees within which an angle counts as its axis.
constexpr double kAxisTolerance = 1e-6;
// Lines, dashes, gaps and dots one family may cost.
constexpr long kMaxSteps = 200000;
// Relative difference below which an offset counts as running along the
// lines: the tangent of an axis-free angle is never exact.
constexpr double kParallel = 1e-9;

POINT At(bool vertical, long long fixed, long long along) {
    const LONG a = static_cast<LONG>(std::clamp<long long>(fixed, INT32_MIN, INT32_MAX));
    const LONG b = static_cast<LONG>(std::clamp<long long>(along, INT32_MIN, INT32_MAX));
    return vertical ? POINT{a, b} : POINT{b, a};
}

// How many times a spacing must be taken to reach the smallest step.
double Thinning(double spacing, double minStep) {
    return spacing > 0.0 && spacing < minStep ? std::ceil(minStep / spacing) : 1.0;
}

} // namespace

CHatchLineFamily::CHatchLineFamily(double angleDegrees, POINT base, POINT offset,
                                   std::vector<LONG> dashes)
    : m_angle(NormalisedAngle(angleDegrees)), m_base(base), m_offset(offset),
      m_dashes(std::move(dashes)) {
    for (LONG dash : m_dashes)
        m_length += std::llabs(static_cast<long long>(dash));
}

double CHatchLineFamily::NormalisedAngle(double degrees) {
    if (!std::isfinite(degrees))
        return 0.0;
    double angle = std::fmod(degrees, 360.0);
    if (angle < 0.0)
        angle += 360.0;
    for (double axis : {0.0, 90.0, 180.0, 270.0, 360.0})
        if (std::fabs(angle - axis) < kAxisTolerance)
            return axis == 360.0 ? 0.0 : axis;
    return angle;
}

bool CHatchLineFamily::HasDashes() const {
    return !m_dashes.empty();
}

bool CHatchLineFamily::Step() {
    return ++m_steps <= kMaxSteps;
}

void CHatchLineFamily::Line(POINT from, POINT to) {
    const POINT a = m_mapping->ToLogical(from);
    const POINT b = m_mapping->ToLogical(to);
    m_dc->MoveTo(a.x, a.y);
    m_dc->LineTo(b.x, b.y);
}

void CHatchLineFamily::Dot(POINT point) {
    const POINT p = m_mapping->ToLogical(point);
    m_dc->SetPixel(p.x, p.y, m_fillColor);
}

void CHatchLineFamily::Draw(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box,
                            COLORREF fillColor) {
    m_dc = dc;
    m_mapping = &mapping;
    m_box = box;
    m_fillColor = fillColor;
    m_steps = 0;
    if (m_angle == 90.0 || m_angle == 270.0)
        DrawAxis(true, m_angle == 90.0);
    else if (m_angle == 0.0 || m_angle == 180.0)
        DrawAxis(false, m_angle == 0.0);
    else
        DrawSlanted();
}

void CHatchLineFamily::DrawAxis(bool vertical, bool forward) {
    // Across the lines (fixed) and along them.
    const long long base = vertical ? m_base.x : m_base.y;
    const long long step = vertical ? m_offset.x : m_offset.y;
    const long long alongBase = vertical ? m_base.y : m_base.x;
    const long long alongStep = vertical ? m_offset.y : m_offset.x;
    const long long lo = vertical ? m_box.x0 : m_box.y0;
    const long long hi = vertical ? m_box.x1 : m_box.y1;
    const long long alongLo = vertical ? m_box.y0 : m_box.x0;
    const long long alongHi = vertical ? m_box.y1 : m_box.x1;
    if (step == 0 || alongStep == 0)
        return;
    const long long spacing = std::llabs(step);
    const long long stride = spacing * static_cast<long long>(Thinning(static_cast<double>(spacing),
                                                                       m_mapping->MinStep()));
    long long fixed = base < lo ? ((lo - base) / spacing + 1) * spacing + base
                                : ((lo - base) / spacing) * spacing + base;
    for (; fixed < hi && Step(); fixed += stride) {
        if (!HasDashes()) {
            Line(At(vertical, fixed, alongLo), At(vertical, fixed, alongHi));
            continue;
        }
        const double start = static_cast<double>(alongBase) +
                             std::trunc(static_cast<double>(fixed - base) / step) * alongStep;
        DashedAxis(vertical, fixed, static_cast<long long>(std::clamp(start, -9.0e18, 9.0e18)),
                   forward);
    }
}

void CHatchLineFamily::DashedAxis(bool vertical, long long fixed, long long start, bool forward) {
    const long long lo = vertical ? m_box.y0 : m_box.x0;
    const long long hi = vertical ? m_box.y1 : m_box.x1;
    if (m_length == 0)
        return;
    if (static_cast<double>(m_length) < m_mapping->MinStep()) {
        if (std::ranges::any_of(m_dashes, [](LONG dash) { return dash > 0; }))
            Line(At(vertical, fixed, lo), At(vertical, fixed, hi));
        return;
    }
    const long long length = m_length;
    long long s = start;
    // Back to the pattern repetition that starts at or before the box.
    s += s >= lo ? length * ((lo - s) / length - 1) : length * ((lo - s) / length);
    const long long repetitions = (hi - s) / length + 1;
    const auto clamp = [lo, hi](long long v) { return std::clamp(v, lo, hi); };
    for (long long r = 0; r < repetitions; ++r) {
        for (std::size_t i = 0; i < m_dashes.size(); ++i) {
            if (!Step())
                return;
            const long long dash = m_dashes[forward ? i : m_dashes.size() - 1 - i];
            if (dash < 0) {
                s -= dash;
            } else if (dash == 0) {
                Dot(At(vertical, fixed, s));
            } else {
                Line(At(vertical, fixed, clamp(s)), At(vertical, fixed, clamp(s + dash)));
                s += dash;
            }
        }
    }
}

void CHatchLineFamily::DrawSlanted() {
    const double radians = m_angle * kDegToRad;
    m_tan = std::tan(radians);
    m_cos = std::cos(radians);
    const double t = m_tan;
    const double bx = m_base.x;
    const double by = m_base.y;
    const double dx = m_offset.x;
    const double dy = m_offset.y;
    const double c0 = by - bx * t;
    double spacing = std::fabs(dy - dx * t);
    if (spacing <= kParallel * (std::fabs(dy) + std::fabs(dx * t)))
        spacing = 0.0;
    const double x0 = m_box.x0;
    const double y0 = m_box.y0;
    const double x1 = m_box.x1;
    const double y1 = m_box.y1;
    const double cA = t <= 0 ? y0 - x0 * t : y1 - x0 * t;
    const double cB = t <= 0 ? y1 - x1 * t : y0 - x1 * t;
    const double cMax = std::max(cA, cB);
    const double cMin = std::min(cA, cB);
    if (spacing == 0.0 || !std::isfinite(spacing) || !std::isfinite(c0))
        return;
    const double stride = spacing * Thinning(spacing * std::fabs(m_cos), m_mapping->MinStep());
    if (!HasDashes()) {
        for (double c = c0 - std::trunc((c0 - cMax) / spacing + 0.5) * spacing; c > cMin && Step();
             c -= stride)
            SolidSlanted(c);
        return;
    }
    const double slope = dy / dx;
    const double d = by - bx * slope;
    if (m_length == 0 || std::fabs(t - slope) <= kParallel * std::max(1.0, std::fabs(slope)))
        return;
    double c = c0 <= cMax ? c0 + std::trunc((cMax - c0) / spacing) * spacing
                          : c0 - std::trunc((c0 - cMax) / spacing) * spacing;
    for (; c > cMin && Step(); c -= stride)
        DashedSlanted(c, (d - c) / (t - slope));
}

bool CHatchLineFamily::ClipSlanted(double c, POINT& left, POINT& right) const {
    const auto end = [this, c](double x, POINT& out) {
        LONG px = TruncInt(x);
        LONG py = RndInt(x * m_tan + c);
        if (py < m_box.y0) {
            py = m_box.y0;
            px = RndInt((m_box.y0 - c) / m_tan);
        }
        if (py > m_box.y1) {
            py = m_box.y1;
            px = RndInt((m_box.y1 - c) / m_tan);
        }
        out = POINT{px, py};
        return px >= m_box.x0 && px <= m_box.x1;
    };
    return end(m_box.x0, left) && end(m_box.x1, right);
}

void CHatchLineFamily::SolidSlanted(double c) {
    POINT left;
    POINT right;
    if (ClipSlanted(c, left, right))
        Line(left, right);
}

POINT CHatchLineFamily::ClampAlong(double x, double c) const {
    double y = c + m_tan * x;
    if (y < m_box.y0) {
        y = m_box.y0;
        x = (y - c) / m_tan;
    } else if (y > m_box.y1) {
        y = m_box.y1;
        x = (y - c) / m_tan;
    }
    if (x < m_box.x0) {
        x = m_box.x0;
        y = c + m_tan * x;
    } else if (x > m_box.x1) {
        x = m_box.x1;
        y = c + m_tan * x;
    }
    return POINT{RndInt(x), RndInt(y)};
}

void CHatchLineFamily::DashedSlanted(double c, double originX) {
    POINT left;
    POINT right;
    if (!ClipSlanted(c, left, right))
        return;
    const double along = std::fabs(m_cos);
    const double period = along * static_cast<double>(m_length);
    if (static_cast<double>(m_length) < m_mapping->MinStep()) {
        if (std::ranges::any_of(m_dashes, [](LONG dash) { return dash > 0; }))
            Line(left, right);
        return;
    }
    const double from = left.x - originX;
    const double k = from > 0 ? std::trunc(from / period) : std::trunc(from / period - 1);
    double x = originX + k * period;
    const double repetitions = std::trunc((right.x - x) / period) + 1;
    const bool forward = m_cos > 0;
    for (double r = 0; r < repetitions; ++r) {
        for (std::size_t i = 0; i < m_dashes.size(); ++i) {
            if (!Step())
                return;
            const double dash = m_dashes[forward ? i : m_dashes.size() - 1 - i];
            if (dash < 0) {
                x += along * -dash;
            } else if (dash == 0) {
                Dot(POINT{RndInt(x), RndInt(c + m_tan * x)});
            } else {
                const double next = x + along * dash;
                Line(ClampAlong(x, c), ClampAlong(next, c));
                x = RndInt(next);
            }
        }
    }
}
