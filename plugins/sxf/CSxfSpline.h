#pragma once
// The SXF "SPLINE" feature: its vertices are the points of Bezier curves,
// written as an open or a closed POR Bezier curve. Vertices that cannot make
// whole cubic segments (a count that is not 3k + 1) are written as a
// polyline instead.

#include "plugins/sxf/CSxfFeature.h"
#include "plugins/sxf/SxfVertices.h"

class CSxfSpline : public CSxfFeature {
public:
    CSxfSpline(int id, const CSxfReader* owner, const SxfSplineData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;
    std::vector<BYTE> MakeBoundaryEdge() const override;
    std::size_t PointCount() const override { return m_vertices.Count(); }

private:
    bool IsOpen() const { return m_open != 0; }
    bool MakesBezierSegments() const;

    int m_open;
    SxfVertices m_vertices;
};
