#include "plugins/dxf/CPorTransform.h"

#include "geometry/Geometry.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

constexpr std::size_t PointSize = 2 * PorWordSize;

constexpr std::size_t ByteOf(int word) {
    return static_cast<std::size_t>(word) * PorWordSize;
}

std::optional<LONG> LoadAt(std::span<const BYTE> record, std::size_t offset) {
    if (offset > record.size() || record.size() - offset < PorWordSize) {
        return std::nullopt;
    }
    return LoadPorWord(record.data() + offset);
}

void StoreAt(std::span<BYTE> record, std::size_t offset, LONG value) {
    if (offset <= record.size() && record.size() - offset >= PorWordSize) {
        StorePorWord(record.data() + offset, value);
    }
}

LONG Saturate(long long value) {
    return static_cast<LONG>(std::clamp<long long>(value, std::numeric_limits<LONG>::min(),
                                                   std::numeric_limits<LONG>::max()));
}

// How many items of itemSize bytes, of count asked for, fit from offset on.
std::size_t Fitting(std::span<const BYTE> record, std::size_t offset, LONG count,
                    std::size_t itemSize) {
    if (count <= 0 || offset > record.size()) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(count), (record.size() - offset) / itemSize);
}

// The angle in hundredths of a degree, 0..35999.
DWORD Hundredths(double radians) {
    long long value = TruncInt(radians * kRadToDeg * 100.0) % 36000;
    return static_cast<DWORD>(value < 0 ? value + 36000 : value);
}

} // namespace

CPorTransform::CPorTransform(double x, double y, double xScale, double yScale, double angleDegrees,
                             unsigned unit)
    : m_x(x), m_y(y), m_xScale(xScale), m_yScale(yScale), m_angle(angleDegrees), m_unit(unit) {}

bool CPorTransform::Mirrors() const {
    return (m_xScale < 0) != (m_yScale < 0);
}

void CPorTransform::Place(POINT& point) const {
    RotateScalePoint(point, m_x, m_y, m_xScale, m_yScale, m_angle, m_unit);
}

POINT CPorTransform::Turn(LONG dx, LONG dy) const {
    const double theta = m_angle * kDegToRad;
    const double x = dx * m_xScale;
    const double y = dy * m_yScale;
    return {TruncInt(x * std::cos(theta) - y * std::sin(theta)),
            TruncInt(x * std::sin(theta) + y * std::cos(theta))};
}

void CPorTransform::PlacePointAt(std::span<BYTE> record, std::size_t offset) const {
    const auto x = LoadAt(record, offset);
    const auto y = LoadAt(record, offset + PorWordSize);
    if (!x || !y) {
        return;
    }
    POINT point{*x, *y};
    Place(point);
    StoreAt(record, offset, point.x);
    StoreAt(record, offset + PorWordSize, point.y);
}

void CPorTransform::PlacePoints(std::span<BYTE> record, std::size_t offset,
                                std::size_t count) const {
    for (std::size_t i = 0; i < count; ++i) {
        PlacePointAt(record, offset + i * PointSize);
    }
}

void CPorTransform::PlacePointList(std::span<BYTE> record, std::size_t countOffset) const {
    const auto count = LoadAt(record, countOffset);
    const std::size_t first = countOffset + PorWordSize;
    if (count) {
        PlacePoints(record, first, Fitting(record, first, *count, PointSize));
    }
}

void CPorTransform::ScaleWidth(std::span<BYTE> record, int word) const {
    // A mirroring reference has one negative scale; the width keeps its sign.
    const LONG factor = TruncInt(std::min(std::fabs(m_xScale), std::fabs(m_yScale)));
    if (const auto width = LoadAt(record, ByteOf(word))) {
        StoreAt(record, ByteOf(word), Saturate(static_cast<long long>(*width) * factor));
    }
}

void CPorTransform::Apply(std::span<BYTE> record) const {
    const auto type = LoadAt(record, 0);
    if (!type) {
        return;
    }
    switch (*type) {
    case PorLine::Type:
        PlacePointAt(record, ByteOf(PorLine::Start.word));
        PlacePointAt(record, ByteOf(PorLine::End.word));
        break;
    case PorPolyline::Type:
    case PorPolygon::Type:
    case PorCSpline::Type:
        PlacePointList(record, ByteOf(PorOpenList::Points.word));
        ScaleWidth(record, PorOpenList::Pen.word + 2);
        break;
    case PorSpline::Type:
        PlacePointList(record, ByteOf(PorSpline::Points.word));
        break;
    case PorCircle::Type:
    case PorEllipse::Type:
        PlacePoints(record, ByteOf(PorConic::Corners.word), PorConic::Corners.count);
        break;
    case PorArc::Type:
    case PorEArc::Type:
        PlaceArc(record);
        break;
    case PorText::Type:
        PlaceText(record);
        break;
    case PorIFrame::Type:
        // All eight frame points: the clip outline moves with the frame.
        PlacePoints(record, ByteOf(PorIFrame::Frame.word), PorIFrame::Frame.count);
        break;
    case PorDot::Type:
        PlacePointAt(record, ByteOf(PorDot::Position.word));
        break;
    case PorInsert::Type:
        PlaceNested(record);
        break;
    case PorHatch::Type:
        PlaceHatch(record);
        break;
    case PorNurbs::Type:
    case PorCNurbs::Type:
        PlacePointList(record, ByteOf(PorNurbs::ControlPoints.word));
        break;
    default:
        break;
    }
}

void CPorTransform::PlaceArc(std::span<BYTE> record) const {
    // Mirrored, the arc would run clockwise: its ends trade places first.
    const std::size_t start = ByteOf(PorArcBase::Start.word);
    const std::size_t end = ByteOf(PorArcBase::End.word);
    if (Mirrors() && record.size() >= end + PointSize) {
        std::swap_ranges(record.begin() + static_cast<std::ptrdiff_t>(start),
                         record.begin() + static_cast<std::ptrdiff_t>(start + PointSize),
                         record.begin() + static_cast<std::ptrdiff_t>(end));
    }
    PlacePointAt(record, start);
    PlacePointAt(record, end);
    PlacePoints(record, ByteOf(PorArcBase::Corners.word), PorArcBase::Corners.count);
}

void CPorTransform::PlaceText(std::span<BYTE> record) const {
    const auto x1 = LoadAt(record, ByteOf(PorText::First.word));
    const auto y1 = LoadAt(record, ByteOf(PorText::First.word + 1));
    const auto x2 = LoadAt(record, ByteOf(PorText::Second.word));
    const auto y2 = LoadAt(record, ByteOf(PorText::Second.word + 1));
    const auto angle = LoadAt(record, ByteOf(PorText::Angle.word));
    const auto height = LoadAt(record, ByteOf(PorText::Height.word));
    if (!x1 || !y1 || !x2 || !y2 || !angle || !height) {
        return;
    }
    // The box stays axis-parallel; the turn goes into the rotation.
    double turn = m_angle + (m_xScale < 0 ? 180.0 : 0.0) + (m_yScale < 0 ? 180.0 : 0.0);
    long long rotation = (static_cast<long long>(*angle) + TruncInt(10.0 * turn)) % 3600;
    StoreAt(record, ByteOf(PorText::Angle.word),
            static_cast<LONG>(rotation < 0 ? rotation + 3600 : rotation));

    POINT corner{*x1, *y2};
    Place(corner);
    StoreAt(record, ByteOf(PorText::First.word), corner.x);
    StoreAt(record, ByteOf(PorText::First.word + 1),
            Saturate(static_cast<long long>(corner.y) -
                     TruncInt(m_yScale * (static_cast<double>(*y2) - *y1))));
    StoreAt(record, ByteOf(PorText::Second.word),
            Saturate(static_cast<long long>(corner.x) +
                     TruncInt(m_xScale * (static_cast<double>(*x2) - *x1))));
    StoreAt(record, ByteOf(PorText::Second.word + 1), corner.y);
    StoreAt(record, ByteOf(PorText::Height.word), TruncInt(std::fabs(m_yScale) * *height));
}

void CPorTransform::PlaceNested(std::span<BYTE> record) const {
    const auto count = LoadAt(record, ByteOf(PorInsert::Children.word));
    std::size_t offset = ByteOf(PorInsert::Children.word + 1);
    for (LONG i = 0; count && i < *count; ++i) {
        const auto size = LoadAt(record, offset + PorWordSize);
        if (!size || *size < static_cast<LONG>(PorHeadSize) ||
            static_cast<std::size_t>(*size) > record.size() - offset) {
            break;
        }
        Apply(record.subspan(offset, static_cast<std::size_t>(*size)));
        offset += static_cast<std::size_t>(*size);
    }
}

void CPorTransform::PlaceHatch(std::span<BYTE> record) const {
    const auto loops = LoadAt(record, ByteOf(PorHatch::LoopCount.word));
    std::optional<std::size_t> offset = PorHatch::FixedSize;
    for (LONG loop = 0; loops && loop < *loops && offset; ++loop) {
        // Loop head: flags, two further words, edge count.
        const auto edges = LoadAt(record, *offset + 3 * PorWordSize);
        if (!edges) {
            break;
        }
        *offset += 4 * PorWordSize;
        for (LONG edge = 0; edge < *edges && offset; ++edge) {
            offset = PlaceHatchEdge(record, *offset);
        }
    }
    PlacePatternLines(record);
}

std::optional<std::size_t> CPorTransform::PlaceHatchEdge(std::span<BYTE> record,
                                                         std::size_t offset) const {
    const auto type = LoadAt(record, offset);
    const auto count = LoadAt(record, offset + ByteOf(7));
    if (!type || !count || *count < 0) {
        return std::nullopt;
    }
    const std::size_t points = offset + ByteOf(8);
    const std::size_t pointsEnd = points + static_cast<std::size_t>(*count) * PointSize;
    switch (*type) {
    case 1: // line: {type, flag, start, end, four further words}
        PlacePointAt(record, offset + ByteOf(2));
        PlacePointAt(record, offset + ByteOf(4));
        return offset + ByteOf(10);
    case 2: // circular and elliptic arcs: start, end, then the box corners
    case 3:
        PlacePointAt(record, offset + ByteOf(2));
        PlacePointAt(record, offset + ByteOf(4));
        PlacePoints(record, points, Fitting(record, points, *count, PointSize));
        return pointsEnd;
    case 4: { // NURBS: control points, then weights and knots, each with a count
        PlacePoints(record, points, Fitting(record, points, *count, PointSize));
        const auto weights = LoadAt(record, pointsEnd);
        if (!weights || *weights < 0) {
            return std::nullopt;
        }
        const std::size_t knotsAt =
            pointsEnd + (1 + static_cast<std::size_t>(*weights)) * PorWordSize;
        const auto knots = LoadAt(record, knotsAt);
        if (!knots || *knots < 0) {
            return std::nullopt;
        }
        return knotsAt + (1 + static_cast<std::size_t>(*knots)) * PorWordSize;
    }
    case 5: // polyline and spline: the points
    case 6:
        PlacePoints(record, points, Fitting(record, points, *count, PointSize));
        return pointsEnd;
    default:
        return std::nullopt;
    }
}

void CPorTransform::PlacePatternLines(std::span<BYTE> record) const {
    const auto kind = LoadAt(record, ByteOf(PorHatch::Kind.word));
    const auto at = LoadAt(record, ByteOf(PorHatch::FillOffset.word));
    const auto lines = LoadAt(record, ByteOf(PorHatch::PatternCount.word));
    if (!kind || *kind != PorHatch::PatternKind || !at || *at < 0 || !lines) {
        return;
    }
    // A pattern line: angle (hundredths of a degree), base point, offset to
    // the next line, width, colour, dash count, dashes.
    std::size_t offset = static_cast<std::size_t>(*at);
    for (LONG line = 0; line < *lines; ++line) {
        const auto angle = LoadAt(record, offset);
        const auto dx = LoadAt(record, offset + ByteOf(3));
        const auto dy = LoadAt(record, offset + ByteOf(4));
        const auto dashes = LoadAt(record, offset + ByteOf(7));
        if (!angle || !dx || !dy || !dashes || *dashes < 0) {
            return;
        }
        const double radians = static_cast<DWORD>(*angle) / 100.0 * kDegToRad;
        const double along = std::hypot(m_xScale * std::cos(radians), m_yScale * std::sin(radians));
        const double turned = m_angle * kDegToRad + std::atan2(m_yScale * std::sin(radians),
                                                               m_xScale * std::cos(radians));
        StoreAt(record, offset, static_cast<LONG>(Hundredths(turned)));
        PlacePointAt(record, offset + ByteOf(1));
        const POINT step = Turn(*dx, *dy);
        StoreAt(record, offset + ByteOf(3), step.x);
        StoreAt(record, offset + ByteOf(4), step.y);
        const std::size_t first = offset + ByteOf(8);
        for (std::size_t i = 0; i < Fitting(record, first, *dashes, PorWordSize); ++i) {
            const std::size_t dash = first + ByteOf(static_cast<int>(i));
            StoreAt(record, dash, TruncInt(along * *LoadAt(record, dash)));
        }
        offset = first + static_cast<std::size_t>(*dashes) * PorWordSize;
    }
}
