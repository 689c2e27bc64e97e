#pragma once
// The files opened last, newest first, kept in the profile section
// "Recent File List" as File1, File2, ...
#include "platform/mfc/CString.h"

#include <vector>

class CRecentFileList {
public:
    explicit CRecentFileList(int maxEntries) : m_maxEntries(maxEntries) {}

    void ReadList();
    void WriteList() const;
    // Puts the path at the head, once.
    void Add(const CString& path);
    void Remove(int index);
    int GetSize() const { return static_cast<int>(m_paths.size()); }
    const CString& operator[](int index) const {
        return m_paths.at(static_cast<std::size_t>(index));
    }

private:
    int m_maxEntries;
    std::vector<CString> m_paths;
};
