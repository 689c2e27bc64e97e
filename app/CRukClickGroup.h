#pragma once
// The select tool: a click picks the topmost object under the cursor, a
// drag from empty space picks the markups inside the frame.

#include "app/CRukClick.h"

class CRukClickGroup : public CRukClick {
public:
    explicit CRukClickGroup(CZumeoView* view);

    void OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                      const CDrawDefaults* settings, UINT flags) override;
    int AddPoint(int x, int y, int mode) override;
    void Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
               const CDrawDefaults* settings, UINT flags) override;
};
