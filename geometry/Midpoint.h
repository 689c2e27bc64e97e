#pragma once
// The middle of two coordinates, (a + b) / 2 truncated toward zero, summed in
// 64 bits: any two int32 coordinates have one, even where their sum leaves
// the int32 range.

#include "platform/win/WinTypes.h"

inline LONG Middle(LONG a, LONG b) {
    return static_cast<LONG>((static_cast<long long>(a) + b) / 2);
}

inline POINT Midpoint(POINT a, POINT b) {
    return POINT{Middle(a.x, b.x), Middle(a.y, b.y)};
}
