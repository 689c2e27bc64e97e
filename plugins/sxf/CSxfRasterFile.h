#pragma once
// Reads the image file a raster placement names into a packed
// device-independent bitmap (header, palette, bottom-up rows): TIFF
// (bilevel images kept at one bit a pixel, others as 24-bit colour) and BMP.

#include "platform/win/WinTypes.h"

#include <optional>
#include <string>
#include <vector>

class CSxfRasterFile {
public:
    // Images whose bitmap would be larger are refused.
    static constexpr std::size_t MaxDibSize = std::size_t(256) << 20;

    // Nothing when the file is missing, is no such image or is too large.
    static std::optional<std::vector<BYTE>> LoadPackedDib(const std::string& path);

private:
    static std::optional<std::vector<BYTE>> FromBmp(const std::vector<BYTE>& file);
    static std::optional<std::vector<BYTE>> FromTiff(const std::string& path);
};
