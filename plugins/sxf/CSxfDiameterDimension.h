#pragma once
// The SXF "DIAMETER_DIMENSION" feature: its text, the dimension line and
// an arrowhead at each end whose flag is not 0, each turned by its own flag.

#include "plugins/sxf/CSxfAnnotation.h"

class CSxfDiameterDimension : public CSxfAnnotation {
public:
    CSxfDiameterDimension(int id, const CSxfReader* owner, const SxfDiameterDimData& data);

    std::unique_ptr<CSxfObject> Clone() const override;

    double Arrow1Angle() const { return m_arrow1Angle; }
    double Arrow2Angle() const { return m_arrow2Angle; }

protected:
    void MakeParts() override;
    void TransformOwn(const CSxfSfigLocate& placement) override;
    void WriteArrows(PorBlockWriter& stream) const override;

private:
    SxfDiameterDimData m_data;
    double m_arrow1Angle;
    double m_arrow2Angle;
};
