#include "platform/gdi/CDibImage.h"

#include <bit>
#include <cstring>

namespace {

// A channel of a masked pixel widened to 8 bits.
BYTE Channel(DWORD pixel, DWORD mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const DWORD maximum = mask >> shift;
    return static_cast<BYTE>(((pixel & mask) >> shift) * 255 / maximum);
}

QRgb Masked(DWORD pixel, const DWORD* masks) {
    return qRgb(Channel(pixel, masks[0]), Channel(pixel, masks[1]), Channel(pixel, masks[2]));
}

} // namespace

QImage CDibImage::ToImage(const BYTE* info, std::size_t infoSize, const BYTE* bits,
                          std::size_t bitsSize) {
    const std::optional<CDibLayout> layout = CDibLayout::ReadApart(info, infoSize, bitsSize);
    if (!layout || !bits)
        return QImage();
    return Convert(*layout, info, bits);
}

QImage CDibImage::ToImage(const BYTE* packed, std::size_t size) {
    const std::optional<CDibLayout> layout = CDibLayout::Read(packed, size);
    if (!layout)
        return QImage();
    return Convert(*layout, packed, packed + layout->bitsOffset);
}

QImage CDibImage::Convert(const CDibLayout& layout, const BYTE* info, const BYTE* bits) {
    QImage image(layout.width, layout.height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    std::vector<QRgb> palette(std::size_t{1} << std::min<int>(layout.header.biBitCount, 8),
                              qRgb(0, 0, 0));
    for (std::size_t i = 0; i < layout.colorCount && i < palette.size(); ++i) {
        RGBQUAD quad{};
        std::memcpy(&quad, info + layout.colorsOffset + i * sizeof quad, sizeof quad);
        palette[i] = qRgb(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
    }
    const int depth = layout.header.biBitCount;
    for (LONG row = 0; row < layout.height; ++row) {
        const LONG source = layout.topDown ? row : layout.height - 1 - row;
        const BYTE* in = bits + static_cast<std::size_t>(source) * layout.rowBytes;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (LONG x = 0; x < layout.width; ++x) {
            switch (depth) {
            case 1:
                out[x] = palette[(in[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = palette[(in[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF];
                break;
            case 8:
                out[x] = palette[in[x]];
                break;
            case 16:
                out[x] = Masked(in[2 * x] | in[2 * x + 1] << 8, layout.masks);
                break;
            case 24:
                out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
                break;
            default: {
                DWORD pixel = 0;
                std::memcpy(&pixel, in + 4 * x, sizeof pixel);
                out[x] = Masked(pixel, layout.masks);
                break;
            }
            }
        }
    }
    return image;
}
