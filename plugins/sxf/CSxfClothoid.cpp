#include "plugins/sxf/CSxfClothoid.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfOpenList.h"
#include "plugins/sxf/SxfUnits.h"

#include <cmath>

std::unique_ptr<CSxfObject> CSxfClothoid::Clone() const {
    return std::make_unique<CSxfClothoid>(*this);
}

void CSxfClothoid::Transform(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.baseX, m_data.baseY);
    placement.TurnAngle(m_data.angle);
    placement.ScalePair(m_data.parameter);
    placement.ScalePair(m_data.startLength);
    placement.ScalePair(m_data.endLength);
}

std::vector<std::array<double, 2>> CSxfClothoid::Samples() const {
    const double a = m_data.angle * SxfRadiansPerDegree;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const double side = m_data.direction != 0 ? -1.0 : 1.0;
    const double step = 0.1 * (m_data.endLength - m_data.startLength);
    std::vector<std::array<double, 2>> points;
    double length = m_data.startLength;
    for (int i = 0; i < SampleCount; ++i) {
        double u = length;
        double v = 0;
        // A parameter of 0 has no curvature to follow: the curve is its
        // tangent, never a division by zero.
        if (m_data.parameter != 0) {
            const double t = (length / m_data.parameter) * (length / m_data.parameter);
            const double q = t * t;
            u = length *
                (1 - q * (0.025 - q * (0.00028935185185185184 - q * 1.6693376068376068e-6)));
            v = length *
                (1 - q * (0.017857142857142856 -
                          q * (0.00014204545454545454 - q * 6.200396825396825e-7))) *
                side * t * 0.16666666666666666;
        }
        points.push_back({m_data.baseX + u * c - v * s, m_data.baseY + u * s + v * c});
        length += step;
    }
    return points;
}

int CSxfClothoid::WritePOR(PorBlockWriter& stream) const {
    const int scale = UnitScale();
    std::vector<POINT> points;
    for (const auto& [x, y] : Samples()) {
        points.push_back(SxfToPor(x, y, scale));
    }
    SxfWriteOpenList(stream, PorSpline::Type, MakePen(), points, LayerName());
    return 1;
}
