#pragma once
// The integer bounding box of what a record stream holds.

#include "platform/win/WinTypes.h"

#include <algorithm>

struct CPorBounds {
    LONG minX = 0;
    LONG minY = 0;
    LONG maxX = 0;
    LONG maxY = 0;
    bool empty = true;

    void Extend(LONG x, LONG y) {
        if (empty) {
            minX = maxX = x;
            minY = maxY = y;
            empty = false;
        }
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    void Extend(const POINT& point) { Extend(point.x, point.y); }
};
