#include "platform/sxf/CP21Geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <string>

double CP21Geometry::Degrees(double dy, double dx) {
    return std::round(std::atan2(dy, dx) * 180 / std::numbers::pi * 1e9) / 1e9;
}

double CP21Geometry::FromRadians(double radians) {
    return std::round(radians * 180 / std::numbers::pi * 1e9) / 1e9;
}

double CP21Geometry::Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

CP21Geometry::Point CP21Geometry::PointAt(long long id) const {
    const CP21Attributes point = m_model.Attributes(id, "CARTESIAN_POINT");
    const auto& coordinates = point.List(1);
    if (coordinates.size() < 2 ||
        (coordinates[0].kind != CP21Value::Real && coordinates[0].kind != CP21Value::Integer) ||
        (coordinates[1].kind != CP21Value::Real && coordinates[1].kind != CP21Value::Integer)) {
        point.Refuse("two coordinates expected");
    }
    return {coordinates[0].number, coordinates[1].number};
}

CP21Geometry::Point CP21Geometry::DirectionAt(long long id) const {
    const CP21Attributes direction = m_model.Attributes(id, "DIRECTION");
    const auto& ratios = direction.List(1);
    if (ratios.size() < 2 ||
        (ratios[0].kind != CP21Value::Real && ratios[0].kind != CP21Value::Integer) ||
        (ratios[1].kind != CP21Value::Real && ratios[1].kind != CP21Value::Integer)) {
        direction.Refuse("two direction ratios expected");
    }
    const double length = std::hypot(ratios[0].number, ratios[1].number);
    if (length == 0) {
        direction.Refuse("a direction of length 0");
    }
    return {ratios[0].number / length, ratios[1].number / length};
}

CP21Geometry::Placement CP21Geometry::PlacementAt(long long id) const {
    const CP21Attributes placement = m_model.Attributes(id, "AXIS2_PLACEMENT_2D");
    Placement result{PointAt(placement.Ref(1)), 0};
    if (placement.Count() > 2 && !placement.IsUnset(2)) {
        const Point direction = DirectionAt(placement.Ref(2));
        // Turned clockwise counts as the rest of a whole turn, as ".sfc"
        // angles do.
        const double angle = Degrees(direction.y, direction.x);
        result.angle = angle < 0 ? angle + 360 : angle;
    }
    return result;
}

std::vector<CP21Geometry::Point> CP21Geometry::PointList(const CP21Attributes& owner,
                                                         std::size_t index) const {
    std::vector<Point> points;
    for (long long id : owner.RefList(index)) {
        points.push_back(PointAt(id));
    }
    return points;
}

std::vector<double> CP21Geometry::Xs(const std::vector<Point>& points) {
    std::vector<double> xs;
    std::transform(points.begin(), points.end(), std::back_inserter(xs),
                   [](const Point& p) { return p.x; });
    return xs;
}

std::vector<double> CP21Geometry::Ys(const std::vector<Point>& points) {
    std::vector<double> ys;
    std::transform(points.begin(), points.end(), std::back_inserter(ys),
                   [](const Point& p) { return p.y; });
    return ys;
}

CP21Geometry::Trim CP21Geometry::TrimAt(const CP21Attributes& curve, std::size_t index) const {
    const auto& values = curve.List(index);
    Trim trim;
    for (const CP21Value& value : values) {
        if (value.kind == CP21Value::Reference) {
            trim.isPoint = true;
            trim.point = PointAt(value.id);
            return trim;
        }
    }
    for (const CP21Value& value : values) {
        if (value.kind == CP21Value::Typed && value.text == "PARAMETER_VALUE" &&
            (value.items[0].kind == CP21Value::Real || value.items[0].kind == CP21Value::Integer)) {
            trim.parameter = value.items[0].number;
            return trim;
        }
    }
    curve.Refuse("attribute " + std::to_string(index + 1) + " trims nothing");
}

CP21Geometry::Point CP21Geometry::LineEnd(const CP21Attributes& trimmed, std::size_t index) const {
    const CP21Attributes line = m_model.Attributes(trimmed.Ref(1), "LINE");
    const Trim trim = TrimAt(trimmed, index);
    if (trim.isPoint) {
        return trim.point;
    }
    const Point origin = PointAt(line.Ref(1));
    const CP21Attributes vector = m_model.Attributes(line.Ref(2), "VECTOR");
    const Point unit = DirectionAt(vector.Ref(1));
    const double length = trim.parameter * vector.Real(2);
    return {origin.x + length * unit.x, origin.y + length * unit.y};
}

CP21Geometry::Arc CP21Geometry::ArcAt(const CP21Attributes& trimmed) const {
    const CP21Attributes circle = m_model.Attributes(trimmed.Ref(1), "CIRCLE");
    const Placement centre = PlacementAt(circle.Ref(1));
    const auto angle = [&](const Trim& trim) {
        return trim.isPoint
                   ? Degrees(trim.point.y - centre.origin.y, trim.point.x - centre.origin.x)
                   : FromRadians(trim.parameter) + centre.angle;
    };
    return {centre.origin, circle.Real(2), angle(TrimAt(trimmed, 2)), angle(TrimAt(trimmed, 3))};
}
