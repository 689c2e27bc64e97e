#include "entities/CFillBrushScope.h"

#include "entities/CRukEntity.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiDefs.h"

CFillBrushScope::CFillBrushScope(CDC* dc, int fillType, int transparent, COLORREF fillColor,
                                 COLORREF thirdColor)
    : m_dc(dc) {
    if (fillType == 1 || fillType == 3) {
        m_brush.CreateSolidBrush(fillColor);
        m_oldBrush = dc->SelectObject(&m_brush);
    } else if (IsHatchFill(fillType)) {
        if (transparent == 0) {
            m_oldBkColor = dc->SetBkColor(fillColor);
            m_bkColorChanged = true;
        }
        CRukEntity::CreateFillBrush(&m_brush, fillType, thirdColor);
        m_oldBrush = dc->SelectObject(&m_brush);
    } else {
        m_oldBrush = dc->SelectStockObject(NULL_BRUSH);
    }
}

CFillBrushScope::~CFillBrushScope() {
    RestoreBkColor();
    m_dc->SelectObject(m_oldBrush);
}

void CFillBrushScope::RestoreBkColor() {
    if (m_bkColorChanged)
        m_dc->SetBkColor(m_oldBkColor);
    m_bkColorChanged = false;
}

void CFillBrushScope::DropBrush() {
    m_dc->SelectStockObject(NULL_BRUSH);
    m_brush.DeleteObject();
}
