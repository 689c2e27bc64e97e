#include "entities/CBezierOutput.h"

#include "entities/CCurveChain.h"
#include "entities/CRukEntity.h"
#include "entities/CVertexChain.h"
#include "platform/gdi/CDC.h"

void CBezierOutput::TraceA(CRukEntity& entity, CDC* dc, int originX, int originY, double scale,
                           bool closed) {
    if (dc->IsMetafile()) {
        const std::vector<POINT> curve =
            CCurveChain::ToView(entity.FlattenBezier(), originX, originY, scale, true);
        if (closed)
            CCurveChain::Polygon(dc, curve);
        else
            CCurveChain::Polyline(dc, curve);
        return;
    }
    const std::vector<POINT> control = CVertexChain::ToView(entity, originX, originY, scale, false);
    dc->PolyBezier(control.data(), static_cast<int>(control.size()));
}

void CBezierOutput::TraceB(CRukEntity& entity, CDC* dc, int unitDivisor, double scale) {
    const std::vector<POINT> control = CVertexChain::ToPrint(entity, unitDivisor, scale);
    dc->PolyBezier(control.data(), static_cast<int>(control.size()));
}

bool CBezierOutput::DashedA(CRukEntity& entity, CEntityDocument* document, CDC* dc, int originX,
                            int originY, double scale, double patternFactor,
                            const CDrawDefaults* settings) {
    return CCurveChain::DashedA(entity, document, dc, entity.FlattenBezier(), false, originX,
                                originY, scale, patternFactor, settings);
}

bool CBezierOutput::DashedB(CRukEntity& entity, CEntityDocument* document, CDC* dc, int unitDivisor,
                            double scale, double patternFactor) {
    return CCurveChain::DashedB(entity, document, dc, entity.FlattenBezier(), false, unitDivisor,
                                scale, patternFactor);
}
