#pragma once
// The view's rubber-band frame: an XOR rectangle from the fixed corner (the
// first point) to the cursor, erased and redrawn on every mouse move.

#include "entities/CRukEntity.h"

class CRukRubberBand : public CRukEntity {
public:
    CRukRubberBand() = default;

    void Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
               const CDrawDefaults* settings, UINT flags) override;
};
