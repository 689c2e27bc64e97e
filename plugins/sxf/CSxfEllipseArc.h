#pragma once
// The SXF "ELLIPSE_ARC" feature: one POR elliptical arc from its box corners
// and its two end points; direction 1 is the clockwise arc, written with its
// ends swapped. Also a member of composite curves, as a boundary edge.

#include "plugins/sxf/CSxfFeature.h"
#include "plugins/sxf/SxfEllipseBox.h"

class CSxfEllipseArc : public CSxfFeature {
public:
    CSxfEllipseArc(int id, const CSxfReader* owner, const SxfEllipseArcData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;
    std::vector<BYTE> MakeBoundaryEdge() const override;

    const SxfEllipseArcData& Data() const { return m_data; }

private:
    void Derive();
    bool Clockwise() const { return m_data.direction == 1; }

    SxfEllipseArcData m_data;
    SxfEllipseBox m_corners;
    double m_startX = 0, m_startY = 0, m_endX = 0, m_endY = 0;
};
