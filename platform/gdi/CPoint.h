#pragma once
// The class library's point: a POINT with constructors and comparisons.

#include "platform/win/WinTypes.h"

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x, int y) : POINT{x, y} {}
    CPoint(POINT point) : POINT(point) {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }

    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
};
