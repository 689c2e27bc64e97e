#include "plugins/dxf/CPorTransform.h"

#include "geometry/Geometry.h"
#include "plugins/dxf/DxfGeometry.h"
#include "por/PorHatchParts.h"
#include "por/PorRecord.h"
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

void CPorTransform::SwapEnds(std::span<BYTE> record, std::size_t start, std::size_t end) const {
    // Mirrored, an arc would run clockwise: its ends trade places first.
    if (Mirrors() && record.size() >= end + PointSize) {
        std::swap_ranges(record.begin() + static_cast<std::ptrdiff_t>(start),
                         record.begin() + static_cast<std::ptrdiff_t>(start + PointSize),
                         record.begin() + static_cast<std::ptrdiff_t>(end));
    }
}

void CPorTransform::PlaceArc(std::span<BYTE> record) const {
    const std::size_t start = ByteOf(PorArcBase::Start.word);
    const std::size_t end = ByteOf(PorArcBase::End.word);
    SwapEnds(record, start, end);
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
    const auto hatch = PorRecord::Frame(record);
    if (!hatch) {
        return;
    }
    const auto loops = hatch->Get(PorHatch::LoopCount);
    std::size_t offset = PorHatch::FixedSize;
    bool walking = true;
    for (LONG loop = 0; loops && loop < *loops && walking; ++loop) {
        const auto head = hatch->Part(offset);
        const auto edges = head ? head->Get(PorHatchLoop::EdgeCount) : std::nullopt;
        if (!edges) {
            break;
        }
        offset += PorHatchLoop::HeadSize;
        for (LONG edge = 0; edge < *edges && walking; ++edge) {
            const auto size = PlaceHatchEdge(record, *hatch, offset);
            walking = size.has_value();
            offset += size.value_or(0);
        }
    }
    PlacePatternLines(record, *hatch);
}

std::optional<std::size_t> CPorTransform::PlaceHatchEdge(std::span<BYTE> record,
                                                         const PorRecord& hatch,
                                                         std::size_t offset) const {
    const auto edge = hatch.Part(offset);
    const auto size = edge ? PorHatchEdgeSize(*edge) : std::nullopt;
    if (!size) {
        return std::nullopt;
    }
    const LONG type = *edge->Get(PorHatchEdge::EdgeType);
    const std::size_t start = offset + ByteOf(PorHatchEdge::Start.word);
    const std::size_t end = offset + ByteOf(PorHatchEdge::End.word);
    if (type == PorHatchEdge::ArcType || type == PorHatchEdge::EllipseType) {
        SwapEnds(record, start, end);
    }
    if (type == PorHatchEdge::LineType || type == PorHatchEdge::ArcType ||
        type == PorHatchEdge::EllipseType) {
        PlacePointAt(record, start);
        PlacePointAt(record, end);
    }
    if (type != PorHatchEdge::LineType) {
        PlacePointList(record, offset + ByteOf(PorHatchEdge::Points.word));
    }
    return size;
}

void CPorTransform::PlacePatternLines(std::span<BYTE> record, const PorRecord& hatch) const {
    const auto kind = hatch.Get(PorHatch::Kind);
    const auto at = hatch.Get(PorHatch::FillOffset);
    const auto lines = hatch.Get(PorHatch::PatternCount);
    if (!kind || *kind != PorHatch::PatternKind || !at || *at < 0 || !lines) {
        return;
    }
    std::size_t offset = static_cast<std::size_t>(*at);
    for (LONG line = 0; line < *lines; ++line) {
        const auto part = hatch.Part(offset);
        const auto size = part ? PorHatchLineSize(*part) : std::nullopt;
        if (!size) {
            return;
        }
        const auto angle = part->Get(PorHatchLine::Angle);
        const auto step = part->Get(PorHatchLine::Offset);
        const auto dashes = part->Get(PorHatchLine::Dashes);
        const double radians = static_cast<DWORD>(*angle) / 100.0 * kDegToRad;
        const double along = std::hypot(m_xScale * std::cos(radians), m_yScale * std::sin(radians));
        const double turned = m_angle * kDegToRad + std::atan2(m_yScale * std::sin(radians),
                                                               m_xScale * std::cos(radians));
        StoreAt(record, offset + ByteOf(PorHatchLine::Angle.word),
                static_cast<LONG>(Hundredths(turned)));
        PlacePointAt(record, offset + ByteOf(PorHatchLine::Base.word));
        const POINT turnedStep = Turn(step->x, step->y);
        StoreAt(record, offset + ByteOf(PorHatchLine::Offset.word), turnedStep.x);
        StoreAt(record, offset + ByteOf(PorHatchLine::Offset.word + 1), turnedStep.y);
        const std::size_t first = offset + ByteOf(PorHatchLine::Dashes.word + 1);
        for (std::size_t i = 0; i < dashes->size(); ++i) {
            StoreAt(record, first + i * PorWordSize, TruncInt(along * (*dashes)[i]));
        }
        offset += *size;
    }
}
