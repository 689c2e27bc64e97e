#include "plugins/dxf/CDxfHatchWriter.h"

#include "plugins/dxf/CDxfHatch.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <cmath>
#include <utility>

namespace {

constexpr std::size_t PathHeadSize = 16;
constexpr std::size_t LineEdgeSize = 40;
constexpr std::size_t ArcEdgeSize = 64;
constexpr std::size_t ListEdgeHeadSize = 32;
// An empty weight or knot list is written as its count alone, yet the
// record keeps room for one value.
constexpr std::size_t EmptyListSize = 8;
// A pattern line takes 32 + 4d bytes, yet the area counts 36 + 4d.
constexpr std::size_t PatternLineCounted = 36;
constexpr LONG ArcCorners = 4;
constexpr LONG LineCount = 1;
// Angle sums this close to a full turn make a full circle.
constexpr double FullCircleTolerance = 0.1;

bool IsWritten(const CHatchEdge& edge) {
    return edge.type >= CHatchEdge::LineType && edge.type <= CHatchEdge::SplineType;
}

// Clockwise edges run the other way round the mirrored angles.
std::pair<double, double> CounterClockwise(const CHatchEdge& edge) {
    if (edge.ccw != 0) {
        return {edge.startAngle, edge.endAngle};
    }
    return {360.0 - edge.endAngle, 360.0 - edge.startAngle};
}

LONG CountWord(std::size_t count) {
    return CDxfPrimitiveEmitter::CountWord(count);
}

} // namespace

void CDxfHatchWriter::Write(const CDxfHatch& hatch, CPorStream& target) const {
    std::vector<LONG> boundary;
    std::size_t boundaryBytes = 0;
    for (const CHatchBoundary& path : hatch.paths) {
        AppendPath(path, boundary, boundaryBytes);
    }
    std::vector<LONG> pattern;
    std::size_t patternBytes = 0;
    for (const CHatchPatternLine& line : hatch.lines) {
        AppendLine(line, pattern);
        patternBytes += PatternLineCounted + line.dashes.size() * PorWordSize;
    }
    const std::size_t patternOffset = PorHatch::FixedSize + boundaryBytes;

    PorRecordBuilder record(PorHatch::Type);
    record.Set(PorHatch::Color, hatch.color);
    record.Set(PorHatch::Kind, hatch.solid);
    record.Set(PorHatch::FillSize, CountWord(patternBytes));
    record.Set(PorHatch::FillOffset, CountWord(patternOffset));
    record.Set(PorHatch::PatternCount, CountWord(hatch.lines.size()));
    record.Set(PorHatch::LoopCount, CountWord(hatch.paths.size()));
    record.AppendLongs(boundary);
    record.PadTo(patternOffset);
    record.AppendLongs(pattern);
    record.PadTo(patternOffset + patternBytes);
    record.Set(PorHatch::Id, hatch.tag.handle);
    record.Set(PorHatch::Layer, hatch.tag.layer);
    target.AppendRecord(record);
}

void CDxfHatchWriter::AppendPath(const CHatchBoundary& path, std::vector<LONG>& words,
                                 std::size_t& reserved) const {
    std::size_t edges = 1;
    if (!path.IsPolyline()) {
        edges = 0;
        for (const CHatchEdge& edge : path.edges) {
            edges += IsWritten(edge) ? 1 : 0;
        }
    }
    words.insert(words.end(), {path.flags, path.hasBulge, path.closed, CountWord(edges)});
    reserved += PathHeadSize;
    if (!path.IsPolyline()) {
        for (const CHatchEdge& edge : path.edges) {
            AppendEdge(edge, words, reserved);
        }
        return;
    }
    // The whole polyline as one edge of its own type.
    words.insert(words.end(),
                 {PorHatchEdge::PolylineType, 0, 0, 0, 0, 0, 0, CountWord(path.vertices.size())});
    for (const DPOINT& vertex : path.vertices) {
        const POINT p = m_emitter.ToUnits(vertex);
        words.insert(words.end(), {p.x, p.y});
    }
    reserved += ListEdgeHeadSize + path.vertices.size() * 2 * PorWordSize;
}

void CDxfHatchWriter::AppendEdge(const CHatchEdge& edge, std::vector<LONG>& words,
                                 std::size_t& reserved) const {
    switch (edge.type) {
    case CHatchEdge::LineType: {
        const POINT start = m_emitter.ToUnits(edge.first);
        const POINT end = m_emitter.ToUnits(edge.second);
        words.insert(words.end(), {PorHatchEdge::LineType, edge.ccw, start.x, start.y, end.x, end.y,
                                   0, LineCount, 0, 0});
        reserved += LineEdgeSize;
        break;
    }
    case CHatchEdge::ArcType:
        AppendArc(edge, words);
        reserved += ArcEdgeSize;
        break;
    case CHatchEdge::EllipseType:
        AppendEllipse(edge, words);
        reserved += ArcEdgeSize;
        break;
    case CHatchEdge::SplineType:
        AppendSpline(edge, words, reserved);
        break;
    default:
        break;
    }
}

void CDxfHatchWriter::AppendArc(const CHatchEdge& edge, std::vector<LONG>& words) const {
    const auto [start, end] = CounterClockwise(edge);
    const DPOINT c = edge.first;
    const double r = edge.radius;
    const auto at = [&](double degrees) {
        const double t = degrees * kDegToRad;
        return m_emitter.ToUnits(DPOINT{c.x + r * std::cos(t), c.y + r * std::sin(t)});
    };
    const POINT startPoint = at(start);
    const bool full = std::fabs(std::fabs(start - end) - 360.0) < FullCircleTolerance;
    const POINT endPoint = full ? startPoint : at(end);
    words.insert(words.end(), {PorHatchEdge::ArcType, edge.ccw, startPoint.x, startPoint.y,
                               endPoint.x, endPoint.y, 0, ArcCorners});
    for (const DPOINT& corner : {DPOINT{c.x - r, c.y + r}, DPOINT{c.x - r, c.y - r},
                                 DPOINT{c.x + r, c.y - r}, DPOINT{c.x + r, c.y + r}}) {
        const POINT p = m_emitter.ToUnits(corner);
        words.insert(words.end(), {p.x, p.y});
    }
}

void CDxfHatchWriter::AppendEllipse(const CHatchEdge& edge, std::vector<LONG>& words) const {
    const auto [start, end] = CounterClockwise(edge);
    const double scale = m_emitter.Scale();
    const double a = PointDistance(0.0, 0.0, edge.second.x, edge.second.y) * scale;
    const double b = a * edge.radius;
    const double turn = VectorAngle(0.0, 0.0, edge.second.x, edge.second.y) * kRadToDeg;
    const double cx = edge.first.x * scale;
    const double cy = edge.first.y * scale;
    // A point of the unturned ellipse about the origin, turned and moved.
    const auto place = [&](double x, double y) {
        POINT p{TruncInt(x), TruncInt(y)};
        RotateScalePoint(p, cx, cy, 1.0, 1.0, turn, 1);
        return p;
    };
    POINT startPoint{0, 0};
    POINT endPoint{0, 0};
    if (a != 0.0 && b != 0.0) {
        startPoint = place(a * std::cos(start * kDegToRad), b * std::sin(start * kDegToRad));
        endPoint = place(a * std::cos(end * kDegToRad), b * std::sin(end * kDegToRad));
    }
    words.insert(words.end(), {PorHatchEdge::EllipseType, edge.ccw, startPoint.x, startPoint.y,
                               endPoint.x, endPoint.y, 0, ArcCorners});
    for (const POINT& p : {place(-a, -b), place(a, -b), place(a, b), place(-a, b)}) {
        words.insert(words.end(), {p.x, p.y});
    }
}

void CDxfHatchWriter::AppendSpline(const CHatchEdge& edge, std::vector<LONG>& words,
                                   std::size_t& reserved) const {
    words.insert(words.end(), {PorHatchEdge::NurbsType, edge.ccw, 0, 0, 0, 0, edge.degree,
                               CountWord(edge.controlPoints.size())});
    for (const DPOINT& point : edge.controlPoints) {
        const POINT p = m_emitter.ToUnits(point);
        words.insert(words.end(), {p.x, p.y});
    }
    reserved += ListEdgeHeadSize + edge.controlPoints.size() * 2 * PorWordSize;
    for (const std::vector<double>* list : {&edge.weights, &edge.knots}) {
        words.push_back(CountWord(list->size()));
        for (double value : *list) {
            words.push_back(m_emitter.ToUnits(value));
        }
        reserved += list->empty() ? EmptyListSize : (1 + list->size()) * PorWordSize;
    }
}

void CDxfHatchWriter::AppendLine(const CHatchPatternLine& line, std::vector<LONG>& words) const {
    const POINT base = m_emitter.ToUnits(line.base);
    const POINT offset = m_emitter.ToUnits(line.offset);
    words.insert(words.end(), {TruncInt(line.angle * 100.0), base.x, base.y, offset.x, offset.y, 0,
                               static_cast<LONG>(line.color), CountWord(line.dashes.size())});
    for (double dash : line.dashes) {
        words.push_back(m_emitter.ToUnits(dash));
    }
}
