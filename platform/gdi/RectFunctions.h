#pragma once
// GDI's rectangle functions. A rectangle holds its left and top edges and
// leaves out its right and bottom ones. Results that would leave the LONG
// range stop at its ends instead of wrapping. A null pointer gives FALSE.

#include "platform/win/WinTypes.h"

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* destination, const RECT* source);
BOOL EqualRect(const RECT* a, const RECT* b);
// TRUE when the rectangle has no area: right <= left or bottom <= top.
BOOL IsRectEmpty(const RECT* rect);
BOOL PtInRect(const RECT* rect, POINT point);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL OffsetRect(RECT* rect, int dx, int dy);
// The common part; an empty result is stored as (0, 0, 0, 0) and gives FALSE.
BOOL IntersectRect(RECT* destination, const RECT* a, const RECT* b);
// The bounding rectangle of both, an empty one not counting; FALSE when both
// are empty (the result is then (0, 0, 0, 0)).
BOOL UnionRect(RECT* destination, const RECT* a, const RECT* b);
// The rectangle with its edges swapped where needed so that left <= right
// and top <= bottom (CRect::NormalizeRect).
RECT NormalizedRect(RECT rect);
