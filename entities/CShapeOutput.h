#pragma once
// How a shape reaches one output once its pen is chosen: the bare geometry,
// the geometry dashed by the emulation, and the line type's own pen. Screen
// and metafile output work in view units, printing in printer units.

#include "platform/win/WinTypes.h"

#include <functional>

class CDC;
class CDrawDefaults;
class CEntityDocument;
class CPen;
class CRukEntity;

struct CShapeOutput {
    std::function<void()> trace;
    std::function<void()> dashed;
    std::function<void(CPen* pen, COLORREF color, int width)> linePen;

    // TraceA, LineTypeA and CreateLinePen of the entity.
    static CShapeOutput Screen(CRukEntity& entity, CEntityDocument* document, CDC* dc, int originX,
                               int originY, double scale, double patternFactor,
                               const CDrawDefaults* settings, const RECT& clip);
    // TraceB, LineTypeB and CreateLinePenPrinter of the entity.
    static CShapeOutput Printer(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                                int unitDivisor, double scale, double patternFactor,
                                const CDrawDefaults* settings);
};
