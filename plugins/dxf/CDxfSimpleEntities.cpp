#include "plugins/dxf/CDxfSimpleEntities.h"

#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/DxfGeometry.h"

#include <cmath>

namespace {

DPOINT Minus(const DPOINT& point, const DPOINT& base) {
    return {point.x - base.x, point.y - base.y};
}

CDxfEntityTag TagOf(const CDxfEntityGroups& groups) {
    return {groups.handle, groups.layer};
}

std::array<DPOINT, 4> Corners(std::array<DPOINT, 4> points, const DPOINT& base) {
    for (DPOINT& point : points) {
        point = Minus(point, base);
    }
    return points;
}

// The centre of a circle or arc, from object to world coordinates.
DPOINT Centre(const CDxfEntityGroups& groups, double z, const DPOINT& base) {
    const DxfVector world = OcsToWcs({groups.points[0].x, groups.points[0].y, z}, groups.extrusion);
    return Minus({world.x, world.y}, base);
}

} // namespace

void CDxfSimpleEntities::Line(const CDxfEntityGroups& groups, CPorStream& target,
                              const DPOINT& base) {
    CDxfPen pen = m_style.Pen(groups);
    pen.color = m_style.BlockRuleColor(groups, target);
    m_emitter.WriteLine(Minus(groups.points[0], base), Minus(groups.points[1], base), pen,
                        TagOf(groups), target);
}

void CDxfSimpleEntities::Point(const CDxfEntityGroups& groups, CPorStream& target,
                               const DPOINT& base) {
    const COLORREF color = m_style.Color(groups);
    m_emitter.WritePoint(Minus(groups.points[0], base), color, TagOf(groups), target);
    if (groups.aci && target.IsBlock()) {
        target.SetBlockColor(color);
    }
}

void CDxfSimpleEntities::Circle(const CDxfEntityGroups& groups, CPorStream& target,
                                const DPOINT& base) {
    const DPOINT centre = Centre(groups, groups.z, base);
    const double r = groups.real40;
    m_emitter.WriteCircle({centre.x - r, centre.y + r}, {centre.x + r, centre.y - r},
                          m_style.Pen(groups), TagOf(groups), false, target);
}

void CDxfSimpleEntities::Arc(const CDxfEntityGroups& groups, CPorStream& target,
                             const DPOINT& base) {
    const DPOINT centre = Centre(groups, 0.0, base);
    const double r = groups.real40;
    double start = groups.angle50;
    double end = groups.angle51;
    if (groups.extrusion.z < 0) {
        // Seen from below, the arc runs the other way round.
        start = 180.0 - groups.angle51;
        end = 180.0 - groups.angle50;
    }
    const double raisedEnd = end - start < 0 ? end + 360.0 : end;
    if (raisedEnd - start >= 1.0) {
        m_emitter.WriteArc(centre, r, start, end, m_style.Pen(groups), TagOf(groups), target);
        return;
    }
    const double a1 = start * kDegToRad;
    const double a2 = end * kDegToRad;
    WriteChord({centre.x + r * std::cos(a1), centre.y + r * std::sin(a1)},
               {centre.x + r * std::cos(a2), centre.y + r * std::sin(a2)}, groups, target);
}

void CDxfSimpleEntities::Ellipse(const CDxfEntityGroups& groups, CPorStream& target,
                                 const DPOINT& base) {
    const DPOINT centre = Minus(groups.points[0], base);
    const DPOINT major = groups.points[1];
    const double ratio = groups.real40;
    double start = groups.real41;
    double end = groups.real42;
    if (groups.extrusion.z < 0) {
        start = -groups.real42;
        end = -groups.real41;
    }
    const double raisedEnd = end - start < 0 ? end + kTwoPi : end;
    if (raisedEnd - start >= kDegToRad) {
        m_emitter.WriteEllipse(centre, major, ratio, start, end, m_style.Pen(groups), TagOf(groups),
                               false, target);
        return;
    }
    const double turn = VectorAngle(0.0, 0.0, major.x, major.y);
    const double a = PointDistance(0.0, 0.0, major.x, major.y);
    const double b = ratio * a;
    const auto at = [&](double parameter) {
        const double x = a * std::cos(parameter);
        const double y = b * std::sin(parameter);
        return DPOINT{centre.x + x * std::cos(turn) - y * std::sin(turn),
                      centre.y + x * std::sin(turn) + y * std::cos(turn)};
    };
    WriteChord(at(start), at(end), groups, target);
}

void CDxfSimpleEntities::WriteChord(const DPOINT& start, const DPOINT& end,
                                    const CDxfEntityGroups& groups, CPorStream& target) {
    const POINT p1 = m_emitter.ToUnits(start);
    const POINT p2 = m_emitter.ToUnits(end);
    if (p1.x == p2.x && p1.y == p2.y) {
        m_emitter.WritePoint(start, m_style.Color(groups), TagOf(groups), target);
    } else {
        m_emitter.WriteLine(start, end, m_style.Pen(groups), TagOf(groups), target);
    }
}

void CDxfSimpleEntities::Trace(const CDxfEntityGroups& groups, CPorStream& target,
                               const DPOINT& base) {
    m_emitter.WriteTrace(Corners(groups.points, base), m_style.Pen(groups), TagOf(groups), target);
}

void CDxfSimpleEntities::Solid(const CDxfEntityGroups& groups, CPorStream& target,
                               const DPOINT& base) {
    std::array<DPOINT, 4> points = groups.points;
    if (groups.extrusion.z < 0) {
        // Seen from below: x runs the other way.
        for (DPOINT& point : points) {
            point.x = -point.x;
        }
    }
    m_emitter.WriteSolid(Corners(points, base), m_style.Pen(groups), TagOf(groups), target);
}

void CDxfSimpleEntities::Face(const CDxfEntityGroups& groups, CPorStream& target,
                              const DPOINT& base) {
    const std::array<DPOINT, 4> corners = Corners(groups.points, base);
    const CDxfPen pen = m_style.Pen(groups);
    // A 3DFACE carries no handle of its own in the records.
    const CDxfEntityTag tag{CString(), groups.layer};
    for (std::size_t edge = 0; edge < corners.size(); ++edge) {
        if (!(groups.flags & (1 << edge))) {
            m_emitter.WriteLine(corners[edge], corners[(edge + 1) % corners.size()], pen, tag,
                                target);
        }
    }
}

void CDxfSimpleEntities::InfiniteLine(const CDxfEntityGroups& groups, CDxfInfiniteLine::Kind kind,
                                      CPorStream& target) {
    CDxfInfiniteLine line;
    line.base = {groups.points[0].x, groups.points[0].y, 0.0};
    line.direction = {groups.points[1].x, groups.points[1].y, 0.0};
    line.color = m_style.Color(groups);
    line.lineType = m_style.LineType(groups);
    line.kind = kind;
    line.tag = TagOf(groups);
    target.AddInfiniteLine(line);
    const POINT base = m_emitter.ToUnits(groups.points[0]);
    target.ExtendBounds(base.x, base.y);
}
