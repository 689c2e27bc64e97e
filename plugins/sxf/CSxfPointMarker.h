#pragma once
// The SXF "POINT_MARKER" feature: a small symbol of fixed size chosen by its
// marker code, drawn as lines, a circle or a single dot.

#include "plugins/sxf/CSxfFeature.h"

// Only its layer and colour codes count: the pen has line-type code 0 and
// width code 0.
class CSxfPointMarker : public CSxfFeature {
public:
    CSxfPointMarker(int id, const CSxfReader* owner, const SxfPointMarkerData& data)
        : CSxfFeature(id, owner, {data.layer, data.colour, 0, 0}), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;

private:
    // Position, code, angle and scale; the codes live in the feature.
    SxfPointMarkerData m_data;
};
