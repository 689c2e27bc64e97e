#include "entities/CRukPolygon.h"

#include "entities/CCurveChain.h"
#include "entities/CDashedChain.h"
#include "entities/CEntityBody.h"
#include "entities/CEntityDocument.h"
#include "entities/CFilledShape.h"
#include "entities/CVertexChain.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

IMPLEMENT_SERIAL(CRukPolygon, CObject, VERSIONABLE_SCHEMA | 3)

namespace {

bool AllEqual(const std::vector<POINT>& points) {
    for (const POINT& point : points)
        if (point.x != points.front().x || point.y != points.front().y)
            return false;
    return true;
}

} // namespace

CRukPolygon::CRukPolygon() {
    m_kind = kKindPolygon;
}

void CRukPolygon::Serialize(CArchive& ar) {
    if (CEntityBody::SerializeFilled(*this, ar))
        RecalcExtents();
}

void CRukPolygon::SerializeCurveBody(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        CEntityBody::StoreFilled(*this, ar, {true, true, false});
        return;
    }
    if (ar.GetObjectSchema() != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_points.Serialize(ar);
    CEntityBody::LoadFilled(*this, ar, {true, true, false});
    CEntityBody::SaveColors(*this);
}

void CRukPolygon::RecalcClosedSplineExtents() {
    if (m_points.GetSize() == 0)
        return;
    std::vector<POINT> points = CCurveChain::Truncated(SampleClosedSpline());
    points.insert(points.end(), m_points.GetData(), m_points.GetData() + m_points.GetSize());
    CCurveChain::SetExtents(*this, points);
}

void CRukPolygon::RecalcExtents() {
    CVertexChain::RecalcExtents(*this);
}

void CRukPolygon::SetFirstPoint(int x, int y) {
    CVertexChain::Append(*this, x, y);
}

int CRukPolygon::AppendPoint(int x, int y) {
    CVertexChain::Append(*this, x, y);
    return 0;
}

// ---- Drawing

void CRukPolygon::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                        double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                        const RECT& clip) {
    CFilledShape::DrawA(*this, dc, settings, drawBlack,
                        CShapeOutput::Screen(*this, document, dc, originX, originY, scale,
                                             patternFactor, settings, clip));
}

void CRukPolygon::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                        double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    CFilledShape::DrawB(
        *this, dc, settings, drawBlack,
        CShapeOutput::Printer(*this, document, dc, unitDivisor, scale, patternFactor, settings));
}

void CRukPolygon::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                         const RECT&, BOOL) {
    const std::vector<POINT> points =
        CVertexChain::ToView(*this, originX, originY, scale, dc->IsMetafile());
    if (points.empty() || (points.size() == 4 && AllEqual(points)))
        return;
    dc->Polygon(points.data(), static_cast<int>(points.size()));
}

void CRukPolygon::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    const std::vector<POINT> points = CVertexChain::ToPrint(*this, unitDivisor, scale);
    if (points.empty())
        return;
    dc->Polygon(points.data(), static_cast<int>(points.size()));
}

std::vector<POINT> CRukPolygon::Closed(std::vector<POINT> chain) {
    if (!chain.empty())
        chain.push_back(chain.front());
    return chain;
}

void CRukPolygon::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                            double scale, double patternFactor, const CDrawDefaults* settings,
                            const RECT& clip) {
    if (ComputeDashes(document, m_lineType, scale, patternFactor, settings,
                      document->m_deviceSpanX) &&
        CDashedChain::Draw(*this, dc,
                           Closed(CVertexChain::ToView(*this, originX, originY, scale, false))))
        return;
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukPolygon::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                            double patternFactor, const CDrawDefaults* settings) {
    if (ComputeDashesPrinter(document, m_lineType, unitDivisor, scale, patternFactor) &&
        CDashedChain::Draw(*this, dc, Closed(CVertexChain::ToPrint(*this, unitDivisor, scale))))
        return;
    TraceB(dc, unitDivisor, scale, settings);
}

void CRukPolygon::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                            const CDrawDefaults*) {
    const std::vector<POINT> points = CVertexChain::ToDocumentView(*this, document, dx, dy);
    if (!points.empty())
        dc->Polygon(points.data(), static_cast<int>(points.size()));
}

void CRukPolygon::DrawGrips(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*) {
    CVertexChain::DrawGrips(*this, dc, originX, originY, scale);
}

// ---- Hit tests and editing

int CRukPolygon::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    const std::vector<POINT> points = CVertexChain::ToDocumentView(*this, document, 0, 0);
    if (points.empty())
        return 0;
    const POINT test = document->LogicalToDevicePoint(x, y);
    if (m_fillType != 0) {
        CRgn interior;
        interior.CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE);
        if (interior.PtInRegion(test))
            return 1;
    }
    // The closing edge first, then the others in order.
    std::vector<POINT> edges{points.back()};
    edges.insert(edges.end(), points.begin(), points.end());
    return CVertexChain::HitEdges(*this, edges, test);
}

int CRukPolygon::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return CVertexChain::HitGrip(*this, dc, document, x, y, grip);
}

void CRukPolygon::MoveVertex(int dx, int dy, int index, int, int, UINT) {
    if (CVertexChain::Move(*this, index, dx, dy))
        RecalcExtents();
}

int CRukPolygon::SetPoint(int x, int y, int index) {
    if (!CVertexChain::Set(*this, index, x, y))
        return 0;
    RecalcExtents();
    return 1;
}

int CRukPolygon::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    return FillFromRecord(record, PorPolygon::Type, PorPolygon::Points, defaultWidth);
}

int CRukPolygon::FillFromRecord(const PorRecord* record, LONG type, PorPointListField pointsField,
                                int defaultWidth) {
    if (!record || record->Type() != type)
        return 0;
    const auto pen = record->Get(PorClosedHead::Pen);
    const auto fill = record->Get(PorClosedHead::Fill);
    const auto transparent = record->Get(PorClosedHead::Transparent);
    // A count that claims more points than the record holds rejects it.
    const auto points = record->Get(pointsField);
    if (!pen || !fill || !transparent || !points)
        return 0;
    m_id = record->Get(PorClosedHead::Id);
    m_lineType = pen->lineType;
    m_lineTypeScale = pen->lineTypeScale;
    m_lineWidth = pen->width < 0 ? defaultWidth : pen->width;
    m_color = pen->color;
    m_savedColor = m_color;
    m_fillType = fill->type;
    m_fillColor = fill->color;
    m_savedFillColor = m_fillColor;
    m_layerName = record->Get(PorClosedHead::Layer);
    m_sourceLayer = m_layerName;
    m_transparent = *transparent;
    for (const POINT& point : *points)
        AppendPoint(point.x, point.y);
    RecalcExtents();
    return 1;
}
