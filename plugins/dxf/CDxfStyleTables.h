#pragma once
// The STYLE, DIMSTYLE and BLOCK_RECORD tables in file order; the first entry
// of a name wins.

#include "plugins/dxf/CDxfBlockRecord.h"
#include "plugins/dxf/CDxfDimStyle.h"
#include "plugins/dxf/CDxfTextStyle.h"

#include <string_view>
#include <vector>

class CDxfStyleTables {
public:
    void Add(CDxfTextStyle style) { m_textStyles.push_back(std::move(style)); }
    void Add(CDxfDimStyle style) { m_dimStyles.push_back(std::move(style)); }
    void Add(CDxfBlockRecord record) { m_blockRecords.push_back(std::move(record)); }

    // Names compared without regard to case.
    const CDxfTextStyle* FindTextStyle(std::string_view name) const;
    // Names compared exactly.
    const CDxfDimStyle* FindDimStyle(std::string_view name) const;
    // The name of the block whose record has the handle; empty when none.
    CString GetBlockNameByHandle(std::string_view handle) const;

private:
    std::vector<CDxfTextStyle> m_textStyles;
    std::vector<CDxfDimStyle> m_dimStyles;
    std::vector<CDxfBlockRecord> m_blockRecords;
};
