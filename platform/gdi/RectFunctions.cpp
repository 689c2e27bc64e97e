#include "platform/gdi/RectFunctions.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

LONG SaturatedAdd(LONG value, std::int64_t delta) {
    const std::int64_t sum = static_cast<std::int64_t>(value) + delta;
    return static_cast<LONG>(std::clamp<std::int64_t>(sum, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
}

} // namespace

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (!rect)
        return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL SetRectEmpty(RECT* rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL CopyRect(RECT* destination, const RECT* source) {
    if (!destination || !source)
        return FALSE;
    *destination = *source;
    return TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
    if (!a || !b)
        return FALSE;
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL IsRectEmpty(const RECT* rect) {
    if (!rect)
        return TRUE;
    return rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL PtInRect(const RECT* rect, POINT point) {
    if (!rect)
        return FALSE;
    return point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}

BOOL InflateRect(RECT* rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left = SaturatedAdd(rect->left, -static_cast<std::int64_t>(dx));
    rect->top = SaturatedAdd(rect->top, -static_cast<std::int64_t>(dy));
    rect->right = SaturatedAdd(rect->right, dx);
    rect->bottom = SaturatedAdd(rect->bottom, dy);
    return TRUE;
}

BOOL OffsetRect(RECT* rect, int dx, int dy) {
    if (!rect)
        return FALSE;
    rect->left = SaturatedAdd(rect->left, dx);
    rect->top = SaturatedAdd(rect->top, dy);
    rect->right = SaturatedAdd(rect->right, dx);
    rect->bottom = SaturatedAdd(rect->bottom, dy);
    return TRUE;
}

BOOL IntersectRect(RECT* destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b)
        return FALSE;
    const RECT common{std::max(a->left, b->left), std::max(a->top, b->top),
                      std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&common)) {
        SetRectEmpty(destination);
        return FALSE;
    }
    *destination = common;
    return TRUE;
}

BOOL UnionRect(RECT* destination, const RECT* a, const RECT* b) {
    if (!destination || !a || !b)
        return FALSE;
    const bool aEmpty = IsRectEmpty(a);
    const bool bEmpty = IsRectEmpty(b);
    if (aEmpty && bEmpty) {
        SetRectEmpty(destination);
        return FALSE;
    }
    if (aEmpty || bEmpty) {
        *destination = aEmpty ? *b : *a;
        return TRUE;
    }
    *destination = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                        std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    return TRUE;
}

RECT NormalizedRect(RECT rect) {
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    return rect;
}
