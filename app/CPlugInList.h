#pragma once
// The import plug-ins found in a folder, in the order of their file names:
// which one reads a file, and which file types the Open dialog offers.

#include "app/CPlugIn.h"

#include <memory>
#include <vector>

class CPlugInList {
public:
    // Replaces the table with one entry for every "*.so" in the folder (CP932
    // path), sorted by name; libraries that are no plug-ins stay in it as
    // entries that never match.
    void Scan(const CString& folder);

    // The first entry, in table order, one of whose patterns names the file's
    // extension, ignoring case; null when none does or the file name has no
    // extension.
    const CPlugIn* FindByExt(const CString& path) const;

    int GetCount() const { return static_cast<int>(m_plugIns.size()); }
    // Throws std::out_of_range for an index outside 0..GetCount()-1.
    CPlugIn& GetAt(int index) { return *m_plugIns.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::unique_ptr<CPlugIn>> m_plugIns;
};
