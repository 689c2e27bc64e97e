#pragma once
// A hatch edge through its vertices (type 5); a polyline boundary path is one such edge.

#include "entities/CRukHatchEdge.h"

class CRukHatchEdgePolyline : public CRukHatchEdge {
    DECLARE_SERIAL(CRukHatchEdgePolyline)

public:
    CRukHatchEdgePolyline();

    void Serialize(CArchive& ar) override;
    std::vector<POINT> Outline() const override;
    bool ReadGeometry(const PorRecord& edge, UINT unit) override;
};
