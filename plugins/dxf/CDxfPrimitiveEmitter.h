#pragma once
// Lays out one POR record per call for plain geometry given in drawing
// units, appends it to the target stream and extends the stream's bounds.
// Every coordinate and length is written as trunc(value x scale).

#include "geometry/Geometry.h"
#include "plugins/dxf/CDxfEntityTag.h"
#include "plugins/dxf/CDxfHeader.h"
#include "plugins/dxf/CDxfPen.h"
#include "por/PorPen.h"

#include <array>
#include <span>
#include <vector>

class CPorStream;

class CDxfPrimitiveEmitter {
public:
    // Arrow flags of open polylines and curves.
    static constexpr unsigned ArrowAtStart = 0x01;
    static constexpr unsigned ArrowAtEnd = 0x10;

    explicit CDxfPrimitiveEmitter(const CDxfHeader& header) : m_header(header) {}

    unsigned Scale() const { return m_header.scale; }
    // A count or size as a record word; std::length_error beyond its range.
    static LONG CountWord(std::size_t count);
    LONG ToUnits(double value) const { return TruncInt(value * m_header.scale); }
    POINT ToUnits(const DPOINT& point) const { return {ToUnits(point.x), ToUnits(point.y)}; }

    void WriteLine(const DPOINT& start, const DPOINT& end, const CDxfPen& pen,
                   const CDxfEntityTag& tag, CPorStream& target) const;
    void WritePoint(const DPOINT& point, COLORREF color, const CDxfEntityTag& tag,
                    CPorStream& target) const;
    // Corners in DXF order; the record takes them as 1, 2, 4, 3. No width.
    void WriteTrace(const std::array<DPOINT, 4>& corners, const CDxfPen& pen,
                    const CDxfEntityTag& tag, CPorStream& target) const;
    // A filled polygon of three corners when the fourth equals the first.
    void WriteSolid(const std::array<DPOINT, 4>& corners, const CDxfPen& pen,
                    const CDxfEntityTag& tag, CPorStream& target) const;
    // The box from (x0, y0) to (x1, y1).
    void WriteCircle(const DPOINT& corner0, const DPOINT& corner1, const CDxfPen& pen,
                     const CDxfEntityTag& tag, bool filled, CPorStream& target) const;
    // Angles in degrees, counter-clockwise from start to end.
    void WriteArc(const DPOINT& centre, double radius, double startAngle, double endAngle,
                  const CDxfPen& pen, const CDxfEntityTag& tag, CPorStream& target) const;
    // Major axis as a vector from the centre; parameters in radians. A span
    // of a full turn gives an ellipse, a shorter one an elliptic arc, which
    // is left out (its bounds still count) when an axis is 0.
    void WriteEllipse(const DPOINT& centre, const DPOINT& majorAxis, double ratio,
                      double startParameter, double endParameter, const CDxfPen& pen,
                      const CDxfEntityTag& tag, bool filled, CPorStream& target) const;

    // The point lists below need two points; fewer write nothing. A closed
    // flag of exactly 1 on two points gives an open record, any other flag
    // is read on its low bit.
    void WritePolyline(std::span<const DPOINT> points, int closedFlag, const CDxfPen& pen,
                       const CDxfEntityTag& tag, bool filled, CPorStream& target,
                       unsigned arrows) const;
    // A closed fit spline is drawn with the solid line type and no fill.
    void WriteSpline(std::span<const DPOINT> fitPoints, int closedFlag, const CDxfPen& pen,
                     const CDxfEntityTag& tag, CPorStream& target, unsigned arrows) const;
    // One weight per control point: missing weights are 1, extra ones are
    // dropped.
    void WriteNurbs(std::span<const DPOINT> controlPoints, std::span<const double> knots,
                    std::span<const double> weights, int degree, int closedFlag, const CDxfPen& pen,
                    const CDxfEntityTag& tag, CPorStream& target, unsigned arrows) const;

private:
    PorPen ToPorPen(const CDxfPen& pen) const;
    // A whole circle or ellipse of the record type in its box, filled in
    // the pen's colour when asked; the box extends the bounds.
    void WriteConic(LONG type, const POINT (&corners)[4], const CDxfPen& pen,
                    const CDxfEntityTag& tag, bool filled, CPorStream& target) const;
    std::vector<POINT> PointsToUnits(std::span<const DPOINT> points) const;

    const CDxfHeader& m_header;
};
