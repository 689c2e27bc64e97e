#include "entities/CImageFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kUnitsPerPixel = 1000;

LONG Clamped(double value) {
    return static_cast<LONG>(std::clamp(value,
                                        static_cast<double>(std::numeric_limits<LONG>::min()),
                                        static_cast<double>(std::numeric_limits<LONG>::max())));
}

} // namespace

RECT CImageFit::PixelSize(int pictureWidth, int pictureHeight, POINT corner) {
    return RECT{corner.x, corner.y,
                Clamped(corner.x + static_cast<double>(pictureWidth) * kUnitsPerPixel),
                Clamped(corner.y + static_cast<double>(pictureHeight) * kUnitsPerPixel)};
}

RECT CImageFit::Fit(int pictureWidth, int pictureHeight, const RECT& target) {
    const double width = static_cast<double>(target.right) - target.left;
    const double height = static_cast<double>(target.bottom) - target.top;
    if (width == 0 || height == 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return PixelSize(std::max(pictureWidth, 0), std::max(pictureHeight, 0),
                         POINT{target.left, target.top});
    RECT fitted = target;
    const double w = std::fabs(width);
    const double h = std::fabs(height);
    if (static_cast<double>(pictureHeight) / pictureWidth <= h / w) {
        const double side = std::trunc(static_cast<double>(pictureHeight) / pictureWidth * w + 0.5);
        fitted.bottom = Clamped(target.top + std::copysign(side, height));
    } else {
        const double side = std::trunc(h * pictureWidth / pictureHeight + 0.5);
        fitted.right = Clamped(target.left + std::copysign(side, width));
    }
    return fitted;
}
