#include "entities/CShapeOutput.h"

#include "entities/CEntityDocument.h"
#include "entities/CRukEntity.h"

CScreenShapeOutput CShapeOutput::Screen(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                                        int originX, int originY, double scale,
                                        double patternFactor, const CDrawDefaults* settings,
                                        const RECT& clip) {
    return CScreenShapeOutput(entity, document, dc, originX, originY, scale, patternFactor,
                              settings, clip);
}

CPrinterShapeOutput CShapeOutput::Printer(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                                          int unitDivisor, double scale, double patternFactor,
                                          const CDrawDefaults* settings) {
    return CPrinterShapeOutput(entity, document, dc, unitDivisor, scale, patternFactor, settings);
}

void CScreenShapeOutput::Trace() const {
    m_entity.TraceA(m_dc, m_originX, m_originY, m_scale, m_settings, m_clip, FALSE);
}

void CScreenShapeOutput::Dashed() const {
    m_entity.LineTypeA(m_document, m_dc, m_originX, m_originY, m_scale, m_patternFactor, m_settings,
                       m_clip);
}

void CScreenShapeOutput::LinePen(CPen* pen, COLORREF color, int width) const {
    m_entity.CreateLinePen(m_document, pen, m_entity.m_lineType, width, color, m_scale,
                           m_patternFactor, m_settings, m_document->m_deviceSpanX);
}

void CPrinterShapeOutput::Trace() const {
    m_entity.TraceB(m_dc, m_unitDivisor, m_scale, m_settings);
}

void CPrinterShapeOutput::Dashed() const {
    m_entity.LineTypeB(m_document, m_dc, m_unitDivisor, m_scale, m_patternFactor, m_settings);
}

void CPrinterShapeOutput::LinePen(CPen* pen, COLORREF color, int width) const {
    m_entity.CreateLinePenPrinter(m_document, pen, m_entity.m_lineType, width, color, m_unitDivisor,
                                  m_scale, m_patternFactor, m_settings);
}
