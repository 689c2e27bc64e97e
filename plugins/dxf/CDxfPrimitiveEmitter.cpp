#include "plugins/dxf/CDxfPrimitiveEmitter.h"

#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

// Where each record's identifier starts; the layer name follows it.
constexpr std::size_t LineStrings = 92;
constexpr std::size_t DotStrings = 64;
constexpr std::size_t ConicStrings = 108;
constexpr std::size_t ArcStrings = 124;

// A parameter span of at least this much draws the whole ellipse.
constexpr double FullTurn = 6.2831853;

constexpr LONG SolidFill = 3;
// The value that asks for an arrow at one end of an open record.
constexpr LONG DrawnArrow = 3;

// A closed flag of exactly 1 on two points is taken for an open line;
// other flags, 129 among them, close the record on their low bit.
bool IsClosed(std::size_t pointCount, int closedFlag) {
    return (closedFlag & 1) != 0 && !(pointCount == 2 && closedFlag == 1);
}

void ExtendBounds(CPorStream& target, std::span<const POINT> points) {
    for (const POINT& p : points) {
        target.ExtendBounds(p.x, p.y);
    }
}

void SetArrows(PorRecordBuilder& record, unsigned arrows) {
    const auto value = [arrows](unsigned bit) { return (arrows & bit) != 0 ? DrawnArrow : 0; };
    record.Set(PorOpenHead::StartArrow, value(CDxfPrimitiveEmitter::ArrowAtStart));
    record.Set(PorOpenHead::EndArrow, value(CDxfPrimitiveEmitter::ArrowAtEnd));
}

void WriteOpenList(LONG type, std::span<const POINT> points, const PorPen& pen, unsigned arrows,
                   const CDxfEntityTag& tag, CPorStream& target) {
    PorRecordBuilder record(type);
    record.Set(PorOpenList::Pen, pen);
    SetArrows(record, arrows);
    record.Set(PorOpenList::Points, points);
    record.Set(PorOpenList::Id, tag.handle);
    record.Set(PorOpenList::Layer, tag.layer);
    target.AppendRecord(record);
    ExtendBounds(target, points);
}

// The second fill colour always repeats the fill's own.
void WriteClosedList(LONG type, std::span<const POINT> points, const PorPen& pen,
                     const PorFill& fill, const CDxfEntityTag& tag, CPorStream& target) {
    PorRecordBuilder record(type);
    record.Set(PorClosedList::Pen, pen);
    record.Set(PorClosedList::Fill, fill);
    record.Set(PorClosedList::SecondFillColor, fill.color);
    record.Set(PorClosedList::Transparent, 1);
    record.Set(PorClosedList::Points, points);
    record.Set(PorClosedList::Id, tag.handle);
    record.Set(PorClosedList::Layer, tag.layer);
    target.AppendRecord(record);
    ExtendBounds(target, points);
}

POINT Midpoint(const POINT& a, const POINT& b) {
    return {static_cast<LONG>((static_cast<long long>(a.x) + b.x) / 2),
            static_cast<LONG>((static_cast<long long>(a.y) + b.y) / 2)};
}

// An angle in degrees as a whole number 0..359, rounded.
int WholeDegrees(double degrees) {
    const int whole = TruncInt(degrees + 0.5) % 360;
    return whole < 0 ? whole + 360 : whole;
}

// Calls add(k) for the multiples of 90 from first up to the end of the span
// from start to end (whole degrees, end past start).
template <typename Add> void ForAxisAngles(int start, int end, int first, Add add) {
    if (end < start) {
        end += 360;
    }
    for (int k = first; k <= end; k += 90) {
        add(k % 360);
    }
}

void SetStrings(PorRecordBuilder& record, std::size_t at, PorStringField layerField,
                const CDxfEntityTag& tag) {
    record.PadTo(at);
    record.Set(PorObjectRecord::Id, tag.handle);
    record.Set(layerField, tag.layer);
}

} // namespace

LONG CDxfPrimitiveEmitter::CountWord(std::size_t count) {
    if (count > static_cast<std::size_t>(std::numeric_limits<LONG>::max())) {
        throw std::length_error("too many values for one POR record");
    }
    return static_cast<LONG>(count);
}

PorPen CDxfPrimitiveEmitter::ToPorPen(const CDxfPen& pen) const {
    return {pen.lineType, TruncInt(static_cast<double>(m_header.scale) * pen.lineTypeScale),
            pen.width, pen.color};
}

std::vector<POINT> CDxfPrimitiveEmitter::PointsToUnits(std::span<const DPOINT> points) const {
    std::vector<POINT> units;
    units.reserve(points.size());
    for (const DPOINT& p : points) {
        units.push_back(ToUnits(p));
    }
    return units;
}

void CDxfPrimitiveEmitter::WriteLine(const DPOINT& start, const DPOINT& end, const CDxfPen& pen,
                                     const CDxfEntityTag& tag, CPorStream& target) const {
    const POINT p1 = ToUnits(start);
    const POINT p2 = ToUnits(end);
    PorRecordBuilder record(PorLine::Type);
    record.Set(PorLine::Start, p1);
    record.Set(PorLine::End, p2);
    record.Set(PorLine::Pen, ToPorPen(pen));
    SetStrings(record, LineStrings, PorLine::Layer, tag);
    target.AppendRecord(record);
    target.ExtendBounds(p1.x, p1.y);
    target.ExtendBounds(p2.x, p2.y);
}

void CDxfPrimitiveEmitter::WritePoint(const DPOINT& point, COLORREF color, const CDxfEntityTag& tag,
                                      CPorStream& target) const {
    const POINT p = ToUnits(point);
    PorRecordBuilder record(PorDot::Type);
    record.Set(PorDot::Position, p);
    record.Set(PorDot::Mode, m_header.pointMode);
    record.Set(PorDot::Size, ToUnits(m_header.pointSize));
    record.Set(PorDot::Color, color);
    SetStrings(record, DotStrings, PorDot::Layer, tag);
    target.AppendRecord(record);
    target.ExtendBounds(p.x, p.y);
}

void CDxfPrimitiveEmitter::WriteTrace(const std::array<DPOINT, 4>& corners, const CDxfPen& pen,
                                      const CDxfEntityTag& tag, CPorStream& target) const {
    const POINT points[] = {ToUnits(corners[0]), ToUnits(corners[1]), ToUnits(corners[3]),
                            ToUnits(corners[2])};
    CDxfPen unwidened = pen;
    unwidened.width = 0;
    WriteClosedList(PorPolygon::Type, points, ToPorPen(unwidened), PorFill{0, pen.color}, tag,
                    target);
}

void CDxfPrimitiveEmitter::WriteSolid(const std::array<DPOINT, 4>& corners, const CDxfPen& pen,
                                      const CDxfEntityTag& tag, CPorStream& target) const {
    std::vector<POINT> points{ToUnits(corners[0]), ToUnits(corners[1])};
    if (corners[3] == corners[0]) {
        points.push_back(ToUnits(corners[2]));
    } else {
        points.push_back(ToUnits(corners[3]));
        points.push_back(ToUnits(corners[2]));
    }
    WriteClosedList(PorPolygon::Type, points, ToPorPen(pen), PorFill{SolidFill, pen.color}, tag,
                    target);
}

void CDxfPrimitiveEmitter::WriteCircle(const DPOINT& corner0, const DPOINT& corner1,
                                       const CDxfPen& pen, const CDxfEntityTag& tag, bool filled,
                                       CPorStream& target) const {
    const POINT p0 = ToUnits(corner0);
    const POINT p1 = ToUnits(corner1);
    const POINT corners[] = {{p0.x, p0.y}, {p0.x, p1.y}, {p1.x, p1.y}, {p1.x, p0.y}};
    WriteConic(PorCircle::Type, corners, pen, tag, filled, target);
}

void CDxfPrimitiveEmitter::WriteConic(LONG type, const POINT (&corners)[4], const CDxfPen& pen,
                                      const CDxfEntityTag& tag, bool filled,
                                      CPorStream& target) const {
    const COLORREF fillColor = filled ? pen.color : 0;
    PorRecordBuilder record(type);
    record.Set(PorConic::Corners, corners);
    record.Set(PorConic::Pen, ToPorPen(pen));
    record.Set(PorConic::Fill, PorFill{filled ? SolidFill : 0, fillColor});
    record.Set(PorConic::SecondFillColor, fillColor);
    record.Set(PorConic::Transparent, 1);
    SetStrings(record, ConicStrings, PorConic::Layer, tag);
    target.AppendRecord(record);
    ExtendBounds(target, corners);
}

void CDxfPrimitiveEmitter::WriteArc(const DPOINT& centre, double radius, double startAngle,
                                    double endAngle, const CDxfPen& pen, const CDxfEntityTag& tag,
                                    CPorStream& target) const {
    const LONG x0 = ToUnits(centre.x - radius);
    const LONG y0 = ToUnits(centre.y - radius);
    const LONG x1 = ToUnits(centre.x + radius);
    const LONG y1 = ToUnits(centre.y + radius);
    const POINT corners[] = {{x0, y1}, {x0, y0}, {x1, y0}, {x1, y1}};
    const double a1 = startAngle * kDegToRad;
    const double a2 = endAngle * kDegToRad;
    const POINT start =
        ToUnits(DPOINT{centre.x + radius * std::cos(a1), centre.y + radius * std::sin(a1)});
    const POINT end =
        ToUnits(DPOINT{centre.x + radius * std::cos(a2), centre.y + radius * std::sin(a2)});

    PorRecordBuilder record(PorArc::Type);
    record.Set(PorArc::Corners, corners);
    record.Set(PorArc::Start, start);
    record.Set(PorArc::End, end);
    record.Set(PorArc::Pen, ToPorPen(pen));
    SetStrings(record, ArcStrings, PorArc::Layer, tag);
    target.AppendRecord(record);

    target.ExtendBounds(end.x, end.y);
    target.ExtendBounds(start.x, start.y);
    const int s = WholeDegrees(startAngle);
    // The axis points the arc passes, each the middle of a side of the box.
    ForAxisAngles(s, WholeDegrees(endAngle), s / 90 * 90 + 90, [&](int k) {
        const POINT axis = k == 0     ? Midpoint(corners[2], corners[3])
                           : k == 90  ? Midpoint(corners[3], corners[0])
                           : k == 180 ? Midpoint(corners[1], corners[0])
                                      : Midpoint(corners[2], corners[1]);
        target.ExtendBounds(axis.x, axis.y);
    });
}

void CDxfPrimitiveEmitter::WriteEllipse(const DPOINT& centre, const DPOINT& majorAxis, double ratio,
                                        double startParameter, double endParameter,
                                        const CDxfPen& pen, const CDxfEntityTag& tag, bool filled,
                                        CPorStream& target) const {
    const double turn = VectorAngle(0.0, 0.0, majorAxis.x, majorAxis.y) * kRadToDeg;
    const double a = PointDistance(0.0, 0.0, majorAxis.x, majorAxis.y) * m_header.scale;
    const double b = a * ratio;
    const double cx = static_cast<double>(m_header.scale) * centre.x;
    const double cy = static_cast<double>(m_header.scale) * centre.y;
    // A point of the unturned ellipse about the origin, turned and moved.
    const auto place = [&](double x, double y) {
        POINT p{TruncInt(x), TruncInt(y)};
        RotateScalePoint(p, cx, cy, 1.0, 1.0, turn, 1);
        return p;
    };
    const POINT corners[] = {place(-a, -b), place(a, -b), place(a, b), place(-a, b)};

    if (std::fabs(endParameter - startParameter) >= FullTurn) {
        WriteConic(PorEllipse::Type, corners, pen, tag, filled, target);
        return;
    }

    const POINT start = place(a * std::cos(startParameter), b * std::sin(startParameter));
    const POINT end = place(a * std::cos(endParameter), b * std::sin(endParameter));
    // The arc's own ends bound it as well as the axis points it passes.
    target.ExtendBounds(start.x, start.y);
    target.ExtendBounds(end.x, end.y);
    if (a != 0.0 && b != 0.0) {
        PorRecordBuilder record(PorEArc::Type);
        record.Set(PorEArc::Corners, corners);
        record.Set(PorEArc::Start, start);
        record.Set(PorEArc::End, end);
        record.Set(PorEArc::Pen, ToPorPen(pen));
        SetStrings(record, ArcStrings, PorEArc::Layer, tag);
        target.AppendRecord(record);
    }
    const int s = WholeDegrees(startParameter * kRadToDeg);
    ForAxisAngles(s, WholeDegrees(endParameter * kRadToDeg), s / 90 * 90, [&](int k) {
        const POINT axis = k == 0     ? Midpoint(corners[1], corners[2])
                           : k == 90  ? Midpoint(corners[2], corners[3])
                           : k == 180 ? Midpoint(corners[3], corners[0])
                                      : Midpoint(corners[0], corners[1]);
        target.ExtendBounds(axis.x, axis.y);
    });
}

void CDxfPrimitiveEmitter::WritePolyline(std::span<const DPOINT> points, int closedFlag,
                                         const CDxfPen& pen, const CDxfEntityTag& tag, bool filled,
                                         CPorStream& target, unsigned arrows) const {
    if (points.size() < 2) {
        return;
    }
    const std::vector<POINT> units = PointsToUnits(points);
    if (IsClosed(units.size(), closedFlag)) {
        const PorFill fill = filled ? PorFill{SolidFill, pen.color} : PorFill{};
        WriteClosedList(PorPolygon::Type, units, ToPorPen(pen), fill, tag, target);
    } else {
        WriteOpenList(PorPolyline::Type, units, ToPorPen(pen), arrows, tag, target);
    }
}

void CDxfPrimitiveEmitter::WriteSpline(std::span<const DPOINT> fitPoints, int closedFlag,
                                       const CDxfPen& pen, const CDxfEntityTag& tag,
                                       CPorStream& target, unsigned arrows) const {
    if (fitPoints.size() < 2) {
        return;
    }
    const std::vector<POINT> units = PointsToUnits(fitPoints);
    if (IsClosed(units.size(), closedFlag)) {
        // Closed fit splines are drawn solid whatever line type the entity has.
        CDxfPen solid = pen;
        solid.lineType = CDxfLineTypeTable::Solid;
        WriteClosedList(PorCSpline::Type, units, ToPorPen(solid), PorFill{}, tag, target);
    } else {
        WriteOpenList(PorSpline::Type, units, ToPorPen(pen), arrows, tag, target);
    }
}

void CDxfPrimitiveEmitter::WriteNurbs(std::span<const DPOINT> controlPoints,
                                      std::span<const double> knots,
                                      std::span<const double> weights, int degree, int closedFlag,
                                      const CDxfPen& pen, const CDxfEntityTag& tag,
                                      CPorStream& target, unsigned arrows) const {
    static_assert(PorNurbs::Degree.word == PorCNurbs::Degree.word &&
                  PorNurbs::ControlPoints.word == PorCNurbs::ControlPoints.word &&
                  PorNurbs::Pen.word == PorCNurbs::Pen.word);
    if (controlPoints.size() < 2) {
        return;
    }
    const std::vector<POINT> units = PointsToUnits(controlPoints);
    const bool closed = IsClosed(units.size(), closedFlag);
    PorRecordBuilder record(closed ? PorCNurbs::Type : PorNurbs::Type);
    record.Set(PorNurbs::Pen, ToPorPen(pen));
    if (closed) {
        record.Set(PorCNurbs::Transparent, 1);
    } else {
        SetArrows(record, arrows);
    }
    record.Set(PorNurbs::Degree, degree);
    record.Set(PorNurbs::ControlPoints, units);

    record.AppendLong(CountWord(units.size()));
    for (std::size_t i = 0; i < units.size(); ++i) {
        record.AppendLong(ToUnits(i < weights.size() ? weights[i] : 1.0));
    }
    record.AppendLong(CountWord(knots.size()));
    for (double knot : knots) {
        record.AppendLong(ToUnits(knot));
    }
    if (knots.empty()) {
        // Every curve record keeps room for at least one knot.
        record.AppendLong(0);
    }
    record.Set(PorNurbs::Id, tag.handle);
    record.Set(closed ? PorCNurbs::Layer : PorNurbs::Layer, tag.layer);
    target.AppendRecord(record);
    ExtendBounds(target, units);
}
