#pragma once
// A circular-arc hatch edge (type 2): the corners of the circle's box in the
// point list, start and end as the defining points; sampled every 5 degrees,
// or every degree on circles of radius above 180.

#include "entities/CRukHatchEdge.h"

class CRukHatchEdgeArc : public CRukHatchEdge {
    DECLARE_SERIAL(CRukHatchEdgeArc)

public:
    CRukHatchEdgeArc();

    void Serialize(CArchive& ar) override;
    std::vector<POINT> Outline() const override;
    bool ReadGeometry(const PorRecord& edge, UINT unit) override;
};
