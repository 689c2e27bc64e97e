#include "entities/CRukCBezier.h"

#include "entities/CBezierOutput.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukCBezier, CObject, VERSIONABLE_SCHEMA | 0)

CRukCBezier::CRukCBezier() {
    m_kind = kKindCBezier;
}

void CRukCBezier::Serialize(CArchive& ar) {
    SerializeCurveBody(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

void CRukCBezier::RecalcExtents() {
    RecalcClosedSplineExtents();
}

int CRukCBezier::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    return FillFromRecord(record, PorCBezier::Type, PorCBezier::Points, defaultWidth);
}

void CRukCBezier::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                         const RECT&, BOOL) {
    CBezierOutput::TraceA(*this, dc, originX, originY, scale, true);
}

void CRukCBezier::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    CBezierOutput::TraceB(*this, dc, unitDivisor, scale);
}

void CRukCBezier::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                            double scale, double patternFactor, const CDrawDefaults* settings,
                            const RECT& clip) {
    if (!CBezierOutput::DashedA(*this, document, dc, originX, originY, scale, patternFactor,
                                settings))
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukCBezier::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                            double patternFactor, const CDrawDefaults* settings) {
    if (!CBezierOutput::DashedB(*this, document, dc, unitDivisor, scale, patternFactor))
        TraceB(dc, unitDivisor, scale, settings);
}
