#pragma once
// The 360 vertices, one per degree from 0, with which circles and ellipses
// are drawn as polygons.

#include "platform/win/WinTypes.h"

#include <vector>

class CRingPolygon {
public:
    static constexpr int kVertexCount = 360;

    // (cx + rnd(r cos a), cy + rnd(r sin a)).
    static std::vector<POINT> Circle(LONG cx, LONG cy, LONG radius);
    // The ellipse inscribed in the box: centre (min + max) / 2 per axis
    // (integer division), radii max - centre.
    static std::vector<POINT> Ellipse(LONG left, LONG top, LONG right, LONG bottom);

private:
    static std::vector<POINT> Ring(LONG cx, LONG cy, double rx, double ry);
};
