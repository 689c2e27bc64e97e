#pragma once
// The four-word pen block of POR object records.

#include "platform/win/WinTypes.h"

struct PorPen {
    LONG lineType = 0;
    LONG lineTypeScale = 0; // thousandths: 1000 draws the pattern at its nominal size
    LONG width = 0;         // hundredths of a millimetre; negative asks for the default
    COLORREF color = 0;

    friend bool operator==(const PorPen&, const PorPen&) = default;
};
