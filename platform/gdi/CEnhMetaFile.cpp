#include "platform/gdi/CEnhMetaFile.h"

#include "platform/gdi/CEmfHeader.h"

#include <algorithm>

UINT GetEnhMetaFileBits(HENHMETAFILE metafile, UINT size, BYTE* buffer) {
    if (!metafile)
        return 0;
    const std::vector<BYTE>& bytes = metafile->Bytes();
    if (!buffer)
        return static_cast<UINT>(bytes.size());
    if (size < bytes.size())
        return 0;
    std::copy(bytes.begin(), bytes.end(), buffer);
    return static_cast<UINT>(bytes.size());
}

HENHMETAFILE SetEnhMetaFileBits(UINT size, const BYTE* data) {
    if (!CEmfHeader::Read(data, size))
        return nullptr;
    return new CEnhMetaFile(std::vector<BYTE>(data, data + size));
}

BOOL DeleteEnhMetaFile(HENHMETAFILE metafile) {
    if (!metafile)
        return FALSE;
    delete metafile;
    return TRUE;
}
