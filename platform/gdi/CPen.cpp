#include "platform/gdi/CPen.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (style < static_cast<int>(PS_SOLID) || style > static_cast<int>(PS_INSIDEFRAME) || width < 0)
        return FALSE;
    m_pen = ExtLogPen{};
    m_pen.style = static_cast<DWORD>(style);
    m_pen.width = static_cast<DWORD>(width);
    m_pen.color = color;
    MarkCreated();
    return TRUE;
}

BOOL CPen::ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH& brush, DWORD styleCount,
                        const DWORD* styles) {
    const DWORD type = style & PS_TYPE_MASK;
    const DWORD lineStyle = style & PS_STYLE_MASK;
    const bool known =
        (style & ~(PS_TYPE_MASK | PS_STYLE_MASK | PS_ENDCAP_MASK | PS_JOIN_MASK)) == 0 &&
        (type == PS_COSMETIC || type == PS_GEOMETRIC) && lineStyle <= PS_ALTERNATE &&
        (style & PS_ENDCAP_MASK) <= PS_ENDCAP_FLAT && (style & PS_JOIN_MASK) <= PS_JOIN_MITER;
    if (!known || brush.lbStyle > BS_HATCHED)
        return FALSE;
    if (type == PS_COSMETIC && (width != 1 || brush.lbStyle != BS_SOLID))
        return FALSE;
    if (lineStyle == PS_ALTERNATE && type != PS_COSMETIC)
        return FALSE;
    if (lineStyle == PS_USERSTYLE) {
        if (styleCount == 0 || styleCount > kMaxUserStyles || !styles ||
            std::all_of(styles, styles + styleCount, [](DWORD length) { return length == 0; }))
            return FALSE;
    } else if (styleCount != 0) {
        return FALSE;
    }
    m_pen = ExtLogPen{};
    m_pen.style = style;
    m_pen.width = width;
    m_pen.brushStyle = brush.lbStyle;
    m_pen.color = brush.lbColor;
    m_pen.hatch = brush.lbHatch;
    if (lineStyle == PS_USERSTYLE)
        m_pen.userStyle.assign(styles, styles + styleCount);
    m_pen.extended = true;
    MarkCreated();
    return TRUE;
}

BOOL CPen::GetExtLogPen(ExtLogPen* pen) const {
    if (!GetSafeHandle() || !pen)
        return FALSE;
    *pen = m_pen;
    return TRUE;
}
