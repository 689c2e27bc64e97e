#include "platform/gdi/CDibLayout.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

bool KnownDepth(WORD bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

DWORD ReadDword(const BYTE* data) {
    DWORD value = 0;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace

std::size_t CDibLayout::RowBytes(int bitCount, LONG width) {
    if (bitCount <= 0 || width < 0)
        return 0;
    const unsigned long long bits = static_cast<unsigned long long>(bitCount) * width + 31;
    const unsigned long long bytes = bits / 32 * 4;
    return bytes > std::numeric_limits<DWORD>::max() ? 0 : static_cast<std::size_t>(bytes);
}

LONG CDibLayout::FromOtherEdge(LONG height, LONG y, LONG extent) {
    const long long row = static_cast<long long>(height) - y - extent;
    return static_cast<LONG>(std::clamp<long long>(row, std::numeric_limits<LONG>::min(),
                                                   std::numeric_limits<LONG>::max()));
}

std::size_t CDibLayout::ColorCount(const BITMAPINFOHEADER& header) {
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    switch (header.biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

std::size_t CDibLayout::InfoBytes(const BITMAPINFOHEADER& header) {
    std::size_t bytes = header.biSize;
    if (header.biBitCount <= 8)
        bytes += ColorCount(header) * sizeof(RGBQUAD);
    else if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER))
        bytes += 12;
    return bytes;
}

std::optional<CDibLayout> CDibLayout::ReadApart(const BYTE* info, std::size_t infoSize,
                                                std::size_t bitsSize) {
    CDibLayout layout;
    if (!info || infoSize < sizeof(BITMAPINFOHEADER))
        return std::nullopt;
    std::memcpy(&layout.header, info, sizeof layout.header);
    const BITMAPINFOHEADER& h = layout.header;
    if (h.biSize != sizeof(BITMAPINFOHEADER) && h.biSize != BITMAPV4HEADER_SIZE &&
        h.biSize != BITMAPV5HEADER_SIZE)
        return std::nullopt;
    if (h.biSize > infoSize || !KnownDepth(h.biBitCount) || h.biPlanes > 1)
        return std::nullopt;
    const bool bitFields = h.biCompression == BI_BITFIELDS;
    if (h.biCompression != BI_RGB && !(bitFields && (h.biBitCount == 16 || h.biBitCount == 32)))
        return std::nullopt;
    if (h.biWidth <= 0 || h.biWidth > kMaxSide || h.biHeight == 0 ||
        h.biHeight == std::numeric_limits<LONG>::min())
        return std::nullopt;
    layout.width = h.biWidth;
    layout.topDown = h.biHeight < 0;
    layout.height = layout.topDown ? -h.biHeight : h.biHeight;
    if (layout.height > kMaxSide ||
        static_cast<long long>(layout.width) * layout.height > kMaxPixels)
        return std::nullopt;

    // Colour table or masks: a 40-byte header keeps the masks after itself,
    // the later headers inside.
    layout.colorsOffset = h.biSize;
    std::size_t tableBytes = 0;
    if (h.biBitCount <= 8) {
        layout.colorCount = ColorCount(h);
        if (layout.colorCount > (std::size_t{1} << h.biBitCount))
            return std::nullopt;
        tableBytes = layout.colorCount * sizeof(RGBQUAD);
    } else if (bitFields) {
        const std::size_t masksAt = h.biSize == sizeof(BITMAPINFOHEADER) ? h.biSize : 40;
        if (masksAt + 12 > infoSize)
            return std::nullopt;
        for (int i = 0; i < 3; ++i)
            layout.masks[i] = ReadDword(info + masksAt + 4 * i);
        if (h.biSize == sizeof(BITMAPINFOHEADER))
            tableBytes = 12;
    } else if (h.biBitCount == 16) {
        layout.masks[0] = 0x7C00;
        layout.masks[1] = 0x03E0;
        layout.masks[2] = 0x001F;
    } else {
        layout.masks[0] = 0xFF0000;
        layout.masks[1] = 0x00FF00;
        layout.masks[2] = 0x0000FF;
    }
    if (layout.colorsOffset + tableBytes > infoSize)
        return std::nullopt;
    layout.bitsOffset = layout.colorsOffset + tableBytes;
    layout.rowBytes = RowBytes(h.biBitCount, layout.width);
    if (layout.rowBytes == 0 ||
        static_cast<unsigned long long>(layout.rowBytes) * layout.height > bitsSize)
        return std::nullopt;
    return layout;
}

std::optional<CDibLayout> CDibLayout::Read(const BYTE* data, std::size_t size) {
    if (!data || size < sizeof(BITMAPINFOHEADER))
        return std::nullopt;
    BITMAPINFOHEADER header{};
    std::memcpy(&header, data, sizeof header);
    const std::size_t infoBytes = InfoBytes(header);
    if (infoBytes > size)
        return std::nullopt;
    return ReadApart(data, infoBytes, size - infoBytes);
}
