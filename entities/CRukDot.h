#pragma once
// A point of an imported drawing (kind 0x2000): its position, and the point
// display mode and size the drawing gave it. It shows as one pixel in its
// colour; it is not hit, has no grips and takes no line type.

#include "entities/CRukEntity.h"

class CRukDot : public CRukEntity {
    DECLARE_SERIAL(CRukDot)

public:
    CRukDot();

    void Serialize(CArchive& ar) override;
    // The position alone.
    void RecalcExtents() override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override;

    // As the drawing gave them; not archived.
    int m_pointSize = 0;
    int m_pointMode = 0;
};
