#pragma once
// A predefined line type of SXF table 4; its name chooses the pattern.

#include "platform/mfc/CString.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfPreLineType : public CSxfObject {
public:
    CString m_name;
};
