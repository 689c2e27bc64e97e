#pragma once
// See-through windows, as the redline palette uses.
#include "platform/win/WinTypes.h"

class QWidget;

// The window's opacity, 0 (invisible) to 255 (opaque).
void SetWindowAlpha(BYTE alpha, QWidget* window);
