#pragma once
// The leader mark with an ellipse: the ellipse in the box of its first two
// points, the leader starting from the box's centre or its outline.

#include "markups/CRukLeaderMark.h"

class CRukMarkEllipse : public CRukLeaderMark {
    DECLARE_SERIAL(CRukMarkEllipse)

public:
    CRukMarkEllipse();

protected:
    int ShapeKind() const override;
    std::vector<POINT> RubberShape(const CMarkupDocument& document, POINT p0,
                                   POINT p1) const override;
    CRukEntity* MakeShape(POINT p0, POINT p1) const override;
    int ClipToShape(const CRukEntity& shape, POINT p, POINT* out, POINT centre,
                    UINT unit) const override;
    CRukEntity* RebuildShape(const CRukEntity& oldShape) const override;
};
