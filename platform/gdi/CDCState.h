#pragma once
// Everything SaveDC keeps of a device context: mapping (with the world
// transform), the selected pen,
// brush and font (their descriptions and the objects they came from), the
// drawing modes, the current position and the clip region.

#include "platform/gdi/CMapping.h"
#include "platform/gdi/ExtLogPen.h"

#include <QFont>
#include <QRegion>

#include <optional>

class CBrush;
class CFont;
class CPen;

struct CDCState {
    explicit CDCState(const CDeviceCaps& device) : mapping(device) {}

    CMapping mapping;
    ExtLogPen pen;
    CPen* penObject = nullptr;
    LOGBRUSH brush{BS_SOLID, RGB(255, 255, 255), 0};
    CBrush* brushObject = nullptr;
    QFont font;
    // The selected font's height in logical units (0: the Qt font's own
    // size), its escapement and whether its face writes vertically.
    LONG fontHeight = 0;
    LONG fontEscapement = 0;
    bool fontVertical = false;
    CFont* fontObject = nullptr;
    int rop2 = R2_COPYPEN;
    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    int polyFillMode = ALTERNATE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int charExtra = 0;
    int stretchMode = BLACKONWHITE;
    int graphicsMode = GM_COMPATIBLE;
    POINT position{0, 0};
    // Device units; none means the whole device.
    std::optional<QRegion> clip;
};
