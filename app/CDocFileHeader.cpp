#include "app/CDocFileHeader.h"

#include "platform/mfc/CArchive.h"

#include <cstring>

void CDocFileHeader::Write(CArchive& ar, const char* magic, UINT version) {
    ar.Write(magic, 4);
    ar << version << 0 << 0;
}

UINT CDocFileHeader::Read(CArchive& ar, const char* magic) {
    BYTE header[kSize] = {};
    const UINT read = ar.Read(header, kSize);
    UINT version = 0;
    std::memcpy(&version, header + 4, sizeof version);
    if (read == kSize && std::memcmp(header, magic, 4) == 0 && version >= kFirstVersion)
        return version;
    // The archive hands back what it read ahead, so the file can start over.
    ar.Flush();
    ar.GetFile()->SeekToBegin();
    return 0;
}
