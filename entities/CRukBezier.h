#pragma once
// An open piecewise cubic Bezier curve (kind 0x800): its vertices are the
// control points, a start point and three points per segment. It keeps the
// polyline's body, pens, grips, hit test and editing.

#include "entities/CRukPolyline.h"

class CRukBezier : public CRukPolyline {
    DECLARE_SERIAL(CRukBezier)

public:
    CRukBezier();

    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    // PolyBezier of the control points; a metafile gets the flattened curve.
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                   double patternFactor, const CDrawDefaults* settings) override;
    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override;
};
