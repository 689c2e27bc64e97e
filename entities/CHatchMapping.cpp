#include "entities/CHatchMapping.h"

#include "geometry/Geometry.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>

namespace {

// Logical units measured at once, so that the rounding of the mapping
// does not decide the size of one pixel.
constexpr LONG kProbe = 100000;

} // namespace

CHatchMapping CHatchMapping::ForView(CDC* dc, int originX, int originY, double scale) {
    CHatchMapping mapping;
    mapping.m_metafile = dc->IsMetafile();
    mapping.m_originX = originX;
    mapping.m_originY = originY;
    mapping.m_scale = scale;
    mapping.TakeResolution(dc, scale);
    return mapping;
}

CHatchMapping CHatchMapping::ForPrint(CDC* dc, int unitDivisor, double scale) {
    CHatchMapping mapping;
    mapping.m_print = true;
    mapping.m_divisor = unitDivisor;
    mapping.m_scale = scale;
    mapping.TakeResolution(dc, scale * 100.0 / (unitDivisor == 0 ? 1 : unitDivisor));
    return mapping;
}

void CHatchMapping::TakeResolution(CDC* dc, double logicalPerUnit) {
    SIZE probe{kProbe, kProbe};
    dc->LPtoDP(&probe);
    const double pixelsPerLogical =
        static_cast<double>(std::max(std::labs(probe.cx), std::labs(probe.cy))) / kProbe;
    // One pixel, or one logical unit where a unit is larger than a pixel.
    const double logicalStep = pixelsPerLogical > 0.0 ? std::max(1.0, 1.0 / pixelsPerLogical) : 1.0;
    const double perUnit = std::fabs(logicalPerUnit);
    m_minStep = perUnit > 0.0 && std::isfinite(perUnit) ? logicalStep / perUnit : 1.0;
}

POINT CHatchMapping::ToLogical(POINT point) const {
    if (m_print)
        return ToPrintPoint(point.x, point.y, m_divisor, m_scale);
    POINT logical = ToViewPoint(point.x, point.y, m_originX, m_originY, m_scale);
    if (m_metafile)
        logical.y = TruncInt(-static_cast<double>(logical.y));
    return logical;
}
