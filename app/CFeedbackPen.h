#pragma once
// The pen of the tools' XOR feedback for the length of one drawing: solid,
// one pixel, in the contrast colour of the background, with the given
// raster operation; the previous pen and the copy operation come back after.

#include "entities/ColorRules.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "settings/CDrawDefaults.h"

class CFeedbackPen {
public:
    CFeedbackPen(CDC* dc, const CDrawDefaults* settings, int rop) : m_dc(dc) {
        m_pen.CreatePen(PS_SOLID, 0, GetContrastColor(settings->m_greyColor, settings->m_bkColor));
        m_oldPen = dc->SelectObject(&m_pen);
        dc->SetROP2(rop);
    }
    ~CFeedbackPen() {
        m_dc->SelectObject(m_oldPen);
        m_dc->SetROP2(R2_COPYPEN);
    }
    CFeedbackPen(const CFeedbackPen&) = delete;
    CFeedbackPen& operator=(const CFeedbackPen&) = delete;

private:
    CDC* m_dc;
    CPen m_pen;
    CPen* m_oldPen;
};
