#pragma once
// The four lists of recently typed texts that the application keeps in its
// profile, ten entries at most each.

#include "platform/mfc/CString.h"

#include <vector>

struct CRecentTexts {
    static constexpr int kMaxEntries = 10;

    std::vector<CString> m_recentMarkupTexts;  // section "MARKUP"
    std::vector<CString> m_recentRedlineTexts; // section "REDLINE"
    std::vector<CString> m_recentTooltipTexts; // section "TOOLTIP"
    std::vector<CString> m_recentLayerNames;   // section "LAYER"
};
