#include "plugins/sxf/CSxfPointMarker.h"

#include "plugins/sxf/CSxfCircle.h"
#include "plugins/sxf/CSxfLine.h"
#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>

namespace {

constexpr std::size_t DotNameAt = 64;
constexpr double Radius = 1.25;

// One line of a symbol: from the point at the first direction to the point
// at the second, both at the symbol's radius from the position.
struct Stroke {
    double from;
    double to;
};

struct Symbol {
    int code;
    double radius;
    std::span<const Stroke> strokes;
};

constexpr Stroke Asterisk[] = {{90, 270}, {30, 210}, {-30, 150}};
constexpr Stroke Plus[] = {{0, 180}, {90, 270}};
constexpr Stroke Square[] = {{45, 135}, {135, 225}, {225, 315}, {315, 45}};
constexpr Stroke Triangle[] = {{90, 210}, {210, 330}, {330, 90}};
constexpr Stroke Cross[] = {{45, 225}, {135, 315}};

constexpr Symbol LineSymbols[] = {
    {1, Radius, Asterisk},
    {4, Radius, Plus},
    {5, 1.7677669529663689, Square},
    {6, 1.6666666666666667, Triangle},
    {7, Radius, Cross},
};

constexpr int CircleCode = 2;

} // namespace

std::unique_ptr<CSxfObject> CSxfPointMarker::Clone() const {
    return std::make_unique<CSxfPointMarker>(*this);
}

void CSxfPointMarker::Transform(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.x, m_data.y);
    placement.TurnAngle(m_data.angle);
}

int CSxfPointMarker::WritePOR(PorBlockWriter& stream) const {
    const auto symbol = std::find_if(std::begin(LineSymbols), std::end(LineSymbols),
                                     [&](const Symbol& s) { return s.code == m_data.code; });
    // Lines and the circle are written as the line and circle features
    // write them, with the marker's codes.
    if (symbol != std::end(LineSymbols)) {
        const auto at = [&](double direction, double& x, double& y) {
            const double t = (m_data.angle + direction) * SxfRadiansPerDegree;
            x = m_data.x + symbol->radius * std::cos(t);
            y = m_data.y + symbol->radius * std::sin(t);
        };
        for (const Stroke& stroke : symbol->strokes) {
            SxfLineData line{Codes(), 0, 0, 0, 0};
            at(stroke.from, line.startX, line.startY);
            at(stroke.to, line.endX, line.endY);
            CSxfLine(GetId(), GetOwner(), line).WritePOR(stream);
        }
    } else if (m_data.code == CircleCode) {
        CSxfCircle(GetId(), GetOwner(), SxfCircleData{Codes(), m_data.x, m_data.y, Radius})
            .WritePOR(stream);
    } else {
        PorRecordBuilder record(PorDot::Type);
        record.Set(PorDot::Position, SxfToPor(m_data.x, m_data.y, UnitScale()));
        // The dot takes the marker's colour like every other symbol.
        record.Set(PorDot::Color, GetOwner() ? GetOwner()->Colour(GetColour()) : COLORREF{0});
        record.PadTo(DotNameAt);
        record.Set(PorDot::Layer, LayerName());
        record.PadTo(SxfPadded(record.Size()));
        stream.Append(record);
    }
    return 1;
}
