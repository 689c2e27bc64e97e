#pragma once
// One LAYER table entry.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "por/PorRecords.h"

struct CDxfLayer {
    CString name;
    COLORREF color = PorByLayerColor; // the marker stays when the entry has no colour
    int lineType = 1;
    int lineWeight = 0; // hundredths of a millimetre, negative values as in DXF
    int visible = 1;
};
