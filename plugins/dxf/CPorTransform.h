#pragma once
// Places the records of a block where a block reference puts them: each
// point is scaled about the block's origin, turned and moved to the
// insertion point (RotateScalePoint). Records are changed in place; a field
// that does not lie inside its record is left alone.

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <optional>
#include <span>

class PorRecord;

class CPorTransform {
public:
    // Insertion point in integer units, scale factors, rotation in degrees,
    // integer units per drawing unit.
    CPorTransform(double x, double y, double xScale, double yScale, double angleDegrees,
                  unsigned unit);

    // One whole record, nested records included.
    void Apply(std::span<BYTE> record) const;
    void Place(POINT& point) const;

private:
    // One scale negative and the other positive.
    bool Mirrors() const;
    // A direction or offset: scaled and turned, not moved.
    POINT Turn(LONG dx, LONG dy) const;

    void PlacePointAt(std::span<BYTE> record, std::size_t offset) const;
    void PlacePoints(std::span<BYTE> record, std::size_t offset, std::size_t count) const;
    // A count word at countOffset followed by its points.
    void PlacePointList(std::span<BYTE> record, std::size_t countOffset) const;
    void ScaleWidth(std::span<BYTE> record, int word) const;
    // The two ends of an arc at these offsets trade places under a mirroring
    // reference, so that the arc still runs counter-clockwise.
    void SwapEnds(std::span<BYTE> record, std::size_t start, std::size_t end) const;
    void PlaceArc(std::span<BYTE> record) const;
    void PlaceText(std::span<BYTE> record) const;
    void PlaceNested(std::span<BYTE> record) const;
    void PlaceHatch(std::span<BYTE> record) const;
    // One hatch boundary edge at offset; the offset after it, or nothing when
    // its type is unknown and the rest cannot be walked.
    std::optional<std::size_t> PlaceHatchEdge(std::span<BYTE> record, const PorRecord& hatch,
                                              std::size_t offset) const;
    void PlacePatternLines(std::span<BYTE> record, const PorRecord& hatch) const;

    double m_x;
    double m_y;
    double m_xScale;
    double m_yScale;
    double m_angle;
    unsigned m_unit;
};
