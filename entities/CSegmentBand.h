#pragma once
// The hit band of a segment in device units: a parallelogram around it whose
// corners lie 30 units off the segment's ends along its minor axis, offset
// perpendicular to the segment.

#include "platform/win/WinTypes.h"

#include <array>

class CSegmentBand {
public:
    static constexpr int kReach = 30;

    // P1 + n, P1 - n, P2 - n, P2 + n; nothing when the end points coincide,
    // as such a segment has no direction to build a band along.
    static bool Corners(POINT p1, POINT p2, std::array<POINT, 4>* corners);
};
