#pragma once
// The picture of a device-independent bitmap as a Qt image (RGB32, top row
// first), for drawing it through the painting contexts.

#include "platform/gdi/CDibLayout.h"

#include <QImage>

class CDibImage {
public:
    // info: header and colour table; bits: the pixel rows. A null image
    // when the bitmap is malformed or does not fit the bytes given.
    static QImage ToImage(const BYTE* info, std::size_t infoSize, const BYTE* bits,
                          std::size_t bitsSize);
    // The same for a packed DIB.
    static QImage ToImage(const BYTE* packed, std::size_t size);

private:
    static QImage Convert(const CDibLayout& layout, const BYTE* info, const BYTE* bits);
};
