#pragma once
// The BMP file form of a bitmap. Reading takes the core (12-byte), the
// 40-byte and the V4 and V5 headers, honours the pixel offset of the file
// header and turns the picture into the packed form the raster image
// holds: a 40-byte header, a table of 4-byte colours, rows bottom-up.
// Writing puts the file header in front of a packed bitmap.

#include "platform/gdi/BitmapDefs.h"

#include <cstddef>
#include <vector>

class CBmpFile {
public:
    // Larger files are refused before anything is allocated.
    static constexpr std::size_t kMaxFileSize = std::size_t{1} << 30;

    // A new unlocked block, or null when the file is not a sound BMP.
    static HGLOBAL Read(const BYTE* data, std::size_t size);
    // The whole file of a sound packed bitmap.
    static std::vector<BYTE> Write(const BITMAPINFOHEADER& header);
};
