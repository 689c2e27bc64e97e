#pragma once
// The SXF "POLYLINE" feature: one POR polyline. The only feature class the
// placement of a raster image recognises by its class record: the image's
// frame.

#include "plugins/sxf/CSxfFeature.h"
#include "plugins/sxf/SxfVertices.h"

class CSxfPolyLine : public CSxfFeature {
    DECLARE_DYNAMIC(CSxfPolyLine)

public:
    CSxfPolyLine() = default;
    CSxfPolyLine(int id, const CSxfReader* owner, const SxfPolylineData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;
    std::vector<BYTE> MakeBoundaryEdge() const override;
    std::size_t PointCount() const override { return m_vertices.Count(); }
    // A placement's width reaches the polyline when it names one.
    void SetWidth(int code) override;

    SxfVertices m_vertices;
};
