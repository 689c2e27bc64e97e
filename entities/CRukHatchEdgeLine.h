#pragma once
// A straight hatch edge (type 1) from its first defining point to its second.

#include "entities/CRukHatchEdge.h"

class CRukHatchEdgeLine : public CRukHatchEdge {
    DECLARE_SERIAL(CRukHatchEdgeLine)

public:
    CRukHatchEdgeLine();

    void Serialize(CArchive& ar) override;
    std::vector<POINT> Outline() const override;
    bool ReadGeometry(const PorRecord& edge, UINT unit) override;
};
