#pragma once
// The readers of outside data, fed whole files as the mutation tests and the
// fuzz targets give them: whatever the bytes, a reader refuses or reads, and
// the document frees what it took.

#include "app/CControlFileReader.h"
#include "app/COwnDrawingFile.h"
#include "app/CPorBlockImport.h"
#include "app/CZumeoDoc.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CException.h"
#include "platform/mfc/CMemFile.h"
#include "settings/CDrawDefaults.h"

#include <cstdio>
#include <span>

namespace ReaderFeeds {

// The bytes as the control file at path, read into the document.
inline void ControlFile(CZumeoDoc& document, const CString& path,
                        std::span<const std::uint8_t> bytes) {
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    CControlFileReader::Read(path, document);
    document.ClearContents();
    document.ResetDocument();
}

// The bytes as a drawing file, read into the emptied document, which is
// emptied again after; true when the file was read.
inline bool OwnDrawing(CZumeoDoc& document, std::span<const std::uint8_t> bytes) {
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    bool read = true;
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = &document;
        COwnDrawingFile::Read(ar, document);
        ar.Close();
    } catch (const CException&) {
        read = false;
    }
    document.ClearContents();
    document.ResetDocument();
    return read;
}

// The bytes as a plug-in's POR block, imported into the document.
inline void PorBlock(CZumeoDoc& document, std::span<const std::uint8_t> bytes) {
    static const CDrawDefaults settings;
    const CPorBlockImport import(bytes);
    if (!import.Refused())
        import.Run(document, CPorBlockImport::Mode::Import, settings, nullptr);
    document.ClearContents();
    document.ResetDocument();
}

} // namespace ReaderFeeds
