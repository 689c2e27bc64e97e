#pragma once
// The SXF "CLOTHOID" feature: eleven points of the curve, equally spaced
// along its length, written as one POR spline. It gives no hatch edge.

#include "plugins/sxf/CSxfFeature.h"

class CSxfClothoid : public CSxfFeature {
public:
    static constexpr int SampleCount = 11;

    CSxfClothoid(int id, const CSxfReader* owner, const SxfClothoidData& data)
        : CSxfFeature(id, owner, data.codes), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;

    // The sample points in millimetres.
    std::vector<std::array<double, 2>> Samples() const;

private:
    SxfClothoidData m_data;
};
