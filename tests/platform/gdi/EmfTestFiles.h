#pragma once
// Reading the bytes of enhanced metafiles in the writer and player tests.

#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CMetaFileDC.h"

#include <initializer_list>
#include <vector>

namespace EmfTestFiles {

using Bytes = std::vector<BYTE>;

inline DWORD Dword(const Bytes& bytes, std::size_t offset) {
    return static_cast<DWORD>(bytes.at(offset) | (bytes.at(offset + 1) << 8) |
                              (bytes.at(offset + 2) << 16) |
                              (static_cast<DWORD>(bytes.at(offset + 3)) << 24));
}

inline WORD Word(const Bytes& bytes, std::size_t offset) {
    return static_cast<WORD>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

inline void PutDword(Bytes& bytes, std::size_t offset, DWORD value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<BYTE>(value >> (8 * i));
}

// 32-bit little-endian words, as records are written.
inline Bytes Words(std::initializer_list<LONG> words) {
    Bytes bytes;
    for (const LONG word : words) {
        bytes.resize(bytes.size() + 4);
        PutDword(bytes, bytes.size() - 4, static_cast<DWORD>(word));
    }
    return bytes;
}

// The file of a closed metafile context.
inline Bytes Close(CMetaFileDC& dc) {
    HENHMETAFILE metafile = dc.CloseEnhanced();
    Bytes bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
    GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteEnhMetaFile(metafile);
    return bytes;
}

// The records after the header, end-of-file record included, each as its bytes.
inline std::vector<Bytes> Records(const Bytes& file) {
    std::vector<Bytes> records;
    for (std::size_t offset = Dword(file, 4); offset + 8 <= file.size();) {
        const DWORD size = Dword(file, offset + 4);
        records.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(offset),
                             file.begin() + static_cast<std::ptrdiff_t>(offset + size));
        offset += size;
    }
    return records;
}

// The type and first field of each record between header and end of file,
// for following objects and handles.
inline std::vector<std::pair<DWORD, DWORD>> Outline(const Bytes& file) {
    std::vector<std::pair<DWORD, DWORD>> outline;
    const std::vector<Bytes> records = Records(file);
    for (std::size_t i = 0; i + 1 < records.size(); ++i)
        outline.emplace_back(Dword(records[i], 0),
                             records[i].size() > 8 ? Dword(records[i], 8) : 0);
    return outline;
}

} // namespace EmfTestFiles
