#pragma once
// Turns the simple geometric entities into records: LINE, POINT, CIRCLE,
// ARC, ELLIPSE, TRACE, SOLID, 3DFACE, and XLINE and RAY, which are kept in
// the target stream until the drawing's extent is known. Coordinates are
// made relative to the base point of the enclosing BLOCK ((0, 0) in
// ENTITIES).

#include "geometry/Geometry.h"
#include "plugins/dxf/CDxfInfiniteLine.h"

struct CDxfEntityGroups;
class CDxfEntityStyle;
class CDxfPrimitiveEmitter;
class CPorStream;

class CDxfSimpleEntities {
public:
    CDxfSimpleEntities(const CDxfPrimitiveEmitter& emitter, CDxfEntityStyle& style)
        : m_emitter(emitter), m_style(style) {}

    void Line(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    void Point(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    void Circle(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    void Arc(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    void Ellipse(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    void Trace(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    void Solid(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    void Face(const CDxfEntityGroups& groups, CPorStream& target, const DPOINT& base);
    // The base and direction are kept as read, not made relative.
    void InfiniteLine(const CDxfEntityGroups& groups, CDxfInfiniteLine::Kind kind,
                      CPorStream& target);

private:
    // A span too short to draw as a curve: a point when both ends fall on
    // one integer point, else the chord.
    void WriteChord(const DPOINT& start, const DPOINT& end, const CDxfEntityGroups& groups,
                    CPorStream& target);

    const CDxfPrimitiveEmitter& m_emitter;
    CDxfEntityStyle& m_style;
};
