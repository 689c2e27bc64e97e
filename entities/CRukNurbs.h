#pragma once
// An open rational B-spline curve (kind 0x10000): control points in the
// vertex list, with degree, knots, weights and record scale. It is drawn
// as a polyline of its evaluated points, ending at its last control point,
// and hit and edited by its control polygon.

#include "entities/CNurbsData.h"
#include "entities/CRukPolyline.h"

class CRukNurbs : public CRukPolyline, public CNurbsData {
    DECLARE_SERIAL(CRukNurbs)

public:
    CRukNurbs();

    void Serialize(CArchive& ar) override;
    // The box of the evaluated points; unchanged without any.
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

    // The curve within the chord tolerance, in drawing units.
    std::vector<DPOINT> EvaluatedPoints(double tolerance) const;
};
