#pragma once
// Geometry shared by the DXF entity readers, the emitters and the block
// transform.

#include "platform/win/WinTypes.h"

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
