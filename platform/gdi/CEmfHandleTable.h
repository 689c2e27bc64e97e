#pragma once
// The object handle table of a metafile being written. Like GDI's, it hands
// out the lowest free index (0 stands for the metafile itself) and takes an
// index back when its object is deleted, so indexes are reused.

#include "platform/gdi/GdiDefs.h"

#include <vector>

class CEmfHandleTable {
public:
    DWORD Allocate();
    void Free(DWORD index);
    // The entries a player needs: the highest index ever used, plus one.
    WORD Size() const { return static_cast<WORD>(m_used.size()); }

private:
    std::vector<bool> m_used{true};
};
