#pragma once
// Reads the image file a raster placement names into a packed
// device-independent bitmap (header, palette, bottom-up rows) through the
// program's raster image: BMP by its content, JPEG and TIFF by the file's
// name.

#include "platform/win/WinTypes.h"

#include <optional>
#include <string>
#include <vector>

class CSxfRasterFile {
public:
    // Nothing when the file is missing or is no image the raster image reads.
    static std::optional<std::vector<BYTE>> LoadPackedDib(const std::string& path);
};
