#pragma once
// A hatch edge along the interpolating spline through its fit points (type 6).

#include "entities/CRukHatchEdge.h"

class CRukHatchEdgeSpline : public CRukHatchEdge {
    DECLARE_SERIAL(CRukHatchEdgeSpline)

public:
    CRukHatchEdgeSpline();

    void Serialize(CArchive& ar) override;
    std::vector<POINT> Outline() const override;
    bool ReadGeometry(const PorRecord& edge, UINT unit) override;
};
