#pragma once
// Reads a HATCH entity: its boundary paths (polylines, or chains of line,
// arc, elliptic-arc and spline edges) and its pattern lines, and writes
// them as one hatch record. Every point is made relative to the enclosing
// BLOCK's base point; a group that belongs to a path, edge or pattern line
// that is not open is ignored.

#include "geometry/Geometry.h"

class CDxfEntityStyle;
class CDxfFile;
class CDxfHatchWriter;
class CDxfTextDecoder;
class CPorStream;

class CDxfHatchReader {
public:
    // Degrees between two points of a bulge arc in a polyline path.
    static constexpr double BulgeStep = 5.0;

    CDxfHatchReader(const CDxfHatchWriter& writer, CDxfEntityStyle& style,
                    const CDxfTextDecoder& decoder)
        : m_writer(writer), m_style(style), m_decoder(decoder) {}

    // Reads the groups after the entity's name up to the next code-0 group,
    // which is pushed back.
    void Hatch(CDxfFile& file, CPorStream& target, const DPOINT& base);

private:
    const CDxfHatchWriter& m_writer;
    CDxfEntityStyle& m_style;
    const CDxfTextDecoder& m_decoder;
};
