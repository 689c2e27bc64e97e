#pragma once
// The readers of outside data, fed whole files as the mutation tests and the
// fuzz targets give them: whatever the bytes, a reader refuses or reads, and
// the document frees what it took.

#include "app/CControlFileReader.h"
#include "app/CPorBlockImport.h"
#include "app/CZumeoDoc.h"
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
