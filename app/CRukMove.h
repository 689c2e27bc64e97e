#pragma once
// The move tool: a press on a redline object picks it with the selection,
// the drag shows them displaced and the release moves them, as one undo
// step. A press on empty space picks by frame.

#include "app/CRukClick.h"

class CRukMove : public CRukClick {
public:
    explicit CRukMove(CZumeoView* view);

    void OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                      const CDrawDefaults* settings, UINT flags) override;
    int AddPoint(int x, int y, int mode) override;
    void Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
               const CDrawDefaults* settings, UINT flags) override;
};
