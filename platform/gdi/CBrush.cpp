#include "platform/gdi/CBrush.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    const LOGBRUSH brush{BS_SOLID, color, 0};
    return CreateBrushIndirect(&brush);
}

BOOL CBrush::CreateHatchBrush(int index, COLORREF color) {
    if (index < HS_HORIZONTAL)
        return FALSE;
    const LOGBRUSH brush{BS_HATCHED, color, static_cast<ULONG>(index)};
    return CreateBrushIndirect(&brush);
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* brush) {
    if (!brush || brush->lbStyle > BS_HATCHED ||
        (brush->lbStyle == BS_HATCHED && brush->lbHatch > static_cast<ULONG>(HS_DIAGCROSS)))
        return FALSE;
    m_brush = *brush;
    if (m_brush.lbStyle != BS_HATCHED)
        m_brush.lbHatch = 0;
    MarkCreated();
    return TRUE;
}

BOOL CBrush::GetLogBrush(LOGBRUSH* brush) const {
    if (!GetSafeHandle() || !brush)
        return FALSE;
    *brush = m_brush;
    return TRUE;
}
