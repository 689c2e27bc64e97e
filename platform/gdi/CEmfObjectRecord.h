#pragma once
// The records that create a pen, a brush or a font in a metafile's handle
// table, from the descriptions a device context keeps.

#include "platform/gdi/CEmfRecord.h"
#include "platform/gdi/ExtLogPen.h"

class QFont;

class CEmfObjectRecord {
public:
    // A CreatePen pen as a simple pen, an ExtCreatePen pen as an extended
    // one with its user style.
    static CEmfRecord Pen(DWORD handle, const ExtLogPen& pen);
    static CEmfRecord Brush(DWORD handle, const LOGBRUSH& brush);
    // A point size becomes pixels at dpiY; a vertical face is written with
    // its "@".
    static CEmfRecord Font(DWORD handle, const QFont& font, int dpiY, LONG escapement,
                           bool vertical);
};
