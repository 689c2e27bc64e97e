#pragma once
// A NURBS hatch edge (type 4): control points in the point list, with degree,
// knots, weights and record scale. Its knot spans stop degree spans short of
// the knot vector's end, and its last control point closes it.

#include "entities/CNurbsData.h"
#include "entities/CRukHatchEdge.h"

class CRukHatchEdgeNurbs : public CRukHatchEdge, public CNurbsData {
    DECLARE_SERIAL(CRukHatchEdgeNurbs)

public:
    CRukHatchEdgeNurbs();

    void Serialize(CArchive& ar) override;
    std::vector<POINT> Outline() const override;
    std::vector<POINT> TracedOutline(double tolerance) const override;
    bool ReadGeometry(const PorRecord& edge, UINT unit) override;
};
