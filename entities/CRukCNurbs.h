#pragma once
// A closed rational B-spline curve (kind 0x20000): drawn as a polygon of its
// evaluated points, filled by the polygon's brush, and hit and edited by
// its control polygon.

#include "entities/CNurbsData.h"
#include "entities/CRukPolygon.h"

class CRukCNurbs : public CRukPolygon, public CNurbsData {
    DECLARE_SERIAL(CRukCNurbs)

public:
    CRukCNurbs();

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
