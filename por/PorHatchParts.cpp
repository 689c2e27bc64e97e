#include "por/PorHatchParts.h"

#include "por/PorRecords.h"
#include "por/PorWord.h"

namespace {

std::size_t ByteOf(int word) {
    return static_cast<std::size_t>(word) * PorWordSize;
}

} // namespace

std::optional<std::size_t> PorHatchEdgeSize(const PorRecord& edge) {
    const auto type = edge.Get(PorHatchEdge::EdgeType);
    if (!type) {
        return std::nullopt;
    }
    PorCursor cursor = edge.CursorAt(ByteOf(PorHatchEdge::Points.word));
    switch (*type) {
    case PorHatchEdge::LineType:
        if (edge.Size() < PorHatchEdge::LineSize) {
            return std::nullopt;
        }
        return PorHatchEdge::LineSize;
    case PorHatchEdge::ArcType:
    case PorHatchEdge::EllipseType:
    case PorHatchEdge::PolylineType:
    case PorHatchEdge::SplineType:
        if (!cursor.PointList()) {
            return std::nullopt;
        }
        return cursor.Offset();
    case PorHatchEdge::NurbsType:
        if (!cursor.PointList() || !cursor.LongList() || !cursor.LongList()) {
            return std::nullopt;
        }
        return cursor.Offset();
    default:
        return std::nullopt;
    }
}

std::optional<std::size_t> PorHatchLineSize(const PorRecord& line) {
    PorCursor cursor = line.CursorAt(ByteOf(PorHatchLine::Dashes.word));
    if (!cursor.LongList()) {
        return std::nullopt;
    }
    return cursor.Offset();
}
