#pragma once
// One STYLE table entry.

#include "platform/mfc/CString.h"

struct CDxfTextStyle {
    CString name;
    CString fontFile;          // without its extension
    double obliqueAngle = 0.0; // degrees
    double widthFactor = 1.0;
    int vertical = 0;
};
