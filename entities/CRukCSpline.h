#pragma once
// A closed smooth curve through its vertices (kind 0x4000), drawn as a
// polygon of 25 samples per span, so that it is filled on every output. It
// is hit by its vertex polygon.

#include "entities/CRukPolygon.h"

class CRukCSpline : public CRukPolygon {
    DECLARE_SERIAL(CRukCSpline)

public:
    CRukCSpline();

    void Serialize(CArchive& ar) override;
    // The vertices united with the sampled curve.
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
