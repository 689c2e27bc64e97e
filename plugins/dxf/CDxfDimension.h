#pragma once
// The groups of one DIMENSION that draw it when its block is missing.

#include "geometry/Geometry.h"
#include "platform/mfc/CString.h"

#include <array>
#include <optional>
#include <string>

struct CDxfDimension {
    // The kinds in the low three bits of group 70.
    static constexpr int KindMask = 7;
    static constexpr int Linear = 0;
    static constexpr int Aligned = 1;
    static constexpr int Diameter = 3;
    static constexpr int Radius = 4;
    static constexpr int Ordinate = 6;

    int type = 0; // 70
    // Groups 10/20 .. 16/26 at index code - 10: definition point, text mid
    // point, block insertion point, extension-line origins, arc points.
    std::array<DPOINT, 7> points{};
    double rotation = 0.0;             // 50, degrees, linear dimensions
    std::optional<double> measurement; // 42
    std::string text;                  // 1, as read
};
