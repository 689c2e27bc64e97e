#include "image/CDibRotator.h"

#include "image/CRasterImage.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/win/GlobalMemory.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double kQuarterTurn = 1.570796327;
constexpr int kFraction = 10;
constexpr double kOne = 1 << kFraction;

long Fixed(double value) {
    return static_cast<long>(std::trunc(value * kOne));
}

} // namespace

void CDibRotator::CopyPixel(int bitCount, const BYTE* sourceRow, long sourceX, BYTE* targetRow,
                            long targetX) {
    switch (bitCount) {
    case 1: {
        const bool set = (sourceRow[sourceX / 8] & (0x80 >> (sourceX % 8))) != 0;
        if (set)
            targetRow[targetX / 8] |= static_cast<BYTE>(0x80 >> (targetX % 8));
        break;
    }
    case 4: {
        BYTE nibble = sourceRow[sourceX / 2];
        nibble = sourceX % 2 == 0 ? nibble >> 4 : nibble & 0x0F;
        targetRow[targetX / 2] |= static_cast<BYTE>(targetX % 2 == 0 ? nibble << 4 : nibble);
        break;
    }
    default: {
        const int bytes = bitCount / 8;
        std::memcpy(targetRow + targetX * bytes, sourceRow + sourceX * bytes, bytes);
        break;
    }
    }
}

HGLOBAL CDibRotator::Rotate(const BITMAPINFOHEADER& header, const BYTE* bits, double angle) {
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    const long width = header.biWidth;
    const long height = header.biHeight;
    const int newWidth =
        static_cast<int>(std::trunc(std::fabs(s) * height + std::fabs(c) * width + 0.5));
    const int newHeight =
        static_cast<int>(std::trunc(std::fabs(s) * width + std::fabs(c) * height + 0.5));
    BITMAPINFOHEADER* target = CreateBlankDib(header.biBitCount, newWidth, newHeight);
    if (!target)
        return nullptr;
    auto* targetData = reinterpret_cast<BYTE*>(target);
    const std::size_t colors = CDibLayout::ColorCount(header);
    if (colors > 0 && colors <= target->biClrUsed)
        std::memcpy(targetData + target->biSize,
                    reinterpret_cast<const BYTE*>(&header) + header.biSize,
                    colors * sizeof(RGBQUAD));
    BYTE* targetBits = targetData + CDibLayout::InfoBytes(*target);
    const std::size_t sourceRowBytes = CDibLayout::RowBytes(header.biBitCount, width);
    const std::size_t targetRowBytes = CDibLayout::RowBytes(header.biBitCount, newWidth);

    // Fixed-point steps: along a target row, and from one row to the next.
    const long sinA = Fixed(s);
    const long cosA = Fixed(c);
    const long sinRow = Fixed(std::sin(angle + kQuarterTurn));
    const long cosRow = Fixed(std::cos(angle + kQuarterTurn));
    const long halfW = width / 2;
    const long halfH = height / 2;
    const long halfNewW = newWidth / 2;
    const long halfNewH = newHeight / 2;
    // Source position of target pixel (0, 0).
    long rowX = (halfW << kFraction) - cosA * halfNewW + sinA * halfNewH;
    long rowY = (halfH << kFraction) - sinA * halfNewW - cosA * halfNewH;
    for (long i = 0; i < newHeight; ++i) {
        long x = rowX;
        long y = rowY;
        BYTE* targetRow = targetBits + i * targetRowBytes;
        for (long j = 0; j < newWidth; ++j) {
            const long sourceX = x >> kFraction;
            const long sourceY = y >> kFraction;
            if (sourceX >= 0 && sourceX < width && sourceY >= 0 && sourceY < height)
                CopyPixel(header.biBitCount, bits + sourceY * sourceRowBytes, sourceX, targetRow,
                          j);
            x += cosA;
            y += sinA;
        }
        // The quarter-turned direction: -sin and cos.
        rowX += cosRow;
        rowY += sinRow;
    }
    HGLOBAL block = GlobalHandle(target);
    GlobalUnlock(block);
    return block;
}
