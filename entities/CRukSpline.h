#pragma once
// An open smooth curve through its vertices (kind 0x400), computed when it
// is drawn or measured: drawn as the cubic Bezier segments of the spline,
// dashed, measured and hit along its samples.

#include "entities/CRukPolyline.h"

class CRukSpline : public CRukPolyline {
    DECLARE_SERIAL(CRukSpline)

public:
    CRukSpline();

    // The box of the samples; unchanged without any.
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
    // Near the sampled curve; never without samples.
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;

private:
    // The spline's Bezier control points; fewer than 4 draw nothing.
    std::vector<DPOINT> BezierPoints() const;
};
