#pragma once
// A composite curve (assembly kind 3): arcs, elliptical arcs, polylines,
// splines and clothoids joined into one outline that fills refer to by
// number.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfAssembly.h"

class CSxfCompositeCurve : public CSxfAssembly {
public:
    CSxfCompositeCurve(int code, const CSxfReader* owner, const SxfCompositeCurveData& data)
        : CSxfAssembly(code, owner), m_data(data) {}

    const SxfCompositeCurveData& Data() const { return m_data; }

private:
    SxfCompositeCurveData m_data;
};
