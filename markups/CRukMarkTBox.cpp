#include "markups/CRukMarkTBox.h"

#include "entities/CRukMemo.h"
#include "entities/CRukPolygon.h"
#include "entities/CSelectionLook.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CDCTrackSurface.h"
#include "markups/CLeaderParts.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/win/MouseKeys.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

IMPLEMENT_SERIAL(CRukMarkTBox, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr UINT kCurrentSchema = 1;
// The reference font the text block's proportions are measured in.
constexpr int kReferenceHeight = 500;
constexpr double kMarginRatio = 0.05;
constexpr int kGripCount = 8;
constexpr int kSolidFill = 3;
constexpr int kTranslucentFill = 1;
constexpr int kInvertedSelection = 3;

// The line type and fill type of the box for each frame type.
struct FrameLook {
    int m_lineType;
    int m_fillType;
};
constexpr std::array<FrameLook, 4> kFrameLooks{{{0, 0}, {1, 0}, {0, kSolidFill}, {0, 1}}};

// The widest line and the sum of the line heights; an empty line measures
// as a space.
SIZE MeasureLines(const CRukMarkTBox::Measure& measure, const std::vector<CString>& lines,
                  const CLabelFont& font) {
    SIZE total{0, 0};
    for (const CString& line : lines) {
        const SIZE size = measure(line.IsEmpty() ? CString(" ") : line, font);
        total.cx = std::max(total.cx, size.cx);
        total.cy += size.cy;
    }
    return total;
}

int MarginOf(int width, int height) {
    return std::min(TruncInt(std::abs(width) * kMarginRatio),
                    TruncInt(std::abs(height) * kMarginRatio));
}

} // namespace

CRukMarkTBox::CRukMarkTBox() : CRukMark(MarkupKind(0x05)) {}

CRukEntity* CRukMarkTBox::Box() const {
    return FirstChildOfKind(kKindPolygon);
}

CRukEntity* CRukMarkTBox::Memo() const {
    return FirstChildOfKind(kKindMemo);
}

int CRukMarkTBox::AddPoint(int x, int y, int) {
    m_points.Add(POINT{x, y});
    if (static_cast<int>(m_points.GetSize()) >= m_pointsToFinish)
        return 1;
    m_x1 = x;
    m_y1 = y;
    return 0;
}

// ---- The fitted corner

POINT CRukMarkTBox::FittedCorner(const Measure& measure, const CMarkupDocument& document, int x,
                                 int y) const {
    const POINT p = document.LogicalToDevicePoint(PointAt(0).x, PointAt(0).y);
    const POINT q = document.LogicalToDevicePoint(x, y);
    const std::vector<CString> lines = CRukMemo::SplitLines(m_label);
    const CLabelFont reference{kReferenceHeight, GetCharSet(), GetFaceName()};
    const SIZE block = MeasureLines(measure, lines, reference);
    if (lines.empty() || block.cy == 0)
        return p;
    const double aspect = static_cast<double>(std::abs(block.cx)) / std::abs(block.cy);
    const double dx = std::abs(p.x - q.x);
    const double dy = std::abs(p.y - q.y);
    // A level drag is wider than any text block.
    int fittedY = q.y;
    if (aspect > 0 && (dy == 0 || dx / dy > aspect))
        fittedY = p.y + (p.x < q.x ? 1 : -1) * TruncInt(dx / aspect + 0.5);
    // The same font height whichever way the drag went.
    const int lineHeight = TruncInt(std::abs(p.y - fittedY) / static_cast<double>(lines.size()));
    if (lineHeight == 0)
        return p;
    const SIZE fitted =
        MeasureLines(measure, lines, CLabelFont{lineHeight, GetCharSet(), GetFaceName()});
    return POINT{p.x < q.x ? p.x + fitted.cx : p.x - fitted.cx,
                 p.y <= q.y ? p.y + fitted.cy : p.y - fitted.cy};
}

POINT CRukMarkTBox::FixedLengthPoint(CDC* dc, CEntityDocument* document, int x, int y) {
    const CMarkupDocument* markupDocument = MarkupDocument(document);
    if (!markupDocument || !dc || GetPointCount() == 0 || m_points.GetSize() == 0)
        return POINT{x, y};
    return FittedCorner(
        [dc](const CString& text, const CLabelFont& font) {
            return CDCTrackSurface::MeasureLabelOn(dc, text, font);
        },
        *markupDocument, x, y);
}

// ---- Feedback

void CRukMarkTBox::DrawOutline(CTrackSurface& surface, const CMarkupDocument& document) const {
    const POINT p = document.LogicalToDevicePoint(PointAt(0).x, PointAt(0).y);
    const POINT c = m_trackCorner;
    surface.Polygon({p, {c.x, p.y}, c, {p.x, c.y}});
}

void CRukMarkTBox::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT, POINT newPoint,
                           const CDrawDefaults&) {
    if (m_points.GetSize() == 0)
        return;
    if (m_outlineShown)
        DrawOutline(surface, document);
    m_trackCorner = FittedCorner(
        [&surface](const CString& text, const CLabelFont& font) {
            return surface.MeasureLabel(text, font);
        },
        document, newPoint.x, newPoint.y);
    DrawOutline(surface, document);
    m_outlineShown = 1;
}

void CRukMarkTBox::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT,
                             const CDrawDefaults&) {
    if (m_points.GetSize() > 0 && m_outlineShown)
        DrawOutline(surface, document);
}

// ---- Building the note

CRukMarkTBox::Fit CRukMarkTBox::FitLabel(const CMarkupDocument& document,
                                         const Measure& measure) const {
    const std::vector<CString> lines = CRukMemo::SplitLines(m_label);
    const POINT p0 = PointAt(0);
    const POINT p1 = PointAt(1);
    const int width = std::abs(p0.x - p1.x);
    const int height = std::abs(p0.y - p1.y);
    Fit fit;
    fit.m_margin = MarginOf(width, height);
    if (lines.empty())
        return fit;
    const int perLine = height / static_cast<int>(lines.size());
    // A box too small for a one-unit font is measured in one.
    const int fontHeight =
        std::max(1, static_cast<int>(TruncInt(perLine * document.ViewScale() + 0.5)));
    const SIZE block = MeasureLines(measure, lines, CLabelFont{fontHeight, m_charSet, m_faceName});
    const double wd = document.DeviceToLogical(block.cx);
    const double hd = document.DeviceToLogical(block.cy);
    const double innerW = width - 2 * fit.m_margin;
    const double innerH = height - 2 * fit.m_margin;
    double scale = 1.0;
    if (hd > 0 && innerH > 0 && (wd == 0 || innerW / innerH > wd / hd))
        scale = innerH / hd;
    else if (wd > 0)
        scale = innerW / wd;
    fit.m_lineHeight = TruncInt(perLine * scale);
    return fit;
}

void CRukMarkTBox::Finish(CEntityDocument* entityDocument, CDC* dc, const CDrawDefaults* settings) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || !dc || !settings || m_points.GetSize() < 2 || m_label.IsEmpty())
        return;
    const CRedlineStyle& style = document->m_style;
    const Fit fit = FitLabel(*document, [dc](const CString& text, const CLabelFont& font) {
        return CDCTrackSurface::MeasureLabelOn(dc, text, font);
    });
    const POINT p0 = PointAt(0);
    const POINT p1 = PointAt(1);

    auto* box = new CRukPolygon();
    box->SetFirstPoint(p0.x, p0.y);
    box->AppendPoint(p1.x, p0.y);
    box->AppendPoint(p1.x, p1.y);
    box->AppendPoint(p0.x, p1.y);
    box->RecalcExtents();
    box->m_childFlag = 2;
    box->SetLayerName(document->m_curLayerName);
    box->SetLineWidth(style.m_redPenWidth);
    ApplyFill(*box, *document, true);
    box->SetLineType(style.m_noteFrameLine ? 1 : 0);
    document->AddMarkup(box);
    document->AddToLayer(box);
    AddChild(box);

    auto* memo = new CRukMemo();
    memo->SetText(m_label);
    memo->SetFaceName(m_faceName);
    memo->SetCharSet(m_charSet);
    memo->SetTextHeight(TruncInt(fit.m_lineHeight / settings->m_textScale + 0.5));
    memo->SetOrigin(std::min(p0.x, p1.x) + fit.m_margin, std::max(p0.y, p1.y) - fit.m_margin);
    memo->SetCorner2(std::max(p0.x, p1.x) - fit.m_margin, std::min(p0.y, p1.y) + fit.m_margin);
    memo->RecalcExtents();
    memo->m_childFlag = 2;
    memo->SetLayerName(document->m_curLayerName);
    document->AddMarkup(memo);
    document->AddToLayer(memo);
    AddChild(memo);

    FinishFromChildren(*document);
}

// ---- The memo and the frame type

int CRukMarkTBox::GetTextHeight() const {
    const CRukEntity* memo = Memo();
    return memo ? memo->GetTextHeight() : 0;
}

CString CRukMarkTBox::GetLabelText() const {
    const CRukEntity* memo = Memo();
    return memo ? memo->GetText() : CString();
}

CString CRukMarkTBox::GetFaceName() const {
    const CRukEntity* memo = Memo();
    return memo ? memo->GetFaceName() : CString();
}

void CRukMarkTBox::SetLabelText(CEntityDocument* document, CDC* dc, const CString& text,
                                const CDrawDefaults* settings) {
    if (CRukEntity* memo = Memo())
        memo->FitTextToBox(document, dc, text, settings);
    RecalcExtents();
}

int CRukMarkTBox::GetNoteFrameType() const {
    const CRukEntity* box = Box();
    if (!box)
        return 0;
    switch (box->GetFillType()) {
    case 0:
        return box->GetLineType() != 0 ? 1 : 0;
    case kTranslucentFill:
        return 3;
    default:
        return 2;
    }
}

void CRukMarkTBox::SetNoteFrameType(int type) {
    CRukEntity* box = Box();
    if (!box || type < 0 || type >= static_cast<int>(kFrameLooks.size()))
        return;
    box->SetLineType(kFrameLooks[type].m_lineType);
    box->SetFillType(kFrameLooks[type].m_fillType);
}

// ---- Drawing

void CRukMarkTBox::Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                        COLORREF color, const CDrawDefaults* settings, const RECT& clip) {
    const int width = GetDeviceLineWidth(dc, GetLineWidth(), settings);
    CRukEntity* box = Box();
    CPen pen;
    CPen* oldPen = nullptr;
    if (box && box->GetLineType() != 0) {
        oldPen = box->SelectPen(document, dc, &pen, scale, width, color, settings);
    } else {
        pen.CreatePen(box ? PS_NULL : PS_SOLID, width, color);
        oldPen = dc->SelectObject(&pen);
    }
    {
        const CSelectionLook look(dc, SelectionLook(settings->m_selectMode), color, m_color);
        for (POSITION position = GetHeadPosition(); position;) {
            CRukEntity* child = GetNext(position);
            if (child && document->GetLayerState(child->GetLayerName()) == 1)
                child->DrawForward(dc, originX, originY, scale, settings, clip, FALSE);
        }
    }
    dc->SelectObject(oldPen);
}

CSelectionLook::Look CRukMarkTBox::SelectionLook(int selectMode) const {
    return CSelectionLook::Look{selectMode == kInvertedSelection, false};
}

// ---- Grips and the box edits

CBoxGrips::Box CRukMarkTBox::GripBox() const {
    return {PointAt(0).x, PointAt(0).y, PointAt(1).x, PointAt(1).y};
}

std::vector<POINT> CRukMarkTBox::Grips() const {
    if (m_points.GetSize() < 2)
        return {};
    return CBoxGrips::Points(GripBox(), kGripCount);
}

void CRukMarkTBox::DrawGrips(CDC* dc, int originX, int originY, double scale,
                             const CDrawDefaults*) {
    CLeaderParts::DrawGrips(dc, Grips(), originX, originY, scale);
}

int CRukMarkTBox::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return CLeaderParts::HitGrip(*this, dc, document, Grips(), x, y, grip);
}

void CRukMarkTBox::SetGripCursor(int grip) {
    if (m_points.GetSize() >= 2)
        CBoxGrips::SetCursorFor(GripBox(), grip);
}

void CRukMarkTBox::PlaceBox(int x0, int y0, int x1, int y1) {
    if (CRukEntity* box = Box()) {
        box->m_points.RemoveAll();
        box->SetFirstPoint(x0, y0);
        box->AppendPoint(x0, y1);
        box->AppendPoint(x1, y1);
        box->AppendPoint(x1, y0);
        box->RecalcExtents();
    }
    if (CRukEntity* memo = Memo()) {
        const int margin = MarginOf(x1 - x0, y1 - y0);
        memo->SetOrigin(std::min(x0, x1) + margin, std::max(y0, y1) - margin);
        memo->SetCorner2(std::max(x0, x1) - margin, std::min(y0, y1) + margin);
        memo->RecalcExtents();
    }
    RecalcExtents();
}

void CRukMarkTBox::MoveVertex(int dx, int dy, int grip, int x, int y, UINT flags) {
    if (m_points.GetSize() < 2)
        return;
    int x0 = PointAt(0).x;
    int y0 = PointAt(0).y;
    int x1 = PointAt(1).x;
    int y1 = PointAt(1).y;
    if (!m_aspectTaken && x0 != x1 && y0 != y1) {
        m_aspectRatio = static_cast<double>(y0 - y1) / (x0 - x1);
        m_aspectTaken = 1;
    }
    const int oldX0 = x0;
    const int oldY0 = y0;
    const int oldX1 = x1;
    const int oldY1 = y1;
    const double r = m_aspectRatio;
    // The cursor's position after this step.
    const POINT t{x + dx, y + dy};
    const bool corner = grip >= 0 && grip <= 3;
    if (corner && (flags & MK_SHIFT) && x0 != x1 && r != 0) {
        const auto degrees = [](POINT from, POINT to) { return GetAngle(from, to) * kRadToDeg; };
        switch (grip) {
        case 0:
            if (degrees({x1, y1}, t) > degrees({x1, y1}, {x0, y0})) {
                x0 = t.x;
                y0 = y1 + TruncInt(r * (x0 - x1) + 0.5);
            } else {
                y0 = t.y;
                x0 = x1 + TruncInt((y0 - y1) / r + 0.5);
            }
            break;
        case 1:
            if (degrees({x1, y0}, t) >= degrees({x1, y0}, {x0, y1})) {
                y1 = t.y;
                x0 = x1 - TruncInt((y1 - y0) / r - 0.5);
            } else {
                x0 = t.x;
                y1 = y0 - TruncInt(r * (x0 - x1) - 0.5);
            }
            break;
        case 2:
            if (degrees({x0, y0}, t) > degrees({x0, y0}, {x1, y1})) {
                x1 = t.x;
                y1 = y0 + TruncInt(r * (x1 - x0) + 0.5);
            } else {
                y1 = t.y;
                x1 = x0 + TruncInt((y1 - y0) / r + 0.5);
            }
            break;
        default:
            if (degrees({x0, y1}, t) >= degrees({x0, y1}, {x1, y0})) {
                y0 = t.y;
                x1 = x0 - TruncInt((y0 - y1) / r - 0.5);
            } else {
                x1 = t.x;
                y0 = y1 - TruncInt(r * (x1 - x0) - 0.5);
            }
            break;
        }
    } else if (corner) {
        (grip == 0 || grip == 1 ? x0 : x1) = t.x;
        (grip == 0 || grip == 3 ? y0 : y1) = t.y;
    } else if (grip == 4) {
        x0 += dx;
    } else if (grip == 5) {
        y1 += dy;
    } else if (grip == 6) {
        x1 += dx;
    } else if (grip == 7) {
        y0 += dy;
    }
    if (x0 == x1 || y0 == y1) {
        x0 = oldX0;
        y0 = oldY0;
        x1 = oldX1;
        y1 = oldY1;
    }
    m_points[0] = POINT{x0, y0};
    m_points[1] = POINT{x1, y1};
    PlaceBox(x0, y0, x1, y1);
}

int CRukMarkTBox::GetPoint(int* x, int* y, int index) const {
    const CRukEntity* box = Box();
    if (!box || index < 0 || index > 1)
        return 0;
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    box->GetExtents(&minX, &minY, &maxX, &maxY);
    *x = index == 0 ? minX : maxX;
    *y = index == 0 ? maxY : minY;
    return 1;
}

int CRukMarkTBox::SetPoint(int x, int y, int index) {
    const CRukEntity* box = Box();
    if (!box || box->m_points.GetSize() < 3 || index < 0 || index > 1)
        return 0;
    const POINT a = box->m_points[0];
    const POINT b = box->m_points[2];
    int minX = std::min(a.x, b.x);
    int maxX = std::max(a.x, b.x);
    int minY = std::min(a.y, b.y);
    int maxY = std::max(a.y, b.y);
    if (index == 0) {
        minX = x;
        maxY = y;
    } else {
        maxX = x;
        minY = y;
    }
    PlaceBox(minX, maxY, maxX, minY);
    m_points.RemoveAll();
    m_points.Add(POINT{minX, maxY});
    m_points.Add(POINT{maxX, minY});
    return 1;
}

// ---- Archive

void CRukMarkTBox::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        StorePointsBody(ar, true);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > kCurrentSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    LoadPointsBody(ar, true, schema == 0);
    // Old notes stored the line count there.
    SetChildCount(m_children.GetCount());
    AdoptChildLayer();
    RecalcExtents();
}
