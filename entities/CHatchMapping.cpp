#include "entities/CHatchMapping.h"

#include "entities/CCurveChain.h"
#include "geometry/Geometry.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cmath>

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
    m_minStep = CCurveChain::SmallestStep(dc, logicalPerUnit);
}

POINT CHatchMapping::ToLogical(POINT point) const {
    if (m_print)
        return ToPrintPoint(point.x, point.y, m_divisor, m_scale);
    POINT logical = ToViewPoint(point.x, point.y, m_originX, m_originY, m_scale);
    if (m_metafile)
        logical.y = TruncInt(-static_cast<double>(logical.y));
    return logical;
}
