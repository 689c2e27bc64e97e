#pragma once
// The plane geometry of a ".p21" file read from its instances: points,
// unit directions, placements, trimmed lines and circles. The file gives
// angles in radians; what is read here is in degrees. A missing instance or
// a malformed one throws CSfcError naming it.

#include "platform/sxf/CP21Model.h"

#include <cstddef>
#include <vector>

class CP21Geometry {
public:
    struct Point {
        double x = 0;
        double y = 0;
    };

    // An origin and the angle of the reference direction, 0 to 360.
    struct Placement {
        Point origin;
        double angle = 0;
    };

    // One trim of a trimmed curve: a point when the trim names one, else the
    // parameter value.
    struct Trim {
        bool isPoint = false;
        Point point;
        double parameter = 0;
    };

    struct Arc {
        Point centre;
        double radius = 0;
        double start = 0;
        double end = 0;
    };

    explicit CP21Geometry(const CP21Model& model) : m_model(model) {}

    Point PointAt(long long id) const;
    // A direction's ratios, of length 1.
    Point DirectionAt(long long id) const;
    Placement PlacementAt(long long id) const;
    std::vector<Point> PointList(const CP21Attributes& owner, std::size_t index) const;
    Trim TrimAt(const CP21Attributes& curve, std::size_t index) const;
    // One end of a trimmed line: its trim point, or the point at the trim
    // parameter along the line's vector.
    Point LineEnd(const CP21Attributes& trimmed, std::size_t index) const;
    // A circle trimmed by two parameters (radians from its reference
    // direction) or by two points on it.
    Arc ArcAt(const CP21Attributes& trimmed) const;

    static std::vector<double> Xs(const std::vector<Point>& points);
    static std::vector<double> Ys(const std::vector<Point>& points);
    static Point Minus(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    // The angle of a direction, kept to nine decimals so that 30 degrees
    // written as a direction reads back as 30.
    static double Degrees(double dy, double dx);
    // An angle of the file in degrees, kept to nine decimals like Degrees.
    static double FromRadians(double radians);
    static double Radians(double degrees);

private:
    const CP21Model& m_model;
};
