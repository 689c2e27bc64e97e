#pragma once
// The four corners of an ellipse's box, turned by its rotation, in the
// order a record wants them.

#include "plugins/sxf/SxfUnits.h"

#include <array>
#include <cmath>

struct SxfEllipseBox {
    std::array<double, 4> x{};
    std::array<double, 4> y{};

    // `signs` gives each corner's offsets as multiples of the two radii.
    static SxfEllipseBox Of(double cx, double cy, double rx, double ry, double rotation,
                            const std::array<std::array<int, 2>, 4>& signs) {
        const double c = std::cos(rotation * SxfRadiansPerDegree);
        const double s = std::sin(rotation * SxfRadiansPerDegree);
        SxfEllipseBox box;
        for (std::size_t i = 0; i < 4; ++i) {
            const double dx = signs[i][0] * rx;
            const double dy = signs[i][1] * ry;
            box.x[i] = cx + dx * c - dy * s;
            box.y[i] = cy + dx * s + dy * c;
        }
        return box;
    }

    std::array<POINT, 4> ToPor(int scale) const {
        std::array<POINT, 4> points{};
        for (std::size_t i = 0; i < 4; ++i) {
            points[i] = SxfToPor(x[i], y[i], scale);
        }
        return points;
    }
};
