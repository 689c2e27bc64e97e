#include "entities/CRukHatchEdgeLine.h"

#include "platform/mfc/CArchive.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukHatchEdgeLine, CObject, VERSIONABLE_SCHEMA | 0)

CRukHatchEdgeLine::CRukHatchEdgeLine() : CRukHatchEdge(PorHatchEdge::LineType) {}

void CRukHatchEdgeLine::Serialize(CArchive& ar) {
    CheckSchema(ar);
    if (ar.IsStoring())
        ar << m_x1 << m_y1 << m_x2 << m_y2;
    else
        ar >> m_x1 >> m_y1 >> m_x2 >> m_y2;
    SerializeTypeAndFlag(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

std::vector<POINT> CRukHatchEdgeLine::Outline() const {
    return {POINT{m_x1, m_y1}, POINT{m_x2, m_y2}};
}

bool CRukHatchEdgeLine::ReadGeometry(const PorRecord& edge, UINT) {
    return ReadEnds(edge);
}
