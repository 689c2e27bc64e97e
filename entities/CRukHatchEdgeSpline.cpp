#include "entities/CRukHatchEdgeSpline.h"

#include "entities/CCurveChain.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukHatchEdgeSpline, CObject, VERSIONABLE_SCHEMA | 0)

CRukHatchEdgeSpline::CRukHatchEdgeSpline() : CRukHatchEdge(PorHatchEdge::SplineType) {}

void CRukHatchEdgeSpline::Serialize(CArchive& ar) {
    CheckSchema(ar);
    m_points.Serialize(ar);
    SerializeTypeAndFlag(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

std::vector<POINT> CRukHatchEdgeSpline::Outline() const {
    // Every sample the spline gives, however many its fit points make.
    return CCurveChain::Truncated(SampleSpline());
}

bool CRukHatchEdgeSpline::ReadGeometry(const PorRecord& edge, UINT) {
    return ReadPoints(edge);
}
