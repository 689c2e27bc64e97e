#pragma once
// How the Bezier curves reach an output: PolyBezier of the control points
// on screens and printers, the flattened curve in metafiles and for dashes.

#include "platform/win/WinTypes.h"

class CDC;
class CDrawDefaults;
class CEntityDocument;
class CRukEntity;

class CBezierOutput {
public:
    // closed: the metafile gets a Polygon rather than a Polyline.
    static void TraceA(CRukEntity& entity, CDC* dc, int originX, int originY, double scale,
                       bool closed);
    static void TraceB(CRukEntity& entity, CDC* dc, int unitDivisor, double scale);
    // The flattened curve dashed; false when nothing was drawn.
    static bool DashedA(CRukEntity& entity, CEntityDocument* document, CDC* dc, int originX,
                        int originY, double scale, double patternFactor,
                        const CDrawDefaults* settings);
    static bool DashedB(CRukEntity& entity, CEntityDocument* document, CDC* dc, int unitDivisor,
                        double scale, double patternFactor);
};
