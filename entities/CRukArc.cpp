#include "entities/CRukArc.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityDocument.h"
#include "entities/CPixelRunChain.h"
#include "entities/CShapeOutput.h"
#include "entities/ColorRules.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRukArc, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
// The extents follow the arc in 5-degree steps whatever its radius.
constexpr int kExtentStep = 5;

int ScaledAbout(int value, int centre, double factor) {
    return TruncInt(static_cast<double>(centre) +
                    TruncInt((static_cast<double>(value) - centre) * factor));
}

} // namespace

CRukArc::CRukArc() {
    m_kind = kKindArc;
}

void CRukArc::Serialize(CArchive& ar) {
    SerializeArcBody(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

std::pair<int, int> CRukArc::Angles() const {
    const POINT center = GetCircleCenter();
    const int start = TruncInt(GetAngle(center.x, center.y, m_x1, m_y1) * kRadToDeg + 0.5);
    int end = TruncInt(GetAngle(center.x, center.y, m_x2, m_y2) * kRadToDeg + 0.5);
    if (start >= end)
        end += 360;
    return {start, end};
}

std::vector<POINT> CRukArc::Chain(int step) const {
    std::vector<POINT> chain;
    if (!HasCorners())
        return chain;
    const auto [start, end] = Angles();
    const POINT center = m_ring.center;
    const int radius = m_ring.radius;
    chain.reserve(static_cast<std::size_t>((end - start) / step + 2));
    chain.push_back(POINT{m_x1, m_y1});
    for (int angle = start + step; angle < end; angle += step)
        chain.push_back(RingPoint(center, radius, angle));
    chain.push_back(POINT{m_x2, m_y2});
    return chain;
}

bool CRukArc::PixelOutline(const CDC& dc, int originX, int originY, double scale,
                           std::vector<POINT>& chain) const {
    CPixelRunChain runs(dc, chain);
    if (!HasCorners())
        return true;
    const auto view = [&](POINT point) {
        return ToViewPoint(point.x, point.y, originX, originY, scale);
    };
    const POINT center = m_ring.center;
    const int radius = m_ring.radius;
    const int step = StepFor(radius);
    const auto [start, end] = Angles();
    const auto sample = [&, start = start](int index) {
        return view(RingPoint(center, radius, start + index * step));
    };
    runs.Add(view(POINT{m_x1, m_y1}));
    // Samples 1 to last lie before the end angle; a quarter ends before the
    // next multiple of 90 degrees.
    const int last = (end - start - 1) / step;
    for (int first = 1; first <= last;) {
        const int angle = start + first * step;
        const int quarter = angle >= 0 ? angle / 90 : -((89 - angle) / 90);
        const int quarterEnd = (quarter + 1) * 90;
        const int through = std::min(last, (quarterEnd - start - 1) / step);
        runs.AddMonotonic(first, through, sample);
        first = through + 1;
    }
    runs.Add(view(POINT{m_x2, m_y2}));
    return true;
}

std::vector<POINT> CRukArc::Outline() const {
    return Chain(StepFor(m_ring.radius));
}

std::optional<RECT> CRukArc::OutlineBox() const {
    std::optional<RECT> box = CRukCircle::OutlineBox();
    for (const POINT end : {POINT{m_x1, m_y1}, POINT{m_x2, m_y2}}) {
        box->left = std::min(box->left, end.x);
        box->top = std::min(box->top, end.y);
        box->right = std::max(box->right, end.x);
        box->bottom = std::max(box->bottom, end.y);
    }
    return box;
}

void CRukArc::RecalcExtents() {
    KeepRing();
    CCurveChain::SetExtents(*this, Chain(kExtentStep));
}

void CRukArc::ScaleAbout(int cx, int cy, double sx, double sy) {
    m_x1 = ScaledAbout(m_x1, cx, sx);
    m_y1 = ScaledAbout(m_y1, cy, sy);
    m_x2 = ScaledAbout(m_x2, cx, sx);
    m_y2 = ScaledAbout(m_y2, cy, sy);
    CRukEntity::ScaleAbout(cx, cy, sx, sy);
}

void CRukArc::SetStartPoint(int x, int y) {
    m_x1 = x;
    m_y1 = y;
}

void CRukArc::SetEndPoint(int x, int y) {
    m_x2 = x;
    m_y2 = y;
}

int CRukArc::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    return FillFromArcRecord(record, PorArc::Type, defaultWidth);
}

// ---- Drawing

void CRukArc::DrawOpen(CDC* dc, const CDrawDefaults* settings, COLORREF color, int width,
                       const CShapeOutput& output, bool styledPens) {
    const bool showInvisible = settings->m_outlineInvisibleLines != 0;
    CPen pen;
    if (styledPens) {
        if (m_lineType == 0 && showInvisible)
            pen.CreatePen(PS_SOLID, width, color);
        else
            output.LinePen(&pen, color, width);
    } else {
        pen.CreatePen(m_lineType != 0 || showInvisible ? PS_SOLID : PS_NULL, width, color);
    }
    CPen* oldPen = dc->SelectObject(&pen);
    if (!styledPens && m_lineType != 0)
        output.Dashed();
    else
        output.Trace();
    dc->SelectObject(oldPen);
}

void CRukArc::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                    const RECT& clip) {
    DrawOpen(dc, settings, GetContrastColor(drawBlack ? 0 : m_color, settings->m_bkColor),
             GetDeviceLineWidth(dc, m_lineWidth, settings),
             CShapeOutput::Screen(*this, document, dc, originX, originY, scale, patternFactor,
                                  settings, clip),
             settings->m_bWindowsNT && !dc->IsMetafile());
}

void CRukArc::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    DrawOpen(
        dc, settings, GetContrastColor(drawBlack ? 0 : m_color, kWhite), m_lineWidth,
        CShapeOutput::Printer(*this, document, dc, unitDivisor, scale, patternFactor, settings),
        settings->m_bWindowsNT && !dc->IsMetafile());
}

int CRukArc::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    return CCurveChain::Hit(*this, CCurveChain::ToDocumentView(Outline(), document, 0, 0),
                            document->LogicalToDevicePoint(x, y), false, false);
}
