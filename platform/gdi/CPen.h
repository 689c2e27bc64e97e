#pragma once
// A pen: CreatePen for the simple styles, ExtCreatePen for geometric pens
// with end caps, joins and user styles.

#include "platform/gdi/CGdiObject.h"
#include "platform/gdi/ExtLogPen.h"

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)

public:
    CPen() = default;

    // PS_SOLID to PS_INSIDEFRAME; width in logical units, 0 for one pixel.
    BOOL CreatePen(int style, int width, COLORREF color);
    // Type, style, end cap and join or'ed together. A cosmetic pen is one
    // pixel wide (width 1) with a solid brush; PS_USERSTYLE takes 1 to 32
    // lengths, not all zero, and no other style takes any.
    BOOL ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH& brush, DWORD styleCount,
                      const DWORD* styles);

    // The pen's description; FALSE while the pen is empty.
    BOOL GetExtLogPen(ExtLogPen* pen) const;

    static constexpr DWORD kMaxUserStyles = 32;

protected:
    void Clear() override { m_pen = ExtLogPen{}; }

private:
    ExtLogPen m_pen;
};
