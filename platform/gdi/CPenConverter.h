#pragma once
// Turns a GDI pen into the Qt pen that draws the same lines in device
// pixels. Lines end flat unless a geometric pen asks for another end cap, so
// a thin line leaves out its last pixel as GDI's do; a CreatePen pen wider
// than a pixel has round ends and joins, as in GDI. Dashes are always
// explicit Qt patterns in pen widths (length / max(width, 1)), never Qt's
// own dash styles.

#include "platform/gdi/ExtLogPen.h"

#include <QList>
#include <QPen>

#include <cmath>
#include <optional>
#include <vector>

class CPenConverter {
public:
    struct Dashes {
        QList<qreal> pattern; // dash, gap, dash, gap ...; empty draws nothing
        qreal offset = 0;     // where the line starts in the pattern
    };

    // scale: device pixels per logical unit along x.
    static QPen ToQPen(const ExtLogPen& pen, double scale);
    // Whether a pen of that logical width strokes lines one pixel wide at
    // the scale, whatever its style.
    static bool StrokesOnePixel(DWORD width, double scale) {
        return width == 0 || std::lround(width * scale) <= 1;
    }

    // The Qt form of a GDI style array (dash, gap, ...): an odd-length array
    // is repeated once, so that its second pass swaps dashes and gaps; zero
    // lengths join their neighbours. No value when no gap is left (solid).
    static std::optional<Dashes> ToDashes(const std::vector<qreal>& lengths);
};
