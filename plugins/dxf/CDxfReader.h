#pragma once
// One conversion of a DXF file into a POR block: walks the file's sections,
// hands each to its reader and assembles the block. A reader serves exactly
// one conversion.

#include "image/CPictureFiles.h"
#include "platform/win/WinTypes.h"
#include "plugins/dxf/CDxfBlockList.h"
#include "plugins/dxf/CDxfEntityReader.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfHeader.h"
#include "plugins/dxf/CDxfInsertEmitter.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CDxfProgress.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/CDxfTextEmitter.h"
#include "plugins/dxf/CPorStream.h"

#include <string_view>

class CDxfReader {
public:
    // The progress window may be null; pictureBudget bounds the bytes of
    // all the pictures placed in the drawing.
    explicit CDxfReader(HWND progressWindow,
                        std::size_t pictureBudget = CPictureFiles::DefaultBudget);
    CDxfReader(const CDxfReader&) = delete;
    CDxfReader& operator=(const CDxfReader&) = delete;

    // The POR block of the file at the CP932 path, as an unlocked global
    // memory block the caller owns; null when the file cannot be read, is
    // binary DXF or yields no records. Escape ends the reading early and
    // what was read is converted. Block references that would expand beyond
    // the memory budget throw std::length_error.
    HGLOBAL GetPORData(const char* path);
    // The file's text is let go once read, before the block is made.
    HGLOBAL Convert(CDxfFile file);

private:
    void ReadSections(CDxfFile& file);
    void ReadSection(std::string_view name, CDxfFile& file);
    void ReadEntities(CDxfFile& file);

    CDxfProgress m_progress;
    CDxfHeader m_header;
    CDxfTextDecoder m_decoder;
    CDxfLayerTable m_layers;
    CDxfLineTypeTable m_lineTypes;
    CDxfStyleTables m_styles;
    CDxfBlockList m_blocks;
    CPorStream m_drawing;
    CDxfPrimitiveEmitter m_emitter;
    CDxfEntityStyle m_style;
    CDxfInsertEmitter m_inserts;
    CDxfTextEmitter m_texts;
    CPictureFiles m_pictures;
    CDxfEntityReader m_entities;
};
