#include "platform/tiff/TiffDib.h"

#include "platform/gdi/CDibImage.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/win/CReplacingFile.h"
#include "platform/win/GlobalMemory.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include <tiffio.h>

namespace {

void Silent(const char*, const char*, va_list) {}

// libtiff reports through process-wide handlers; ours stay quiet, as every
// failure is answered through the result.
void QuietHandlers() {
    TIFFSetErrorHandler(Silent);
    TIFFSetWarningHandler(Silent);
}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffFile = std::unique_ptr<TIFF, TiffCloser>;

// A new block for a bitmap of that size and depth, with its table.
std::vector<BYTE> NewDib(int bitCount, uint32_t width, uint32_t height,
                         const std::vector<RGBQUAD>& table) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = static_cast<LONG>(width);
    header.biHeight = static_cast<LONG>(height);
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitCount);
    header.biCompression = BI_RGB;
    header.biSizeImage =
        static_cast<DWORD>(CDibLayout::RowBytes(bitCount, header.biWidth) * height);
    header.biClrUsed = static_cast<DWORD>(table.size());
    std::vector<BYTE> dib(sizeof header + table.size() * sizeof(RGBQUAD) + header.biSizeImage);
    std::memcpy(dib.data(), &header, sizeof header);
    if (!table.empty())
        std::memcpy(dib.data() + sizeof header, table.data(), table.size() * sizeof(RGBQUAD));
    return dib;
}

// The table of a palette or grey picture of up to 8 bits; none for others.
std::optional<std::vector<RGBQUAD>> IndexedTable(TIFF* tiff, uint16_t bits, uint16_t samples,
                                                 uint16_t photometric) {
    if (samples != 1 || (bits != 1 && bits != 4 && bits != 8))
        return std::nullopt;
    const std::size_t count = std::size_t{1} << bits;
    std::vector<RGBQUAD> table(count);
    if (photometric == PHOTOMETRIC_PALETTE) {
        uint16_t* red = nullptr;
        uint16_t* green = nullptr;
        uint16_t* blue = nullptr;
        if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue))
            return std::nullopt;
        for (std::size_t i = 0; i < count; ++i)
            table[i] = RGBQUAD{static_cast<BYTE>(blue[i] >> 8), static_cast<BYTE>(green[i] >> 8),
                               static_cast<BYTE>(red[i] >> 8), 0};
        return table;
    }
    if (photometric != PHOTOMETRIC_MINISBLACK && photometric != PHOTOMETRIC_MINISWHITE)
        return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
        auto level = static_cast<BYTE>(i * 255 / (count - 1));
        if (photometric == PHOTOMETRIC_MINISWHITE)
            level = static_cast<BYTE>(255 - level);
        table[i] = RGBQUAD{level, level, level, 0};
    }
    return table;
}

// A picture may always decode to this many bytes; beyond it, to no more than
// kMaxExpansion times the pixel data the file holds. The compressions TIFF
// writers use (LZW, Deflate, PackBits, JPEG, fax) pack no denser than that
// but on trivial pictures, and those big enough to pass the first bound are
// rare, so a header claiming more pixels than its data can hold is refused
// before anything is allocated.
constexpr std::uint64_t kAlwaysDecodedBytes = std::uint64_t{64} << 20;
constexpr std::uint64_t kMaxExpansion = 2048;

// The bytes of pixel data the file holds in its strips or tiles; none when
// it has none or one of them lies beyond the end of the file.
std::optional<std::uint64_t> StoredPixelBytes(TIFF* tiff) {
    struct stat info {};
    if (::fstat(TIFFFileno(tiff), &info) != 0 || info.st_size <= 0)
        return std::nullopt;
    const auto fileSize = static_cast<std::uint64_t>(info.st_size);
    const uint32_t count = TIFFIsTiled(tiff) ? TIFFNumberOfTiles(tiff) : TIFFNumberOfStrips(tiff);
    std::uint64_t stored = 0;
    for (uint32_t i = 0; i < count; ++i) {
        int failed = 0;
        const std::uint64_t offset = TIFFGetStrileOffsetWithErr(tiff, i, &failed);
        const std::uint64_t bytes = TIFFGetStrileByteCountWithErr(tiff, i, &failed);
        if (failed || offset > fileSize || bytes > fileSize - offset)
            return std::nullopt;
        stored += bytes;
    }
    if (stored == 0)
        return std::nullopt;
    return stored;
}

// True when decoding to that many bytes stays within the bounds above.
bool DecodedSizeFits(TIFF* tiff, std::uint64_t decodedBytes) {
    const std::optional<std::uint64_t> stored = StoredPixelBytes(tiff);
    return stored &&
           (decodedBytes <= kAlwaysDecodedBytes || decodedBytes / kMaxExpansion <= *stored);
}

HGLOBAL ToBlock(const std::vector<BYTE>& dib) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, dib.size());
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(data, dib.data(), dib.size());
    GlobalUnlock(block);
    return block;
}

} // namespace

HGLOBAL TiffReadDib(const char* path, int) {
    if (!path)
        return nullptr;
    QuietHandlers();
    TiffFile tiff(TIFFOpen(path, "r"));
    if (!tiff)
        return nullptr;
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
    if (width == 0 || height == 0 || width > static_cast<uint32_t>(CDibLayout::kMaxSide) ||
        height > static_cast<uint32_t>(CDibLayout::kMaxSide) ||
        static_cast<long long>(width) * height > CDibLayout::kMaxPixels)
        return nullptr;

    const std::optional<std::vector<RGBQUAD>> table =
        TIFFIsTiled(tiff.get()) ? std::nullopt
                                : IndexedTable(tiff.get(), bits, samples, photometric);
    // Deeper pictures pass through libtiff's 32-bit colours on their way to 24 bits.
    const std::uint64_t decodedBytes =
        table ? CDibLayout::RowBytes(bits, static_cast<LONG>(width)) * std::uint64_t{height}
              : CDibLayout::RowBytes(24, static_cast<LONG>(width)) * std::uint64_t{height} +
                    std::uint64_t{width} * height * sizeof(uint32_t);
    if (!DecodedSizeFits(tiff.get(), decodedBytes))
        return nullptr;

    if (table) {
        std::vector<BYTE> dib = NewDib(bits, width, height, *table);
        const std::size_t rowBytes = CDibLayout::RowBytes(bits, static_cast<LONG>(width));
        const tmsize_t lineBytes = TIFFScanlineSize(tiff.get());
        if (lineBytes <= 0 || static_cast<std::size_t>(lineBytes) > rowBytes)
            return nullptr;
        BYTE* pixels = dib.data() + sizeof(BITMAPINFOHEADER) + table->size() * sizeof(RGBQUAD);
        std::vector<BYTE> line(static_cast<std::size_t>(lineBytes));
        for (uint32_t row = 0; row < height; ++row) {
            if (TIFFReadScanline(tiff.get(), line.data(), row, 0) < 0)
                return nullptr;
            std::memcpy(pixels + (height - 1 - row) * rowBytes, line.data(), line.size());
        }
        return ToBlock(dib);
    }

    // Anything else through libtiff's RGBA reader, bottom row first.
    std::vector<uint32_t> rgba(static_cast<std::size_t>(width) * height);
    if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, rgba.data(), ORIENTATION_BOTLEFT, 0))
        return nullptr;
    std::vector<BYTE> dib = NewDib(24, width, height, {});
    const std::size_t rowBytes = CDibLayout::RowBytes(24, static_cast<LONG>(width));
    BYTE* pixels = dib.data() + sizeof(BITMAPINFOHEADER);
    for (uint32_t row = 0; row < height; ++row) {
        BYTE* out = pixels + row * rowBytes;
        for (uint32_t x = 0; x < width; ++x) {
            const uint32_t pixel = rgba[static_cast<std::size_t>(row) * width + x];
            out[3 * x] = static_cast<BYTE>(TIFFGetB(pixel));
            out[3 * x + 1] = static_cast<BYTE>(TIFFGetG(pixel));
            out[3 * x + 2] = static_cast<BYTE>(TIFFGetR(pixel));
        }
    }
    return ToBlock(dib);
}

bool TiffWriteDib(const char* path, HGLOBAL block) {
    if (!path)
        return false;
    const auto* data = static_cast<const BYTE*>(GlobalLock(block));
    if (!data)
        return false;
    const std::optional<CDibLayout> layout = CDibLayout::Read(data, GlobalSize(block));
    if (!layout) {
        GlobalUnlock(block);
        return false;
    }
    QuietHandlers();
    // Written beside the file and renamed over it: a failed write leaves the
    // previous file as it was.
    CReplacingFile file(path);
    bool written = false;
    if (TiffFile tiff{file.IsOpen() ? TIFFOpen(file.TemporaryPath().c_str(), "w") : nullptr}) {
        const int depth = layout->header.biBitCount;
        const bool indexed = depth <= 8;
        TIFF* t = tiff.get();
        TIFFSetField(t, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(layout->width));
        TIFFSetField(t, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(layout->height));
        TIFFSetField(t, TIFFTAG_BITSPERSAMPLE, static_cast<uint16_t>(indexed ? depth : 8));
        TIFFSetField(t, TIFFTAG_SAMPLESPERPIXEL, static_cast<uint16_t>(indexed ? 1 : 3));
        TIFFSetField(t, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(t, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
        TIFFSetField(t, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
        TIFFSetField(t, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(t, 0));
        std::vector<uint16_t> red, green, blue;
        if (indexed) {
            TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
            const std::size_t count = std::size_t{1} << depth;
            red.assign(count, 0);
            green.assign(count, 0);
            blue.assign(count, 0);
            for (std::size_t i = 0; i < layout->colorCount && i < count; ++i) {
                RGBQUAD quad{};
                std::memcpy(&quad, data + layout->colorsOffset + i * sizeof quad, sizeof quad);
                red[i] = static_cast<uint16_t>(quad.rgbRed * 257);
                green[i] = static_cast<uint16_t>(quad.rgbGreen * 257);
                blue[i] = static_cast<uint16_t>(quad.rgbBlue * 257);
            }
            TIFFSetField(t, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
        } else {
            TIFFSetField(t, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        }
        // Deeper pictures go through their colours, whatever their masks.
        const QImage picture = indexed ? QImage() : CDibImage::ToImage(data, GlobalSize(block));
        std::vector<BYTE> line(indexed ? layout->rowBytes
                                       : static_cast<std::size_t>(layout->width) * 3);
        written = indexed || !picture.isNull();
        for (LONG row = 0; written && row < layout->height; ++row) {
            if (indexed) {
                const LONG stored = layout->topDown ? row : layout->height - 1 - row;
                std::memcpy(line.data(),
                            data + layout->bitsOffset +
                                static_cast<std::size_t>(stored) * layout->rowBytes,
                            layout->rowBytes);
            } else {
                const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(row));
                for (LONG x = 0; x < layout->width; ++x) {
                    line[3 * x] = static_cast<BYTE>(qRed(in[x]));
                    line[3 * x + 1] = static_cast<BYTE>(qGreen(in[x]));
                    line[3 * x + 2] = static_cast<BYTE>(qBlue(in[x]));
                }
            }
            written = TIFFWriteScanline(t, line.data(), static_cast<uint32_t>(row), 0) >= 0;
        }
        written = TIFFFlush(t) == 1 && written;
    }
    GlobalUnlock(block);
    return written && file.Commit();
}
