#include "markups/CRukRedSquare.h"

#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CBoxGrips.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "markups/CTwoPointGesture.h"
#include "platform/win/MouseKeys.h"

#include <algorithm>

namespace {

constexpr int kGripCount = 8;
constexpr int kCornerCount = 4;

} // namespace

IMPLEMENT_SERIAL(CRukRedSquare, CObject, 0)

CRukRedSquare::CRukRedSquare() : CRukRedSquare(MarkupKind(0x0A)) {}

CRukRedSquare::CRukRedSquare(int kind) : CRukMarkPolygon(kind) {}

void CRukRedSquare::Serialize(CArchive& ar) {
    SerializeLayout(ar);
}

int CRukRedSquare::AddPoint(int x, int y, int) {
    return CTwoPointGesture::AddSecond(this, x, y, CTwoPointGesture::kSameAxis);
}

POINT CRukRedSquare::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return CTwoPointGesture::Anchor(*this, document, dc, x, y);
}

void CRukRedSquare::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                            POINT newPoint, const CDrawDefaults& settings) {
    if (m_points.GetSize() == 0)
        return;
    TrackAtOn(surface, document, oldPoint, settings);
    TrackAtOn(surface, document, newPoint, settings);
}

void CRukRedSquare::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                              const CDrawDefaults&) {
    if (m_points.GetSize() == 0)
        return;
    const POINT a = document.LogicalToDevicePoint(PointAt(0).x, PointAt(0).y);
    const POINT b = document.LogicalToDevicePoint(point.x, point.y);
    surface.Polygon({{a.x, a.y}, {a.x, b.y}, {b.x, b.y}, {b.x, a.y}});
}

void CRukRedSquare::NormaliseBox() {
    const int minX = std::min(m_x1, m_x2);
    const int maxX = std::max(m_x1, m_x2);
    const int minY = std::min(m_y1, m_y2);
    const int maxY = std::max(m_y1, m_y2);
    m_x1 = minX;
    m_y1 = maxY;
    m_x2 = maxX;
    m_y2 = minY;
}

std::vector<POINT> CRukRedSquare::BoxCorners() const {
    return CBoxGrips::Points(CBoxGrips::DefiningBox(*this), kCornerCount);
}

void CRukRedSquare::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    m_x1 = PointAt(0).x;
    m_y1 = PointAt(0).y;
    m_x2 = PointAt(1).x;
    m_y2 = PointAt(1).y;
    NormaliseBox();
    m_points.RemoveAll();
    for (const POINT& corner : BoxCorners())
        m_points.Add(corner);
    auto* polygon = new CRukPolygon();
    AddVerticesTo(polygon);
    FinishWithChild(*document, polygon);
}

int CRukRedSquare::GetPoint(int* x, int* y, int index) const {
    return CBoxGrips::GetCorner(LastChildOfKind(kKindPolygon, false), index, x, y);
}

int CRukRedSquare::SetPoint(int x, int y, int index) {
    CRukEntity* polygon = LastChildOfKind(kKindPolygon, false);
    return polygon ? CBoxGrips::SetCorner(this, polygon, x, y, index) : 0;
}

int CRukRedSquare::GripCount() const {
    return m_kind == MarkupKind(0x0A) ? kGripCount : kCornerCount;
}

void CRukRedSquare::MoveGrip(int dx, int dy, int grip, int x, int y, bool keepRatio) {
    if (grip < 0 || grip >= GripCount())
        return;
    CBoxGrips::Move(this, dx, dy, grip, x, y, keepRatio);
}

void CRukRedSquare::MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) {
    MoveGrip(dx, dy, index, x, y, (flags & MK_SHIFT) != 0);
    if (CRukEntity* polygon = LastChildOfKind(kKindPolygon, false))
        CBoxGrips::Apply(polygon, CBoxGrips::DefiningBox(*this));
    RecalcExtents();
}

void CRukRedSquare::DrawGrips(CDC* dc, int originX, int originY, double scale,
                              const CDrawDefaults*) {
    CBoxGrips::Draw(dc, CBoxGrips::DefiningBox(*this), GripCount(), originX, originY, scale);
}

int CRukRedSquare::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return CBoxGrips::Hit(*this, dc, document, CBoxGrips::DefiningBox(*this), GripCount(), x, y,
                          grip);
}

void CRukRedSquare::SetGripCursor(int grip) {
    if (grip >= 0 && grip < GripCount())
        CBoxGrips::SetCursorFor(CBoxGrips::DefiningBox(*this), grip);
}
