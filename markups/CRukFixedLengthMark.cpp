#include "markups/CRukFixedLengthMark.h"

#include "geometry/Geometry.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTwoPointGesture.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"

#include <cmath>

CRukFixedLengthMark::CRukFixedLengthMark(int kind) : CRukMark(kind) {}

int CRukFixedLengthMark::AddPoint(int x, int y, int) {
    if (m_points.GetSize() > 0 && PointAt(0).x == x && PointAt(0).y == y)
        return 0;
    m_x2 = x;
    m_y2 = y;
    m_points.Add(POINT{x, y});
    return 1;
}

POINT CRukFixedLengthMark::TowardCursor(const CMarkupDocument& document, POINT cursor) const {
    const POINT first = PointAt(0);
    const double distance = GetDistanceD(first.x, first.y, cursor.x, cursor.y);
    if (distance == 0)
        return cursor;
    const double length = FixedLength(document);
    return POINT{RndInt(first.x + (cursor.x - first.x) * length / distance),
                 RndInt(first.y + (cursor.y - first.y) * length / distance)};
}

POINT CRukFixedLengthMark::FixedLengthPoint(CDC*, CEntityDocument* document, int x, int y) {
    const CMarkupDocument* markupDocument = MarkupDocument(document);
    if (!markupDocument || m_points.GetSize() == 0)
        return POINT{x, y};
    const POINT point = TowardCursor(*markupDocument, POINT{x, y});
    return markupDocument->LogicalToDevicePoint(point.x, point.y);
}

POINT CRukFixedLengthMark::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return CTwoPointGesture::Anchor(*this, document, dc, x, y);
}

void CRukFixedLengthMark::DrawFigureToward(CTrackSurface& surface, const CMarkupDocument& document,
                                           POINT cursor) const {
    if (m_points.GetSize() == 0 || (PointAt(0).x == cursor.x && PointAt(0).y == cursor.y))
        return;
    DrawFigure(surface, document, cursor);
}

void CRukFixedLengthMark::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                                  POINT newPoint, const CDrawDefaults&) {
    DrawFigureToward(surface, document, oldPoint);
    DrawFigureToward(surface, document, newPoint);
}

void CRukFixedLengthMark::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                    const CDrawDefaults&) {
    DrawFigureToward(surface, document, point);
}

void CRukFixedLengthMark::TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document,
                                         POINT point, const CDrawDefaults&) {
    DrawFigureToward(surface, document, point);
}

int CRukFixedLengthMark::EraseTrackingOn(CTrackSurface&, CMarkupDocument&, POINT,
                                         const CDrawDefaults&) {
    return 0;
}

void CRukFixedLengthMark::Serialize(CArchive& ar) {
    CRukGroup::Serialize(ar);
    if (!ar.IsStoring())
        RebuildPoints();
}
