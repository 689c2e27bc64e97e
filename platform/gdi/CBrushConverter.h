#pragma once
// Turns a GDI brush into a Qt brush. Hatches are Qt's six patterns with the
// same directions; their 8-pixel cells line up with the device origin as
// long as the painter is not transformed.

#include "platform/gdi/GdiDefs.h"

#include <QBrush>
#include <QColor>

class CBrushConverter {
public:
    static QBrush ToQBrush(const LOGBRUSH& brush);
    static QColor ToQColor(COLORREF color);
};
