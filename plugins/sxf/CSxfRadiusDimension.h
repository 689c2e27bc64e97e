#pragma once
// The SXF "RADIUS_DIMENSION" feature: its text, the dimension line and one
// arrowhead, pointing along the line (placement code 1) or back (2).

#include "plugins/sxf/CSxfAnnotation.h"

class CSxfRadiusDimension : public CSxfAnnotation {
public:
    CSxfRadiusDimension(int id, const CSxfReader* owner, const SxfRadiusDimData& data);

    std::unique_ptr<CSxfObject> Clone() const override;

    double ArrowAngle() const { return m_arrowAngle; }

protected:
    void MakeParts() override;
    void TransformOwn(const CSxfSfigLocate& placement) override;
    void WriteArrows(PorBlockWriter& stream) const override;

private:
    SxfRadiusDimData m_data;
    double m_arrowAngle;
};
