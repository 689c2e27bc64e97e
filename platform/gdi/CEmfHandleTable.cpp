#include "platform/gdi/CEmfHandleTable.h"

DWORD CEmfHandleTable::Allocate() {
    for (std::size_t i = 1; i < m_used.size(); ++i) {
        if (!m_used[i]) {
            m_used[i] = true;
            return static_cast<DWORD>(i);
        }
    }
    m_used.push_back(true);
    return static_cast<DWORD>(m_used.size() - 1);
}

void CEmfHandleTable::Free(DWORD index) {
    if (index > 0 && index < m_used.size())
        m_used[index] = false;
}
