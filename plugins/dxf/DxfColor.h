#pragma once
// AutoCAD Colour Index (ACI) numbers as COLORREF values.

#include "platform/win/WinTypes.h"

// The COLORREF of an ACI number: 0 gives the by-block marker, 256 the
// by-layer marker, numbers outside 0..256 black. A negative number stands
// for a layer that is switched off: visible (when given) is set to 0 and the
// absolute value is used.
COLORREF AciToColor(int aci, int* visible = nullptr);
