#include "plugins/sxf/CSxfPolyLine.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfEdgeWords.h"
#include "plugins/sxf/SxfOpenList.h"
#include "por/PorRecords.h"

IMPLEMENT_DYNAMIC(CSxfPolyLine, CSxfObject)

namespace {

constexpr LONG PolylineEdge = 5;

} // namespace

CSxfPolyLine::CSxfPolyLine(int id, const CSxfReader* owner, const SxfPolylineData& data)
    : CSxfFeature(id, owner, data.codes), m_vertices(SxfVertices::Of(data.count, data.x, data.y)) {}

std::unique_ptr<CSxfObject> CSxfPolyLine::Clone() const {
    return std::make_unique<CSxfPolyLine>(*this);
}

void CSxfPolyLine::Transform(const CSxfSfigLocate& placement) {
    for (std::size_t i = 0; i < m_vertices.Count(); ++i) {
        placement.PlacePoint(m_vertices.x[i], m_vertices.y[i]);
    }
}

int CSxfPolyLine::WritePOR(PorBlockWriter& stream) const {
    SxfWriteOpenList(stream, PorPolyline::Type, MakePen(), m_vertices.ToPor(UnitScale()),
                     LayerName());
    return 1;
}

std::vector<BYTE> CSxfPolyLine::MakeBoundaryEdge() const {
    return SxfEdgeWords(m_vertices.EdgeWords(PolylineEdge, UnitScale()));
}

void CSxfPolyLine::SetWidth(int code) {
    if (code != 0) {
        StoreWidth(code);
    }
}
