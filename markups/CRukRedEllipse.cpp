#include "markups/CRukRedEllipse.h"

#include "entities/CRingPolygon.h"
#include "entities/CRukEllipse.h"
#include "entities/EntityKinds.h"
#include "markups/CBoxGrips.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "markups/CTwoPointGesture.h"
#include "platform/win/MouseKeys.h"

namespace {

constexpr int kGripCount = 8;

} // namespace

IMPLEMENT_SERIAL(CRukRedEllipse, CObject, 0)

CRukRedEllipse::CRukRedEllipse() : CRukMark(MarkupKind(0x09)) {}

void CRukRedEllipse::Serialize(CArchive& ar) {
    SerializeLayout(ar);
}

int CRukRedEllipse::AddPoint(int x, int y, int) {
    return CTwoPointGesture::AddSecond(this, x, y, CTwoPointGesture::kSameAxis);
}

POINT CRukRedEllipse::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return CTwoPointGesture::Anchor(*this, document, dc, x, y);
}

void CRukRedEllipse::DrawBand(CTrackSurface& surface, const CMarkupDocument& document,
                              POINT point) const {
    const POINT a = document.LogicalToDevicePoint(PointAt(0).x, PointAt(0).y);
    const POINT b = document.LogicalToDevicePoint(point.x, point.y);
    surface.Polygon(CRingPolygon::Ellipse(a.x, a.y, b.x, b.y));
}

void CRukRedEllipse::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                             POINT newPoint, const CDrawDefaults&) {
    if (m_points.GetSize() == 0)
        return;
    DrawBand(surface, document, oldPoint);
    DrawBand(surface, document, newPoint);
}

void CRukRedEllipse::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                               const CDrawDefaults&) {
    if (m_points.GetSize() > 0)
        DrawBand(surface, document, point);
}

void CRukRedEllipse::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    auto* ellipse = new CRukEllipse();
    ellipse->SetFirstPoint(PointAt(0).x, PointAt(0).y);
    ellipse->AppendPoint(PointAt(1).x, PointAt(1).y);
    FinishWithChild(*document, ellipse);
}

int CRukRedEllipse::GetPoint(int* x, int* y, int index) const {
    return CBoxGrips::GetCorner(ChildAt(0, kKindEllipse), index, x, y);
}

int CRukRedEllipse::SetPoint(int x, int y, int index) {
    CRukEntity* ellipse = ChildAt(0, kKindEllipse);
    return ellipse ? CBoxGrips::SetCorner(this, ellipse, x, y, index) : 0;
}

void CRukRedEllipse::MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) {
    CBoxGrips::Move(this, dx, dy, index, x, y, (flags & MK_SHIFT) != 0);
    if (CRukEntity* ellipse = ChildAt(0, kKindEllipse))
        CBoxGrips::Apply(ellipse, CBoxGrips::DefiningBox(*this));
    RecalcExtents();
}

void CRukRedEllipse::DrawGrips(CDC* dc, int originX, int originY, double scale,
                               const CDrawDefaults*) {
    CBoxGrips::Draw(dc, CBoxGrips::DefiningBox(*this), kGripCount, originX, originY, scale);
}

int CRukRedEllipse::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return CBoxGrips::Hit(*this, dc, document, CBoxGrips::DefiningBox(*this), kGripCount, x, y,
                          grip);
}

void CRukRedEllipse::SetGripCursor(int grip) {
    CBoxGrips::SetCursorFor(CBoxGrips::DefiningBox(*this), grip);
}
