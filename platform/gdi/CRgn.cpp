#include "platform/gdi/CRgn.h"

#include <QPolygon>

#include <algorithm>

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    m_region = QRegion(QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                             QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1)));
    MarkCreated();
    return TRUE;
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (!points || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING))
        return FALSE;
    QPolygon polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i)
        polygon.append(QPoint(points[i].x, points[i].y));
    m_region = QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    MarkCreated();
    return TRUE;
}

BOOL CRgn::CreateFromQRegion(const QRegion& region) {
    m_region = region;
    MarkCreated();
    return TRUE;
}

int CRgn::CombineRgn(const CRgn* first, const CRgn* second, int mode) {
    if (!first || !first->GetSafeHandle())
        return ERROR;
    const bool needsSecond = mode != RGN_COPY;
    if (needsSecond && (!second || !second->GetSafeHandle()))
        return ERROR;
    QRegion result;
    if (!Combine(first->m_region, needsSecond ? second->m_region : QRegion(), mode, &result))
        return ERROR;
    m_region = result;
    MarkCreated();
    return KindOf(m_region);
}

BOOL CRgn::PtInRegion(int x, int y) const {
    return GetSafeHandle() && m_region.contains(QPoint(x, y));
}

int CRgn::GetRgnBox(RECT* rect) const {
    if (!GetSafeHandle() || !rect)
        return ERROR;
    const QRect box = m_region.boundingRect();
    *rect = m_region.isEmpty() ? RECT{0, 0, 0, 0}
                               : RECT{box.left(), box.top(), box.right() + 1, box.bottom() + 1};
    return KindOf(m_region);
}

int CRgn::KindOf(const QRegion& region) {
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool CRgn::Combine(const QRegion& first, const QRegion& second, int mode, QRegion* result) {
    switch (mode) {
    case RGN_AND:
        *result = first.intersected(second);
        return true;
    case RGN_OR:
        *result = first.united(second);
        return true;
    case RGN_XOR:
        *result = first.xored(second);
        return true;
    case RGN_DIFF:
        *result = first.subtracted(second);
        return true;
    case RGN_COPY:
        *result = first;
        return true;
    default:
        return false;
    }
}
