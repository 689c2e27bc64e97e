#include "entities/ColorRules.h"

#include "geometry/Geometry.h"

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;

} // namespace

COLORREF GetContrastColor(COLORREF color, COLORREF background) {
    if (color != background)
        return color;
    const LONG luminance =
        TruncInt(0.11 * GetBValue(color) + 0.59 * GetGValue(color) + 0.3 * GetRValue(color));
    return luminance >= 128 ? kBlack : kWhite;
}

COLORREF ToGrayColor(COLORREF color) {
    const LONG gray =
        TruncInt(0.299 * GetRValue(color) + 0.587 * GetGValue(color) + 0.114 * GetBValue(color));
    return static_cast<COLORREF>(gray & 0xFF) * 0x010101u;
}
