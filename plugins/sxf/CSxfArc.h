#pragma once
// The SXF "ARC" feature: one POR arc through the box of its circle; an arc
// of direction 1 is written from its end angle to its start angle. Also a
// member of composite curves, as a boundary edge.

#include "plugins/sxf/CSxfFeature.h"

class CSxfArc : public CSxfFeature {
public:
    CSxfArc(int id, const CSxfReader* owner, const SxfArcData& data)
        : CSxfFeature(id, owner, data.codes), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;
    std::vector<BYTE> MakeBoundaryEdge() const override;

    const SxfArcData& Data() const { return m_data; }

private:
    // The two ends in writing order.
    std::array<POINT, 2> Ends(int scale) const;

    SxfArcData m_data;
};
