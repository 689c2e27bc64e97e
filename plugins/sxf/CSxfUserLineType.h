#pragma once
// A user line type of SXF table 5: its name and up to eight dash and gap
// lengths in millimetres.

#include "platform/mfc/CString.h"
#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfObject.h"

#include <array>

class CSxfUserLineType : public CSxfObject {
public:
    CString m_name;
    int m_count = 0;
    std::array<double, SxfUserLineTypeValues> m_values{};
};
