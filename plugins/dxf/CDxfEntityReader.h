#pragma once
// Reads one entity of the ENTITIES section or of a BLOCK by its name and
// hands it to the reader of its kind. Names without a reader are left to the
// caller, which skips their groups.

#include "geometry/Geometry.h"
#include "plugins/dxf/CDxfHatchReader.h"
#include "plugins/dxf/CDxfHatchWriter.h"
#include "plugins/dxf/CDxfImageReader.h"
#include "plugins/dxf/CDxfInsertReader.h"
#include "plugins/dxf/CDxfPolylineReader.h"
#include "plugins/dxf/CDxfSimpleEntities.h"
#include "plugins/dxf/CDxfSplineReader.h"
#include "plugins/dxf/CDxfTextReader.h"
#include "plugins/dxf/CDxfToleranceEmitter.h"

#include <string_view>

class CDxfFile;
class CDxfTextDecoder;

class CDxfEntityReader {
public:
    CDxfEntityReader(const CDxfPrimitiveEmitter& emitter, CDxfEntityStyle& style,
                     const CDxfTextDecoder& decoder, CDxfInsertEmitter& inserts,
                     const CDxfStyleTables& tables, const CDxfTextEmitter& texts,
                     CPictureFiles& pictures)
        : m_simple(emitter, style), m_polylines(emitter, style, decoder),
          m_inserts(emitter, style, decoder, inserts, tables, texts), m_tolerances(emitter, tables),
          m_texts(texts, m_tolerances, style, decoder, tables), m_hatchWriter(emitter),
          m_hatches(m_hatchWriter, style, decoder), m_splines(emitter, style, decoder),
          m_images(emitter, style, decoder, pictures), m_decoder(decoder) {}

    // The folder of the DXF file, where its images are looked for.
    void SetFolder(std::string folder) { m_images.SetFolder(std::move(folder)); }

    // The entity whose code-0 name group was just read; false, with nothing
    // read, when the name has no reader.
    bool Read(std::string_view name, CDxfFile& file, CPorStream& target, const DPOINT& base);

private:
    // Entities whose groups are collected at once.
    void ReadSimple(int kind, CDxfFile& file, CPorStream& target, const DPOINT& base);

    CDxfSimpleEntities m_simple;
    CDxfPolylineReader m_polylines;
    CDxfInsertReader m_inserts;
    CDxfToleranceEmitter m_tolerances;
    CDxfTextReader m_texts;
    CDxfHatchWriter m_hatchWriter;
    CDxfHatchReader m_hatches;
    CDxfSplineReader m_splines;
    CDxfImageReader m_images;
    const CDxfTextDecoder& m_decoder;
};
