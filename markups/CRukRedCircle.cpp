#include "markups/CRukRedCircle.h"

#include "entities/CRingPolygon.h"
#include "entities/CRukCircle.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "geometry/Midpoint.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "markups/CTwoPointGesture.h"
#include "platform/mfc/CArchive.h"

IMPLEMENT_SERIAL(CRukRedCircle, CObject, 0)

CRukRedCircle::CRukRedCircle() : CRukMark(MarkupKind(0x08)) {}

void CRukRedCircle::Serialize(CArchive& ar) {
    SerializeLayout(ar);
    if (ar.IsStoring())
        return;
    // The file keeps the circle's box only: the centre and the rightmost point.
    const int middleY = Middle(m_y1, m_y2);
    m_points.RemoveAll();
    m_points.Add(POINT{Middle(m_x1, m_x2), middleY});
    m_points.Add(POINT{m_x2, middleY});
}

int CRukRedCircle::AddPoint(int x, int y, int) {
    return CTwoPointGesture::AddSecond(this, x, y, CTwoPointGesture::kSamePoint);
}

POINT CRukRedCircle::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return CTwoPointGesture::Anchor(*this, document, dc, x, y);
}

void CRukRedCircle::DrawBand(CTrackSurface& surface, const CMarkupDocument& document,
                             POINT point) const {
    const POINT centre = document.LogicalToDevicePoint(PointAt(0).x, PointAt(0).y);
    const int radius = document.LogicalToDevice(GetDistance(PointAt(0), point));
    surface.Polygon(CRingPolygon::Circle(centre.x, centre.y, radius));
}

void CRukRedCircle::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                            POINT newPoint, const CDrawDefaults&) {
    if (m_points.GetSize() == 0)
        return;
    DrawBand(surface, document, oldPoint);
    DrawBand(surface, document, newPoint);
}

void CRukRedCircle::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                              const CDrawDefaults&) {
    if (m_points.GetSize() > 0)
        DrawBand(surface, document, point);
}

void CRukRedCircle::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    auto* circle = new CRukCircle();
    circle->SetFirstPoint(PointAt(0).x, PointAt(0).y);
    circle->AppendPoint(PointAt(1).x, PointAt(1).y);
    FinishWithChild(*document, circle);
}

int CRukRedCircle::GetPoint(int* x, int* y, int index) const {
    const CRukEntity* circle = ChildAt(0, kKindCircle);
    if (!circle || circle->m_points.GetSize() < 4 || index < 0 || index > 1)
        return 0;
    const POINT centre = Midpoint(circle->m_points[0], circle->m_points[2]);
    *x = index == 0 ? centre.x
                    : TruncInt(static_cast<double>(centre.x) +
                               GetDistance(circle->m_points[0], circle->m_points[3]) / 2);
    *y = centre.y;
    return 1;
}

void CRukRedCircle::Rebuild(CRukEntity* circle, POINT centre, POINT onCircle) {
    circle->m_points.RemoveAll();
    circle->SetFirstPoint(centre.x, centre.y);
    circle->AppendPoint(onCircle.x, onCircle.y);
    circle->RecalcExtents();
}

int CRukRedCircle::SetPoint(int x, int y, int index) {
    CRukEntity* circle = ChildAt(0, kKindCircle);
    int cx = 0;
    int cy = 0;
    if (!circle || circle->m_points.GetSize() < 4 || (index != 0 && index != 1) ||
        !GetPoint(&cx, &cy, 0))
        return 0;
    if (index == 1)
        Rebuild(circle, POINT{cx, cy}, POINT{x, y});
    else
        Rebuild(circle, POINT{x, y}, POINT{circle->m_points[3].x, cy});
    circle->GetExtents(&m_x1, &m_y1, &m_x2, &m_y2);
    RecalcExtents();
    return 1;
}

void CRukRedCircle::MoveVertex(int dx, int dy, int, int x, int y, UINT) {
    CRukEntity* circle = ChildAt(0, kKindCircle);
    if (!circle || m_points.GetSize() < 2)
        return;
    m_points[1] = POINT{x + dx, y + dy};
    const POINT centre = PointAt(0);
    const int r = GetDistance(centre, PointAt(1));
    circle->m_points.RemoveAll();
    circle->m_points.Add(POINT{centre.x - r, centre.y - r});
    circle->m_points.Add(POINT{centre.x + r, centre.y - r});
    circle->m_points.Add(POINT{centre.x + r, centre.y + r});
    circle->m_points.Add(POINT{centre.x - r, centre.y + r});
    circle->RecalcExtents();
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    circle->GetExtents(&minX, &minY, &maxX, &maxY);
    m_x1 = minX;
    m_y1 = maxY;
    m_x2 = maxX;
    m_y2 = minY;
    RecalcExtents();
}
