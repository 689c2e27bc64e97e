#include "plugins/dxf/DxfColor.h"

#include "por/PorRecords.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

struct Fixed {
    int aci;
    COLORREF color;
};

constexpr Fixed FixedColors[] = {
    {0, PorByBlockColor}, {1, 0x0000FF},          {2, 0x00FFFF},   {3, 0x00FF00},   {4, 0xFFFF00},
    {5, 0xFF0000},        {6, 0xFF00FF},          {7, 0x000000},   {8, 0x646464},   {9, 0xBEBEBE},
    {250, 0x333333},      {251, 0x5B5B5B},        {252, 0x848484}, {253, 0xADADAD}, {254, 0xD6D6D6},
    {255, 0xFFFFFF},      {256, PorByLayerColor},
};

// Indexes 10..249: hue i / 10 round the colour wheel, shade i mod 10.
COLORREF WheelColor(int index) {
    const int hue = index / 10;
    const int shade = index % 10;
    const int s = ((hue - 1) % 4) * 64;
    std::array<int, 3> rgb{};
    switch ((hue - 1) / 4) {
    case 0:
        rgb = {255, s, 0};
        break;
    case 1:
        rgb = {255 - s, 255, 0};
        break;
    case 2:
        rgb = {0, 255, s};
        break;
    case 3:
        rgb = {0, 255 - s, 255};
        break;
    case 4:
        rgb = {s, 0, 255};
        break;
    default:
        rgb = {255, 0, 255 - s};
        break;
    }
    const int top = std::ranges::max(rgb);
    for (int& c : rgb) {
        // Odd shades are first moved half way to the brightest component.
        c = shade % 2 == 0 ? c * (10 - shade) / 10 : (c + top) * (11 - shade) / 20;
    }
    return RGB(rgb[0], rgb[1], rgb[2]);
}

} // namespace

COLORREF AciToColor(int aci, int* visible) {
    if (aci < 0) {
        if (visible) {
            *visible = 0;
        }
        aci = aci == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -aci;
    }
    for (const Fixed& fixed : FixedColors) {
        if (fixed.aci == aci) {
            return fixed.color;
        }
    }
    return aci >= 10 && aci <= 249 ? WheelColor(aci) : 0x000000;
}
