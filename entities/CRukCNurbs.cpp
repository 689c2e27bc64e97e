#include "entities/CRukCNurbs.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityDocument.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukCNurbs, CObject, VERSIONABLE_SCHEMA | 0)

CRukCNurbs::CRukCNurbs() {
    m_kind = kKindCNurbs;
}

void CRukCNurbs::Serialize(CArchive& ar) {
    SerializeCurveBody(ar);
    if (ar.IsStoring()) {
        StoreTail(ar);
        return;
    }
    LoadTail(ar, static_cast<std::size_t>(m_points.GetSize()));
    RecalcExtents();
}

std::vector<DPOINT> CRukCNurbs::EvaluatedPoints(double tolerance) const {
    return Evaluate(m_points, false, tolerance);
}

void CRukCNurbs::RecalcExtents() {
    CCurveChain::SetExtents(
        *this, CCurveChain::Truncated(EvaluatedPoints(CCurveChain::kExtentsTolerance)));
}

int CRukCNurbs::CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                                 int defaultWidth) {
    if (!record || !document || record->Type() != PorCNurbs::Type)
        return 0;
    // The curve needs its weights and knots as much as its points.
    if (!ReadRecord(*record, PorCNurbs::Degree, PorCNurbs::ControlPoints, document->GetUnit()))
        return 0;
    return FillFromRecord(record, PorCNurbs::Type, PorCNurbs::ControlPoints, defaultWidth);
}

void CRukCNurbs::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                        const RECT&, BOOL) {
    CCurveChain::Polygon(dc,
                         CCurveChain::ToView(EvaluatedPoints(CCurveChain::ViewTolerance(dc, scale)),
                                             originX, originY, scale, dc->IsMetafile()));
}

void CRukCNurbs::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    CCurveChain::Polygon(
        dc,
        CCurveChain::ToPrint(EvaluatedPoints(CCurveChain::PrintTolerance(dc, unitDivisor, scale)),
                             unitDivisor, scale));
}

void CRukCNurbs::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                           double scale, double patternFactor, const CDrawDefaults* settings,
                           const RECT& clip) {
    if (!CCurveChain::DashedA(*this, document, dc,
                              EvaluatedPoints(CCurveChain::ViewTolerance(dc, scale)), true, originX,
                              originY, scale, patternFactor, settings))
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukCNurbs::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                           double patternFactor, const CDrawDefaults* settings) {
    if (!CCurveChain::DashedB(*this, document, dc,
                              EvaluatedPoints(CCurveChain::PrintTolerance(dc, unitDivisor, scale)),
                              true, unitDivisor, scale, patternFactor))
        TraceB(dc, unitDivisor, scale, settings);
}
