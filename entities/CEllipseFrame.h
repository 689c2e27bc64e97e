#pragma once
// The ellipse inscribed in a parallelogram given by its four corners p0..p3
// in cyclic order: centre, semi-axes along p0->p3 and p0->p1, its points by
// parameter, and the parameter of a point on it. A sheared or rotated
// ellipse keeps its shape this way.

#include "geometry/Geometry.h"
#include "platform/win/WinTypes.h"

#include <optional>
#include <vector>

class CEllipseFrame {
public:
    explicit CEllipseFrame(const POINT corners[4]);

    POINT Center() const { return m_center; }
    int SemiAxisA() const { return m_a; }
    int SemiAxisB() const { return m_b; }
    // 5 degrees when the smaller semi-axis is at most 90 units, else 1.
    int Step() const;
    // c + a cos t u - b sin t v, each offset rounded; t in degrees.
    POINT Point(double degrees) const;
    // The points at 0, step, ... below 360 degrees.
    std::vector<POINT> Ring() const;
    // The parameter of a point (degrees, 0..360); nothing when the
    // parallelogram has no area to take it from.
    std::optional<double> ParameterDegrees(POINT point) const;
    // The same rounded to whole degrees.
    std::optional<int> ParameterOf(POINT point) const;
    // The arc from start to end counter-clockwise: start, the points between
    // the two parameters, end. A flat parallelogram gives the segment
    // between start and end.
    std::vector<POINT> Arc(POINT start, POINT end) const;

private:
    POINT m_center;
    int m_a;
    int m_b;
    DPOINT m_u;
    DPOINT m_v;
};
