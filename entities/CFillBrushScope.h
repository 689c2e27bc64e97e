#pragma once
// The brush of a filled shape for one drawing call: a solid brush for the
// translucent and opaque fills, a hatch brush in the third colour (on the
// fill colour when not transparent) for the hatch fills, no brush otherwise.
// The previous brush and background colour come back when the scope ends
// (the colour earlier when asked).

#include "platform/gdi/CBrush.h"
#include "platform/win/WinTypes.h"

class CDC;
class CGdiObject;

class CFillBrushScope {
public:
    CFillBrushScope(CDC* dc, int fillType, int transparent, COLORREF fillColor,
                    COLORREF thirdColor);
    ~CFillBrushScope();
    CFillBrushScope(const CFillBrushScope&) = delete;
    CFillBrushScope& operator=(const CFillBrushScope&) = delete;

    // Draws on without a brush (the outline over a translucent fill).
    void DropBrush();
    // Puts the background colour back now rather than at the end.
    void RestoreBkColor();

    static bool IsHatchFill(int fillType) { return fillType >= 4 && fillType <= 9; }

private:
    CDC* m_dc;
    CBrush m_brush;
    CGdiObject* m_oldBrush = nullptr;
    bool m_bkColorChanged = false;
    COLORREF m_oldBkColor = 0;
};
