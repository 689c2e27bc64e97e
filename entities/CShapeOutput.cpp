#include "entities/CShapeOutput.h"

#include "entities/CEntityDocument.h"
#include "entities/CRukEntity.h"

CShapeOutput CShapeOutput::Screen(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                                  int originX, int originY, double scale, double patternFactor,
                                  const CDrawDefaults* settings, const RECT& clip) {
    CRukEntity* shape = &entity;
    return CShapeOutput{
        .trace = [=] { shape->TraceA(dc, originX, originY, scale, settings, clip, FALSE); },
        .dashed =
            [=] {
                shape->LineTypeA(document, dc, originX, originY, scale, patternFactor, settings,
                                 clip);
            },
        .linePen =
            [=](CPen* pen, COLORREF color, int width) {
                shape->CreateLinePen(document, pen, shape->m_lineType, width, color, scale,
                                     patternFactor, settings, document->m_deviceSpanX);
            }};
}

CShapeOutput CShapeOutput::Printer(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                                   int unitDivisor, double scale, double patternFactor,
                                   const CDrawDefaults* settings) {
    CRukEntity* shape = &entity;
    return CShapeOutput{
        .trace = [=] { shape->TraceB(dc, unitDivisor, scale, settings); },
        .dashed =
            [=] { shape->LineTypeB(document, dc, unitDivisor, scale, patternFactor, settings); },
        .linePen =
            [=](CPen* pen, COLORREF color, int width) {
                shape->CreateLinePenPrinter(document, pen, shape->m_lineType, width, color,
                                            unitDivisor, scale, patternFactor, settings);
            }};
}
