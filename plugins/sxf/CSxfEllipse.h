#pragma once
// The SXF "ELLIPSE" feature: one POR ellipse written from its box corners,
// which a placement with unequal scales turns into a parallelogram.

#include "plugins/sxf/CSxfFeature.h"
#include "plugins/sxf/SxfEllipseBox.h"

class CSxfEllipse : public CSxfFeature {
public:
    CSxfEllipse(int id, const CSxfReader* owner, const SxfEllipseData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;

    const SxfEllipseBox& Corners() const { return m_corners; }
    double Rotation() const { return m_data.rotation; }

private:
    void DeriveCorners();

    SxfEllipseData m_data;
    SxfEllipseBox m_corners;
};
