#pragma once
// A layer of SXF table 1; written as one POR layer record before every
// drawing record.

#include "platform/mfc/CString.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfLayer : public CSxfObject {
public:
    int WritePOR(PorBlockWriter& stream) const override;

    CString m_name;
    int m_flag = 0; // 1 shown, 0 hidden
};
