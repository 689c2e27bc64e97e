#pragma once
// One DIMSTYLE table entry.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "por/PorRecords.h"

struct CDxfDimStyle {
    CString name;
    double textHeight = 0.1;
    COLORREF lineColor = PorByLayerColor; // group 176
    double arrowSize = 0.18;              // group 41; DXF's own size where it is absent
    double overallScale = 1.0;
    CString leaderArrowBlock; // handle of its BLOCK_RECORD
};
