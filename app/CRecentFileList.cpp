#include "app/CRecentFileList.h"

#include "platform/win/CProfile.h"

#include <algorithm>
#include <string>

namespace {

constexpr const char* kSection = "Recent File List";

std::string KeyOf(int index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

void CRecentFileList::ReadList() {
    m_paths.clear();
    for (int i = 0; i < m_maxEntries; ++i) {
        CString path = CProfile::GetProfilePath(kSection, KeyOf(i).c_str());
        if (!path.IsEmpty())
            m_paths.push_back(path);
    }
}

void CRecentFileList::WriteList() const {
    for (int i = 0; i < m_maxEntries; ++i) {
        CProfile::WriteProfilePath(kSection, KeyOf(i).c_str(),
                                   i < GetSize() ? (*this)[i] : CString());
    }
}

void CRecentFileList::Add(const CString& path) {
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (GetSize() > m_maxEntries)
        m_paths.resize(static_cast<std::size_t>(m_maxEntries));
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < GetSize())
        m_paths.erase(m_paths.begin() + index);
}
