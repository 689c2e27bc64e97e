#include "markups/CRukRedPolyline.h"

#include "entities/CRukPolyline.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "platform/mfc/CArchive.h"

namespace {

constexpr int kLeastVertices = 2;

} // namespace

IMPLEMENT_SERIAL(CRukRedPolyline, CObject, 0)

CRukRedPolyline::CRukRedPolyline() : CRukRedPolyline(MarkupKind(0x0B)) {}

CRukRedPolyline::CRukRedPolyline(int kind) : CRukMark(kind) {}

int CRukRedPolyline::PathKind() const {
    return kKindPolyline;
}

void CRukRedPolyline::Serialize(CArchive& ar) {
    m_points.Serialize(ar);
    SerializeLayout(ar);
}

int CRukRedPolyline::AddPoint(int x, int y, int mode) {
    return AddOpenPoint(x, y, mode, kLeastVertices);
}

POINT CRukRedPolyline::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return LastPointOnDevice(document, dc, x, y);
}

int CRukRedPolyline::GetPointCount() const {
    return VertexCount(ChildAt(0, PathKind()));
}

int CRukRedPolyline::GetPoint(int* x, int* y, int index) const {
    return VertexOf(ChildAt(0, PathKind()), index, x, y);
}

void CRukRedPolyline::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                              POINT newPoint, const CDrawDefaults&) {
    if (m_points.GetSize() > 0)
        TrackFromCurrent(surface, document, oldPoint, newPoint);
}

void CRukRedPolyline::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                const CDrawDefaults&) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count == 0)
        return;
    std::vector<POINT> path;
    for (int i = 0; i < count; ++i)
        path.push_back(document.LogicalToDevicePoint(PointAt(i).x, PointAt(i).y));
    surface.Polyline(path);
    XorLine(surface, document, POINT{m_x1, m_y1}, point);
}

int CRukRedPolyline::EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                     const CDrawDefaults&) {
    return EraseLastVertex(surface, document, point);
}

void CRukRedPolyline::BuildPath(CMarkupDocument& document, CRukEntity* path) {
    path->SetFirstPoint(PointAt(0).x, PointAt(0).y);
    for (int i = 1; i < static_cast<int>(m_points.GetSize()); ++i)
        path->AppendPoint(PointAt(i).x, PointAt(i).y);
    FinishWithChild(document, path);
}

void CRukRedPolyline::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < kLeastVertices)
        return;
    BuildPath(*document, new CRukPolyline());
}
