#pragma once
// The base of a hatch's fill objects (pattern line families and the tile):
// data-only entities that the hatch asks to draw over its extents box with
// the pen it has selected, inside the clip it has set.

#include "entities/CHatchMapping.h"
#include "entities/CRukEntity.h"

class CHatchFill : public CRukEntity {
public:
    using CRukEntity::DrawA;
    using CRukEntity::DrawB;
    // The fill over the box: view units, y negated on a metafile (A), or
    // printer units (B). Dots are set in the fill colour.
    void DrawA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
               const CHatchBox& box, COLORREF fillColor);
    void DrawB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings,
               const CHatchBox& box, COLORREF fillColor);

protected:
    CHatchFill() = default;

    virtual void Fill(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box,
                      COLORREF fillColor) = 0;
};
