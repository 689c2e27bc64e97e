#pragma once
// The leader mark with a rectangle: the rectangle of its first two points
// as corners, the leader starting from the box's centre or its outline.

#include "markups/CRukLeaderMark.h"

class CRukMarkSquare : public CRukLeaderMark {
    DECLARE_SERIAL(CRukMarkSquare)

public:
    CRukMarkSquare();

protected:
    int ShapeKind() const override;
    std::vector<POINT> RubberShape(const CMarkupDocument& document, POINT p0,
                                   POINT p1) const override;
    CRukEntity* MakeShape(POINT p0, POINT p1) const override;
    int ClipToShape(const CRukEntity& shape, POINT p, POINT* out, POINT centre,
                    UINT unit) const override;
    CRukEntity* RebuildShape(const CRukEntity& oldShape) const override;
};
