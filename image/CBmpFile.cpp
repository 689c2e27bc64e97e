#include "image/CBmpFile.h"

#include "platform/gdi/CDibLayout.h"
#include "platform/win/GlobalMemory.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

template <class T> T ReadAt(const BYTE* data) {
    T value{};
    std::memcpy(&value, data, sizeof value);
    return value;
}

// The 40-byte header and colour table of a core header's bitmap, whose
// table has 3-byte entries.
std::vector<BYTE> FromCore(const BYTE* data, std::size_t size, std::size_t* tableEnd) {
    const auto core = ReadAt<BITMAPCOREHEADER>(data);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = core.bcWidth;
    header.biHeight = core.bcHeight;
    header.biPlanes = core.bcPlanes;
    header.biBitCount = core.bcBitCount;
    header.biCompression = BI_RGB;
    const std::size_t colors = CDibLayout::ColorCount(header);
    *tableEnd = sizeof core + colors * 3;
    if (*tableEnd > size)
        return {};
    header.biClrUsed = static_cast<DWORD>(colors);
    std::vector<BYTE> info(sizeof header + colors * sizeof(RGBQUAD));
    std::memcpy(info.data(), &header, sizeof header);
    for (std::size_t i = 0; i < colors; ++i) {
        const BYTE* triple = data + sizeof core + i * 3;
        const RGBQUAD quad{triple[0], triple[1], triple[2], 0};
        std::memcpy(info.data() + sizeof header + i * sizeof quad, &quad, sizeof quad);
    }
    return info;
}

// The 40-byte header and table of a 40-, 108- or 124-byte header's bitmap;
// the later headers keep their colour masks inside, which move behind it.
std::vector<BYTE> FromInfo(const BYTE* data, std::size_t size, std::size_t* tableEnd) {
    auto header = ReadAt<BITMAPINFOHEADER>(data);
    const DWORD headerSize = header.biSize;
    std::vector<BYTE> table;
    if (header.biBitCount <= 8) {
        const std::size_t colors = CDibLayout::ColorCount(header);
        if (colors > (std::size_t{1} << header.biBitCount))
            return {};
        *tableEnd = headerSize + colors * sizeof(RGBQUAD);
        if (*tableEnd > size)
            return {};
        table.assign(data + headerSize, data + *tableEnd);
    } else if (header.biCompression == BI_BITFIELDS) {
        const std::size_t masksAt = headerSize == sizeof header ? headerSize : 40;
        if (masksAt + 12 > size)
            return {};
        table.assign(data + masksAt, data + masksAt + 12);
        *tableEnd = headerSize == sizeof header ? masksAt + 12 : headerSize;
    } else {
        *tableEnd = headerSize;
    }
    header.biSize = sizeof header;
    std::vector<BYTE> info(sizeof header);
    std::memcpy(info.data(), &header, sizeof header);
    info.insert(info.end(), table.begin(), table.end());
    return info;
}

} // namespace

HGLOBAL CBmpFile::Read(const BYTE* data, std::size_t size) {
    constexpr std::size_t kFileHeader = sizeof(BITMAPFILEHEADER);
    if (!data || size < kFileHeader + sizeof(BITMAPCOREHEADER) || size > kMaxFileSize)
        return nullptr;
    const auto fileHeader = ReadAt<BITMAPFILEHEADER>(data);
    if (fileHeader.bfType != BITMAP_FILE_TYPE)
        return nullptr;
    const BYTE* infoData = data + kFileHeader;
    const std::size_t infoSize = size - kFileHeader;
    const DWORD headerSize = ReadAt<DWORD>(infoData);
    std::size_t tableEnd = 0;
    std::vector<BYTE> info;
    if (headerSize == sizeof(BITMAPCOREHEADER))
        info = FromCore(infoData, infoSize, &tableEnd);
    else if ((headerSize == sizeof(BITMAPINFOHEADER) || headerSize == BITMAPV4HEADER_SIZE ||
              headerSize == BITMAPV5HEADER_SIZE) &&
             headerSize <= infoSize)
        info = FromInfo(infoData, infoSize, &tableEnd);
    if (info.empty())
        return nullptr;

    // The pixels start where the file header says; a writer that left the
    // offset 0 meant right after the table.
    std::size_t bitsAt = kFileHeader + tableEnd;
    if (fileHeader.bfOffBits != 0) {
        if (fileHeader.bfOffBits < bitsAt || fileHeader.bfOffBits > size)
            return nullptr;
        bitsAt = fileHeader.bfOffBits;
    }
    const std::optional<CDibLayout> layout =
        CDibLayout::ReadApart(info.data(), info.size(), size - bitsAt);
    if (!layout)
        return nullptr;

    auto header = ReadAt<BITMAPINFOHEADER>(info.data());
    const std::size_t imageBytes = layout->rowBytes * static_cast<std::size_t>(layout->height);
    header.biHeight = layout->height;
    header.biSizeImage = static_cast<DWORD>(imageBytes);
    if (header.biBitCount <= 8)
        header.biClrUsed = static_cast<DWORD>(layout->colorCount);
    std::memcpy(info.data(), &header, sizeof header);

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, info.size() + imageBytes);
    auto* out = static_cast<BYTE*>(GlobalLock(block));
    if (!out) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(out, info.data(), info.size());
    // Top-down files are turned bottom-up, the form the image keeps.
    for (LONG row = 0; row < layout->height; ++row) {
        const LONG source = layout->topDown ? layout->height - 1 - row : row;
        std::memcpy(out + info.size() + static_cast<std::size_t>(row) * layout->rowBytes,
                    data + bitsAt + static_cast<std::size_t>(source) * layout->rowBytes,
                    layout->rowBytes);
    }
    GlobalUnlock(block);
    return block;
}

std::vector<BYTE> CBmpFile::Write(const BITMAPINFOHEADER& header) {
    const std::size_t infoBytes = CDibLayout::InfoBytes(header);
    const std::size_t total = infoBytes + header.biSizeImage;
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = BITMAP_FILE_TYPE;
    fileHeader.bfSize = static_cast<DWORD>(total + sizeof fileHeader);
    // The pixels follow the colour entries actually written.
    fileHeader.bfOffBits = static_cast<DWORD>(infoBytes + sizeof fileHeader);
    std::vector<BYTE> bytes(sizeof fileHeader + total);
    std::memcpy(bytes.data(), &fileHeader, sizeof fileHeader);
    std::memcpy(bytes.data() + sizeof fileHeader, &header, total);
    return bytes;
}
