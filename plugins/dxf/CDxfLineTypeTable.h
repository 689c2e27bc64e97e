#pragma once
// The line-type numbering: 1 the solid line, 2..25 the standard DXF dash
// patterns, 1000 upward handed out in order of first sight to every other
// name. Holds the LTYPE table, whose entries keep the number they were given.

#include "plugins/dxf/CDxfLineType.h"

#include <string_view>
#include <vector>

class CDxfLineTypeTable {
public:
    static constexpr int Solid = 1;
    static constexpr int FirstOwn = 1000;

    // CONTINUOUS, BYLAYER and BYBLOCK in any case give 1; a standard name
    // spelt exactly gives its number; an LTYPE entry of the same name in any
    // case gives its number; any other name the number handed to it at its
    // first call (names compared without regard to case).
    int GetLineTypeNo(std::string_view name);

    void Add(CDxfLineType lineType) { m_lineTypes.push_back(std::move(lineType)); }
    const std::vector<CDxfLineType>& LineTypes() const { return m_lineTypes; }

private:
    std::vector<CDxfLineType> m_lineTypes;
    // Names in no table and the numbers they were given.
    std::vector<CDxfLineType> m_handedOut;
};
