#include "plugins/sxf/CSxfRasterFile.h"

#include "platform/mfc/CFile.h"
#include "por/PorWord.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <tiffio.h>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
constexpr std::size_t MaxFileSize = CSxfRasterFile::MaxDibSize;

void StoreWord16(BYTE* at, unsigned value) {
    at[0] = static_cast<BYTE>(value);
    at[1] = static_cast<BYTE>(value >> 8);
}

std::size_t RowBytes(std::size_t width, unsigned bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The info header and the palette of a bottom-up bitmap, rows still zero.
std::vector<BYTE> NewDib(std::size_t width, std::size_t height, unsigned bitsPerPixel,
                         const std::vector<COLORREF>& palette) {
    const std::size_t head = InfoHeaderSize + 4 * palette.size();
    std::vector<BYTE> dib(head + RowBytes(width, bitsPerPixel) * height);
    StorePorWord(dib.data(), static_cast<LONG>(InfoHeaderSize));
    StorePorWord(dib.data() + 4, static_cast<LONG>(width));
    StorePorWord(dib.data() + 8, static_cast<LONG>(height));
    StoreWord16(dib.data() + 12, 1);
    StoreWord16(dib.data() + 14, bitsPerPixel);
    StorePorWord(dib.data() + 20, static_cast<LONG>(dib.size() - head));
    StorePorWord(dib.data() + 32, static_cast<LONG>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) {
        // RGBQUAD: blue, green, red, reserved.
        BYTE* quad = dib.data() + InfoHeaderSize + 4 * i;
        quad[0] = static_cast<BYTE>(GetBValue(palette[i]));
        quad[1] = static_cast<BYTE>(GetGValue(palette[i]));
        quad[2] = static_cast<BYTE>(GetRValue(palette[i]));
    }
    return dib;
}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

bool FitsSize(std::size_t width, std::size_t height, unsigned bitsPerPixel) {
    return width > 0 && height > 0 && width <= MaxFileSize && height <= MaxFileSize &&
           RowBytes(width, bitsPerPixel) <= CSxfRasterFile::MaxDibSize / height;
}

} // namespace

std::optional<std::vector<BYTE>> CSxfRasterFile::LoadPackedDib(const std::string& path) {
    // CFile refuses pipes and devices, which would block or never end.
    CFile in;
    if (!in.Open(path.c_str(), CFile::modeRead)) {
        return std::nullopt;
    }
    char magic[2] = {};
    if (in.Read(magic, 2) == 2 && magic[0] == 'B' && magic[1] == 'M') {
        const ULONGLONG size = in.GetLength();
        if (size > MaxFileSize) {
            return std::nullopt;
        }
        in.SeekToBegin();
        std::vector<BYTE> file(static_cast<std::size_t>(size));
        file.resize(in.Read(file.data(), static_cast<UINT>(size)));
        return FromBmp(file);
    }
    return FromTiff(path);
}

std::optional<std::vector<BYTE>> CSxfRasterFile::FromBmp(const std::vector<BYTE>& file) {
    if (file.size() < FileHeaderSize + InfoHeaderSize) {
        return std::nullopt;
    }
    const auto word = [&](std::size_t at) {
        return static_cast<std::size_t>(file[at]) | static_cast<std::size_t>(file[at + 1]) << 8 |
               static_cast<std::size_t>(file[at + 2]) << 16 |
               static_cast<std::size_t>(file[at + 3]) << 24;
    };
    const std::size_t infoSize = word(FileHeaderSize);
    const unsigned bits = file[FileHeaderSize + 14] | file[FileHeaderSize + 15] << 8;
    std::size_t colours = word(FileHeaderSize + 32);
    if (colours == 0 && bits <= 8) {
        colours = std::size_t(1) << bits;
    }
    // A packed bitmap has its rows right after the palette.
    if (infoSize < InfoHeaderSize || word(10) != FileHeaderSize + infoSize + 4 * colours ||
        word(10) > file.size()) {
        return std::nullopt;
    }
    return std::vector<BYTE>(file.begin() + FileHeaderSize, file.end());
}

std::optional<std::vector<BYTE>> CSxfRasterFile::FromTiff(const std::string& path) {
    const std::unique_ptr<TIFF, TiffCloser> tiff(TIFFOpen(path.c_str(), "r"));
    if (!tiff) {
        return std::nullopt;
    }
    uint32_t width = 0;
    uint32_t height = 0;
    uint16_t bits = 1;
    uint16_t samples = 1;
    uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tiff.get(), TIFFTAG_PHOTOMETRIC, &photometric);

    const bool bilevel =
        bits == 1 && samples == 1 && !TIFFIsTiled(tiff.get()) &&
        (photometric == PHOTOMETRIC_MINISWHITE || photometric == PHOTOMETRIC_MINISBLACK);
    if (bilevel) {
        if (!FitsSize(width, height, 1) ||
            static_cast<std::size_t>(TIFFScanlineSize(tiff.get())) > RowBytes(width, 1)) {
            return std::nullopt;
        }
        const COLORREF white = RGB(255, 255, 255);
        const COLORREF black = RGB(0, 0, 0);
        std::vector<BYTE> dib =
            NewDib(width, height, 1,
                   photometric == PHOTOMETRIC_MINISWHITE ? std::vector{white, black}
                                                         : std::vector{black, white});
        const std::size_t rowBytes = RowBytes(width, 1);
        BYTE* rows = dib.data() + InfoHeaderSize + 8;
        for (uint32_t row = 0; row < height; ++row) {
            BYTE* target = rows + (height - 1 - row) * rowBytes;
            if (TIFFReadScanline(tiff.get(), target, row, 0) < 0) {
                return std::nullopt;
            }
        }
        return dib;
    }
    if (!FitsSize(width, height, 32)) {
        return std::nullopt;
    }
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, pixels.data(), ORIENTATION_BOTLEFT,
                                   0)) {
        return std::nullopt;
    }
    std::vector<BYTE> dib = NewDib(width, height, 24, {});
    const std::size_t rowBytes = RowBytes(width, 24);
    for (std::size_t row = 0; row < height; ++row) {
        BYTE* target = dib.data() + InfoHeaderSize + row * rowBytes;
        for (std::size_t column = 0; column < width; ++column) {
            const uint32_t pixel = pixels[row * width + column];
            target[3 * column] = static_cast<BYTE>(TIFFGetB(pixel));
            target[3 * column + 1] = static_cast<BYTE>(TIFFGetG(pixel));
            target[3 * column + 2] = static_cast<BYTE>(TIFFGetR(pixel));
        }
    }
    return dib;
}
