#include "entities/CRukSpline.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityDocument.h"
#include "entities/CVertexChain.h"
#include "entities/EntityKinds.h"
#include "geometry/CurveMath.h"
#include "platform/gdi/CDC.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukSpline, CObject, VERSIONABLE_SCHEMA | 2)

CRukSpline::CRukSpline() {
    m_kind = kKindSpline;
}

void CRukSpline::RecalcExtents() {
    CCurveChain::SetExtents(*this, CCurveChain::Truncated(SampleSpline()));
}

int CRukSpline::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    return FillFromRecord(record, PorSpline::Type, PorSpline::Points, defaultWidth);
}

std::vector<DPOINT> CRukSpline::BezierPoints() const {
    return SplineBezierPoints(m_points.GetData(), static_cast<int>(m_points.GetSize()));
}

void CRukSpline::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                        const RECT&, BOOL) {
    if (dc->IsMetafile()) {
        CCurveChain::Polyline(dc,
                              CCurveChain::ToView(SampleSpline(), originX, originY, scale, true));
        return;
    }
    const std::vector<DPOINT> bezier = BezierPoints();
    if (bezier.size() <= 3)
        return;
    const std::vector<POINT> control = CCurveChain::ToView(bezier, originX, originY, scale, false);
    dc->PolyBezier(control.data(), static_cast<int>(control.size()));
}

void CRukSpline::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    const std::vector<DPOINT> bezier = BezierPoints();
    if (bezier.size() <= 3)
        return;
    const std::vector<POINT> control = CCurveChain::ToPrint(bezier, unitDivisor, scale);
    dc->PolyBezier(control.data(), static_cast<int>(control.size()));
}

void CRukSpline::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                           double scale, double patternFactor, const CDrawDefaults* settings,
                           const RECT& clip) {
    if (!CCurveChain::DashedA(*this, document, dc, SampleSpline(), false, originX, originY, scale,
                              patternFactor, settings))
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukSpline::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                           double patternFactor, const CDrawDefaults* settings) {
    if (!CCurveChain::DashedB(*this, document, dc, SampleSpline(), false, unitDivisor, scale,
                              patternFactor))
        TraceB(dc, unitDivisor, scale, settings);
}

int CRukSpline::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    return CVertexChain::HitEdges(
        *this, CCurveChain::ToDocumentView(CCurveChain::Truncated(SampleSpline()), document, 0, 0),
        document->LogicalToDevicePoint(x, y));
}
