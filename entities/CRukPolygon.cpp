#include "entities/CRukPolygon.h"

#include "entities/ArchiveFields.h"
#include "entities/CFillBrushScope.h"

#include "entities/CDashedChain.h"
#include "entities/CEntityDocument.h"
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

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kTranslucentFill = 1;
constexpr int kSolidFill = 3;
constexpr int kSpecialFill = 99;

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
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        ar << m_layerName << static_cast<WORD>(m_lineType) << m_lineTypeScale
           << static_cast<WORD>(m_lineWidth) << static_cast<UINT>(m_savedColor)
           << static_cast<WORD>(m_fillType) << static_cast<UINT>(m_savedFillColor)
           << static_cast<UINT>(m_thirdColor) << static_cast<BYTE>(m_transparent)
           << static_cast<BYTE>(m_childFlag) << m_tag;
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 3)
        AfxThrowArchiveException(CArchiveException::badSchema);
    WORD lineType = 0;
    WORD width = 0;
    UINT color = 0;
    WORD fillType = 0;
    UINT fillColor = 0;
    UINT thirdColor = 0;
    BYTE transparent = 0;
    BYTE childFlag = 0;
    m_points.Serialize(ar);
    ar >> m_layerName >> lineType;
    if (schema >= 1)
        ar >> m_lineTypeScale;
    ar >> width >> color;
    if (schema >= 2) {
        ar >> fillType >> fillColor;
        m_fillType = WithLowWord(m_fillType, fillType);
        m_fillColor = fillColor;
    }
    if (schema >= 3) {
        ar >> thirdColor >> transparent;
        m_thirdColor = thirdColor;
    }
    ar >> childFlag >> m_tag;
    m_lineType = WithLowWord(m_lineType, lineType);
    m_lineWidth = WithLowWord(m_lineWidth, width);
    m_color = color;
    m_childFlag = childFlag;
    if (schema == 3) {
        if (m_fillType == 0)
            m_transparent = 1;
        else if (m_fillType == kTranslucentFill || m_fillType == kSolidFill ||
                 m_fillType == kSpecialFill)
            m_transparent = 0;
        else
            m_transparent = transparent;
    } else if (schema == 2) {
        m_transparent = m_fillType == 0 ? 1 : 0;
    } else {
        // Older files had neither fills nor an invisible line type.
        m_fillType = 0;
        m_transparent = 1;
        if (m_lineType == 0)
            m_lineType = 1;
    }
    m_savedColor = m_color;
    m_savedFillColor = m_fillColor;
    RecalcExtents();
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

void CRukPolygon::DrawFilled(CDC* dc, const CDrawDefaults* settings, COLORREF penColor,
                             COLORREF fillColor, COLORREF thirdColor, int width,
                             const CShapeOutput& output) {
    const COLORREF oldTextColor = dc->SetTextColor(thirdColor);
    const bool translucent = m_fillType == kTranslucentFill;
    CFillBrushScope brush(dc, m_fillType, m_transparent, fillColor, thirdColor);

    const int oldBkMode = dc->SetBkMode(translucent || m_transparent != 0 ? TRANSPARENT : OPAQUE);
    const int oldRop = dc->SetROP2(translucent ? R2_MASKPEN : R2_COPYPEN);
    const bool showInvisible = settings->m_outlineInvisibleLines != 0;
    const bool styledPens = settings->m_bWindowsNT && !dc->IsMetafile();
    CPen pen;
    if (styledPens) {
        if (m_lineType == 0 && showInvisible)
            pen.CreatePen(PS_SOLID, width, penColor);
        else
            output.linePen(&pen, penColor, width);
    } else {
        if ((translucent || (m_fillType >= kSolidFill && m_fillType <= 9)) && m_lineType != 1) {
            // The interior first: the emulated outline does not fill it.
            CPen fillPen;
            fillPen.CreatePen(PS_NULL, width, penColor);
            CPen* previous = dc->SelectObject(&fillPen);
            output.trace();
            dc->SelectObject(previous);
        }
        pen.CreatePen(m_lineType != 0 || showInvisible ? PS_SOLID : PS_NULL, width, penColor);
    }
    CPen* oldPen = dc->SelectObject(&pen);
    const bool dashed = !styledPens && m_lineType != 0;
    if (dashed)
        output.dashed();
    else
        output.trace();

    if (translucent) {
        // The outline once more, unmasked, over the masked fill.
        dc->SetROP2(R2_COPYPEN);
        brush.DropBrush();
        if (dashed)
            output.dashed();
        else
            output.trace();
    }

    dc->SetTextColor(oldTextColor);
    dc->SetBkMode(oldBkMode);
    dc->SetROP2(oldRop);
    brush.RestoreBkColor();
    dc->SelectObject(oldPen);
}

void CRukPolygon::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                        double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                        const RECT& clip) {
    COLORREF penColor = 0;
    COLORREF fillColor = 0;
    COLORREF thirdColor = 0;
    ResolveColors(dc, &penColor, &fillColor, &thirdColor, settings->m_bkColor, drawBlack);
    DrawFilled(dc, settings, penColor, fillColor, thirdColor,
               GetDeviceLineWidth(dc, m_lineWidth, settings),
               CShapeOutput::Screen(*this, document, dc, originX, originY, scale, patternFactor,
                                    settings, clip));
}

void CRukPolygon::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                        double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    COLORREF penColor = 0;
    COLORREF fillColor = 0;
    COLORREF thirdColor = 0;
    ResolveColors(dc, &penColor, &fillColor, &thirdColor, kWhite, drawBlack);
    DrawFilled(
        dc, settings, penColor, fillColor, thirdColor, m_lineWidth,
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
    if (!record || record->Type() != PorPolygon::Type)
        return 0;
    const auto pen = record->Get(PorPolygon::Pen);
    const auto fill = record->Get(PorPolygon::Fill);
    const auto transparent = record->Get(PorPolygon::Transparent);
    // A count that claims more points than the record holds rejects it.
    const auto points = record->Get(PorPolygon::Points);
    if (!pen || !fill || !transparent || !points)
        return 0;
    m_id = record->Get(PorPolygon::Id);
    m_lineType = pen->lineType;
    m_lineTypeScale = pen->lineTypeScale;
    m_lineWidth = pen->width < 0 ? defaultWidth : pen->width;
    m_color = pen->color;
    m_savedColor = m_color;
    m_fillType = fill->type;
    m_fillColor = fill->color;
    m_savedFillColor = m_fillColor;
    m_layerName = record->Get(PorPolygon::Layer);
    m_sourceLayer = m_layerName;
    m_transparent = *transparent;
    for (const POINT& point : *points)
        AppendPoint(point.x, point.y);
    RecalcExtents();
    return 1;
}
