#pragma once
// Reads the BLOCKS section: each BLOCK becomes a record stream of its own,
// its entities made relative to the base point of the BLOCK header. Streams
// that hold nothing are dropped.

#include "geometry/Geometry.h"

class CDxfBlockList;
class CDxfEntityReader;
class CDxfFile;
class CDxfProgress;
class CDxfTextDecoder;
class CPorStream;

class CDxfBlocksReader {
public:
    CDxfBlocksReader(CDxfFile& file, CDxfProgress& progress, const CDxfTextDecoder& decoder,
                     CDxfEntityReader& entities, CDxfBlockList& blocks)
        : m_file(file), m_progress(progress), m_decoder(decoder), m_entities(entities),
          m_blocks(blocks) {}

    // Up to and including ENDSEC, the end of the file, or Escape.
    void Read();

private:
    // The groups of the BLOCK header, up to its first entity.
    void ReadHeader(CPorStream& block, DPOINT& base);
    // The entities up to ENDBLK; false when the conversion is to end.
    bool ReadEntities(CPorStream& block, const DPOINT& base);

    CDxfFile& m_file;
    CDxfProgress& m_progress;
    const CDxfTextDecoder& m_decoder;
    CDxfEntityReader& m_entities;
    CDxfBlockList& m_blocks;
};
