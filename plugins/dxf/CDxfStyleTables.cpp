#include "plugins/dxf/CDxfStyleTables.h"

#include <algorithm>

const CDxfTextStyle* CDxfStyleTables::FindTextStyle(std::string_view name) const {
    const CString wanted(name);
    const auto found = std::ranges::find_if(m_textStyles, [&](const CDxfTextStyle& style) {
        return style.name.CompareNoCase(wanted) == 0;
    });
    return found != m_textStyles.end() ? &*found : nullptr;
}

const CDxfDimStyle* CDxfStyleTables::FindDimStyle(std::string_view name) const {
    const auto found = std::ranges::find_if(
        m_dimStyles, [name](const CDxfDimStyle& style) { return style.name.view() == name; });
    return found != m_dimStyles.end() ? &*found : nullptr;
}

CString CDxfStyleTables::GetBlockNameByHandle(std::string_view handle) const {
    const auto found = std::ranges::find_if(
        m_blockRecords, [handle](const CDxfBlockRecord& r) { return r.handle.view() == handle; });
    return found != m_blockRecords.end() ? found->name : CString();
}
