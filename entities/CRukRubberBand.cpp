#include "entities/CRukRubberBand.h"

#include "entities/ColorRules.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "settings/CDrawDefaults.h"

void CRukRubberBand::Track(CEntityDocument*, CDC* dc, int oldX, int oldY, int newX, int newY,
                           const CDrawDefaults* settings, UINT) {
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, GetContrastColor(settings->m_greyColor, settings->m_bkColor));
    CPen* oldPen = dc->SelectObject(&pen);
    dc->SetROP2(R2_XORPEN);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(m_x1, m_y1, oldX, oldY);
    dc->Rectangle(m_x1, m_y1, newX, newY);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    dc->SetROP2(R2_COPYPEN);
}
