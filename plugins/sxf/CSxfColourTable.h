#pragma once
// Colour per SXF colour code 1..256: the sixteen predefined colours, then
// what the user colours set. A code no entry defines gives the default
// colour.

#include "platform/win/WinTypes.h"

#include <array>
#include <optional>

class CSxfColourTable {
public:
    static constexpr int MaxCode = 256;
    // The colour an entity takes when it has none of its own.
    static constexpr COLORREF DefaultColour = 0xFFFFFF;

    CSxfColourTable();

    // Each part cut to its low 8 bits; a code outside 1..256 changes nothing.
    void SetUserColour(int code, int red, int green, int blue);
    COLORREF Colour(int code) const;

private:
    std::array<std::optional<COLORREF>, MaxCode + 1> m_colours{};
};
