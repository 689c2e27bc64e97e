#include "plugins/dxf/CDxfLineTypeTable.h"

#include <algorithm>

namespace {

struct Standard {
    std::string_view name;
    int number;
};

// In each family but CENTER the half-size name takes the lowest number.
constexpr Standard StandardLineTypes[] = {
    {"DASHED", 3},    {"DASHED2", 2},    {"DASHEDX2", 4},   {"HIDDEN", 15},   {"HIDDEN2", 14},
    {"HIDDENX2", 16}, {"CENTER", 8},     {"CENTER2", 9},    {"CENTERX2", 10}, {"PHANTOM", 12},
    {"PHANTOM2", 11}, {"PHANTOMX2", 13}, {"DOT", 6},        {"DOT2", 5},      {"DOTX2", 7},
    {"DASHDOT", 18},  {"DASHDOT2", 17},  {"DASHDOTX2", 19}, {"BORDER", 21},   {"BORDER2", 20},
    {"BORDERX2", 22}, {"DIVIDE", 24},    {"DIVIDE2", 23},   {"DIVIDEX2", 25},
};

bool SameNoCase(std::string_view a, std::string_view b) {
    return CString(a).CompareNoCase(CString(b)) == 0;
}

} // namespace

int CDxfLineTypeTable::GetLineTypeNo(std::string_view name) {
    for (std::string_view solid : {"CONTINUOUS", "BYBLOCK", "BYLAYER"}) {
        if (SameNoCase(name, solid)) {
            return Solid;
        }
    }
    for (const Standard& standard : StandardLineTypes) {
        if (standard.name == name) {
            return standard.number;
        }
    }
    const auto named = [name](const CDxfLineType& lineType) {
        return SameNoCase(lineType.name.view(), name);
    };
    if (const auto own = std::ranges::find_if(m_lineTypes, named); own != m_lineTypes.end()) {
        return own->number;
    }
    if (const auto given = std::ranges::find_if(m_handedOut, named); given != m_handedOut.end()) {
        return given->number;
    }
    const int number = FirstOwn + static_cast<int>(m_handedOut.size());
    m_handedOut.push_back({CString(name), {}, number});
    return number;
}
