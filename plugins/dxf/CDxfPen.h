#pragma once
// The pen of an entity in DXF terms, as the readers resolve it: the emitters
// scale the line-type scale into the record's pen block.

#include "platform/win/WinTypes.h"

struct CDxfPen {
    int lineType = 1;
    double lineTypeScale = 1.0; // group 48
    int width = 0;              // lineweight, hundredths of a millimetre
    COLORREF color = 0;
};
