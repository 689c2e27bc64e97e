#include "entities/CHatchFill.h"

void CHatchFill::DrawA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                       const CHatchBox& box, COLORREF fillColor) {
    Fill(dc, CHatchMapping::ForView(dc, originX, originY, scale), box, fillColor);
}

void CHatchFill::DrawB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*,
                       const CHatchBox& box, COLORREF fillColor) {
    Fill(dc, CHatchMapping::ForPrint(dc, unitDivisor, scale), box, fillColor);
}
