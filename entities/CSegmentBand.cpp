#include "entities/CSegmentBand.h"

#include "geometry/Geometry.h"

#include <cstdlib>

namespace {

// p + sign * n, saturating at the int32 range.
POINT Shifted(const POINT& p, const POINT& n, int sign) {
    return POINT{TruncInt(static_cast<double>(p.x) + sign * static_cast<double>(n.x)),
                 TruncInt(static_cast<double>(p.y) + sign * static_cast<double>(n.y))};
}

} // namespace

bool CSegmentBand::Corners(POINT p1, POINT p2, std::array<POINT, 4>* corners) {
    const long long dx = static_cast<long long>(p2.x) - p1.x;
    const long long dy = static_cast<long long>(p2.y) - p1.y;
    if (dx == 0 && dy == 0)
        return false;
    // n is (-dy, dx) scaled so that its minor-axis part is kReach.
    POINT n;
    if (std::llabs(dy) < std::llabs(dx))
        n = POINT{TruncInt(-static_cast<double>(kReach) * static_cast<double>(dy) /
                           static_cast<double>(dx)),
                  kReach};
    else
        n = POINT{kReach, TruncInt(-static_cast<double>(kReach) * static_cast<double>(dx) /
                                   static_cast<double>(dy))};
    *corners = {Shifted(p1, n, 1), Shifted(p1, n, -1), Shifted(p2, n, -1), Shifted(p2, n, 1)};
    return true;
}
