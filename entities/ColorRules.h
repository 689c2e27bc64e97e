#pragma once
// The two colour rules of every drawing routine: a colour that would vanish
// on its background turns black or white, and colours turn grey for the
// black-and-white output.

#include "platform/win/WinTypes.h"

// The colour itself when it differs from the background; otherwise black
// for a light colour (luminance 128 or more), white for a dark one.
COLORREF GetContrastColor(COLORREF color, COLORREF background);

// The grey of the same luminance (0.299 R + 0.587 G + 0.114 B, truncated).
COLORREF ToGrayColor(COLORREF color);
