#pragma once
// The SXF "ANGULAR_DIMENSION" feature: its text, the dimension arc, the
// shown projection lines and an arrowhead for each flag that is not 0,
// across its projection line.

#include "plugins/sxf/CSxfAnnotation.h"

class CSxfAngularDimension : public CSxfAnnotation {
public:
    CSxfAngularDimension(int id, const CSxfReader* owner, const SxfAngularDimData& data);

    std::unique_ptr<CSxfObject> Clone() const override;

    double Arrow1Angle() const { return m_arrow1Angle; }
    double Arrow2Angle() const { return m_arrow2Angle; }

protected:
    void MakeParts() override;
    void TransformOwn(const CSxfSfigLocate& placement) override;
    void WriteArrows(PorBlockWriter& stream) const override;

private:
    SxfAngularDimData m_data;
    double m_arrow1Angle;
    double m_arrow2Angle;
};
