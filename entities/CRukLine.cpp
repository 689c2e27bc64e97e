#include "entities/CRukLine.h"
#include "entities/CEntityBody.h"

#include "entities/CDashedChain.h"
#include "entities/CEntityDocument.h"
#include "entities/ColorRules.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRukLine, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
// Some printer drivers lose very long horizontal strokes: such lines go out
// in pieces of this many units.
constexpr long long kPrintPieceLength = 5000;

LONG MetafileY(LONG y, bool metafile) {
    return metafile ? TruncInt(-static_cast<double>(y)) : y;
}

// centre + trunc((value - centre) x factor), saturating.
int ScaledAbout(int value, int centre, double factor) {
    return TruncInt(static_cast<double>(centre) +
                    TruncInt((static_cast<double>(value) - centre) * factor));
}

int Shifted(int value, int delta) {
    return TruncInt(static_cast<double>(value) + delta);
}

} // namespace

CRukLine::CRukLine() {
    m_kind = kKindLine;
}

void CRukLine::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_x1 << m_y1 << m_x2 << m_y2;
        StoreAttributes(ar);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_x1 >> m_y1 >> m_x2 >> m_y2;
    LoadAttributes(ar, schema);
}

void CRukLine::StoreAttributes(CArchive& ar) const {
    CEntityBody::StoreOpen(*this, ar);
}

void CRukLine::LoadAttributes(CArchive& ar, UINT schema) {
    CEntityBody::LoadOpen(*this, ar, schema >= 1);
    if (schema < 2)
        CEntityBody::MendInvisibleLineType(*this);
    m_savedColor = m_color;
    RecalcExtents();
}

// ---- Drawing

bool CRukLine::StrokesAsPath(const CDrawDefaults* settings) const {
    return m_lineType == kWideLineType && !settings->m_bWindowsNT;
}

void CRukLine::DrawOpenShape(CDC* dc, const CDrawDefaults* settings, COLORREF color, int width,
                             const CShapeOutput& output, bool styledPens, bool emulateFineDots,
                             DWORD wideJoin) {
    const bool showInvisible = settings->m_outlineInvisibleLines != 0;
    CPen pen;
    bool dashed = false;
    if (m_lineType == kWideLineType) {
        const LOGBRUSH brush{BS_SOLID, color, 0};
        pen.ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | wideJoin,
                         static_cast<DWORD>(std::max(width, 0)), brush, 0, nullptr);
    } else if (styledPens) {
        if (m_lineType == 0 && showInvisible) {
            pen.CreatePen(PS_SOLID, width, color);
        } else if (emulateFineDots && m_lineType >= 5 && m_lineType <= 7) {
            pen.CreatePen(PS_SOLID, width, color);
            dashed = true;
        } else {
            output.LinePen(&pen, color, width);
        }
    } else {
        pen.CreatePen(m_lineType != 0 || showInvisible ? PS_SOLID : PS_NULL, width, color);
        dashed = m_lineType != 0;
    }
    CPen* oldPen = dc->SelectObject(&pen);
    if (dashed)
        output.Dashed();
    else
        output.Trace();
    dc->SelectObject(oldPen);
}

void CRukLine::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                     double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                     const RECT& clip) {
    const COLORREF color = GetContrastColor(drawBlack ? 0 : m_color, settings->m_bkColor);
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    DrawOpenShape(dc, settings, color, width,
                  CShapeOutput::Screen(*this, document, dc, originX, originY, scale, patternFactor,
                                       settings, clip),
                  settings->m_bWindowsNT && !dc->IsMetafile(), true, 0);
}

void CRukLine::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                     double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    const COLORREF color = GetContrastColor(drawBlack ? 0 : m_color, kWhite);
    DrawOpenShape(
        dc, settings, color, m_lineWidth,
        CShapeOutput::Printer(*this, document, dc, unitDivisor, scale, patternFactor, settings),
        settings->m_bWindowsNT && !dc->IsMetafile(), true, 0);
}

std::optional<RECT> CRukLine::ThinOutlineBox() const {
    return RECT{std::min(m_x1, m_x2), std::min(m_y1, m_y2), std::max(m_x1, m_x2),
                std::max(m_y1, m_y2)};
}

void CRukLine::DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY,
                          double scale, double patternFactor, const CDrawDefaults* settings,
                          BOOL drawBlack, const RECT& clip) {
    const COLORREF color = drawBlack || m_color == kWhite ? 0 : m_color;
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    DrawOpenShape(dc, settings, color, width,
                  CShapeOutput::Screen(*this, document, dc, originX, originY, scale, patternFactor,
                                       settings, clip),
                  settings->m_bWindowsNT != 0, false, 0);
}

void CRukLine::DrawSegment(CDC* dc, POINT from, POINT to, bool chained,
                           const CDrawDefaults* settings) {
    if (StrokesAsPath(settings)) {
        dc->BeginPath();
        dc->MoveTo(from);
        dc->LineTo(to);
        dc->EndPath();
        dc->StrokePath();
        return;
    }
    dc->MoveTo(from);
    if (chained && from.y == to.y) {
        const long long step = to.x >= from.x ? kPrintPieceLength : -kPrintPieceLength;
        for (long long x = from.x + step; step > 0 ? x < to.x : x > to.x; x += step)
            dc->LineTo(static_cast<int>(x), to.y);
    }
    dc->LineTo(to);
}

void CRukLine::TraceA(CDC* dc, int originX, int originY, double scale,
                      const CDrawDefaults* settings, const RECT&, BOOL) {
    const bool metafile = dc->IsMetafile();
    POINT from = ToViewPoint(m_x1, m_y1, originX, originY, scale);
    POINT to = ToViewPoint(m_x2, m_y2, originX, originY, scale);
    from.y = MetafileY(from.y, metafile);
    to.y = MetafileY(to.y, metafile);
    DrawSegment(dc, from, to, dc->m_bPrinting != 0, settings);
}

void CRukLine::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    DrawSegment(dc, ToPrintPoint(m_x1, m_y1, unitDivisor, scale),
                ToPrintPoint(m_x2, m_y2, unitDivisor, scale), true, settings);
}

void CRukLine::LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                         double patternFactor, const CDrawDefaults* settings, const RECT& clip) {
    if (ComputeDashes(document, m_lineType, scale, patternFactor, settings,
                      document->m_deviceSpanX) &&
        CDashedChain::Draw(*this, dc,
                           {ToViewPoint(m_x1, m_y1, originX, originY, scale),
                            ToViewPoint(m_x2, m_y2, originX, originY, scale)}))
        return;
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukLine::LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                         double patternFactor, const CDrawDefaults* settings) {
    if (ComputeDashesPrinter(document, m_lineType, unitDivisor, scale, patternFactor) &&
        CDashedChain::Draw(*this, dc,
                           {ToPrintPoint(m_x1, m_y1, unitDivisor, scale),
                            ToPrintPoint(m_x2, m_y2, unitDivisor, scale)}))
        return;
    TraceB(dc, unitDivisor, scale, settings);
}

void CRukLine::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                         const CDrawDefaults* settings) {
    DrawSegment(dc, document->LogicalToDevicePoint(Shifted(m_x1, dx), Shifted(m_y1, dy)),
                document->LogicalToDevicePoint(Shifted(m_x2, dx), Shifted(m_y2, dy)), false,
                settings);
}

void CRukLine::DrawGrips(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*) {
    const POINT grips[2] = {ToViewPoint(m_x1, m_y1, originX, originY, scale),
                            ToViewPoint(m_x2, m_y2, originX, originY, scale)};
    DrawGripBoxes(dc, grips, 2);
}

// ---- Hit tests and editing

int CRukLine::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    const POINT test = document->LogicalToDevicePoint(x, y);
    const POINT from = document->LogicalToDevicePoint(m_x1, m_y1);
    const POINT to = document->LogicalToDevicePoint(m_x2, m_y2);
    if (from.x == to.x && from.y == to.y)
        return 0;
    CRgn band;
    MakeSegmentRegion(&band, from, to);
    return band.PtInRegion(test) ? 1 : 0;
}

int CRukLine::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    const POINT test = document->LogicalToDevicePoint(x, y);
    if (HitGripBox(dc, document->LogicalToDevicePoint(m_x1, m_y1), test)) {
        *grip = 0;
        return 1;
    }
    if (HitGripBox(dc, document->LogicalToDevicePoint(m_x2, m_y2), test)) {
        *grip = 1;
        return 1;
    }
    return 0;
}

void CRukLine::MoveVertex(int dx, int dy, int index, int, int, UINT) {
    if (index != 0) {
        m_x2 = Shifted(m_x2, dx);
        m_y2 = Shifted(m_y2, dy);
    } else {
        m_x1 = Shifted(m_x1, dx);
        m_y1 = Shifted(m_y1, dy);
    }
    RecalcExtents();
}

void CRukLine::ScaleAbout(int cx, int cy, double sx, double sy) {
    m_x1 = ScaledAbout(m_x1, cx, sx);
    m_y1 = ScaledAbout(m_y1, cy, sy);
    m_x2 = ScaledAbout(m_x2, cx, sx);
    m_y2 = ScaledAbout(m_y2, cy, sy);
    RecalcExtents();
}

int CRukLine::SetPoint(int x, int y, int index) {
    if (index == 0) {
        m_x1 = x;
        m_y1 = y;
    } else if (index == 1) {
        m_x2 = x;
        m_y2 = y;
    } else {
        return 0;
    }
    RecalcExtents();
    return 1;
}

int CRukLine::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    if (!record || record->Type() != PorLine::Type)
        return 0;
    const auto start = record->Get(PorLine::Start);
    const auto end = record->Get(PorLine::End);
    const auto pen = record->Get(PorLine::Pen);
    if (!start || !end || !pen)
        return 0;
    m_id = record->Get(PorLine::Id);
    m_x1 = start->x;
    m_y1 = start->y;
    m_x2 = end->x;
    m_y2 = end->y;
    m_lineType = pen->lineType;
    m_lineTypeScale = pen->lineTypeScale;
    m_lineWidth = pen->width < 0 ? defaultWidth : pen->width;
    m_color = pen->color;
    m_savedColor = m_color;
    m_layerName = record->Get(PorLine::Layer);
    m_sourceLayer = m_layerName;
    RecalcExtents();
    return 1;
}
