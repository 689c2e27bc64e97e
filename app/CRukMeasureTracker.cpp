#include "app/CRukMeasureTracker.h"

#include "app/CFeedbackPen.h"
#include "entities/CEntityDocument.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kDegreesPerRadian = 57.29577950560105;
constexpr UINT kDefaultUnit = 1000;

// The unit as a divisor: a document without one measures in thousandths.
double UnitOf(CEntityDocument* document) {
    const UINT unit = document->GetUnit();
    return unit == 0 ? kDefaultUnit : unit;
}

double Distance(const DPOINT& a, const DPOINT& b) {
    return GetDistanceD(a.x, a.y, b.x, b.y);
}

} // namespace

DPOINT CRukMeasureTracker::InUnits(CEntityDocument* document, POINT point) {
    const double unit = UnitOf(document);
    return DPOINT{point.x / unit, point.y / unit};
}

void CRukMeasureTracker::DrawSegment(CEntityDocument* document, CDC* dc, POINT from, POINT to) {
    const POINT a = document->LogicalToDevicePoint(from.x, from.y);
    const POINT b = document->LogicalToDevicePoint(to.x, to.y);
    dc->MoveTo(a.x, a.y);
    dc->LineTo(b.x, b.y);
}

void CRukMeasureTracker::OnButtonDown(CDC*, CEntityDocument*, int x, int y, const CDrawDefaults*,
                                      UINT) {
    AddPoint(x, y, 0);
}

int CRukMeasureTracker::AddPoint(int x, int y, int mode) {
    if (mode == 0) {
        m_points.Add(POINT{x, y});
        m_x1 = x;
        m_y1 = y;
        return 0;
    }
    if (VertexCount() >= (IsArea() ? 3 : 2)) {
        m_x2 = x;
        m_y2 = y;
        return 1;
    }
    m_x1 = x;
    m_y1 = y;
    return 0;
}

void CRukMeasureTracker::Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX,
                               int newY, const CDrawDefaults* settings, UINT) {
    if (VertexCount() < 1)
        return;
    CFeedbackPen pen(dc, settings, R2_XORPEN);
    const POINT current{m_x1, m_y1};
    DrawSegment(document, dc, current, {oldX, oldY});
    DrawSegment(document, dc, current, {newX, newY});
    if (IsArea() && VertexCount() >= 2) {
        if (m_closingEdge == 1)
            DrawSegment(document, dc, Vertex(0), {oldX, oldY});
        DrawSegment(document, dc, Vertex(0), {newX, newY});
        m_closingEdge = 1;
    }
}

void CRukMeasureTracker::TrackAt(CEntityDocument* document, CDC* dc, int x, int y,
                                 const CDrawDefaults* settings) {
    if (VertexCount() < 1)
        return;
    CFeedbackPen pen(dc, settings, R2_XORPEN);
    std::vector<POINT> figure;
    for (INT_PTR i = 0; i < VertexCount(); ++i) {
        const POINT vertex = Vertex(i);
        figure.push_back(document->LogicalToDevicePoint(vertex.x, vertex.y));
    }
    if (!IsArea()) {
        dc->Polyline(figure.data(), static_cast<int>(figure.size()));
        DrawSegment(document, dc, {m_x1, m_y1}, {x, y});
    } else if (VertexCount() == 1) {
        DrawSegment(document, dc, Vertex(0), {x, y});
    } else {
        figure.push_back(document->LogicalToDevicePoint(x, y));
        CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
        dc->Polygon(figure.data(), static_cast<int>(figure.size()));
        dc->SelectObject(oldBrush);
    }
}

int CRukMeasureTracker::EraseTracking(CEntityDocument* document, CDC* dc, int x, int y,
                                      const CDrawDefaults* settings) {
    const INT_PTR count = VertexCount();
    if (count <= 1)
        return 0;
    {
        CFeedbackPen pen(dc, settings, R2_XORPEN);
        CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
        const int oldBkMode = dc->SetBkMode(TRANSPARENT);
        const POINT cursor{x, y};
        const POINT last = Vertex(count - 1);
        const POINT previous = Vertex(count - 2);
        if (!IsArea() || count > 2)
            DrawSegment(document, dc, previous, cursor);
        DrawSegment(document, dc, last, cursor);
        DrawSegment(document, dc, previous, last);
        dc->SetBkMode(oldBkMode);
        dc->SelectObject(oldBrush);
    }
    m_points.RemoveAt(count - 1);
    m_x1 = Vertex(count - 2).x;
    m_y1 = Vertex(count - 2).y;
    if (count == 2)
        m_closingEdge = 0;
    return static_cast<int>(VertexCount());
}

POINT CRukMeasureTracker::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    if (VertexCount() < 1)
        return POINT{x, y};
    const POINT last = Vertex(VertexCount() - 1);
    POINT pixel = document->LogicalToDevicePoint(last.x, last.y);
    dc->LPtoDP(&pixel);
    return pixel;
}

void CRukMeasureTracker::GetSegment(CEntityDocument* document, DPOINT* first, DPOINT* second,
                                    double* length, double* angle) const {
    *first = InUnits(document, {m_x1, m_y1});
    *second = InUnits(document, {m_x2, m_y2});
    *length = Distance(*first, *second);
    *angle = GetAngleD(first->x, first->y, second->x, second->y) * kDegreesPerRadian;
}

double CRukMeasureTracker::GetLength(CEntityDocument* document) const {
    double length = 0.0;
    for (INT_PTR i = 1; i < VertexCount(); ++i)
        length += Distance(InUnits(document, Vertex(i - 1)), InUnits(document, Vertex(i)));
    return length;
}

double CRukMeasureTracker::GetArea(CEntityDocument* document, const POINT* extra) const {
    std::vector<DPOINT> polygon;
    for (INT_PTR i = 0; i < VertexCount(); ++i)
        polygon.push_back(InUnits(document, Vertex(i)));
    if (extra)
        polygon.push_back(InUnits(document, *extra));
    if (polygon.size() < 3)
        return 0.0;
    double sum = 0.0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const DPOINT& a = polygon[i];
        const DPOINT& b = polygon[(i + 1) % polygon.size()];
        sum += (b.y + a.y) * (a.x - b.x);
    }
    return std::fabs(sum / 2.0);
}

void CRukMeasureTracker::Measure(CEntityDocument* document, int x, int y, DPOINT* first,
                                 DPOINT* second, double* value, double* angle, int finished,
                                 int* isArea) const {
    const POINT cursor{x, y};
    *isArea = IsArea() ? 1 : 0;
    if (finished) {
        const INT_PTR count = VertexCount();
        *first = InUnits(document, count >= 2 ? Vertex(count - 2) : POINT{m_x1, m_y1});
        *second = InUnits(document, count >= 1 ? Vertex(count - 1) : POINT{m_x1, m_y1});
        *value = IsArea() ? GetArea(document) : GetLength(document);
    } else {
        *first = InUnits(document, {m_x1, m_y1});
        *second = InUnits(document, cursor);
        *value =
            IsArea() ? GetArea(document, &cursor) : GetLength(document) + Distance(*first, *second);
    }
    *angle = GetAngleD(first->x, first->y, second->x, second->y) * kDegreesPerRadian;
}
