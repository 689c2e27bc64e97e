#pragma once
// The leader mark with a circle: the circle around its first point through
// its second, the leader starting from the centre or the circle.

#include "markups/CRukLeaderMark.h"

class CRukMarkCircle : public CRukLeaderMark {
    DECLARE_SERIAL(CRukMarkCircle)

public:
    CRukMarkCircle();

protected:
    int ShapeKind() const override;
    POINT ShapeCentre(POINT p0, POINT p1) const override;
    std::vector<POINT> RubberShape(const CMarkupDocument& document, POINT p0,
                                   POINT p1) const override;
    CRukEntity* MakeShape(POINT p0, POINT p1) const override;
    int ClipToShape(const CRukEntity& shape, POINT p, POINT* out, POINT centre,
                    UINT unit) const override;
    CRukEntity* RebuildShape(const CRukEntity& oldShape) const override;
};
