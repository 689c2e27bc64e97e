#include "entities/CRukPolyline.h"

#include "entities/CDashedChain.h"
#include "entities/CEntityDocument.h"
#include "entities/CVertexChain.h"
#include "entities/ColorRules.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

IMPLEMENT_SERIAL(CRukPolyline, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

} // namespace

CRukPolyline::CRukPolyline() {
    m_kind = kKindPolyline;
}

void CRukPolyline::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        StoreAttributes(ar);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_points.Serialize(ar);
    LoadAttributes(ar, schema);
}

void CRukPolyline::RecalcExtents() {
    CVertexChain::RecalcExtents(*this);
}

void CRukPolyline::SetFirstPoint(int x, int y) {
    CVertexChain::Append(*this, x, y);
}

int CRukPolyline::AppendPoint(int x, int y) {
    CVertexChain::Append(*this, x, y);
    return 0;
}

// ---- Drawing

void CRukPolyline::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                         double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                         const RECT& clip) {
    const COLORREF color = GetContrastColor(drawBlack ? 0 : m_color, settings->m_bkColor);
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    DrawOpenShape(dc, settings, color, width,
                  CShapeOutput::Screen(*this, document, dc, originX, originY, scale, patternFactor,
                                       settings, clip),
                  settings->m_bWindowsNT && !dc->IsMetafile(), false, PS_JOIN_MITER);
}

void CRukPolyline::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                         double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    const COLORREF color = GetContrastColor(drawBlack ? 0 : m_color, kWhite);
    DrawOpenShape(
        dc, settings, color, m_lineWidth,
        CShapeOutput::Printer(*this, document, dc, unitDivisor, scale, patternFactor, settings),
        settings->m_bWindowsNT && !dc->IsMetafile(), false, PS_JOIN_MITER);
}

void CRukPolyline::DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY,
                              double scale, double patternFactor, const CDrawDefaults* settings,
                              BOOL drawBlack, const RECT& clip) {
    const COLORREF color = drawBlack || m_color == kWhite ? 0 : m_color;
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    DrawOpenShape(dc, settings, color, width,
                  CShapeOutput::Screen(*this, document, dc, originX, originY, scale, patternFactor,
                                       settings, clip),
                  settings->m_bWindowsNT != 0, false, PS_JOIN_MITER);
}

void CRukPolyline::DrawChain(CDC* dc, const std::vector<POINT>& chain,
                             const CDrawDefaults* settings) {
    if (chain.empty())
        return;
    const int count = static_cast<int>(chain.size());
    if (StrokesAsPath(settings)) {
        dc->BeginPath();
        dc->Polyline(chain.data(), count);
        dc->EndPath();
        dc->StrokePath();
        return;
    }
    dc->Polyline(chain.data(), count);
}

void CRukPolyline::TraceA(CDC* dc, int originX, int originY, double scale,
                          const CDrawDefaults* settings, const RECT&, BOOL) {
    const std::vector<POINT> chain =
        CVertexChain::ToView(*this, originX, originY, scale, dc->IsMetafile());
    if (chain.size() == 2 && chain[0].x == chain[1].x && chain[0].y == chain[1].y)
        return;
    DrawChain(dc, chain, settings);
}

std::optional<RECT> CRukPolyline::ThinOutlineBox() const {
    return std::nullopt;
}

void CRukPolyline::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    DrawChain(dc, CVertexChain::ToPrint(*this, unitDivisor, scale), settings);
}

void CRukPolyline::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                             double scale, double patternFactor, const CDrawDefaults* settings,
                             const RECT& clip) {
    if (ComputeDashes(document, m_lineType, scale, patternFactor, settings,
                      document->m_deviceSpanX) &&
        CDashedChain::Draw(*this, dc, CVertexChain::ToView(*this, originX, originY, scale, false)))
        return;
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukPolyline::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                             double patternFactor, const CDrawDefaults* settings) {
    if (ComputeDashesPrinter(document, m_lineType, unitDivisor, scale, patternFactor) &&
        CDashedChain::Draw(*this, dc, CVertexChain::ToPrint(*this, unitDivisor, scale)))
        return;
    TraceB(dc, unitDivisor, scale, settings);
}

void CRukPolyline::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                             const CDrawDefaults* settings) {
    DrawChain(dc, CVertexChain::ToDocumentView(*this, document, dx, dy), settings);
}

void CRukPolyline::DrawGrips(CDC* dc, int originX, int originY, double scale,
                             const CDrawDefaults*) {
    CVertexChain::DrawGrips(*this, dc, originX, originY, scale);
}

// ---- Hit tests and editing

int CRukPolyline::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    return CVertexChain::HitEdges(*this, CVertexChain::ToDocumentView(*this, document, 0, 0),
                                  document->LogicalToDevicePoint(x, y));
}

int CRukPolyline::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return CVertexChain::HitGrip(*this, dc, document, x, y, grip);
}

void CRukPolyline::MoveVertex(int dx, int dy, int index, int, int, UINT) {
    if (CVertexChain::Move(*this, index, dx, dy))
        RecalcExtents();
}

// The vertices scale; the line's two points mean nothing here.
void CRukPolyline::ScaleAbout(int cx, int cy, double sx, double sy) {
    CRukEntity::ScaleAbout(cx, cy, sx, sy);
}

int CRukPolyline::SetPoint(int x, int y, int index) {
    if (!CVertexChain::Set(*this, index, x, y))
        return 0;
    RecalcExtents();
    return 1;
}

int CRukPolyline::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    return FillFromRecord(record, PorPolyline::Type, PorPolyline::Points, defaultWidth);
}

int CRukPolyline::FillFromRecord(const PorRecord* record, LONG type, PorPointListField pointsField,
                                 int defaultWidth) {
    if (!record || record->Type() != type)
        return 0;
    const auto pen = record->Get(PorOpenHead::Pen);
    // A count that claims more points than the record holds rejects it.
    const auto points = record->Get(pointsField);
    if (!pen || !points)
        return 0;
    m_id = record->Get(PorOpenHead::Id);
    m_lineType = pen->lineType;
    m_lineTypeScale = pen->lineTypeScale;
    m_lineWidth = pen->width < 0 ? defaultWidth : pen->width;
    m_color = pen->color;
    m_savedColor = m_color;
    m_layerName = record->Get(PorOpenHead::Layer);
    m_sourceLayer = m_layerName;
    for (const POINT& point : *points)
        AppendPoint(point.x, point.y);
    RecalcExtents();
    return 1;
}
