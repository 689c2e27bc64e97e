#include "entities/CRukHatchEdgePolyline.h"

#include "platform/mfc/CArchive.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukHatchEdgePolyline, CObject, VERSIONABLE_SCHEMA | 0)

CRukHatchEdgePolyline::CRukHatchEdgePolyline() : CRukHatchEdge(PorHatchEdge::PolylineType) {}

void CRukHatchEdgePolyline::Serialize(CArchive& ar) {
    CheckSchema(ar);
    m_points.Serialize(ar);
    SerializeTypeAndFlag(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

std::vector<POINT> CRukHatchEdgePolyline::Outline() const {
    return std::vector<POINT>(m_points.GetData(), m_points.GetData() + m_points.GetSize());
}

bool CRukHatchEdgePolyline::ReadGeometry(const PorRecord& edge, UINT) {
    return ReadPoints(edge);
}
