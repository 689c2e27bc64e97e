#pragma once
// A drawing's extent in drawing units: min x, min y, max x, max y. All zero
// stands for "no extent yet"; the first box given then becomes the extent.

#include "platform/win/WinTypes.h"

#include <algorithm>
#include <cstdint>

class CDocExtent {
public:
    bool IsZero() const { return m_minX == 0 && m_minY == 0 && m_maxX == 0 && m_maxY == 0; }

    // Widens the extent by the box; a box with min above max (an entity
    // that has no extents yet) is ignored.
    void Extend(int x0, int y0, int x1, int y1) {
        if (x0 > x1 || y0 > y1)
            return;
        if (IsZero()) {
            *this = CDocExtent{x0, y0, x1, y1};
            return;
        }
        m_minX = std::min(m_minX, x0);
        m_minY = std::min(m_minY, y0);
        m_maxX = std::max(m_maxX, x1);
        m_maxY = std::max(m_maxY, y1);
    }

    // Width and height in 64 bits: a drawing may span the whole int range.
    std::int64_t Width() const { return std::int64_t{m_maxX} - m_minX; }
    std::int64_t Height() const { return std::int64_t{m_maxY} - m_minY; }
    std::int64_t LargerSide() const { return std::max(Width(), Height()); }

    int m_minX = 0;
    int m_minY = 0;
    int m_maxX = 0;
    int m_maxY = 0;

    friend bool operator==(const CDocExtent&, const CDocExtent&) = default;
};
