#include "markups/CRukLeaderMark.h"

#include "entities/CRukCircle.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "geometry/Midpoint.h"
#include "markups/CDCTrackSurface.h"
#include "markups/CLeaderParts.h"
#include "markups/CMarkupDocument.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "settings/CDrawDefaults.h"

#include <cstdlib>
#include <memory>

namespace {

constexpr int kOldTextAlign = 1;

} // namespace

CRukLeaderMark::CRukLeaderMark(int kind) : CRukMark(kind) {
    m_endMarkFlag = 1;
    m_leaderAttached = 1;
}

POINT CRukLeaderMark::ShapeCentre(POINT p0, POINT p1) const {
    return Midpoint(p0, p1);
}

// ---- Feedback

POINT CRukLeaderMark::LegStart() const {
    const int count = GetPointCount();
    return count == 2 ? ShapeCentre(PointAt(0), PointAt(1)) : PointAt(count - 1);
}

void CRukLeaderMark::DrawLeg(CTrackSurface& surface, const CMarkupDocument& document, POINT from,
                             POINT to) const {
    XorLine(surface, document, from, to);
}

void CRukLeaderMark::DrawLabelFigures(CTrackSurface& surface, const CMarkupDocument& document,
                                      POINT at, const CDrawDefaults& settings) {
    const CLabelFont font = LabelFont(document, settings, document.GetUnit() * document.m_textSize,
                                      m_charSet, GetFaceName());
    CLeaderParts::DrawLabelFigures(surface, document, font, at, m_label);
}

void CRukLeaderMark::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                             POINT newPoint, const CDrawDefaults& settings) {
    const int count = GetPointCount();
    if (count == 0)
        return;
    if (count == 1) {
        surface.Polygon(RubberShape(document, PointAt(0), oldPoint));
        surface.Polygon(RubberShape(document, PointAt(0), newPoint));
        return;
    }
    const POINT start = LegStart();
    if (m_trackShown) {
        DrawLeg(surface, document, start, oldPoint);
        DrawLabelFigures(surface, document, oldPoint, settings);
    }
    DrawLeg(surface, document, start, newPoint);
    DrawLabelFigures(surface, document, newPoint, settings);
    m_trackShown = 1;
}

void CRukLeaderMark::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                               const CDrawDefaults& settings) {
    const int count = GetPointCount();
    if (count == 0)
        return;
    if (count == 1) {
        surface.Polygon(RubberShape(document, PointAt(0), point));
        return;
    }
    surface.Polygon(RubberShape(document, PointAt(0), PointAt(1)));
    const POINT centre = ShapeCentre(PointAt(0), PointAt(1));
    std::vector<POINT> leader{document.LogicalToDevicePoint(centre.x, centre.y)};
    for (int i = 2; i < count; ++i)
        leader.push_back(document.LogicalToDevicePoint(PointAt(i).x, PointAt(i).y));
    leader.push_back(document.LogicalToDevicePoint(point.x, point.y));
    surface.Polyline(leader);
    DrawLabelFigures(surface, document, point, settings);
}

void CRukLeaderMark::TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                    const CDrawDefaults& settings) {
    if (GetPointCount() < 2)
        return;
    DrawLeg(surface, document, LegStart(), point);
    DrawLabelFigures(surface, document, point, settings);
}

int CRukLeaderMark::EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                    const CDrawDefaults&) {
    const int count = GetPointCount();
    if (count <= 2)
        return 0;
    const POINT centre = ShapeCentre(PointAt(0), PointAt(1));
    const POINT last = PointAt(count - 1);
    const POINT previous = count == 3 ? centre : PointAt(count - 2);
    XorLine(surface, document, point, last);
    XorLine(surface, document, point, previous);
    XorLine(surface, document, previous, last);
    m_points.RemoveAt(count - 1);
    const POINT current = GetPointCount() == 2 ? centre : PointAt(GetPointCount() - 1);
    m_x1 = current.x;
    m_y1 = current.y;
    return GetPointCount();
}

POINT CRukLeaderMark::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    const int count = GetPointCount();
    if (!document || (count != 1 && count != 2))
        return POINT{x, y};
    const POINT anchor = count == 1 ? PointAt(0) : ShapeCentre(PointAt(0), PointAt(1));
    POINT point = document->LogicalToDevicePoint(anchor.x, anchor.y);
    if (dc)
        dc->LPtoDP(&point);
    return point;
}

// ---- Building the children

void CRukLeaderMark::Finish(CEntityDocument* entityDocument, CDC* dc,
                            const CDrawDefaults* settings) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    const int count = GetPointCount();
    if (!document || !dc || !settings || count < m_pointsToFinish || count < 3)
        return;
    const UINT unit = document->GetUnit();
    const CRedlineStyle& style = document->m_style;
    const double textHeight = unit * document->m_textSize;
    const CLabelFont font = LabelFont(*document, *settings, textHeight, m_charSet, GetFaceName());
    const SIZE extent = CDCTrackSurface::MeasureLabelOn(dc, m_label, font);
    const int tw = document->DeviceToLogical(extent.cx);
    const int th = document->DeviceToLogical(extent.cy);
    const POINT p0 = PointAt(0);
    const POINT p1 = PointAt(1);
    const POINT anchor = PointAt(count - 1);

    CRukEntity* shape = MakeShape(p0, p1);
    shape->RecalcExtents();
    CLeaderParts::FileChild(*this, *document, shape, true);

    const POINT centre = ShapeCentre(p0, p1);
    POINT start = centre;
    if (!style.m_leaderTipAtCentre && !ClipToShape(*shape, PointAt(2), &start, centre, unit))
        start = centre;

    const POINT legFrom = count == 3 ? start : PointAt(count - 2);
    POINT crossing{};
    const int found =
        CLeaderParts::ClipLeaderEnd(legFrom, anchor, tw, th, style.m_labelFrame, unit, &crossing);
    auto* leader = new CRukPolyline();
    leader->SetFirstPoint(start.x, start.y);
    for (int i = 2; i < count - 1; ++i)
        leader->AppendPoint(PointAt(i).x, PointAt(i).y);
    leader->AppendPoint(found ? crossing.x : anchor.x, found ? crossing.y : anchor.y);
    leader->RecalcExtents();
    CLeaderParts::FileChild(*this, *document, leader, true);

    CLeaderParts::FileLabelParts(*this, *document, anchor, tw, th, textHeight);

    CentrePoints();
    SetLeaderAttached(style.m_leaderTipAtCentre);
    CLeaderParts::FinishLabelledMark(*this, *document);
}

void CRukLeaderMark::CentrePoints() {
    if (GetPointCount() < 2)
        return;
    const POINT centre = ShapeCentre(PointAt(0), PointAt(1));
    m_points.RemoveAt(1);
    m_points[0] = centre;
}

// ---- Editing

void CRukLeaderMark::UpdateLeader(CEntityDocument* document) {
    CRukEntity* shape = ChildAt(kShape, ShapeKind());
    CRukEntity* leader = ChildAt(kLeader, kKindPolyline);
    if (!document || !shape || !leader || leader->m_points.GetSize() < 2 || GetPointCount() < 2)
        return;
    POINT start = PointAt(0);
    if (!m_leaderAttached) {
        const POINT from = PointAt(1);
        const POINT leaderSecond = leader->m_points[1];
        POINT crossing{};
        if (ClipToShape(*shape, from, &crossing, PointAt(0), document->GetUnit()) &&
            GetDistance(from, leaderSecond) < GetDistance(from, crossing))
            start = crossing;
        else
            start = leaderSecond;
    }
    leader->m_points[0] = start;
    leader->RecalcExtents();
    RecalcExtents();
}

bool CRukLeaderMark::ShapeBox(const CRukEntity& shape, SIZE* size) {
    if (shape.m_points.GetSize() < 3)
        return false;
    *size = SIZE{std::abs(shape.m_points[0].x - shape.m_points[2].x),
                 std::abs(shape.m_points[0].y - shape.m_points[2].y)};
    return true;
}

int CRukLeaderMark::GetShapeSize(int* width, int* height) const {
    const CRukEntity* shape = ChildAt(kShape, ShapeKind());
    SIZE size{};
    if (!shape || !ShapeBox(*shape, &size))
        return 0;
    *width = size.cx;
    *height = size.cy;
    return 1;
}

void CRukLeaderMark::MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) {
    const int count = GetPointCount();
    if (index < 0 || index >= count)
        return;
    const POINT first = PointAt(0);
    const POINT last = PointAt(count - 1);
    m_points[index] = POINT{m_points[index].x + dx, m_points[index].y + dy};
    CRukEntity* shape = ChildAt(kShape, ShapeKind());
    CRukEntity* leader = ChildAt(kLeader, kKindPolyline);
    if (shape && index == 0)
        shape->Offset(dx, dy);
    int leaderLast = -1;
    if (leader && leader->m_points.GetSize() > 0) {
        leaderLast = static_cast<int>(leader->m_points.GetSize()) - 1;
        leader->m_points[leaderLast] = last;
        leader->m_points[0] = first;
        leader->MoveVertex(dx, dy, index, x, y, flags);
    }
    CLeaderParts::FollowAnchor(*this, dx, dy, index, leaderLast);
    RecalcExtents();
}

int CRukLeaderMark::SetPoint(int x, int y, int index) {
    const int count = GetPointCount();
    if (index < 0 || index >= count)
        return 0;
    const int dx = x - PointAt(index).x;
    const int dy = y - PointAt(index).y;
    CRukEntity* shape = ChildAt(kShape, ShapeKind());
    CRukEntity* leader = ChildAt(kLeader, kKindPolyline);
    if (shape && index == 0)
        shape->Offset(dx, dy);
    int leaderLast = -1;
    if (leader && leader->m_points.GetSize() > 0) {
        leaderLast = static_cast<int>(leader->m_points.GetSize()) - 1;
        leader->m_points[leaderLast] = PointAt(count - 1);
        if (index <= leaderLast)
            leader->m_points[index] = POINT{x, y};
    }
    CLeaderParts::FollowAnchor(*this, dx, dy, index, leaderLast);
    m_points[index] = POINT{x, y};
    RecalcExtents();
    return 1;
}

void CRukLeaderMark::DrawGrips(CDC* dc, int originX, int originY, double scale,
                               const CDrawDefaults*) {
    CLeaderParts::DrawPointGrips(*this, dc, originX, originY, scale);
}

int CRukLeaderMark::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return CLeaderParts::HitPointGrip(*this, dc, document, x, y, grip);
}

// ---- Archive

void CRukLeaderMark::Serialize(CArchive& ar) {
    SerializeLabelledBody(ar, true, [this] { Migrate(); });
}

void CRukLeaderMark::Migrate() {
    CRukEntity* oldShape = nullptr;
    CRukEntity* oldLine = nullptr;
    CRukEntity* oldPolyline = nullptr;
    CRukEntity* oldText = nullptr;
    m_children.ForEach([&](CRukEntity& child) {
        const int kind = child.GetKind();
        CRukEntity** old = kind == ShapeKind()     ? &oldShape
                           : kind == kKindLine     ? &oldLine
                           : kind == kKindPolyline ? &oldPolyline
                           : kind == kKindText     ? &oldText
                                                   : nullptr;
        if (!old)
            return;
        child.m_tag = kDeleteTag;
        *old = &child;
    });
    if (oldShape) {
        if (CRukEntity* shape = RebuildShape(*oldShape)) {
            CLeaderParts::TakeAttributes(*shape, *oldShape, true);
            shape->RecalcExtents();
            AddChild(shape);
        }
    }
    for (const CRukEntity* old : {oldLine, oldPolyline})
        if (old)
            AddChild(CLeaderParts::LeaderFrom(*old));
    if (oldShape && GetPointCount() > 0) {
        const POINT anchor = PointAt(GetPointCount() - 1);
        CRukCircle* circle = CLeaderParts::MakeEndCircle(anchor, 0);
        CLeaderParts::TakeAttributes(*circle, *oldShape, true);
        AddChild(circle);
        CRukPolygon* frame = CLeaderParts::MakeFrame(anchor, SIZE{0, 0});
        CLeaderParts::TakeAttributes(*frame, *oldShape, true);
        AddChild(frame);
    }
    if (oldText)
        AddChild(CLeaderParts::LabelFrom(*oldText, kOldTextAlign, false));
    CentrePoints();
}
