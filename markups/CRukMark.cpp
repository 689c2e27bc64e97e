#include "markups/CRukMark.h"

#include "entities/CRukCircle.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "geometry/Midpoint.h"
#include "markups/CDCTrackSurface.h"
#include "markups/CMarkupDocument.h"
#include "markups/CMarkupKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "settings/CDrawDefaults.h"

#include <cmath>

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kTextAlignBottom = 2;
constexpr int kTextAlignCentre = 1;
constexpr int kLabelCircle = 1;
constexpr int kLabelRect = 2;
constexpr int kTranslucentFill = 1;
constexpr int kSolidFill = 3;
constexpr int kSpecialFill = 99;
// Schema-0 bodies stored no widths: such children draw 0.15 mm wide.
constexpr int kOldDefaultWidth = 15;
constexpr int kMaxChildFlag = 2;
// The circle of the leader clipping: a 72-gon, one vertex per 5 degrees.
constexpr int kClipCircleStep = 5;

// The fill types that are neither none nor a plain fill: the hatches.
bool IsHatchFill(int fillType) {
    return fillType != 0 && fillType != kTranslucentFill && fillType != kSolidFill &&
           fillType != kSpecialFill;
}

bool IsClosedChildKind(int kind) {
    return kind == kKindPolygon || kind == kKindCircle || kind == kKindEllipse ||
           kind == kKindCloud;
}

// The crossing of the segment p-q with the closed ring nearest to p (the
// first of equals); the ring's last vertex joins its first.
int ClipToRing(POINT p, POINT q, const std::vector<POINT>& ring, POINT* out, UINT unit) {
    int found = 0;
    POINT best{};
    LONG bestDistance = 0;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        POINT crossing{};
        if (!GetCrossPoint(p, q, ring[i], ring[i + 1], &crossing, static_cast<int>(unit)))
            continue;
        const LONG distance = GetDistance(p, crossing);
        if (!found || distance < bestDistance) {
            best = crossing;
            bestDistance = distance;
        }
        found = 1;
    }
    if (found)
        *out = best;
    return found;
}

std::vector<POINT> ClipCircle(int cx, int cy, int radius) {
    std::vector<POINT> ring;
    for (int degrees = 0; degrees <= 360; degrees += kClipCircleStep) {
        const double angle = degrees * kDegToRad;
        ring.push_back(POINT{cx + TruncInt(std::cos(angle) * radius + 0.5),
                             cy + TruncInt(std::sin(angle) * radius + 0.5)});
    }
    return ring;
}

} // namespace

CRukMark::CRukMark(int kind) {
    m_kind = kind;
    const CMarkupKindRow* row = CMarkupKinds::Find(kind);
    m_pointsToFinish = row ? row->m_pointsToFinish : 0;
    m_points.RemoveAll();
}

CRukMark::~CRukMark() = default;

// ---- Attributes passed on to the children

CRukEntity* CRukMark::ClosedChild() const {
    if (!CMarkupKinds::IsClosed(m_kind))
        return nullptr;
    for (POSITION position = GetHeadPosition(); position;) {
        CRukEntity* child = GetNext(position);
        if (child && IsClosedChildKind(child->GetKind()))
            return child;
    }
    return nullptr;
}

void CRukMark::SetFillColor(COLORREF color) {
    m_children.ForEach([color](CRukEntity& child) {
        child.SetFillColor(color);
        child.m_savedFillColor = color;
    });
    m_fillColor = color;
}

COLORREF CRukMark::GetFillColor() const {
    const CRukEntity* closed = ClosedChild();
    return closed ? closed->GetFillColor() : kWhite;
}

void CRukMark::SetFillType(int fillType) {
    if (!CMarkupKinds::IsClosed(m_kind))
        return;
    m_children.ForEach([fillType](CRukEntity& child) {
        if (IsClosedChildKind(child.GetKind()))
            child.SetFillType(fillType);
    });
}

int CRukMark::GetFillType() const {
    const CRukEntity* closed = ClosedChild();
    return closed ? closed->GetFillType() : 0;
}

CSelectionLook::Look CRukMark::SelectionLook(int selectMode) const {
    return CSelectionLook::For(selectMode, GetFillType(), true);
}

void CRukMark::SetTransparent(int transparent) {
    if (!CMarkupKinds::IsClosed(m_kind))
        return;
    m_children.ForEach([transparent](CRukEntity& child) {
        if (IsClosedChildKind(child.GetKind()))
            child.SetTransparent(transparent);
    });
}

int CRukMark::GetTransparent() const {
    const CRukEntity* closed = ClosedChild();
    return closed ? closed->GetTransparent() : 1;
}

COLORREF CRukMark::GetThirdColor() const {
    const CRukEntity* closed = ClosedChild();
    return closed ? closed->GetThirdColor() : kWhite;
}

void CRukMark::SetTextHeight(int height) {
    m_children.ForEach([height](CRukEntity& child) { child.SetTextHeight(height); });
}

int CRukMark::GetTextHeight() const {
    for (POSITION position = GetHeadPosition(); position;) {
        const CRukEntity* child = GetNext(position);
        if (child && child->GetKind() == kKindText)
            return child->GetTextHeight();
    }
    return 0;
}

CString CRukMark::GetLabelText() const {
    for (POSITION position = GetHeadPosition(); position;) {
        const CRukEntity* child = GetNext(position);
        if (child && child->GetKind() == kKindText)
            return child->GetText();
    }
    return CString();
}

void CRukMark::SetFaceName(const CString& face) {
    m_faceName = face;
    m_children.ForEach([&face](CRukEntity& child) { child.SetFaceName(face); });
}

CString CRukMark::GetFaceName() const {
    for (POSITION position = GetHeadPosition(); position;) {
        const CRukEntity* child = GetNext(position);
        if (child && child->GetKind() == kKindText)
            return child->GetFaceName();
    }
    return CString();
}

void CRukMark::SetCharSet(int charSet) {
    m_charSet = charSet;
    m_children.ForEach([charSet](CRukEntity& child) { child.SetCharSet(charSet); });
}

int CRukMark::HasPolylineChild() const {
    if (m_kind == MarkupKind(0x03) || m_kind == MarkupKind(0x05) || m_kind == MarkupKind(0x06))
        return 0;
    return LastChildOfKind(kKindPolyline, false) ? 1 : 0;
}

// ---- Points and the gesture

void CRukMark::OnButtonDown(CDC*, CEntityDocument*, int x, int y, const CDrawDefaults*, UINT) {
    m_points.Add(POINT{x, y});
    m_x1 = x;
    m_y1 = y;
}

int CRukMark::AddPoint(int x, int y, int mode) {
    constexpr int kFinishRequest = 1;
    constexpr int kLeastPolyPoints = 3;
    if (m_polyMode)
        return AddOpenPoint(x, y, mode, kLeastPolyPoints);
    if (mode == kFinishRequest)
        return 0;
    m_points.Add(POINT{x, y});
    if (GetPointCount() >= m_pointsToFinish)
        return 1;
    m_x1 = x;
    m_y1 = y;
    return 0;
}

int CRukMark::AddOpenPoint(int x, int y, int mode, int least) {
    constexpr int kClick = 0;
    constexpr int kFinishRequest = 1;
    if (mode == kFinishRequest && static_cast<int>(m_points.GetSize()) >= least)
        return 1;
    if (mode == kClick)
        m_points.Add(POINT{x, y});
    m_x1 = x;
    m_y1 = y;
    return 0;
}

int CRukMark::GetPointCount() const {
    return static_cast<int>(m_points.GetSize());
}

int CRukMark::GetPoint(int* x, int* y, int index) const {
    if (index < 0 || index >= GetPointCount())
        return 0;
    *x = m_points[index].x;
    *y = m_points[index].y;
    return 1;
}

POINT CRukMark::PointAt(int index) const {
    return m_points[index];
}

int CRukMark::SetPoint(int x, int y, int index) {
    if (index < 0 || index >= GetPointCount())
        return 0;
    m_children.ForEach([x, y, index](CRukEntity& child) { child.SetPoint(x, y, index); });
    m_points[index] = POINT{x, y};
    RecalcExtents();
    return 1;
}

void CRukMark::MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) {
    m_children.ForEach([=](CRukEntity& child) { child.MoveVertex(dx, dy, index, x, y, flags); });
    RecalcExtents();
}

void CRukMark::DrawGrips(CDC* dc, int originX, int originY, double scale,
                         const CDrawDefaults* settings) {
    m_children.ForEach(
        [=](CRukEntity& child) { child.DrawGrips(dc, originX, originY, scale, settings); });
}

int CRukMark::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    for (POSITION position = GetHeadPosition(); position;) {
        CRukEntity* child = GetNext(position);
        if (child && child->HitGrip(dc, document, x, y, grip))
            return 1;
    }
    return 0;
}

void CRukMark::SetGripCursor(int grip) {
    m_children.ForEach([grip](CRukEntity& child) { child.SetGripCursor(grip); });
}

// ---- Feedback

CMarkupDocument* CRukMark::MarkupDocument(CEntityDocument* document) {
    return dynamic_cast<CMarkupDocument*>(document);
}

void CRukMark::Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
                     const CDrawDefaults* settings, UINT) {
    CMarkupDocument* markupDocument = MarkupDocument(document);
    if (!markupDocument || !dc || !settings)
        return;
    CDCTrackSurface surface(dc, settings);
    TrackOn(surface, *markupDocument, POINT{oldX, oldY}, POINT{newX, newY}, *settings);
}

void CRukMark::TrackPending(CEntityDocument* document, CDC* dc, int x, int y,
                            const CDrawDefaults* settings) {
    CMarkupDocument* markupDocument = MarkupDocument(document);
    if (!markupDocument || !dc || !settings)
        return;
    CDCTrackSurface surface(dc, settings);
    TrackPendingOn(surface, *markupDocument, POINT{x, y}, *settings);
}

void CRukMark::TrackAt(CEntityDocument* document, CDC* dc, int x, int y,
                       const CDrawDefaults* settings) {
    CMarkupDocument* markupDocument = MarkupDocument(document);
    if (!markupDocument || !dc || !settings)
        return;
    CDCTrackSurface surface(dc, settings);
    TrackAtOn(surface, *markupDocument, POINT{x, y}, *settings);
}

int CRukMark::EraseTracking(CEntityDocument* document, CDC* dc, int x, int y,
                            const CDrawDefaults* settings) {
    CMarkupDocument* markupDocument = MarkupDocument(document);
    if (!markupDocument || !dc || !settings)
        return 0;
    CDCTrackSurface surface(dc, settings);
    return EraseTrackingOn(surface, *markupDocument, POINT{x, y}, *settings);
}

void CRukMark::TrackOn(CTrackSurface&, CMarkupDocument&, POINT, POINT, const CDrawDefaults&) {}

void CRukMark::TrackAtOn(CTrackSurface&, CMarkupDocument&, POINT, const CDrawDefaults&) {}

void CRukMark::TrackPendingOn(CTrackSurface&, CMarkupDocument&, POINT, const CDrawDefaults&) {}

int CRukMark::EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                              const CDrawDefaults&) {
    const int count = GetPointCount();
    if (count <= 2)
        return 0;
    const POINT last = PointAt(count - 1);
    const POINT previous = count == 3 ? Midpoint(PointAt(0), PointAt(1)) : PointAt(count - 2);
    XorLine(surface, document, point, last);
    XorLine(surface, document, point, previous);
    XorLine(surface, document, previous, last);
    m_points.RemoveAt(count - 1);
    const POINT current =
        GetPointCount() == 2 ? Midpoint(PointAt(0), PointAt(1)) : PointAt(GetPointCount() - 1);
    m_x1 = current.x;
    m_y1 = current.y;
    return GetPointCount();
}

std::vector<POINT> CRukMark::ViewChain(const CMarkupDocument& document, POINT cursor) const {
    std::vector<POINT> chain;
    for (int i = 0; i < static_cast<int>(m_points.GetSize()); ++i)
        chain.push_back(document.LogicalToDevicePoint(PointAt(i).x, PointAt(i).y));
    chain.push_back(document.LogicalToDevicePoint(cursor.x, cursor.y));
    return chain;
}

int CRukMark::EraseLastVertex(CTrackSurface& surface, const CMarkupDocument& document,
                              POINT cursor) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count < 2)
        return 0;
    const POINT last = m_points[count - 1];
    const POINT previous = m_points[count - 2];
    XorLine(surface, document, cursor, previous);
    XorLine(surface, document, cursor, last);
    XorLine(surface, document, last, previous);
    m_points.RemoveAt(count - 1);
    m_x1 = previous.x;
    m_y1 = previous.y;
    if (count - 1 == 1)
        m_trackShown = 0;
    return count - 1;
}

void CRukMark::TrackFromCurrent(CTrackSurface& surface, const CMarkupDocument& document,
                                POINT oldPoint, POINT newPoint) const {
    const POINT current{m_x1, m_y1};
    XorLine(surface, document, current, oldPoint);
    XorLine(surface, document, current, newPoint);
}

POINT CRukMark::DevicePoint(CEntityDocument* document, CDC* dc, POINT point) {
    POINT device = document->LogicalToDevicePoint(point.x, point.y);
    if (dc)
        dc->LPtoDP(&device);
    return device;
}

POINT CRukMark::LastPointOnDevice(CEntityDocument* document, CDC* dc, int x, int y) const {
    if (!document || m_points.GetSize() == 0)
        return POINT{x, y};
    return DevicePoint(document, dc, m_points[m_points.GetSize() - 1]);
}

int CRukMark::VertexCount(const CRukEntity* child) {
    return child ? static_cast<int>(child->m_points.GetSize()) : 0;
}

int CRukMark::VertexOf(const CRukEntity* child, int index, int* x, int* y) {
    if (index < 0 || index >= VertexCount(child))
        return 0;
    *x = child->m_points[index].x;
    *y = child->m_points[index].y;
    return 1;
}

void CRukMark::XorLine(CTrackSurface& surface, const CMarkupDocument& document, POINT from,
                       POINT to) {
    surface.Polyline(
        {document.LogicalToDevicePoint(from.x, from.y), document.LogicalToDevicePoint(to.x, to.y)});
}

// ---- Label sizes and clipping

int CRukMark::CircleRadiusForLabel(int width, int height) {
    return TruncInt(std::max(width, height) * 0.7 + 0.5);
}

SIZE CRukMark::RectSizeForLabel(int width, int height) {
    return SIZE{TruncInt(width * 1.3 + 0.5), TruncInt(height * 1.4 + 0.5)};
}

SIZE CRukMark::PlainSizeForLabel(int width, int height) {
    return SIZE{TruncInt(width * 1.1 + 0.5), TruncInt(height * 1.2 + 0.5)};
}

int CRukMark::ClipToRect(POINT p, POINT* out, int width, int height, int cx, int cy, UINT unit) {
    if (width == 0 || height == 0)
        return 0;
    const int halfW = width / 2;
    const int halfH = height / 2;
    const POINT centre{cx, cy};
    const POINT edges[4][2] = {
        {{cx - halfW, cy + halfH}, {cx + halfW, cy + halfH}},
        {{cx + halfW, cy + halfH}, {cx + halfW, cy - halfH}},
        {{cx - halfW, cy - halfH}, {cx + halfW, cy - halfH}},
        {{cx - halfW, cy + halfH}, {cx - halfW, cy - halfH}},
    };
    for (const auto& edge : edges)
        if (GetCrossPoint(p, centre, edge[0], edge[1], out, static_cast<int>(unit)))
            return 1;
    return 0;
}

int CRukMark::ClipToCircle(POINT p, POINT* out, int cx, int cy, int radius, UINT unit) {
    return ClipToRing(p, POINT{cx, cy}, ClipCircle(cx, cy, radius), out, unit);
}

int CRukMark::ClipSegmentToCircle(POINT p, POINT* q, int cx, int cy, int radius, UINT unit) {
    return ClipToRing(p, *q, ClipCircle(cx, cy, radius), q, unit);
}

int CRukMark::ClipToEllipse(POINT p, POINT* out, int cx, int cy, int width, int height, UINT unit) {
    std::vector<POINT> ring;
    for (int degrees = 0; degrees <= 360; degrees += kClipCircleStep) {
        const double angle = degrees * kDegToRad;
        ring.push_back(POINT{cx - TruncInt(-(std::cos(angle) * width + 1) / 2),
                             cy - TruncInt(-(std::sin(angle) * height + 1) / 2)});
    }
    return ClipToRing(p, POINT{cx, cy}, ring, out, unit);
}

// ---- Children

CRukEntity* CRukMark::ChildAt(int index, int kind) const {
    int at = 0;
    for (POSITION position = GetHeadPosition(); position; ++at) {
        CRukEntity* child = GetNext(position);
        if (at == index)
            return child && child->GetKind() == kind ? child : nullptr;
    }
    return nullptr;
}

CRukEntity* CRukMark::FirstChildOfKind(int kind) const {
    for (POSITION position = GetHeadPosition(); position;) {
        CRukEntity* child = GetNext(position);
        if (child && child->GetKind() == kind)
            return child;
    }
    return nullptr;
}

CRukEntity* CRukMark::LastChildOfKind(int kind, bool skipFirst) const {
    CRukEntity* found = nullptr;
    bool first = true;
    for (POSITION position = GetHeadPosition(); position;) {
        CRukEntity* child = GetNext(position);
        if (child && child->GetKind() == kind && !(skipFirst && first))
            found = child;
        first = false;
    }
    return found;
}

bool CRukMark::IsLeaderKind() const {
    return (m_kind >= MarkupKind(0x00) && m_kind <= MarkupKind(0x02)) || m_kind == MarkupKind(0x04);
}

void CRukMark::BuildMarkupChild(CMarkupDocument& document, CRukEntity* child) {
    const CRedlineStyle& style = document.m_style;
    child->m_childFlag = 2;
    child->SetLayerName(document.m_curLayerName);
    child->SetLineWidth(style.m_redPenWidth);
    child->SetLineType(style.m_redLineType);
    child->SetLineTypeScale(style.m_redLineTypeScale);
    if (IsClosedChildKind(child->GetKind())) {
        if (!style.m_redSolidFill && IsHatchFill(style.m_redFillType)) {
            child->SetFillType(style.m_redFillType);
            child->SetTransparent(style.m_redTransparent);
        } else {
            ApplyFill(*child, document, true);
        }
    }
    document.AddMarkup(child);
    document.AddToLayer(child);
    AddChild(child);
}

void CRukMark::ApplyFill(CRukEntity& child, const CMarkupDocument& document, bool withTransparent) {
    const CRedlineStyle& style = document.m_style;
    int fillType = 0;
    if (style.m_redSolidFill)
        fillType = kSolidFill;
    else if (!IsHatchFill(style.m_redFillType))
        fillType = style.m_redFillType;
    child.SetFillType(fillType);
    if (withTransparent)
        child.SetTransparent(fillType == 0 ? 1 : 0);
}

void CRukMark::FinishWithChild(CMarkupDocument& document, CRukEntity* child) {
    child->RecalcExtents();
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    child->GetExtents(&minX, &minY, &maxX, &maxY);
    BuildMarkupChild(document, child);
    FinishMarkup(document, minX, minY, maxX, maxY);
}

void CRukMark::FinishMarkup(CMarkupDocument& document, int minX, int minY, int maxX, int maxY) {
    const CRedlineStyle& style = document.m_style;
    m_x1 = minX;
    m_y1 = maxY;
    m_x2 = maxX;
    m_y2 = minY;
    SetColor(style.m_redPenColor);
    if (CMarkupKinds::IsClosed(m_kind)) {
        SetFillColor(style.m_redFillColor);
        SetThirdColor(style.m_redHatchColor);
    }
    m_tag = document.m_newMarkTag;
    SetName(document.m_newMarkName);
    SetLayerName(document.m_curLayerName);
    RecalcExtents();
    SetChildCount(m_children.GetCount());
    document.m_newMarkTag.Empty();
    document.m_newMarkName.Empty();
}

void CRukMark::FinishFromChildren(CMarkupDocument& document) {
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    m_children.UnionExtents(&minX, &minY, &maxX, &maxY);
    FinishMarkup(document, minX, minY, maxX, maxY);
}

int CRukMark::AddUntilFinishRequest(int x, int y, int mode) {
    constexpr int kLeastPoints = 2;
    const int complete = AddOpenPoint(x, y, mode, kLeastPoints);
    if (complete)
        m_pointsToFinish = GetPointCount();
    return complete;
}

// ---- Label font and fitting

CLabelFont CRukMark::LabelFont(const CMarkupDocument& document, const CDrawDefaults& settings,
                               double textHeight, int charSet, const CString& face) {
    CLabelFont font;
    font.m_height = TruncInt(document.ViewScale() * settings.m_textScale * textHeight + 0.5);
    font.m_charSet = charSet;
    font.m_faceName = face;
    return font;
}

SIZE CRukMark::MeasureLabel(CTrackSurface& surface, const CMarkupDocument& document,
                            const CString& text, const CLabelFont& font) {
    const SIZE extent = surface.MeasureLabel(text, font);
    return SIZE{document.DeviceToLogical(extent.cx), document.DeviceToLogical(extent.cy)};
}

int CRukMark::GetLabelMode() const {
    if (!IsLeaderKind())
        return 0;
    bool first = true;
    for (POSITION position = GetHeadPosition(); position; first = false) {
        const CRukEntity* child = GetNext(position);
        if (first || !child || child->m_points.GetSize() < 3)
            continue;
        const bool open = child->m_points[0].x != child->m_points[2].x ||
                          child->m_points[0].y != child->m_points[2].y;
        if (child->GetKind() == kKindCircle && open)
            return kLabelCircle;
        if (child->GetKind() == kKindPolygon && open)
            return kLabelRect;
    }
    return 0;
}

void CRukMark::SetLabelText(CEntityDocument* document, CDC* dc, const CString& text,
                            const CDrawDefaults* settings) {
    CMarkupDocument* markupDocument = MarkupDocument(document);
    if (markupDocument && dc && settings)
        FitLabel(*markupDocument, dc, &text, GetLabelMode(), false, *settings);
}

void CRukMark::RefitLabel(CEntityDocument* document, CDC* dc, int mode,
                          const CDrawDefaults* settings) {
    CMarkupDocument* markupDocument = MarkupDocument(document);
    if (markupDocument && dc && settings)
        FitLabel(*markupDocument, dc, nullptr, mode, true, *settings);
}

void CRukMark::FitLabel(CMarkupDocument& document, CDC* dc, const CString* text, int mode,
                        bool collapseUnused, const CDrawDefaults& settings) {
    const int count = GetPointCount();
    if (!IsLeaderKind() || count == 0)
        return;
    const POINT anchor = PointAt(count - 1);
    CRukEntity* leader = ChildAt(1, kKindPolyline);
    CRukEntity* label = LastChildOfKind(kKindText, false);
    CRukEntity* circle = LastChildOfKind(kKindCircle, true);
    CRukEntity* frame = LastChildOfKind(kKindPolygon, true);
    int width = 0;
    int height = 0;
    if (label) {
        if (text)
            label->SetText(*text);
        const CLabelFont font = LabelFont(document, settings, label->GetTextHeight(),
                                          label->GetCharSet(), label->GetFaceName());
        const SIZE extent = CDCTrackSurface::MeasureLabelOn(dc, label->GetText(), font);
        width = document.DeviceToLogical(extent.cx);
        height = document.DeviceToLogical(extent.cy);
    }
    if (count < 2)
        return;
    if (label) {
        label->SetOrigin(anchor.x, anchor.y + height);
        label->SetCorner2(anchor.x + width, anchor.y);
        label->SetVertAlign(kTextAlignBottom);
        label->SetHorzAlign(kTextAlignCentre);
        label->UpdateLayout();
    }
    const int radius = CircleRadiusForLabel(width, height);
    const SIZE rect = RectSizeForLabel(width, height);
    if (mode == kLabelCircle && circle) {
        circle->m_points.RemoveAll();
        circle->SetFirstPoint(anchor.x, anchor.y);
        circle->AppendPoint(anchor.x + radius, anchor.y);
        circle->RecalcExtents();
    } else if (collapseUnused && circle) {
        circle->m_points.RemoveAll();
        circle->SetFirstPoint(anchor.x, anchor.y);
        circle->AppendPoint(anchor.x, anchor.y);
        circle->RecalcExtents();
    }
    const int halfW = rect.cx / 2;
    const int halfH = rect.cy / 2;
    if ((mode == kLabelRect || collapseUnused) && frame) {
        const bool used = mode == kLabelRect;
        const POINT corners[4] = {
            {anchor.x - (used ? halfW : 0), anchor.y + (used ? halfH : 0)},
            {anchor.x - (used ? halfW : 0), anchor.y - (used ? halfH : 0)},
            {anchor.x + (used ? halfW : 0), anchor.y - (used ? halfH : 0)},
            {anchor.x + (used ? halfW : 0), anchor.y + (used ? halfH : 0)},
        };
        frame->m_points.RemoveAll();
        frame->SetFirstPoint(corners[0].x, corners[0].y);
        for (int i = 1; i < 4; ++i)
            frame->AppendPoint(corners[i].x, corners[i].y);
        frame->RecalcExtents();
    }
    if (leader && leader->m_points.GetSize() > 0) {
        const POINT from = PointAt(count - 2);
        POINT crossing{};
        int found = 0;
        if (mode == kLabelCircle) {
            const auto* circleChild = dynamic_cast<const CRukCircle*>(circle);
            found =
                ClipToCircle(from, &crossing, anchor.x, anchor.y,
                             circleChild ? circleChild->GetRadius() : radius, document.GetUnit());
        } else if (mode == kLabelRect) {
            found = ClipToRect(from, &crossing, rect.cx, rect.cy, anchor.x, anchor.y,
                               document.GetUnit());
        } else {
            const SIZE plain = PlainSizeForLabel(width, height);
            found = ClipToRect(from, &crossing, plain.cx, plain.cy, anchor.x, anchor.y,
                               document.GetUnit());
        }
        const POINT end = found ? crossing : from;
        leader->m_points[leader->m_points.GetSize() - 1] = end;
        leader->RecalcExtents();
    }
    RecalcExtents();
}

// ---- After reading

void CRukMark::AdoptChildLayer() {
    for (POSITION position = GetHeadPosition(); position;) {
        const CRukEntity* child = GetNext(position);
        if (child && child->GetLayerName() != m_layerName) {
            m_layerName = child->GetLayerName();
            return;
        }
    }
}

void CRukMark::UpdateLeaderAttached() {
    const CRukEntity* leader = ChildAt(1, kKindPolyline);
    m_leaderAttached = leader && leader->m_points.GetSize() > 0 && GetPointCount() > 0 &&
                               leader->m_points[0].x == PointAt(0).x &&
                               leader->m_points[0].y == PointAt(0).y
                           ? 1
                           : 0;
}

// ---- Archive

void CRukMark::StoreAttributes(CArchive& ar) const {
    ar << m_layerName << static_cast<UINT>(m_color) << m_groupName << static_cast<BYTE>(m_childFlag)
       << m_tag << m_name;
}

void CRukMark::LoadAttributes(CArchive& ar) {
    UINT color = 0;
    BYTE childFlag = 0;
    ar >> m_layerName >> color >> m_groupName >> childFlag >> m_tag >> m_name;
    m_color = color;
    m_childFlag = childFlag;
}

void CRukMark::StorePointsBody(CArchive& ar, bool withBox) {
    m_points.Serialize(ar);
    if (withBox)
        ar << m_x1 << m_y1 << m_x2 << m_y2;
    StoreAttributes(ar);
    if (withBox)
        ar << m_childCount;
    m_children.Serialize(ar);
}

void CRukMark::LoadPointsBody(CArchive& ar, bool withBox, bool schemaZero) {
    m_points.Serialize(ar);
    if (withBox)
        ar >> m_x1 >> m_y1 >> m_x2 >> m_y2;
    LoadAttributes(ar);
    if (withBox)
        ar >> m_childCount;
    m_children.Serialize(ar);
    if (!schemaZero)
        return;
    m_children.ForEach([](CRukEntity& child) {
        if (child.GetLineWidth() == 0)
            child.SetLineWidth(kOldDefaultWidth);
    });
    if (m_childFlag < 0 || m_childFlag > kMaxChildFlag)
        m_childFlag = 0;
}

void CRukMark::SerializeLabelledBody(CArchive& ar, bool updateAttached,
                                     const std::function<void()>& migrate) {
    constexpr UINT kLabelledSchema = 2;
    if (ar.IsStoring()) {
        StorePointsBody(ar, false);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > kLabelledSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    if (schema == kLabelledSchema) {
        LoadPointsBody(ar, false, false);
        SetChildCount(m_children.GetCount());
        if (updateAttached)
            UpdateLeaderAttached();
        RecalcExtents();
        return;
    }
    LoadPointsBody(ar, true, schema == 0);
    const int readChildren = m_children.GetCount();
    migrate();
    NoteBuiltChildren(ar, readChildren);
    AdoptChildLayer();
    RecalcExtents();
}

void CRukMark::NoteBuiltChildren(CArchive& ar, int readChildren) const {
    int index = 0;
    for (POSITION position = m_children.GetHeadPosition(); position; ++index) {
        CRukEntity* child = m_children.GetNext(position);
        if (index >= readChildren)
            ar.NoteBuiltObject(child);
    }
}
