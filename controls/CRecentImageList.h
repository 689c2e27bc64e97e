#pragma once
// The last ten image files picked in the image dialogs, most recent first,
// kept in the profile under "RIMAGE" as "FILE00" to "FILE09".

#include "platform/mfc/CString.h"

#include <vector>

class CRecentImageList {
public:
    static constexpr int kMaxEntries = 10;

    // Reads the ten keys; empty and repeated paths are left out.
    void Load();
    // Puts the path at the top (moving it there when listed), drops the
    // oldest beyond ten and rewrites the ten keys. Empty paths change nothing.
    void Add(const CString& path);
    const std::vector<CString>& Paths() const { return m_paths; }

private:
    void Save() const;

    std::vector<CString> m_paths;
};
