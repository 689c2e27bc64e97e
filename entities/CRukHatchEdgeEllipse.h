#pragma once
// An elliptical-arc hatch edge (type 3): the corners of the ellipse's (turned
// or sheared) box in the point list, start and end as the defining points;
// sampled every 5 degrees, or every degree when both semi-axes exceed 90.

#include "entities/CRukHatchEdge.h"

class CRukHatchEdgeEllipse : public CRukHatchEdge {
    DECLARE_SERIAL(CRukHatchEdgeEllipse)

public:
    CRukHatchEdgeEllipse();

    void Serialize(CArchive& ar) override;
    std::vector<POINT> Outline() const override;
    bool ReadGeometry(const PorRecord& edge, UINT unit) override;
};
