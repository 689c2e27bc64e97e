#pragma once
// The standard cursors the entities set over their grips, and the current
// cursor: the window under the mouse takes the shape set last.

#include "platform/win/WinTypes.h"

// The system's standard cursor identifiers.
constexpr int IDC_ARROW = 32512;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;

struct CursorHandle {
    int id;
};
using HCURSOR = const CursorHandle*;

// The shared cursor of a standard identifier; null for an unknown one.
HCURSOR LoadStandardCursor(int id);
// Makes the cursor current and returns the one before (null at first).
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
