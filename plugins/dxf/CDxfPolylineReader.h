#pragma once
// Reads POLYLINE (with its VERTEX entities), LWPOLYLINE and MLINE into one
// point list, made relative to the enclosing block's base point, with the
// arc segments that bulges give replaced by points every 10 degrees, and
// writes it as an open polyline or a closed polygon.

#include "geometry/Geometry.h"

#include <vector>

class CDxfFile;
class CDxfEntityStyle;
class CDxfPrimitiveEmitter;
class CDxfTextDecoder;
class CPorStream;
struct CDxfEntityGroups;

class CDxfPolylineReader {
public:
    // Degrees between two points of a bulge arc.
    static constexpr double BulgeStep = 10.0;

    CDxfPolylineReader(const CDxfPrimitiveEmitter& emitter, CDxfEntityStyle& style,
                       const CDxfTextDecoder& decoder)
        : m_emitter(emitter), m_style(style), m_decoder(decoder) {}

    // Each reads the groups after the entity's name up to the next code-0
    // group that is not its own, which is pushed back.
    void Polyline(CDxfFile& file, CPorStream& target, const DPOINT& base);
    void LwPolyline(CDxfFile& file, CPorStream& target, const DPOINT& base);
    void MLine(CDxfFile& file, CPorStream& target, const DPOINT& base);

private:
    // The next point, with the arc of the pending bulge before it.
    static void AddVertex(std::vector<DPOINT>& points, const DPOINT& point, double& pendingBulge);
    // The arc back to the first point of a closed shape.
    static void CloseArc(std::vector<DPOINT>& points, int flags, double pendingBulge);
    void Write(const std::vector<DPOINT>& points, int closedFlag, const CDxfEntityGroups& groups,
               CPorStream& target);

    const CDxfPrimitiveEmitter& m_emitter;
    CDxfEntityStyle& m_style;
    const CDxfTextDecoder& m_decoder;
};
