#include "plugins/sxf/CSxfSpline.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfEdgeWords.h"
#include "plugins/sxf/SxfOpenList.h"
#include "por/PorRecords.h"

namespace {

constexpr LONG SplineEdge = 6;

} // namespace

CSxfSpline::CSxfSpline(int id, const CSxfReader* owner, const SxfSplineData& data)
    : CSxfFeature(id, owner, data.codes), m_open(data.open),
      m_vertices(SxfVertices::Of(data.count, data.x, data.y)) {}

std::unique_ptr<CSxfObject> CSxfSpline::Clone() const {
    return std::make_unique<CSxfSpline>(*this);
}

void CSxfSpline::Transform(const CSxfSfigLocate& placement) {
    for (std::size_t i = 0; i < m_vertices.Count(); ++i) {
        placement.PlacePoint(m_vertices.x[i], m_vertices.y[i]);
    }
}

bool CSxfSpline::MakesBezierSegments() const {
    return m_vertices.Count() >= 4 && m_vertices.Count() % 3 == 1;
}

int CSxfSpline::WritePOR(PorBlockWriter& stream) const {
    const std::vector<POINT> points = m_vertices.ToPor(UnitScale());
    if (!MakesBezierSegments()) {
        SxfWriteOpenList(stream, PorPolyline::Type, MakePen(), points, LayerName());
    } else if (IsOpen()) {
        SxfWriteOpenList(stream, PorBezier::Type, MakePen(), points, LayerName());
    } else {
        PorRecordBuilder record(PorCBezier::Type);
        record.Set(PorCBezier::Pen, MakePen());
        record.Set(PorCBezier::Transparent, 1);
        record.Set(PorCBezier::Points, points);
        record.Set(PorCBezier::Layer, LayerName());
        stream.Append(record);
    }
    return 1;
}

std::vector<BYTE> CSxfSpline::MakeBoundaryEdge() const {
    return SxfEdgeWords(m_vertices.EdgeWords(SplineEdge, UnitScale()));
}
