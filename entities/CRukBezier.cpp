#include "entities/CRukBezier.h"

#include "entities/CBezierOutput.h"
#include "entities/EntityKinds.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukBezier, CObject, VERSIONABLE_SCHEMA | 2)

CRukBezier::CRukBezier() {
    m_kind = kKindBezier;
}

int CRukBezier::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    return FillFromRecord(record, PorBezier::Type, PorBezier::Points, defaultWidth);
}

void CRukBezier::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                        const RECT&, BOOL) {
    CBezierOutput::TraceA(*this, dc, originX, originY, scale, false);
}

void CRukBezier::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    CBezierOutput::TraceB(*this, dc, unitDivisor, scale);
}

void CRukBezier::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                           double scale, double patternFactor, const CDrawDefaults* settings,
                           const RECT& clip) {
    if (!CBezierOutput::DashedA(*this, document, dc, originX, originY, scale, patternFactor,
                                settings))
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukBezier::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                           double patternFactor, const CDrawDefaults* settings) {
    if (!CBezierOutput::DashedB(*this, document, dc, unitDivisor, scale, patternFactor))
        TraceB(dc, unitDivisor, scale, settings);
}
