#pragma once
// Helpers for the archived bodies of the entity classes.

#include "platform/win/WinTypes.h"

// The 16-bit archive fields (line type, line width) replace only the low
// half of their 32-bit member when read.
inline int WithLowWord(int value, WORD low) {
    return static_cast<int>((static_cast<DWORD>(value) & 0xFFFF0000u) | low);
}
