#pragma once
// What the stand-in plug-in FakeAlpha puts into its block instead of POR data.

#include "platform/win/WinTypes.h"

struct FakeReport {
    LRESULT hadWindow;
    LRESULT rangeHigh;
    LRESULT position;
    LRESULT clampedPosition;
    char path[256];
};
