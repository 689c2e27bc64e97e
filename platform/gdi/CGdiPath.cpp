#include "platform/gdi/CGdiPath.h"

#include <QPolygonF>

#include <algorithm>

namespace {

QPointF ToQt(POINT point) {
    return QPointF(point.x, point.y);
}

// Device points stay within GDI's 27 bits, as mapped points do: outlines
// may come from far outside under a world transform.
constexpr double kDeviceLimit = (1 << 27) - 1;

POINT FromQt(const QPointF& point) {
    const QPoint rounded = QPointF(std::clamp(point.x(), -kDeviceLimit, kDeviceLimit),
                                   std::clamp(point.y(), -kDeviceLimit, kDeviceLimit))
                               .toPoint();
    return POINT{rounded.x(), rounded.y()};
}

bool operator!=(POINT a, POINT b) {
    return a.x != b.x || a.y != b.y;
}

} // namespace

void CGdiPath::Append(POINT point, BYTE type) {
    m_points.push_back(point);
    m_types.push_back(type);
}

void CGdiPath::MoveTo(POINT point) {
    m_current = point;
    m_figureOpen = false;
}

void CGdiPath::LineTo(POINT point) {
    if (!m_figureOpen)
        Append(m_current, PT_MOVETO);
    Append(point, PT_LINETO);
    m_current = point;
    m_figureOpen = true;
}

void CGdiPath::BezierTo(const POINT* points, int count) {
    if (!m_figureOpen)
        Append(m_current, PT_MOVETO);
    for (int i = 0; i < count; ++i)
        Append(points[i], PT_BEZIERTO);
    m_current = points[count - 1];
    m_figureOpen = true;
}

void CGdiPath::CloseFigure() {
    if (!m_types.empty())
        m_types.back() |= PT_CLOSEFIGURE;
    m_figureOpen = false;
}

void CGdiPath::AddPolyline(const POINT* points, int count) {
    Reserve(count);
    Append(points[0], PT_MOVETO);
    for (int i = 1; i < count; ++i)
        Append(points[i], PT_LINETO);
    m_figureOpen = false;
}

void CGdiPath::Reserve(int more) {
    // One allocation for a figure's points instead of one per doubling, still
    // growing at least twofold when many figures follow one another.
    const std::size_t needed = m_points.size() + static_cast<std::size_t>(more);
    if (needed <= m_points.capacity())
        return;
    const std::size_t capacity = std::max(needed, 2 * m_points.capacity());
    m_points.reserve(capacity);
    m_types.reserve(capacity);
}

void CGdiPath::AddPolygon(const POINT* points, int count) {
    AddPolyline(points, count);
    m_types.back() |= PT_CLOSEFIGURE;
}

void CGdiPath::AddBeziers(const POINT* points, int count) {
    Reserve(count);
    Append(points[0], PT_MOVETO);
    for (int i = 1; i < count; ++i)
        Append(points[i], PT_BEZIERTO);
    m_figureOpen = false;
}

void CGdiPath::AddClosedOutline(const QPainterPath& outline) {
    const auto closeFigure = [this](std::size_t figureStart) {
        if (m_points.size() > figureStart)
            m_types.back() |= PT_CLOSEFIGURE;
    };
    std::size_t figureStart = m_points.size();
    for (int i = 0; i < outline.elementCount(); ++i) {
        const QPainterPath::Element element = outline.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            closeFigure(figureStart);
            figureStart = m_points.size();
            Append(FromQt(element), PT_MOVETO);
            break;
        case QPainterPath::LineToElement:
            Append(FromQt(element), PT_LINETO);
            break;
        case QPainterPath::CurveToElement:
        case QPainterPath::CurveToDataElement:
            Append(FromQt(element), PT_BEZIERTO);
            break;
        }
    }
    closeFigure(figureStart);
    m_figureOpen = false;
}

void CGdiPath::Append(const CGdiPath& other) {
    m_points.insert(m_points.end(), other.m_points.begin(), other.m_points.end());
    m_types.insert(m_types.end(), other.m_types.begin(), other.m_types.end());
    m_figureOpen = false;
}

void CGdiPath::Flatten() {
    std::vector<POINT> points;
    std::vector<BYTE> types;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if ((m_types[i] & ~PT_CLOSEFIGURE) != PT_BEZIERTO || i == 0 || i + 2 >= m_points.size()) {
            points.push_back(m_points[i]);
            types.push_back(m_types[i]);
            continue;
        }
        QPainterPath segment(ToQt(m_points[i - 1]));
        segment.cubicTo(ToQt(m_points[i]), ToQt(m_points[i + 1]), ToQt(m_points[i + 2]));
        const QPolygonF flat = segment.toSubpathPolygons().value(0);
        for (qsizetype k = 1; k < flat.size(); ++k) {
            points.push_back(FromQt(flat[k]));
            types.push_back(PT_LINETO);
        }
        if (flat.size() < 2) {
            // A curve that does not move still ends its segment.
            points.push_back(m_points[i + 2]);
            types.push_back(PT_LINETO);
        }
        types.back() |= m_types[i + 2] & PT_CLOSEFIGURE;
        i += 2;
    }
    m_points = std::move(points);
    m_types = std::move(types);
}

QPainterPath CGdiPath::ToPainterPath(Qt::FillRule rule) const {
    QPainterPath path;
    path.setFillRule(rule);
    POINT last{0, 0};
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const BYTE type = m_types[i] & ~PT_CLOSEFIGURE;
        if (type == PT_MOVETO) {
            path.moveTo(ToQt(m_points[i]));
            last = m_points[i];
        } else if (type == PT_BEZIERTO && i + 2 < m_points.size()) {
            path.cubicTo(ToQt(m_points[i]), ToQt(m_points[i + 1]), ToQt(m_points[i + 2]));
            last = m_points[i + 2];
            i += 2;
        } else if (m_points[i] != last) {
            path.lineTo(ToQt(m_points[i]));
            last = m_points[i];
        }
        if (m_types[i] & PT_CLOSEFIGURE)
            path.closeSubpath();
    }
    return path;
}

QRegion CGdiPath::ToRegion(Qt::FillRule rule) const {
    // Each figure alone under the rule, then joined: by parity for ALTERNATE,
    // by union for WINDING (figures are taken as not cancelling each other).
    QRegion region;
    for (const QPolygonF& figure : ToPainterPath(rule).toSubpathPolygons()) {
        const QRegion part(figure.toPolygon(), rule);
        region = rule == Qt::OddEvenFill ? region.xored(part) : region.united(part);
    }
    return region;
}
