#include "markups/CRukMarkPolygon.h"

#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"

namespace {

constexpr int kLeastVertices = 3;
constexpr UINT kSchema = 1;
// Schema 0 stored no widths: such children draw 0.15 mm wide.
constexpr int kOldDefaultWidth = 15;
constexpr int kMaxChildFlag = 2;

} // namespace

IMPLEMENT_SERIAL(CRukMarkPolygon, CObject, VERSIONABLE_SCHEMA | 1)

CRukMarkPolygon::CRukMarkPolygon() : CRukMarkPolygon(MarkupKind(0x06)) {}

CRukMarkPolygon::CRukMarkPolygon(int kind) : CRukMark(kind) {}

int CRukMarkPolygon::OutlineKind() const {
    return kKindPolygon;
}

CRukEntity* CRukMarkPolygon::Outline() const {
    // Old clouds keep their arcs before the outline rebuilt from them.
    return LastChildOfKind(OutlineKind(), false);
}

void CRukMarkPolygon::RepairOldBody() {
    m_children.ForEach([](CRukEntity& child) {
        if (child.GetLineWidth() == 0)
            child.SetLineWidth(kOldDefaultWidth);
    });
    if (m_childFlag < 0 || m_childFlag > kMaxChildFlag)
        m_childFlag = 0;
}

void CRukMarkPolygon::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        SerializeLayout(ar);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_points.Serialize(ar);
    SerializeLayout(ar);
    if (schema == 0)
        RepairOldBody();
    AdoptChildLayer();
    RecalcExtents();
}

int CRukMarkPolygon::AddPoint(int x, int y, int mode) {
    return AddOpenPoint(x, y, mode, kLeastVertices);
}

POINT CRukMarkPolygon::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return LastPointOnDevice(document, dc, x, y);
}

int CRukMarkPolygon::GetPointCount() const {
    return VertexCount(Outline());
}

int CRukMarkPolygon::GetPoint(int* x, int* y, int index) const {
    return VertexOf(Outline(), index, x, y);
}

void CRukMarkPolygon::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                              POINT newPoint, const CDrawDefaults&) {
    if (m_points.GetSize() == 0)
        return;
    TrackFromCurrent(surface, document, oldPoint, newPoint);
    if (m_points.GetSize() < 2)
        return;
    if (m_trackShown)
        XorLine(surface, document, PointAt(0), oldPoint);
    m_trackShown = 1;
    XorLine(surface, document, PointAt(0), newPoint);
}

void CRukMarkPolygon::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                const CDrawDefaults&) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count == 0)
        return;
    if (count == 1) {
        XorLine(surface, document, PointAt(0), point);
        return;
    }
    std::vector<POINT> outline;
    for (int i = 0; i < count; ++i)
        outline.push_back(document.LogicalToDevicePoint(PointAt(i).x, PointAt(i).y));
    outline.push_back(document.LogicalToDevicePoint(point.x, point.y));
    surface.Polygon(outline);
}

int CRukMarkPolygon::EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                     const CDrawDefaults&) {
    return EraseLastVertex(surface, document, point);
}

void CRukMarkPolygon::AddVerticesTo(CRukEntity* outline) const {
    outline->SetFirstPoint(PointAt(0).x, PointAt(0).y);
    for (int i = 1; i < static_cast<int>(m_points.GetSize()); ++i)
        outline->AppendPoint(PointAt(i).x, PointAt(i).y);
}

CRukEntity* CRukMarkPolygon::MakeOutline(CMarkupDocument&) const {
    auto* polygon = new CRukPolygon();
    AddVerticesTo(polygon);
    return polygon;
}

void CRukMarkPolygon::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < kLeastVertices)
        return;
    CRukEntity* outline = MakeOutline(*document);
    FinishWithChild(*document, outline);
}
