#include "platform/gdi/CRect.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace {

int SaturatedDifference(LONG a, LONG b) {
    const std::int64_t difference = static_cast<std::int64_t>(a) - b;
    return static_cast<int>(std::clamp<std::int64_t>(difference, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

int CRect::Width() const {
    return SaturatedDifference(right, left);
}

int CRect::Height() const {
    return SaturatedDifference(bottom, top);
}

CPoint CRect::CenterPoint() const {
    return CPoint(static_cast<int>((static_cast<std::int64_t>(left) + right) / 2),
                  static_cast<int>((static_cast<std::int64_t>(top) + bottom) / 2));
}

void CRect::NormalizeRect() {
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}
