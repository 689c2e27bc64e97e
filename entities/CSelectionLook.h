#pragma once
// The context set-up for drawing a group's children in one colour, for one
// drawing call. Normal: text in the colour, and a solid brush of it when
// the area shows, else no brush. Inverted: every child turns the pixels
// under it (R2_NOT, black brush, transparent background), its text in the
// complement of the group's own colour. What it changed comes back when
// the scope ends.

#include "platform/gdi/CBrush.h"
#include "platform/win/WinTypes.h"

class CDC;
class CGdiObject;

class CSelectionLook {
public:
    struct Look {
        bool m_inverted = false;
        // Normal look only: the area in the colour.
        bool m_showsArea = false;
    };

    // The look of a selection mode (0 normal, 1 filled, 2 blinking, else
    // inverted) for a fill type: the filled mode inverts the special fill
    // 99; a plain or translucent fill shows its area where it can.
    static Look For(int selectMode, int fillType, bool areaCanShow);

    CSelectionLook(CDC* dc, Look look, COLORREF color, COLORREF ownColor);
    ~CSelectionLook();
    CSelectionLook(const CSelectionLook&) = delete;
    CSelectionLook& operator=(const CSelectionLook&) = delete;

private:
    CDC* m_dc;
    bool m_inverted;
    CBrush m_fill;
    CGdiObject* m_oldBrush = nullptr;
    COLORREF m_oldTextColor = 0;
    int m_oldBkMode = 0;
    int m_oldRop = 0;
};
