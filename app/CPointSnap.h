#pragma once
// The constraints of the drawing and measuring tools on a mouse point, in
// window pixels, relative to a reference point (the last vertex).

#include "platform/win/WinTypes.h"

// The rays of the angle snapping: a step in degrees (0 none), the first
// ray's angle, and whether the rays run counter-clockwise as drawn.
struct SnapRays {
    double step = 0.0;
    double base = 0.0;
    int counterClockwise = 0;
};

class CPointSnap {
public:
    // Horizontal or vertical from the reference, whichever is nearer.
    static POINT Orthogonal(POINT reference, POINT point);
    // Onto the nearest ray through the reference. A step of 0 leaves the
    // point as it is.
    static POINT Angle(POINT reference, POINT point, const SnapRays& rays);
};
