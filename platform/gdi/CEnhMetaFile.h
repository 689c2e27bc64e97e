#pragma once
// An enhanced metafile in memory: the bytes of the file, owned by the
// handle that CMetaFileDC::CloseEnhanced or SetEnhMetaFileBits gives out
// and freed by DeleteEnhMetaFile.

#include "platform/gdi/GdiDefs.h"

#include <vector>

class CEnhMetaFile {
public:
    explicit CEnhMetaFile(std::vector<BYTE> bytes) : m_bytes(std::move(bytes)) {}

    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

using HENHMETAFILE = CEnhMetaFile*;

// The size of the file with a null buffer, else the bytes copied (0 when
// the buffer is too small or the handle null).
UINT GetEnhMetaFileBits(HENHMETAFILE metafile, UINT size, BYTE* buffer);
// A new handle on a copy of the bytes; null unless they start with an
// enhanced-metafile header.
HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data);
BOOL DeleteEnhMetaFile(HENHMETAFILE metafile);
