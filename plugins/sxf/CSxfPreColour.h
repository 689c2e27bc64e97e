#pragma once
// A predefined colour of SXF table 2: only its name is kept.

#include "platform/mfc/CString.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfPreColour : public CSxfObject {
public:
    CString m_name;
};
