#include "entities/CRukConic.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityBody.h"
#include "entities/CEntityDocument.h"
#include "entities/CFilledShape.h"
#include "entities/CShapeOutput.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "por/PorPen.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

void CRukConic::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                      double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                      const RECT& clip) {
    CFilledShape::DrawA(*this, dc, settings, drawBlack,
                        CShapeOutput::Screen(*this, document, dc, originX, originY, scale,
                                             patternFactor, settings, clip));
}

void CRukConic::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                      double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    CFilledShape::DrawB(
        *this, dc, settings, drawBlack,
        CShapeOutput::Printer(*this, document, dc, unitDivisor, scale, patternFactor, settings));
}

std::optional<RECT> CRukConic::ThinOutlineBox() const {
    if (m_fillType != 0)
        return std::nullopt;
    return OutlineBox();
}

void CRukConic::Draw(CDC* dc, const std::vector<POINT>& chain) const {
    if (IsClosed())
        CCurveChain::Polygon(dc, chain);
    else
        CCurveChain::Polyline(dc, chain);
}

void CRukConic::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                       const RECT&, BOOL) {
    const bool metafile = dc->IsMetafile();
    if (!metafile) {
        // Mapping to the view keeps the order of coordinates, so a box that
        // falls on one pixel holds the whole outline there: a drawing fitted
        // into the view has many rings smaller than a pixel.
        if (const std::optional<RECT> box = OutlineBox()) {
            const POINT corner = ToViewPoint(box->left, box->top, originX, originY, scale);
            const POINT opposite = ToViewPoint(box->right, box->bottom, originX, originY, scale);
            if (dc->SetsNoPixelWithin(corner, opposite, IsClosed()))
                return;
        }
        // One buffer for every conic painted: no chain is allocated per conic.
        static thread_local std::vector<POINT> chain;
        if (dc->DropsRepeatedPixels(IsClosed()) &&
            PixelOutline(*dc, originX, originY, scale, chain)) {
            Draw(dc, chain);
            return;
        }
    }
    Draw(dc, CCurveChain::ToView(Outline(), originX, originY, scale, metafile));
}

void CRukConic::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    Draw(dc, CCurveChain::ToPrint(Outline(), unitDivisor, scale));
}

void CRukConic::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY,
                          double scale, double patternFactor, const CDrawDefaults* settings,
                          const RECT& clip) {
    if (!CCurveChain::DashedA(*this, document, dc, Outline(), IsClosed(), originX, originY, scale,
                              patternFactor, settings))
        TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukConic::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                          double patternFactor, const CDrawDefaults* settings) {
    if (!CCurveChain::DashedB(*this, document, dc, Outline(), IsClosed(), unitDivisor, scale,
                              patternFactor))
        TraceB(dc, unitDivisor, scale, settings);
}

void CRukConic::SerializeArcBody(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        ar << m_x1 << m_y1 << m_x2 << m_y2;
        CEntityBody::StoreOpen(*this, ar);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_points.Serialize(ar);
    ar >> m_x1 >> m_y1 >> m_x2 >> m_y2;
    CEntityBody::LoadOpen(*this, ar, schema >= 1);
    if (schema < 2)
        CEntityBody::MendInvisibleLineType(*this);
    m_savedColor = m_color;
}

void CRukConic::TakePen(const PorPen& pen, int defaultWidth) {
    m_lineType = pen.lineType;
    m_lineTypeScale = pen.lineTypeScale;
    m_lineWidth = pen.width < 0 ? defaultWidth : pen.width;
    m_color = pen.color;
    m_savedColor = m_color;
}

int CRukConic::FillFromArcRecord(const PorRecord* record, LONG type, int defaultWidth) {
    if (!record || record->Type() != type)
        return 0;
    const auto corners = record->Get(PorArcBase::Corners);
    const auto start = record->Get(PorArcBase::Start);
    const auto end = record->Get(PorArcBase::End);
    const auto pen = record->Get(PorArcBase::Pen);
    if (!corners || !start || !end || !pen)
        return 0;
    m_id = record->Get(PorArcBase::Id);
    m_layerName = record->Get(PorArcBase::Layer);
    m_sourceLayer = m_layerName;
    for (const POINT& corner : *corners)
        m_points.Add(corner);
    TakePen(*pen, defaultWidth);
    m_x1 = start->x;
    m_y1 = start->y;
    m_x2 = end->x;
    m_y2 = end->y;
    RecalcExtents();
    return 1;
}

void CRukConic::DrawGripsAt(CDC* dc, const std::vector<POINT>& grips, int originX, int originY,
                            double scale) const {
    const std::vector<POINT> mapped = CCurveChain::ToView(grips, originX, originY, scale, false);
    DrawGripBoxes(dc, mapped.data(), static_cast<int>(mapped.size()));
}

int CRukConic::HitGripAt(CDC* dc, CEntityDocument* document, const std::vector<POINT>& grips, int x,
                         int y, int* grip) const {
    const POINT test = document->LogicalToDevicePoint(x, y);
    const std::vector<POINT> mapped = CCurveChain::ToDocumentView(grips, document, 0, 0);
    for (std::size_t i = 0; i < mapped.size(); ++i) {
        if (HitGripBox(dc, mapped[i], test)) {
            *grip = static_cast<int>(i);
            return 1;
        }
    }
    return 0;
}
