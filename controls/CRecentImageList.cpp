#include "controls/CRecentImageList.h"

#include "platform/win/CProfile.h"

#include <QByteArray>

#include <algorithm>

namespace {

constexpr const char* kSection = "RIMAGE";

QByteArray KeyOf(int index) {
    return QByteArray("FILE") + QByteArray::number(index).rightJustified(2, '0');
}

} // namespace

void CRecentImageList::Load() {
    m_paths.clear();
    for (int i = 0; i < kMaxEntries; ++i) {
        const CString path = CProfile::GetProfilePath(kSection, KeyOf(i).constData());
        if (!path.IsEmpty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
            m_paths.push_back(path);
    }
}

void CRecentImageList::Add(const CString& path) {
    if (path.IsEmpty())
        return;
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > static_cast<std::size_t>(kMaxEntries))
        m_paths.resize(kMaxEntries);
    Save();
}

void CRecentImageList::Save() const {
    for (int i = 0; i < kMaxEntries; ++i) {
        const auto index = static_cast<std::size_t>(i);
        CProfile::WriteProfilePath(kSection, KeyOf(i).constData(),
                                   index < m_paths.size() ? m_paths[index] : CString());
    }
}
