#include "markups/CRukMarkBalloon.h"

#include "entities/CRukCircle.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "geometry/Midpoint.h"
#include "markups/CDCTrackSurface.h"
#include "markups/CLeaderParts.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTwoPointGesture.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "platform/win/Cursors.h"

#include <bit>
#include <cmath>
#include <cstdint>

IMPLEMENT_SERIAL(CRukMarkBalloon, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

constexpr int kTextAlignBottom = 2;
// Just under 1/6: the arrowhead's half width over its length.
constexpr std::uint64_t kArrowWidthRatioBits = 0x3FC5555555555553ULL;

bool SamePoint(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

} // namespace

CRukMarkBalloon::CRukMarkBalloon()
    : CRukMark(MarkupKind(0x04)), m_arrowWidthRatio(std::bit_cast<double>(kArrowWidthRatioBits)) {}

void CRukMarkBalloon::ArrowCorners(POINT tip, POINT from, double length, double widthRatio,
                                   POINT* a, POINT* b) {
    const double angle = GetAngleD(from.x, from.y, tip.x, tip.y);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double k = widthRatio;
    *a = POINT{tip.x + TruncInt(length * (-c - k * s) + 0.5),
               tip.y + TruncInt(length * (k * c - s) + 0.5)};
    *b = POINT{tip.x + TruncInt(length * (k * s - c) + 0.5),
               tip.y + TruncInt(length * (-s - k * c) + 0.5)};
}

// ---- The gesture

int CRukMarkBalloon::AddPoint(int x, int y, int mode) {
    if (!m_endMarkFlag)
        return CRukMark::AddPoint(x, y, mode);
    if (m_polyMode)
        return AddUntilFinishRequest(x, y, mode);
    const int count = GetPointCount();
    if (count > 0 && SamePoint(PointAt(count - 1), POINT{x, y}))
        return 0;
    m_points.Add(POINT{x, y});
    m_pointsToFinish = 2;
    return 1;
}

POINT CRukMarkBalloon::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return CTwoPointGesture::Anchor(*this, document, dc, x, y);
}

// ---- Feedback

void CRukMarkBalloon::DrawArrow(CTrackSurface& surface, const CMarkupDocument& document,
                                POINT from) const {
    const double length = document.GetUnit() * document.m_arrowSize;
    if (length <= 0 || GetPointCount() == 0)
        return;
    const POINT tip = PointAt(0);
    POINT a{};
    POINT b{};
    ArrowCorners(tip, from, length, m_arrowWidthRatio, &a, &b);
    XorLine(surface, document, tip, a);
    XorLine(surface, document, tip, b);
}

void CRukMarkBalloon::DrawLabelFigures(CTrackSurface& surface, const CMarkupDocument& document,
                                       POINT at, const CDrawDefaults& settings) const {
    const CLabelFont font = LabelFont(document, settings, document.GetUnit() * document.m_textSize,
                                      m_charSet, m_faceName);
    CLeaderParts::DrawLabelFigures(surface, document, font, at, m_label);
}

void CRukMarkBalloon::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                              POINT newPoint, const CDrawDefaults& settings) {
    const int count = GetPointCount();
    if (count == 0)
        return;
    const POINT last = PointAt(count - 1);
    XorLine(surface, document, last, oldPoint);
    XorLine(surface, document, last, newPoint);
    if (count == 1) {
        if (m_trackShown)
            DrawArrow(surface, document, oldPoint);
        DrawArrow(surface, document, newPoint);
    }
    if (m_trackShown)
        DrawLabelFigures(surface, document, oldPoint, settings);
    DrawLabelFigures(surface, document, newPoint, settings);
    m_trackShown = 1;
}

void CRukMarkBalloon::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                const CDrawDefaults& settings) {
    const int count = GetPointCount();
    if (count == 0)
        return;
    const std::vector<POINT> leader = ViewChain(document, point);
    surface.Polyline(leader);
    DrawArrow(surface, document, count > 1 ? PointAt(1) : point);
    DrawLabelFigures(surface, document, point, settings);
}

void CRukMarkBalloon::TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                     const CDrawDefaults& settings) {
    if (GetPointCount() == 0)
        return;
    XorLine(surface, document, PointAt(0), point);
    DrawLabelFigures(surface, document, point, settings);
    DrawArrow(surface, document, point);
}

int CRukMarkBalloon::EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                     const CDrawDefaults&) {
    const int count = GetPointCount();
    if (count <= 1)
        return 0;
    const POINT last = PointAt(count - 1);
    const POINT previous = PointAt(count - 2);
    XorLine(surface, document, point, last);
    XorLine(surface, document, point, previous);
    XorLine(surface, document, previous, last);
    if (count == 2) {
        DrawArrow(surface, document, last);
        DrawArrow(surface, document, point);
    }
    m_points.RemoveAt(count - 1);
    m_x1 = previous.x;
    m_y1 = previous.y;
    m_pointsToFinish = count + 1;
    return GetPointCount();
}

// ---- Building the children

void CRukMarkBalloon::Finish(CEntityDocument* entityDocument, CDC* dc,
                             const CDrawDefaults* settings) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    const int count = GetPointCount();
    if (!document || !dc || !settings || count < m_pointsToFinish || count < 2)
        return;
    const UINT unit = document->GetUnit();
    const double textHeight = unit * document->m_textSize;
    const CLabelFont font = LabelFont(*document, *settings, textHeight, m_charSet, m_faceName);
    const SIZE extent = CDCTrackSurface::MeasureLabelOn(dc, m_label, font);
    const int tw = document->DeviceToLogical(extent.cx);
    const int th = document->DeviceToLogical(extent.cy);
    const POINT tip = PointAt(0);
    const POINT anchor = PointAt(count - 1);

    const double length = unit * document->m_arrowSize;
    POINT a = tip;
    POINT b = tip;
    if (length > 0)
        ArrowCorners(tip, PointAt(1), length, m_arrowWidthRatio, &a, &b);
    auto* arrow = new CRukPolyline();
    arrow->SetFirstPoint(a.x, a.y);
    arrow->AppendPoint(tip.x, tip.y);
    arrow->AppendPoint(b.x, b.y);
    arrow->RecalcExtents();
    CLeaderParts::FileChild(*this, *document, arrow, true);

    POINT crossing{};
    const int found = CLeaderParts::ClipLeaderEnd(PointAt(count - 2), anchor, tw, th,
                                                  document->m_style.m_labelFrame, unit, &crossing);
    auto* leader = new CRukPolyline();
    leader->SetFirstPoint(tip.x, tip.y);
    for (int i = 1; i < count - 1; ++i)
        leader->AppendPoint(PointAt(i).x, PointAt(i).y);
    leader->AppendPoint(found ? crossing.x : anchor.x, found ? crossing.y : anchor.y);
    leader->RecalcExtents();
    CLeaderParts::FileChild(*this, *document, leader, true);

    CLeaderParts::FileLabelParts(*this, *document, anchor, tw, th, textHeight);
    CLeaderParts::FinishLabelledMark(*this, *document);
}

// ---- The arrowhead

int CRukMarkBalloon::GetArrowLength() const {
    const CRukEntity* arrow = ChildAt(kArrow, kKindPolyline);
    const CRukEntity* leader = ChildAt(kLeader, kKindPolyline);
    if (!arrow || !leader || leader->m_points.GetSize() < 2 || arrow->m_points.GetSize() < 3)
        return 0;
    const POINT corner = arrow->m_points[0];
    const POINT tip = arrow->m_points[1];
    // The corner lies sqrt(1 + k^2) lengths from the tip. Its coordinates
    // were rounded, so the length that reproduces both corners exactly is
    // taken when one of the two nearest does.
    const double estimate = GetDistanceD(tip.x, tip.y, corner.x, corner.y) /
                            std::sqrt(1.0 + m_arrowWidthRatio * m_arrowWidthRatio);
    const POINT from = leader->m_points[1];
    const POINT leaderTip = leader->m_points[0];
    for (const double candidate : {std::floor(estimate), std::ceil(estimate)}) {
        POINT a{};
        POINT b{};
        ArrowCorners(leaderTip, from, candidate, m_arrowWidthRatio, &a, &b);
        if (SamePoint(a, corner) && SamePoint(b, arrow->m_points[2]))
            return static_cast<int>(candidate);
    }
    return RndInt(estimate);
}

void CRukMarkBalloon::SetArrowLength(double length) {
    CRukEntity* arrow = ChildAt(kArrow, kKindPolyline);
    const CRukEntity* leader = ChildAt(kLeader, kKindPolyline);
    if (!arrow || !leader || leader->m_points.GetSize() < 2 || arrow->m_points.GetSize() < 3)
        return;
    POINT a{};
    POINT b{};
    ArrowCorners(leader->m_points[0], leader->m_points[1], length, m_arrowWidthRatio, &a, &b);
    arrow->m_points[0] = a;
    arrow->m_points[2] = b;
}

void CRukMarkBalloon::ReaimArrow(int length) {
    SetArrowLength(length);
    if (CRukEntity* arrow = ChildAt(kArrow, kKindPolyline))
        arrow->RecalcExtents();
}

int CRukMarkBalloon::HasLabelCircle() const {
    const CRukEntity* circle = FirstChildOfKind(kKindCircle);
    return circle && circle->m_points.GetSize() > 2 &&
                   !SamePoint(circle->m_points[0], circle->m_points[2])
               ? 1
               : 0;
}

// ---- Editing

void CRukMarkBalloon::FollowPoints(int dx, int dy, int index, int leaderLast) {
    CRukEntity* arrow = ChildAt(kArrow, kKindPolyline);
    if (arrow && index == 0 && arrow->m_points.GetSize() > 1)
        arrow->m_points[1] = PointAt(0);
    CLeaderParts::FollowAnchor(*this, dx, dy, index, leaderLast);
}

void CRukMarkBalloon::MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) {
    const int count = GetPointCount();
    if (index < 0 || index >= count)
        return;
    const POINT last = PointAt(count - 1);
    const int length = GetArrowLength();
    m_points[index] = POINT{m_points[index].x + dx, m_points[index].y + dy};
    CRukEntity* leader = ChildAt(kLeader, kKindPolyline);
    int leaderLast = -1;
    if (leader && leader->m_points.GetSize() > 0) {
        leaderLast = static_cast<int>(leader->m_points.GetSize()) - 1;
        leader->m_points[leaderLast] = last;
        leader->MoveVertex(dx, dy, index, x, y, flags);
    }
    FollowPoints(dx, dy, index, leaderLast);
    ReaimArrow(length);
    RecalcExtents();
}

int CRukMarkBalloon::SetPoint(int x, int y, int index) {
    const int count = GetPointCount();
    if (index < 0 || index >= count)
        return 0;
    const int length = GetArrowLength();
    const int dx = x - PointAt(index).x;
    const int dy = y - PointAt(index).y;
    const POINT last = PointAt(count - 1);
    m_points[index] = POINT{x, y};
    CRukEntity* leader = ChildAt(kLeader, kKindPolyline);
    int leaderLast = -1;
    if (leader && leader->m_points.GetSize() > 0) {
        leaderLast = static_cast<int>(leader->m_points.GetSize()) - 1;
        leader->m_points[leaderLast] = last;
        if (index <= leaderLast)
            leader->m_points[index] = POINT{x, y};
    }
    FollowPoints(dx, dy, index, leaderLast);
    ReaimArrow(length);
    RecalcExtents();
    return 1;
}

void CRukMarkBalloon::DrawGrips(CDC* dc, int originX, int originY, double scale,
                                const CDrawDefaults*) {
    CLeaderParts::DrawPointGrips(*this, dc, originX, originY, scale);
}

int CRukMarkBalloon::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return CLeaderParts::HitPointGrip(*this, dc, document, x, y, grip);
}

void CRukMarkBalloon::SetGripCursor(int) {
    SetCursor(LoadStandardCursor(IDC_CROSS));
}

// ---- Archive

void CRukMarkBalloon::Serialize(CArchive& ar) {
    SerializeLabelledBody(ar, false, [this] { Migrate(); });
}

void CRukMarkBalloon::Migrate() {
    CRukEntity* oldLeader = nullptr;
    CRukEntity* strokes[2] = {nullptr, nullptr};
    CRukEntity* oldPolyline = nullptr;
    CRukEntity* oldCircle = nullptr;
    CRukEntity* oldText = nullptr;
    int position = 0;
    m_children.ForEach([&](CRukEntity& child) {
        const int kind = child.GetKind();
        CRukEntity** old = nullptr;
        if (kind == kKindLine && position == 0)
            old = &oldLeader;
        else if (kind == kKindLine && (position == 1 || position == 2))
            old = &strokes[position - 1];
        else if (kind == kKindPolyline)
            old = &oldPolyline;
        else if (kind == kKindCircle)
            old = &oldCircle;
        else if (kind == kKindText)
            old = &oldText;
        ++position;
        if (!old)
            return;
        child.m_tag = kDeleteTag;
        *old = &child;
    });
    if (strokes[0] && strokes[1]) {
        auto* arrow = new CRukPolyline();
        arrow->SetFirstPoint(strokes[0]->m_x2, strokes[0]->m_y2);
        arrow->AppendPoint(strokes[0]->m_x1, strokes[0]->m_y1);
        arrow->AppendPoint(strokes[1]->m_x2, strokes[1]->m_y2);
        CLeaderParts::TakeAttributes(*arrow, *strokes[0], true);
        arrow->RecalcExtents();
        AddChild(arrow);
    }
    for (const CRukEntity* old : {oldLeader, oldPolyline})
        if (old)
            AddChild(CLeaderParts::LeaderFrom(*old));
    if (oldCircle && oldCircle->m_points.GetSize() > 2) {
        const CPointArray& old = oldCircle->m_points;
        auto* circle = new CRukCircle();
        circle->m_points.Copy(old);
        CLeaderParts::TakeAttributes(*circle, *oldCircle, true);
        circle->RecalcExtents();
        AddChild(circle);
        if (!SamePoint(old[0], old[1]) && GetPointCount() > 0)
            m_points.RemoveAt(GetPointCount() - 1);
        const POINT centre = Midpoint(old[0], old[2]);
        CRukPolygon* frame = CLeaderParts::MakeFrame(centre, SIZE{});
        CLeaderParts::TakeAttributes(*frame, *oldCircle, true);
        AddChild(frame);
    }
    if (oldText)
        AddChild(CLeaderParts::LabelFrom(*oldText, kTextAlignBottom, true));
}
