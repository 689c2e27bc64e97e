#pragma once
// An XLINE or RAY: kept until the drawing's extent is known, then clipped
// to a finite line.

#include "platform/win/WinTypes.h"
#include "plugins/dxf/CDxfEntityTag.h"
#include "plugins/dxf/DxfGeometry.h"

struct CDxfInfiniteLine {
    enum Kind { XLine = 0, Ray = 1 };

    DxfVector base;      // drawing units
    DxfVector direction; // as read, not normalised
    COLORREF color = 0;
    int lineType = 1;
    Kind kind = XLine;
    CDxfEntityTag tag;
};
