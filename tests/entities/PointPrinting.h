#pragma once
// Comparison and printing of points for the test expectations.

#include "platform/win/WinTypes.h"

#include <ostream>

inline bool operator==(const POINT& a, const POINT& b) {
    return a.x == b.x && a.y == b.y;
}

inline void PrintTo(const POINT& p, std::ostream* out) {
    *out << "(" << p.x << "," << p.y << ")";
}
