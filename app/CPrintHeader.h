#pragma once
// The header and footer of a printed page: six texts in the corners and
// centres of the page, each in its own colour, inside margins in
// millimetres, in one font height.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CDC;

struct CPrintHeader {
    enum Place {
        kTopLeft,
        kTopCentre,
        kTopRight,
        kBottomLeft,
        kBottomCentre,
        kBottomRight,
        kPlaces
    };

    int m_marginLeft = 5;
    int m_marginTop = 5;
    int m_marginRight = 5;
    int m_marginBottom = 5;
    CString m_texts[kPlaces];
    double m_fontHeight = 5.0;
    COLORREF m_colors[kPlaces] = {};

    // Millimetres in printer pixels at the resolution.
    static int MillimetresToPixels(double millimetres, int dpi);
    // True when every text is empty.
    bool IsEmpty() const;
    // Draws the non-empty texts on a printer context in device pixels; the
    // context's text colour and alignment stay as they were. Without a
    // text the context is not touched.
    void Print(CDC* dc) const;
};
