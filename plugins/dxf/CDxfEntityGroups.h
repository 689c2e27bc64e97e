#pragma once
// The groups of one entity that the simple-geometry readers use, collected
// up to the next code-0 group. A later group of a code overrides an earlier
// one; codes not listed here are ignored.

#include "geometry/Geometry.h"
#include "platform/mfc/CString.h"
#include "plugins/dxf/DxfGeometry.h"

#include <array>
#include <optional>

class CDxfFile;
struct CDxfGroup;
class CDxfTextDecoder;

struct CDxfEntityGroups {
    CString handle;                     // 5
    CString layer = "0";                // 8
    std::optional<CString> lineType;    // 6
    std::optional<int> aci;             // 62
    double lineTypeScale = 1.0;         // 48
    std::optional<int> lineWeight;      // 370
    std::array<DPOINT, 4> points{};     // 10/20 .. 13/23
    double z = 0.0;                     // 30
    double real40 = 0.0;                // radius, axis ratio
    double real41 = 0.0;                // start parameter
    double real42 = 0.0;                // end parameter
    double angle50 = 0.0;               // start angle, degrees
    double angle51 = 0.0;               // end angle, degrees
    int flags = 0;                      // 70
    DxfVector extrusion{0.0, 0.0, 1.0}; // 210/220/230

    // Reads up to the next code-0 group, which is pushed back, or the end of
    // the file.
    void Read(CDxfFile& file, const CDxfTextDecoder& decoder);
    // Takes one group of the list above; false for a code it does not keep.
    bool Take(const CDxfGroup& group, const CDxfTextDecoder& decoder);
};
