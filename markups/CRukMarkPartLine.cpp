#include "markups/CRukMarkPartLine.h"

#include "entities/CRukPolyline.h"
#include "entities/EntityKinds.h"
#include "markups/CDCTrackSurface.h"
#include "markups/CMarkupDocument.h"
#include "platform/gdi/CDC.h"
#include "settings/CDrawDefaults.h"

namespace {

constexpr int kClick = 0;
constexpr int kFinishRequest = 1;
constexpr int kInvertMode = 3;

bool Same(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

} // namespace

IMPLEMENT_SERIAL(CRukMarkPartLine, CObject, 0)

CRukMarkPartLine::CRukMarkPartLine() : CRukRedPolyline(MarkupKind(0x0C)) {}

int CRukMarkPartLine::AddPoint(int x, int y, int mode) {
    const int count = static_cast<int>(m_points.GetSize());
    if (mode == kClick) {
        m_points.Add(POINT{x, y});
        if (count % 2 == 1)
            m_points.Add(POINT{x, y});
    } else if (mode == kFinishRequest && count > 1) {
        if (count % 2 == 1)
            m_points.RemoveAt(count - 1);
        return 1;
    }
    m_x1 = x;
    m_y1 = y;
    return 0;
}

POINT CRukMarkPartLine::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    const int count = static_cast<int>(m_points.GetSize());
    if (!document || count % 2 == 0)
        return POINT{x, y};
    return DevicePoint(document, dc, PointAt(count - 1));
}

void CRukMarkPartLine::StrokeLine(CTrackSurface& surface, const CMarkupDocument& document,
                                  POINT from, POINT to) const {
    surface.Stroke(document.LogicalToDevicePoint(from.x, from.y),
                   document.LogicalToDevicePoint(to.x, to.y), document.m_style.m_redPenWidth);
}

void CRukMarkPartLine::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                               POINT newPoint, const CDrawDefaults&) {
    if (m_points.GetSize() % 2 == 0)
        return;
    const POINT current{m_x1, m_y1};
    StrokeLine(surface, document, current, oldPoint);
    StrokeLine(surface, document, current, newPoint);
}

void CRukMarkPartLine::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                 const CDrawDefaults&) {
    const int count = static_cast<int>(m_points.GetSize());
    for (int i = 0; i < count - 2; i += 2)
        StrokeLine(surface, document, PointAt(i), PointAt(i + 1));
    if (count % 2 == 1)
        StrokeLine(surface, document, PointAt(count - 1), point);
    else if (count > 1)
        StrokeLine(surface, document, PointAt(count - 2), PointAt(count - 1));
}

int CRukMarkPartLine::EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document,
                                      POINT point, const CDrawDefaults&) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count <= 1)
        return 0;
    const POINT last = PointAt(count - 1);
    const POINT previous = PointAt(count - 2);
    if (count % 2 == 1) {
        StrokeLine(surface, document, point, last);
        m_points.RemoveAt(count - 1);
        const POINT lastOnDevice = document.LogicalToDevicePoint(last.x, last.y);
        const POINT previousOnDevice = document.LogicalToDevicePoint(previous.x, previous.y);
        if (count > 2 && Same(lastOnDevice, previousOnDevice)) {
            // The open segment went on from the one ending at P: that one
            // goes too, and the open segment starts at its start Q.
            const POINT before = PointAt(count - 3);
            StrokeLine(surface, document, point, before);
            StrokeLine(surface, document, previous, before);
            m_points.RemoveAt(count - 2);
        }
    } else {
        StrokeLine(surface, document, point, previous);
        StrokeLine(surface, document, last, previous);
        m_points.RemoveAt(count - 1);
    }
    const int left = static_cast<int>(m_points.GetSize());
    m_x1 = PointAt(left - 1).x;
    m_y1 = PointAt(left - 1).y;
    if (left == 1)
        m_trackShown = 0;
    return left;
}

void CRukMarkPartLine::DrawPreview(CEntityDocument* document, CDC* dc, int x, int y,
                                   const CDrawDefaults* settings) {
    CMarkupDocument* markupDocument = MarkupDocument(document);
    if (!markupDocument || !dc || !settings)
        return;
    CDCTrackSurface surface(dc, settings);
    DrawPreviewOn(surface, *markupDocument, POINT{x, y});
}

void CRukMarkPartLine::DrawPreviewOn(CTrackSurface& surface, const CMarkupDocument& document,
                                     POINT point) {
    const int count = static_cast<int>(m_points.GetSize());
    if (count == 0)
        return;
    StrokeLine(surface, document, PointAt(count - 1), point);
    if (count % 2 == 1) {
        m_points.RemoveAt(count - 1);
        if (count > 1) {
            m_x1 = PointAt(count - 2).x;
            m_y1 = PointAt(count - 2).y;
        }
    } else {
        m_points.Add(PointAt(count - 1));
    }
}

std::vector<std::vector<POINT>> CRukMarkPartLine::Chains(const std::vector<POINT>& points) {
    const int n = static_cast<int>(points.size());
    std::vector<std::vector<POINT>> chains;
    int start = 0;
    while (start < n) {
        std::vector<POINT> chain{points[start]};
        bool joined = false;
        int i = start + 1;
        for (; i < n; ++i) {
            if (!Same(points[i], points[i - 1])) {
                chain.push_back(points[i]);
                joined = false;
            }
            if (i + 1 < n && (Same(points[i], points[i + 1]) || joined))
                joined = true;
            else
                break;
        }
        chains.push_back(std::move(chain));
        start = i + 1;
    }
    return chains;
}

void CRukMarkPartLine::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    if (m_points.GetSize() % 2 == 1)
        m_points.RemoveAt(m_points.GetSize() - 1);
    std::vector<POINT> points;
    for (int i = 0; i < static_cast<int>(m_points.GetSize()); ++i)
        points.push_back(PointAt(i));
    const CRedlineStyle& style = document->m_style;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool first = true;
    for (const std::vector<POINT>& chain : Chains(points)) {
        if (chain.size() < 2)
            continue;
        auto* polyline = new CRukPolyline();
        for (const POINT& point : chain)
            polyline->AppendPoint(point.x, point.y);
        polyline->RecalcExtents();
        if (first)
            polyline->GetExtents(&minX, &minY, &maxX, &maxY);
        else
            polyline->UnionExtents(&minX, &minY, &maxX, &maxY);
        first = false;
        polyline->m_childFlag = 2;
        polyline->SetLayerName(document->m_curLayerName);
        polyline->SetLineType(CRukLine::kWideLineType);
        polyline->SetColor(style.m_redPenColor);
        polyline->m_savedColor = style.m_redPenColor;
        polyline->SetLineWidth(style.m_redPenWidth);
        document->AddMarkup(polyline);
        document->AddToLayer(polyline);
        AddChild(polyline);
    }
    if (first)
        return;
    FinishMarkup(*document, minX, minY, maxX, maxY);
}

void CRukMarkPartLine::Draw(CEntityDocument* document, CDC* dc, int originX, int originY,
                            double scale, COLORREF color, const CDrawDefaults* settings,
                            const RECT& clip) {
    const int width = GetDeviceLineWidth(dc, m_lineWidth, settings);
    const bool invert = settings->m_selectMode == kInvertMode;
    const int oldRop = invert ? dc->SetROP2(R2_NOT) : 0;
    DrawChildren(document, dc, originX, originY, scale, color, width, settings, clip, false);
    if (invert)
        dc->SetROP2(oldRop);
}
