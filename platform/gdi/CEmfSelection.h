#pragma once
// Which object handles a metafile being written has selected, now and in
// each saved state, so that a handle is deleted only once nothing can
// select it again. Handle 0 stands for a stock object.

#include "platform/gdi/GdiDefs.h"

#include <array>
#include <vector>

class CEmfSelection {
public:
    enum Kind { kPen, kBrush, kFont, kKinds };

    DWORD Current(Kind kind) const { return m_current[kind]; }
    // Each returns the handles nothing refers to any more.
    std::vector<DWORD> Select(Kind kind, DWORD handle);
    // level: the saved state to go back to, 1 for the first save.
    std::vector<DWORD> Restore(int level);
    void Save() { m_saved.push_back(m_current); }
    int Depth() const { return static_cast<int>(m_saved.size()); }

private:
    using Handles = std::array<DWORD, kKinds>;

    std::vector<DWORD> Unreferenced(const std::vector<DWORD>& handles) const;

    Handles m_current{};
    std::vector<Handles> m_saved;
};
