#include "entities/CRukNurbs.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityBody.h"
#include "entities/CEntityDocument.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukNurbs, CObject, VERSIONABLE_SCHEMA | 0)

CRukNurbs::CRukNurbs() {
    m_kind = kKindNurbs;
}

void CRukNurbs::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        CEntityBody::StoreOpen(*this, ar);
        StoreTail(ar);
        return;
    }
    if (ar.GetObjectSchema() != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_points.Serialize(ar);
    CEntityBody::LoadOpen(*this, ar, true);
    m_savedColor = m_color;
    LoadTail(ar, static_cast<std::size_t>(m_points.GetSize()));
    RecalcExtents();
}

std::vector<DPOINT> CRukNurbs::EvaluatedPoints(double tolerance) const {
    return Evaluate(m_points, true, tolerance);
}

void CRukNurbs::RecalcExtents() {
    CCurveChain::SetExtents(
        *this, CCurveChain::Truncated(EvaluatedPoints(CCurveChain::kExtentsTolerance)));
}

int CRukNurbs::CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                                int defaultWidth) {
    if (!record || !document || record->Type() != PorNurbs::Type)
        return 0;
    // The curve needs its weights and knots as much as its points.
    if (!ReadRecord(*record, PorNurbs::Degree, PorNurbs::ControlPoints, document->GetUnit()))
        return 0;
    return FillFromRecord(record, PorNurbs::Type, PorNurbs::ControlPoints, defaultWidth);
}

void CRukNurbs::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                       const RECT&, BOOL) {
    CCurveChain::Polyline(
        dc, CCurveChain::ToView(EvaluatedPoints(CCurveChain::ViewTolerance(dc, scale)), originX,
                                originY, scale, dc->IsMetafile()));
}

void CRukNurbs::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    CCurveChain::Polyline(
        dc,
        CCurveChain::ToPrint(EvaluatedPoints(CCurveChain::PrintTolerance(dc, unitDivisor, scale)),
                             unitDivisor, scale));
}

void CRukNurbs::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                          double scale, double patternFactor, const CDrawDefaults* settings,
                          const RECT& clip) {
    if (!CCurveChain::DashedA(*this, document, dc,
                              EvaluatedPoints(CCurveChain::ViewTolerance(dc, scale)), false,
                              originX, originY, scale, patternFactor, settings))
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukNurbs::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                          double patternFactor, const CDrawDefaults* settings) {
    if (!CCurveChain::DashedB(*this, document, dc,
                              EvaluatedPoints(CCurveChain::PrintTolerance(dc, unitDivisor, scale)),
                              false, unitDivisor, scale, patternFactor))
        TraceB(dc, unitDivisor, scale, settings);
}
