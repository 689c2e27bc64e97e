#pragma once
// Reads a SPLINE: with control points it becomes a NURBS record, the fit
// points being dropped; with fit points alone a fit-point spline. Points
// are made relative to the enclosing block's base point.

#include "geometry/Geometry.h"

#include <vector>

class CDxfEntityStyle;
class CDxfFile;
class CDxfPrimitiveEmitter;
class CDxfTextDecoder;
class CPorStream;

class CDxfSplineReader {
public:
    CDxfSplineReader(const CDxfPrimitiveEmitter& emitter, CDxfEntityStyle& style,
                     const CDxfTextDecoder& decoder)
        : m_emitter(emitter), m_style(style), m_decoder(decoder) {}

    // Reads the groups after the name up to the next code-0 group, which is
    // pushed back, and writes the record.
    void Spline(CDxfFile& file, CPorStream& target, const DPOINT& base);

private:
    const CDxfPrimitiveEmitter& m_emitter;
    CDxfEntityStyle& m_style;
    const CDxfTextDecoder& m_decoder;
};
