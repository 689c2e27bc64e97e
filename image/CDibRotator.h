#pragma once
// Turns a packed bitmap about its middle by inverse mapping in fixed point
// with 10 fraction bits: each pixel of the new picture takes the source
// pixel it comes from, or stays 0 when that lies outside the source.

#include "platform/gdi/BitmapDefs.h"

class CDibRotator {
public:
    // A new unlocked block of the same depth and colour table; null when the
    // turned picture would be out of bounds.
    static HGLOBAL Rotate(const BITMAPINFOHEADER& header, const BYTE* bits, double angle);

private:
    static void CopyPixel(int bitCount, const BYTE* sourceRow, long sourceX, BYTE* targetRow,
                          long targetX);
};
