#pragma once
// A HATCH entity as the reader collects it: its boundary paths with their
// edges or vertices and its pattern-definition lines, in drawing units made
// relative to the enclosing BLOCK's base point. A path owns its edges and
// the hatch owns its paths and lines.

#include "geometry/Geometry.h"
#include "plugins/dxf/CDxfEntityTag.h"

#include <optional>
#include <vector>

struct CHatchEdge {
    static constexpr int LineType = 1;
    static constexpr int ArcType = 2;
    static constexpr int EllipseType = 3;
    static constexpr int SplineType = 4;

    int type = 0;            // 72
    DPOINT first{0, 0};      // 10, 20: line start; arc or ellipse centre
    DPOINT second{0, 0};     // 11, 21: line end; the major axis from the centre
    double radius = 0.0;     // 40: radius, or the minor-to-major ratio
    double startAngle = 0.0; // 50, degrees
    double endAngle = 0.0;   // 51, degrees
    int ccw = 0;             // 73; the rational flag of a spline
    // Spline edges.
    int degree = 0; // 94
    std::vector<DPOINT> controlPoints;
    std::vector<double> knots;
    std::vector<double> weights;
    std::size_t nextWeight = 0;
    // The spline's own group 97 (its fit-point count) was read.
    bool fitCountRead = false;
};

struct CHatchBoundary {
    // Bit value 2 of the flags: a polyline path.
    static constexpr int PolylineFlag = 2;

    int flags = 0; // 92
    std::vector<CHatchEdge> edges;
    int hasBulge = 0; // 72 inside a polyline path
    int closed = 0;   // 73 inside a polyline path
    std::vector<DPOINT> vertices;

    bool IsPolyline() const { return (flags & PolylineFlag) != 0; }
};

struct CHatchPatternLine {
    double angle = 0.0;  // 53, degrees
    DPOINT base{0, 0};   // 43, 44
    DPOINT offset{0, 0}; // 45, 46
    COLORREF color = 0;
    std::vector<double> dashes; // 49
};

struct CDxfHatch {
    CDxfEntityTag tag;
    COLORREF color = 0;
    int solid = 0; // 70
    std::vector<CHatchBoundary> paths;
    std::vector<CHatchPatternLine> lines;
};
