#pragma once
// Reads TEXT and MTEXT: position, height, angles, alignment, style and
// colour, and the string with its special-character codes replaced, and
// hands them to the text emitter. An empty string writes nothing. Reads
// TOLERANCE likewise for the tolerance emitter.

#include "geometry/Geometry.h"
#include "platform/mfc/CString.h"

#include <string>
#include <string_view>

class CDxfEntityGroups;
class CDxfEntityStyle;
class CDxfFile;
class CDxfStyleTables;
class CDxfTextDecoder;
class CDxfTextEmitter;
class CDxfToleranceEmitter;
class CPorStream;
struct CDxfText;

class CDxfTextReader {
public:
    CDxfTextReader(const CDxfTextEmitter& emitter, const CDxfToleranceEmitter& tolerances,
                   CDxfEntityStyle& style, const CDxfTextDecoder& decoder,
                   const CDxfStyleTables& tables)
        : m_emitter(emitter), m_tolerances(tolerances), m_style(style), m_decoder(decoder),
          m_tables(tables) {}

    // Each reads the groups after the entity's name up to the next code-0
    // group, which is pushed back.
    void Text(CDxfFile& file, CPorStream& target, const DPOINT& base);
    void MText(CDxfFile& file, CPorStream& target, const DPOINT& base);
    void Tolerance(CDxfFile& file, CPorStream& target, const DPOINT& base);

private:
    // The face, oblique angle, width factor and vertical flag of the named
    // style, where the text has not set its own.
    void ApplyStyle(std::string_view name, CDxfText& text) const;
    // The height, colour, layer, handle and decoded string from the
    // groups, and the text handed to the emitter.
    void Emit(CDxfText& text, const CDxfEntityGroups& groups, const std::string& raw,
              CPorStream& target) const;

    const CDxfTextEmitter& m_emitter;
    const CDxfToleranceEmitter& m_tolerances;
    CDxfEntityStyle& m_style;
    const CDxfTextDecoder& m_decoder;
    const CDxfStyleTables& m_tables;
};
