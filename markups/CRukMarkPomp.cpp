#include "markups/CRukMarkPomp.h"

#include "entities/CRingPolygon.h"
#include "entities/CRukCircle.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukText.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CDCTrackSurface.h"
#include "markups/CLeaderParts.h"
#include "markups/CMarkupDocument.h"
#include "platform/mfc/CArchive.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRukMarkPomp, CObject, 0)

namespace {

constexpr int kSecondLeaderLineType = 200;
// Millimetres per inch, as the scale of a drawing measured in inches.
constexpr double kInchScale = 0.03937007874015748;
// The line-type scale when the drawing's scale is unknown.
constexpr int kDefaultLineTypeScale = 1000;

// A line for two points, a polyline for more.
CRukEntity* MakeLeader(const std::vector<POINT>& points) {
    if (points.size() == 2) {
        auto* line = new CRukLine();
        line->SetFirstPoint(points[0].x, points[0].y);
        line->AppendPoint(points[1].x, points[1].y);
        line->RecalcExtents();
        return line;
    }
    auto* polyline = new CRukPolyline();
    polyline->SetFirstPoint(points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i)
        polyline->AppendPoint(points[i].x, points[i].y);
    polyline->RecalcExtents();
    return polyline;
}

// The leader's vertices with the last segment ending where it crosses the
// circle around the centre; the last vertex stays when it does not.
std::vector<POINT> CutAtCircle(std::vector<POINT> points, POINT centre, int radius, UINT unit) {
    CRukMark::ClipSegmentToCircle(points[points.size() - 2], &points.back(), centre.x, centre.y,
                                  radius, unit);
    return points;
}

bool Vertical(POINT a, POINT b) {
    return a.x == b.x;
}

} // namespace

CRukMarkPomp::CRukMarkPomp() : CRukMark(MarkupKind(0x0F)) {
    m_polyMode = 1;
}

int CRukMarkPomp::AddPoint(int x, int y, int mode) {
    if (m_polyMode)
        return AddUntilFinishRequest(x, y, mode);
    const int count = static_cast<int>(m_points.GetSize());
    if (count > 0 && PointAt(count - 1).x == x && PointAt(count - 1).y == y)
        return 0;
    m_points.Add(POINT{x, y});
    m_pointsToFinish = count + 1;
    return 1;
}

int CRukMarkPomp::CircleRadius(int width, int height) const {
    return TruncInt((std::max(width, height) * m_circleFactor + 1) * 0.5);
}

CLabelFont CRukMarkPomp::PompFont(const CMarkupDocument& document, const CDrawDefaults& settings,
                                  double textHeight) {
    return LabelFont(document, settings, textHeight, SHIFTJIS_CHARSET, CRukText::kDefaultFace);
}

std::vector<POINT> CRukMarkPomp::ShiftedPoints(const std::vector<POINT>& points, int gap) {
    std::vector<POINT> shifted;
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const POINT p = points[i];
        bool left = false;
        bool up = true;
        if (i == 0 || i == n - 1) {
            const bool vertical = n > 1 && (i == 0 ? Vertical(points[0], points[1])
                                                   : Vertical(points[n - 2], points[n - 1]));
            left = vertical;
            up = !vertical;
        } else {
            const bool previous = Vertical(points[i - 1], p);
            const bool next = Vertical(p, points[i + 1]);
            left = previous || next;
            up = !(previous && next);
        }
        shifted.push_back(POINT{p.x - (left ? gap : 0), p.y + (up ? gap : 0)});
    }
    return shifted;
}

std::vector<POINT> CRukMarkPomp::ClickedPoints() const {
    std::vector<POINT> points(m_points.GetData(), m_points.GetData() + m_points.GetSize());
    // Finish appended the circle's radius point.
    if (m_children.GetCount() > 0 && !points.empty())
        points.pop_back();
    return points;
}

void CRukMarkPomp::Finish(CEntityDocument* entityDocument, CDC* dc, const CDrawDefaults* settings) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    const int count = static_cast<int>(m_points.GetSize());
    if (!document || !dc || !settings || count < m_pointsToFinish || count < 2)
        return;
    const UINT unit = document->GetUnit();
    const double textHeight = unit * document->m_textSize;
    const SIZE extent =
        CDCTrackSurface::MeasureLabelOn(dc, m_label, PompFont(*document, *settings, textHeight));
    const int tw = document->DeviceToLogical(extent.cx);
    const int th = document->DeviceToLogical(extent.cy);
    const int radius = CircleRadius(tw, th);
    const int gap =
        std::min(radius, static_cast<int>(TruncInt(unit * document->m_style.m_calloutGapRatio)));
    const std::vector<POINT> points = ClickedPoints();
    const POINT centre = points.back();

    CLeaderParts::FileChild(*this, *document, MakeLeader(CutAtCircle(points, centre, radius, unit)),
                            true);

    CRukEntity* second = MakeLeader(CutAtCircle(ShiftedPoints(points, gap), centre, radius, unit));
    second->SetLineType(kSecondLeaderLineType);
    const double scale =
        document->m_scale * settings->m_printScale * (document->m_scaleMode ? 1.0 : kInchScale);
    second->SetLineTypeScale(scale == 0 ? kDefaultLineTypeScale
                                        : TruncInt(document->ExtentHeight() / scale));
    CLeaderParts::FileChild(*this, *document, second, true);

    CLeaderParts::FileChild(*this, *document, CLeaderParts::MakeEndCircle(centre, radius), true);
    m_points.Add(POINT{centre.x + radius, centre.y});

    auto* text = new CRukText();
    text->SetText(m_label);
    text->SetTextHeight(TruncInt(textHeight + 0.5));
    CLeaderParts::PlaceLabel(*text, centre, tw, th);
    CLeaderParts::FileChild(*this, *document, text, false);

    FinishFromChildren(*document);
}

void CRukMarkPomp::CutLeaders(const CMarkupDocument& document, int radius) {
    const std::vector<POINT> points = ClickedPoints();
    if (points.size() < 2)
        return;
    const int gap = std::min(radius, static_cast<int>(TruncInt(
                                         document.GetUnit() * document.m_style.m_calloutGapRatio)));
    const POINT centre = points.back();
    const std::vector<POINT> ends[2] = {
        CutAtCircle(points, centre, radius, document.GetUnit()),
        CutAtCircle(ShiftedPoints(points, gap), centre, radius, document.GetUnit())};
    int leader = 0;
    for (POSITION position = GetHeadPosition(); position && leader < 2;) {
        CRukEntity* child = GetNext(position);
        if (!child || (child->GetKind() != kKindLine && child->GetKind() != kKindPolyline))
            continue;
        const int last =
            child->GetKind() == kKindLine ? 1 : static_cast<int>(child->m_points.GetSize()) - 1;
        child->SetPoint(ends[leader].back().x, ends[leader].back().y, last);
        child->RecalcExtents();
        ++leader;
    }
}

void CRukMarkPomp::SetLabelText(CEntityDocument* entityDocument, CDC* dc, const CString& text,
                                const CDrawDefaults* settings) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    CRukEntity* label = FirstChildOfKind(kKindText);
    CRukEntity* circle = FirstChildOfKind(kKindCircle);
    const std::vector<POINT> points = ClickedPoints();
    if (!document || !dc || !settings || !label || !circle || points.empty())
        return;
    const SIZE extent = CDCTrackSurface::MeasureLabelOn(
        dc, text, PompFont(*document, *settings, label->GetTextHeight()));
    const int tw = document->DeviceToLogical(extent.cx);
    const int th = document->DeviceToLogical(extent.cy);
    const POINT centre = points.back();
    label->SetText(text);
    CLeaderParts::PlaceLabel(*label, centre, tw, th);
    const int radius = CircleRadius(tw, th);
    circle->m_points.RemoveAll();
    circle->SetFirstPoint(centre.x, centre.y);
    circle->AppendPoint(centre.x + radius, centre.y);
    circle->RecalcExtents();
    m_points[m_points.GetSize() - 1] = POINT{centre.x + radius, centre.y};
    CutLeaders(*document, radius);
    RecalcExtents();
}

// ---- Feedback

SIZE CRukMarkPomp::MeasureTrackLabel(CTrackSurface& surface, const CMarkupDocument& document,
                                     const CDrawDefaults& settings) const {
    return surface.MeasureLabel(
        m_label, PompFont(document, settings, document.GetUnit() * document.m_textSize));
}

void CRukMarkPomp::DrawLabelOutline(CTrackSurface& surface, POINT centre, SIZE label) const {
    surface.Polyline(CLeaderParts::ClosedBox(centre, label.cx, label.cy));
    surface.Polygon(CRingPolygon::Circle(centre.x, centre.y, CircleRadius(label.cx, label.cy)));
}

void CRukMarkPomp::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                           POINT newPoint, const CDrawDefaults& settings) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count == 0)
        return;
    const POINT last = PointAt(count - 1);
    XorLine(surface, document, last, oldPoint);
    XorLine(surface, document, last, newPoint);
    const SIZE label = MeasureTrackLabel(surface, document, settings);
    if (m_trackShown)
        DrawLabelOutline(surface, document.LogicalToDevicePoint(oldPoint.x, oldPoint.y), label);
    m_trackShown = 1;
    DrawLabelOutline(surface, document.LogicalToDevicePoint(newPoint.x, newPoint.y), label);
}

void CRukMarkPomp::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                             const CDrawDefaults& settings) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count == 0)
        return;
    const std::vector<POINT> chain = ViewChain(document, point);
    surface.Polyline(chain);
    DrawLabelOutline(surface, chain.back(), MeasureTrackLabel(surface, document, settings));
}

void CRukMarkPomp::TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                  const CDrawDefaults& settings) {
    TrackAtOn(surface, document, point, settings);
}

int CRukMarkPomp::EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                  const CDrawDefaults&) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count <= 1)
        return 0;
    const POINT last = PointAt(count - 1);
    const POINT previous = PointAt(count - 2);
    XorLine(surface, document, point, last);
    XorLine(surface, document, last, previous);
    XorLine(surface, document, point, previous);
    m_points.RemoveAt(count - 1);
    m_x1 = previous.x;
    m_y1 = previous.y;
    return count - 1;
}

// ---- Archive

void CRukMarkPomp::Serialize(CArchive& ar) {
    m_points.Serialize(ar);
    CRukGroup::Serialize(ar);
}
