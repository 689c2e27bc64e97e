#include "plugins/sxf/CSxfRasterFile.h"

#include "image/CRasterImage.h"
#include "platform/mfc/CFile.h"
#include "platform/win/GlobalMemory.h"

std::optional<std::vector<BYTE>> CSxfRasterFile::LoadPackedDib(const std::string& path) {
    // CFile refuses pipes and devices, which would block or never end.
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead)) {
        return std::nullopt;
    }
    CRasterImage image;
    if (!image.LoadFile(file, 1)) {
        return std::nullopt;
    }
    const HGLOBAL block = image.GetHandle();
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<BYTE> dib(bytes, bytes + GlobalSize(block));
    GlobalUnlock(block);
    return dib;
}
