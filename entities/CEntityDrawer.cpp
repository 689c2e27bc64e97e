#include "entities/CEntityDrawer.h"

#include "entities/CRukEntity.h"

CEntityDrawer::CEntityDrawer(CEntityDocument* document, CDC* dc, const RECT& clip, int originX,
                             int originY, double scale, const CDrawDefaults* settings)
    : m_document(document), m_dc(dc), m_clip(clip), m_originX(originX), m_originY(originY),
      m_scale(scale), m_settings(settings) {}

void CEntityDrawer::Add(CRukEntity& entity, const RECT&, double patternFactor, BOOL drawBlack) {
    Draw(entity, patternFactor, drawBlack);
}

void CEntityDrawer::Draw(CRukEntity& entity, double patternFactor, BOOL drawBlack) const {
    if (entity.SetsNoPixelOnScreen(m_dc, m_originX, m_originY, m_scale, m_settings))
        return;
    entity.DrawA(m_document, m_dc, m_originX, m_originY, m_scale, patternFactor, m_settings,
                 drawBlack, m_clip);
}
