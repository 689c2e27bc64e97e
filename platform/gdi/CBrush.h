#pragma once
// A brush: solid, hatched (the six GDI hatches) or, as a stock object, null.

#include "platform/gdi/CGdiObject.h"

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)

public:
    CBrush() = default;

    BOOL CreateSolidBrush(COLORREF color);
    // HS_HORIZONTAL to HS_DIAGCROSS.
    BOOL CreateHatchBrush(int index, COLORREF color);
    // BS_SOLID, BS_NULL, or BS_HATCHED with one of the six hatches.
    BOOL CreateBrushIndirect(const LOGBRUSH* brush);

    // The brush's description; FALSE while the brush is empty.
    BOOL GetLogBrush(LOGBRUSH* brush) const;

protected:
    void Clear() override { m_brush = LOGBRUSH{BS_SOLID, 0, 0}; }

private:
    LOGBRUSH m_brush{BS_SOLID, 0, 0};
};
