#pragma once
// The strings every entity record carries: the DXF handle as its identifier
// and the layer name, both CP932.

#include "platform/mfc/CString.h"

struct CDxfEntityTag {
    CString handle;
    CString layer;
};
