#pragma once
// Where the parts of a packed device-independent bitmap lie: the header
// (the 40-byte form, or the later 108- and 124-byte forms that start like
// it), the colour table or the three colour masks, and the pixel rows.
// Every size is checked against the bytes at hand before it is trusted, so
// a caller may read the table and every row of the result.

#include "platform/gdi/BitmapDefs.h"

#include <cstddef>
#include <optional>

class CDibLayout {
public:
    BITMAPINFOHEADER header{};
    std::size_t colorsOffset = 0;
    // Entries of 4 bytes in the colour table.
    std::size_t colorCount = 0;
    // Red, green and blue masks of 16- and 32-bit pixels.
    DWORD masks[3]{};
    std::size_t bitsOffset = 0;
    std::size_t rowBytes = 0;
    LONG width = 0;
    LONG height = 0;
    bool topDown = false;

    // Rows of ((bitCount x width + 31) / 32) x 4 bytes; 0 when that size
    // does not fit.
    static std::size_t RowBytes(int bitCount, LONG width);
    // The colours a header's table has: biClrUsed when set, else 2, 16 or
    // 256 by the bit count, none above 8 bits.
    static std::size_t ColorCount(const BITMAPINFOHEADER& header);
    // The bytes of the header and its colour table or masks, as far as the
    // pixel rows of a packed DIB start.
    static std::size_t InfoBytes(const BITMAPINFOHEADER& header);

    // The layout of a packed DIB; none when its header is unknown, its
    // sizes are out of bounds or its pixels do not fit in the bytes.
    // Only uncompressed and bit-field pixels of 1, 4, 8, 16, 24 and 32 bits
    // are taken.
    static std::optional<CDibLayout> Read(const BYTE* data, std::size_t size);
    // The same for a header and colour table apart from the pixel rows.
    static std::optional<CDibLayout> ReadApart(const BYTE* info, std::size_t infoSize,
                                               std::size_t bitsSize);

    // The first of the extent rows that start at row y, counted from the
    // other edge of a picture of that height; held within a LONG.
    static LONG FromOtherEdge(LONG height, LONG y, LONG extent);
    // A source row of a block transfer, counted from the picture's top, as
    // StretchDIBits counts it: from the lower edge of a bottom-up bitmap.
    LONG SourceYFromTop(LONG ySrc, LONG srcHeight) const {
        return topDown ? ySrc : FromOtherEdge(height, ySrc, srcHeight);
    }

    // Bounds for a picture: at most 2^15 pixels a side and 2^28 pixels in all.
    static constexpr LONG kMaxSide = 1 << 15;
    static constexpr long long kMaxPixels = 1LL << 28;
};
