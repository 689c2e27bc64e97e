#pragma once
// The box of a circle as the circle and arc records want it: top left,
// bottom left, bottom right, top right.

#include "plugins/sxf/SxfUnits.h"

#include <array>

inline std::array<POINT, 4> SxfCircleBox(double cx, double cy, double r, int scale) {
    return {SxfToPor(cx - r, cy + r, scale), SxfToPor(cx - r, cy - r, scale),
            SxfToPor(cx + r, cy - r, scale), SxfToPor(cx + r, cy + r, scale)};
}
