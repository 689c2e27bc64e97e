#pragma once
// The drawing sheet (assembly kind 1): its size goes into the POR header and
// its members become the drawing.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfAssembly.h"

class CSxfSheet : public CSxfAssembly {
public:
    CSxfSheet(int code, const CSxfReader* owner, const SxfSheetData& data)
        : CSxfAssembly(code, owner), m_data(data) {}

    const SxfSheetData& Data() const { return m_data; }

private:
    SxfSheetData m_data;
};
