#include "platform/gdi/CEmfSelection.h"

#include <algorithm>
#include <utility>

std::vector<DWORD> CEmfSelection::Select(Kind kind, DWORD handle) {
    return Unreferenced({std::exchange(m_current[kind], handle)});
}

std::vector<DWORD> CEmfSelection::Restore(int level) {
    if (level < 1 || level > Depth())
        return {};
    std::vector<DWORD> dropped(m_current.begin(), m_current.end());
    for (auto saved = m_saved.begin() + level; saved != m_saved.end(); ++saved)
        dropped.insert(dropped.end(), saved->begin(), saved->end());
    m_current = m_saved[static_cast<std::size_t>(level - 1)];
    m_saved.resize(static_cast<std::size_t>(level - 1));
    return Unreferenced(dropped);
}

std::vector<DWORD> CEmfSelection::Unreferenced(const std::vector<DWORD>& handles) const {
    const auto refers = [](const Handles& selection, DWORD handle) {
        return std::find(selection.begin(), selection.end(), handle) != selection.end();
    };
    std::vector<DWORD> unreferenced;
    for (const DWORD handle : handles) {
        if (handle == 0 || refers(m_current, handle) ||
            std::find(unreferenced.begin(), unreferenced.end(), handle) != unreferenced.end() ||
            std::any_of(m_saved.begin(), m_saved.end(),
                        [&](const Handles& saved) { return refers(saved, handle); }))
            continue;
        unreferenced.push_back(handle);
    }
    return unreferenced;
}
