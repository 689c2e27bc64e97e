#pragma once
// What a pen is made of, as GDI keeps it: style bits, width, the brush that
// paints it, and a user style's dash and gap lengths.

#include "platform/gdi/GdiDefs.h"

#include <vector>

struct ExtLogPen {
    DWORD style = PS_SOLID; // type | style | end cap | join
    DWORD width = 0;        // logical units; 0 is one pixel whatever the mapping
    UINT brushStyle = BS_SOLID;
    COLORREF color = 0;
    ULONG hatch = 0;
    std::vector<DWORD> userStyle;
    // Made by ExtCreatePen; a CreatePen pen is cosmetic up to one pixel and
    // geometric with round ends beyond.
    bool extended = false;

    DWORD Type() const { return style & PS_TYPE_MASK; }
    DWORD Style() const { return style & PS_STYLE_MASK; }
    DWORD EndCap() const { return style & PS_ENDCAP_MASK; }
    DWORD Join() const { return style & PS_JOIN_MASK; }

    friend bool operator==(const ExtLogPen&, const ExtLogPen&) = default;
};
