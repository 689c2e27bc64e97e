#pragma once
// The SXF "BALLOON" feature: its text, the leader polyline, the circle and
// an arrowhead at the leader's first vertex, pointing away from the second.

#include "plugins/sxf/CSxfAnnotation.h"

class CSxfBalloon : public CSxfAnnotation {
public:
    CSxfBalloon(int id, const CSxfReader* owner, const SxfBalloonData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    std::size_t PointCount() const override { return m_leader.Count(); }

    double ArrowAngle() const { return m_leaderAngle; }

protected:
    void MakeParts() override;
    void TransformOwn(const CSxfSfigLocate& placement) override;
    void WriteArrows(PorBlockWriter& stream) const override;

private:
    SxfBalloonData m_data;
    // The vertices the data give, held to the arrays.
    SxfVertices m_leader;
    double m_leaderAngle;
};
