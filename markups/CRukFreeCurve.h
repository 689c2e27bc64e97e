#pragma once
// The freehand stroke: the mouse path recorded while the button is held,
// thinned to the points that keep it within a unit of its chords, and
// drawn as one smooth spline through them.

#include "markups/CRukRedPolyline.h"

#include <vector>

class CRukFreeCurve : public CRukRedPolyline {
    DECLARE_SERIAL(CRukFreeCurve)

public:
    CRukFreeCurve();

    // A click records the point; a finish request completes a stroke of
    // two points or more.
    int AddPoint(int x, int y, int mode) override;
    // A stroke is never ended by releasing on its first point.
    int HitTestPoint(CEntityDocument*, int, int) const override { return 0; }
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;

    // The points kept of a path: the first, then each point that ends the
    // longest run whose inner points all lie within 1000 units (the unit
    // scaling the distance test) of the run's chord; the last always.
    static std::vector<POINT> Thin(const std::vector<POINT>& points, int unit);

protected:
    int PathKind() const override;
};
