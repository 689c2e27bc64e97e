#pragma once
// A closed piecewise cubic Bezier curve (kind 0x8000). Screens and printers
// draw its outline with PolyBezier only; a metafile gets the flattened curve
// as a filled polygon.

#include "entities/CRukPolygon.h"

class CRukCBezier : public CRukPolygon {
    DECLARE_SERIAL(CRukCBezier)

public:
    CRukCBezier();

    void Serialize(CArchive& ar) override;
    // The control points united with a closed spline through them.
    void RecalcExtents() override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                   double patternFactor, const CDrawDefaults* settings) override;
    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override;
};
