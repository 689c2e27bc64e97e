#pragma once
// A text font of SXF table 7.

#include "platform/mfc/CString.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfTextFont : public CSxfObject {
public:
    CString m_name;
};
