#include "entities/CRukCSpline.h"

#include "entities/CCurveChain.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukCSpline, CObject, VERSIONABLE_SCHEMA | 0)

CRukCSpline::CRukCSpline() {
    m_kind = kKindCSpline;
}

void CRukCSpline::Serialize(CArchive& ar) {
    SerializeCurveBody(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

void CRukCSpline::RecalcExtents() {
    RecalcClosedSplineExtents();
}

int CRukCSpline::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    return FillFromRecord(record, PorCSpline::Type, PorCSpline::Points, defaultWidth);
}

void CRukCSpline::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                         const RECT&, BOOL) {
    CCurveChain::Polygon(
        dc, CCurveChain::ToView(SampleClosedSpline(), originX, originY, scale, dc->IsMetafile()));
}

void CRukCSpline::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    CCurveChain::Polygon(dc, CCurveChain::ToPrint(SampleClosedSpline(), unitDivisor, scale));
}

void CRukCSpline::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                            double scale, double patternFactor, const CDrawDefaults* settings,
                            const RECT& clip) {
    if (!CCurveChain::DashedA(*this, document, dc, SampleClosedSpline(), true, originX, originY,
                              scale, patternFactor, settings))
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukCSpline::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                            double patternFactor, const CDrawDefaults* settings) {
    if (!CCurveChain::DashedB(*this, document, dc, SampleClosedSpline(), true, unitDivisor, scale,
                              patternFactor))
        TraceB(dc, unitDivisor, scale, settings);
}
