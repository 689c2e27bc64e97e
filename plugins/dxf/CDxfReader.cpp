#include "plugins/dxf/CDxfReader.h"

#include "platform/win/PathFunctions.h"
#include "plugins/dxf/CDxfBlocksReader.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfHeaderReader.h"
#include "plugins/dxf/CDxfInfiniteLineClipper.h"
#include "plugins/dxf/CDxfObjectsReader.h"
#include "plugins/dxf/CDxfPorWriter.h"
#include "plugins/dxf/CDxfTablesReader.h"
#include "por/PorCount.h"

#include <string>
#include <string_view>
#include <utility>

CDxfReader::CDxfReader(HWND progressWindow, std::size_t pictureBudget)
    : m_progress(progressWindow), m_emitter(m_header), m_style(m_layers, m_lineTypes),
      m_inserts(m_header, m_blocks), m_texts(m_header), m_pictures(pictureBudget),
      m_entities(m_emitter, m_style, m_decoder, m_inserts, m_styles, m_texts, m_pictures) {}

HGLOBAL CDxfReader::GetPORData(const char* path) {
    if (!path)
        return nullptr;
    m_entities.SetFolder(GetFileDir(path).str());
    auto file = CDxfFile::Load(path);
    return file ? Convert(std::move(*file)) : nullptr;
}

HGLOBAL CDxfReader::Convert(CDxfFile file) {
    if (file.IsBinary()) {
        return nullptr;
    }
    ReadSections(file);
    // The text is about as large as the block.
    file = CDxfFile(std::string());
    CDxfInfiniteLineClipper::Clip(m_drawing, m_header.scale);
    return CDxfPorWriter::Write(m_header, PorCount(m_pictures.LeftOut()), m_lineTypes, m_layers,
                                m_drawing);
}

void CDxfReader::ReadSections(CDxfFile& file) {
    m_progress.Start(file.GetLength());
    CDxfGroup group;
    while (m_progress.Poll(file.GetPosition()) && file.ReadGroup(group)) {
        if (group.Is(0, "EOF")) {
            return;
        }
        if (!group.Is(0, "SECTION")) {
            continue;
        }
        // The section's name is the code-2 group right after SECTION.
        if (!file.ReadGroup(group)) {
            return;
        }
        if (group.code == 2) {
            ReadSection(group.value, file);
        } else {
            file.UngetGroup();
        }
    }
}

void CDxfReader::ReadSection(std::string_view name, CDxfFile& file) {
    if (name == "HEADER") {
        CDxfHeaderReader::Read(file, m_progress, m_header);
        m_decoder.SetUtf8(m_header.utf8);
        m_decoder.SetCodePage(m_header.codePage);
    } else if (name == "TABLES") {
        CDxfTablesReader(file, m_decoder, m_layers, m_lineTypes, m_styles).Read();
    } else if (name == "BLOCKS") {
        CDxfBlocksReader(file, m_progress, m_decoder, m_entities, m_blocks).Read();
        m_inserts.ResolveBlocks();
    } else if (name == "ENTITIES") {
        ReadEntities(file);
    } else if (name == "OBJECTS") {
        CDxfObjectsReader(file, m_progress, m_decoder, m_drawing).Read();
    }
    // The sections the conversion does not use are
    // skipped group by group by the section loop.
}

void CDxfReader::ReadEntities(CDxfFile& file) {
    const DPOINT origin{0.0, 0.0};
    CDxfGroup group;
    while (m_progress.Poll(file.GetPosition()) && file.ReadGroup(group)) {
        if (group.code != 0) {
            continue;
        }
        if (group.value == "ENDSEC") {
            return;
        }
        if (group.value == "SECTION" || group.value == "EOF") {
            // The section lost its end: what follows belongs to the section loop.
            file.UngetGroup();
            return;
        }
        // An entity without a reader is skipped group by group by this loop.
        m_entities.Read(group.value, file, m_drawing, origin);
    }
}
