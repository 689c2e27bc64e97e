#pragma once
// The SXF "LABEL" feature: its text, the leader polyline and an arrowhead
// at the leader's first vertex, pointing away from the second.

#include "plugins/sxf/CSxfAnnotation.h"

class CSxfLabel : public CSxfAnnotation {
public:
    CSxfLabel(int id, const CSxfReader* owner, const SxfLabelData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    std::size_t PointCount() const override { return m_leader.Count(); }

    double ArrowAngle() const { return m_arrowAngle; }

protected:
    void MakeParts() override;
    void TransformOwn(const CSxfSfigLocate& placement) override;
    void WriteArrows(PorBlockWriter& stream) const override;

private:
    SxfLabelData m_data;
    // The vertices the data give, held to the arrays.
    SxfVertices m_leader;
    double m_arrowAngle;
};
