#pragma once
// The SXF "LINEAR_DIMENSION" feature: its text, the dimension line, the
// shown projection lines and an arrowhead at each end whose placement code
// is not 0. Each arrowhead's direction follows its own placement code: 1
// points away from the other end, 2 towards it.

#include "plugins/sxf/CSxfAnnotation.h"

class CSxfLinearDimension : public CSxfAnnotation {
public:
    CSxfLinearDimension(int id, const CSxfReader* owner, const SxfLinearDimData& data);

    std::unique_ptr<CSxfObject> Clone() const override;

    double Arrow1Angle() const { return m_arrow1Angle; }
    double Arrow2Angle() const { return m_arrow2Angle; }

protected:
    void MakeParts() override;
    void TransformOwn(const CSxfSfigLocate& placement) override;
    void WriteArrows(PorBlockWriter& stream) const override;

private:
    SxfLinearDimData m_data;
    double m_arrow1Angle;
    double m_arrow2Angle;
};
