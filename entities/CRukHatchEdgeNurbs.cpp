#include "entities/CRukHatchEdgeNurbs.h"

#include "entities/CCurveChain.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecords.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRukHatchEdgeNurbs, CObject, VERSIONABLE_SCHEMA | 0)

CRukHatchEdgeNurbs::CRukHatchEdgeNurbs() : CRukHatchEdge(PorHatchEdge::NurbsType) {}

void CRukHatchEdgeNurbs::Serialize(CArchive& ar) {
    CheckSchema(ar);
    m_points.Serialize(ar);
    SerializeTypeAndFlag(ar);
    if (ar.IsStoring()) {
        StoreTail(ar);
        return;
    }
    LoadTail(ar, static_cast<std::size_t>(m_points.GetSize()));
    RecalcExtents();
}

std::vector<POINT> CRukHatchEdgeNurbs::Outline() const {
    return TracedOutline(CCurveChain::kExtentsTolerance);
}

std::vector<POINT> CRukHatchEdgeNurbs::TracedOutline(double tolerance) const {
    const long long spans = static_cast<long long>(m_knots.size()) - m_degree - 1;
    return CCurveChain::Truncated(EvaluateSpans(
        m_points, true, static_cast<int>(std::clamp<long long>(spans, 0, INT32_MAX)), tolerance));
}

bool CRukHatchEdgeNurbs::ReadGeometry(const PorRecord& edge, UINT unit) {
    if (!ReadRecord(edge, PorHatchEdge::Degree, PorHatchEdge::Points, unit))
        return false;
    return ReadPoints(edge);
}
