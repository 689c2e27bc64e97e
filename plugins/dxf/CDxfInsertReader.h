#pragma once
// Reads the entities that place a block: INSERT, DIMENSION (drawn through
// its anonymous block, or from its own groups where that block is missing)
// and LEADER (a polyline with an arrowhead that is a block reference or a
// small filled triangle).

#include "geometry/Geometry.h"
#include "plugins/dxf/CDxfDimensionDrawer.h"

struct CDxfEntityGroups;
class CDxfEntityStyle;
struct CDxfDimStyle;
class CDxfFile;
class CDxfInsertEmitter;
class CDxfPrimitiveEmitter;
class CDxfStyleTables;
class CDxfTextDecoder;
class CDxfTextEmitter;
class CPorStream;

class CDxfInsertReader {
public:
    CDxfInsertReader(const CDxfPrimitiveEmitter& emitter, CDxfEntityStyle& style,
                     const CDxfTextDecoder& decoder, CDxfInsertEmitter& inserts,
                     const CDxfStyleTables& tables, const CDxfTextEmitter& texts)
        : m_emitter(emitter), m_style(style), m_decoder(decoder), m_inserts(inserts),
          m_tables(tables), m_dimensions(emitter, texts, decoder) {}

    // Each reads the groups after the entity's name up to the next code-0
    // group, which is pushed back.
    void Insert(CDxfFile& file, CPorStream& target, const DPOINT& base);
    void Dimension(CDxfFile& file, CPorStream& target, const DPOINT& base);
    void Leader(CDxfFile& file, CPorStream& target, const DPOINT& base);

private:
    // The dimension drawn from its own groups, in the colour given.
    void DrawOwn(CDxfDimension dimension, const CDxfEntityGroups& groups,
                 const CDxfDimStyle* dimStyle, COLORREF color, const DPOINT& base,
                 CPorStream& target);

    const CDxfPrimitiveEmitter& m_emitter;
    CDxfEntityStyle& m_style;
    const CDxfTextDecoder& m_decoder;
    CDxfInsertEmitter& m_inserts;
    const CDxfStyleTables& m_tables;
    CDxfDimensionDrawer m_dimensions;
};
