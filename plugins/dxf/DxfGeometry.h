#pragma once
// Geometry shared by the DXF entity readers, the emitters and the block
// transform.

#include "geometry/Geometry.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <vector>

struct DxfVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Angle of the vector from (x1, y1) to (x2, y2) in radians, 0 <= angle <
// 6.283185308; 0 for a vector not longer than 0.0001.
double VectorAngle(double x1, double y1, double x2, double y2);

double PointDistance(double x1, double y1, double x2, double y2);

// Object coordinates to world coordinates by the arbitrary-axis rule of the
// DXF format (threshold 1/64). The extrusion is taken to unit length; a zero
// extrusion is the default (0, 0, 1).
DxfVector OcsToWcs(const DxfVector& point, const DxfVector& extrusion);

// Scales the point (integer units) about the origin by (xScale, yScale),
// turns it by the angle in degrees and moves it to (baseX, baseY); unit is
// the integer units per drawing unit (0 counts as 1). Results are truncated
// toward zero and saturate at the int32 range.
void RotateScalePoint(POINT& point, double baseX, double baseY, double xScale, double yScale,
                      double angleDegrees, unsigned unit);

// Appends the points of the arc from p1 to p2 that the bulge gives (included
// angle 4 atan(bulge), counter-clockwise when positive), one every step
// degrees, leaving out both ends: the caller holds p1 and appends p2. A
// bulge turning less than a degree, or one that is not finite, adds nothing.
// The number of points added.
int BulgeArcPoints(std::vector<DPOINT>& points, const DPOINT& p1, const DPOINT& p2, double bulge,
                   double stepDegrees);

// The direction of the vector (dx, dy) in degrees, 0 <= angle < 360, exact
// for the axis directions; 0 for a vector not longer than 0.0001.
double DirectionDegrees(double dx, double dy);

// The filled arrowhead at the tip of a line coming from `from`: the tip,
// the two corners of its base one arrow size back along the line and a
// sixth of it to either side, and the tip again, as a SOLID's corners.
std::array<DPOINT, 4> ArrowHead(const DPOINT& tip, const DPOINT& from, double size);
