#include "image/JpegCodec.h"

#include "image/CRasterImage.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/win/CReplacingFile.h"
#include "platform/win/GlobalMemory.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {

// The decoder's and encoder's errors leave by a long jump back to the call.
// The block being decoded and the bytes being encoded live here, where a
// jump cannot lose them.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    HGLOBAL block;
    unsigned char* encoded;
    unsigned long encodedSize;
};

[[noreturn]] void ExitByJump(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void Silent(j_common_ptr) {}

FILE* OpenFile(const char* path, const char* mode) {
    return std::fopen(path, mode);
}

// One decoded row into a DIB row: B, G, R for colour, indexes for grey.
void StoreRow(const jpeg_decompress_struct& info, const JSAMPLE* in, BYTE* out) {
    const JDIMENSION width = info.output_width;
    if (info.output_components == 1) {
        std::memcpy(out, in, width);
        return;
    }
    for (JDIMENSION x = 0; x < width; ++x) {
        const JSAMPLE* pixel = in + x * info.output_components;
        BYTE red = pixel[0];
        BYTE green = pixel[1];
        BYTE blue = pixel[2];
        if (info.output_components == 4) {
            // Adobe's files keep CMYK inverted.
            int c = pixel[0], m = pixel[1], y = pixel[2], k = pixel[3];
            if (!info.saw_Adobe_marker) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            red = static_cast<BYTE>(c * k / 255);
            green = static_cast<BYTE>(m * k / 255);
            blue = static_cast<BYTE>(y * k / 255);
        }
        out[3 * x] = blue;
        out[3 * x + 1] = green;
        out[3 * x + 2] = red;
    }
}

// The block of a new bitmap for the decoder's output; null when refused.
HGLOBAL NewTarget(const jpeg_decompress_struct& info) {
    const bool grey = info.output_components == 1;
    if (info.output_width > static_cast<JDIMENSION>(CDibLayout::kMaxSide) ||
        info.output_height > static_cast<JDIMENSION>(CDibLayout::kMaxSide))
        return nullptr;
    BITMAPINFOHEADER* header = CreateBlankDib(grey ? 8 : 24, static_cast<int>(info.output_width),
                                              static_cast<int>(info.output_height));
    if (!header)
        return nullptr;
    if (grey) {
        auto* table = reinterpret_cast<RGBQUAD*>(reinterpret_cast<BYTE*>(header) + header->biSize);
        for (int i = 0; i < 256; ++i)
            table[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
    }
    HGLOBAL block = GlobalHandle(header);
    GlobalUnlock(block);
    return block;
}

// The decoding between the jump's set-up and its end: no object with a
// destructor lives here, as a long jump would skip it.
void Decode(jpeg_decompress_struct& info, JpegError& error, std::vector<JSAMPLE>& row) {
    jpeg_read_header(&info, TRUE);
    if (info.num_components == 3 || info.jpeg_color_space == JCS_YCbCr)
        info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (components != 1 && components != 3 && components != 4)
        return;
    error.block = NewTarget(info);
    auto* data = static_cast<BYTE*>(GlobalLock(error.block));
    if (!data)
        return;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(data);
    BYTE* bits = data + CDibLayout::InfoBytes(*header);
    const std::size_t rowBytes = CDibLayout::RowBytes(header->biBitCount, header->biWidth);
    row.resize(static_cast<std::size_t>(info.output_width) * components);
    JSAMPROW rows[1] = {row.data()};
    while (info.output_scanline < info.output_height) {
        const JDIMENSION line = info.output_scanline;
        jpeg_read_scanlines(&info, rows, 1);
        StoreRow(info, row.data(), bits + (info.output_height - 1 - line) * rowBytes);
    }
    GlobalUnlock(error.block);
    jpeg_finish_decompress(&info);
}

// The picture's colours as R, G, B bytes of one DIB row.
void RgbRow(const CDibLayout& layout, const BYTE* info, const BYTE* in, JSAMPLE* out) {
    const int depth = layout.header.biBitCount;
    const auto color = [&](std::size_t index) {
        RGBQUAD quad{};
        if (index < layout.colorCount)
            std::memcpy(&quad, info + layout.colorsOffset + index * sizeof quad, sizeof quad);
        return quad;
    };
    for (LONG x = 0; x < layout.width; ++x) {
        JSAMPLE* pixel = out + 3 * x;
        if (depth <= 8) {
            std::size_t index = 0;
            if (depth == 1)
                index = (in[x / 8] >> (7 - x % 8)) & 1;
            else if (depth == 4)
                index = (in[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
            else
                index = in[x];
            const RGBQUAD quad = color(index);
            pixel[0] = quad.rgbRed;
            pixel[1] = quad.rgbGreen;
            pixel[2] = quad.rgbBlue;
        } else if (depth == 16) {
            const DWORD value = Rgb555ToBgr(static_cast<WORD>(in[2 * x] | in[2 * x + 1] << 8));
            pixel[0] = static_cast<JSAMPLE>(value >> 16);
            pixel[1] = static_cast<JSAMPLE>(value >> 8);
            pixel[2] = static_cast<JSAMPLE>(value);
        } else {
            const BYTE* source = in + x * (depth / 8);
            pixel[0] = source[2];
            pixel[1] = source[1];
            pixel[2] = source[0];
        }
    }
}

// The encoding between the jump's set-up and its end.
void Encode(jpeg_compress_struct& info, const CDibLayout& layout, const BYTE* dib, int quality,
            std::vector<JSAMPLE>& row) {
    info.image_width = static_cast<JDIMENSION>(layout.width);
    info.image_height = static_cast<JDIMENSION>(layout.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    info.optimize_coding = TRUE;
    info.dct_method = JDCT_ISLOW;
    jpeg_set_quality(&info, quality, TRUE);
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    row.resize(static_cast<std::size_t>(layout.width) * 3);
    JSAMPROW rows[1] = {row.data()};
    const BYTE* bits = dib + layout.bitsOffset;
    while (info.next_scanline < info.image_height) {
        const LONG line = static_cast<LONG>(info.next_scanline);
        const LONG stored = layout.topDown ? line : layout.height - 1 - line;
        RgbRow(layout, dib, bits + static_cast<std::size_t>(stored) * layout.rowBytes, row.data());
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
}

// Runs the decoder; false when it left by its error exit. Nothing with a
// destructor is made here, as the jump would skip it.
bool RunDecode(jpeg_decompress_struct& info, JpegError& error, FILE* file,
               std::vector<JSAMPLE>& row) {
    if (setjmp(error.jump) != 0)
        return false;
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    Decode(info, error, row);
    return true;
}

bool RunEncode(jpeg_compress_struct& info, JpegError& error, const CDibLayout& layout,
               const BYTE* dib, int quality, std::vector<JSAMPLE>& row) {
    if (setjmp(error.jump) != 0)
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &error.encoded, &error.encodedSize);
    Encode(info, layout, dib, quality, row);
    return true;
}

} // namespace

DWORD Rgb555ToBgr(WORD pixel) {
    const auto widen = [](DWORD c) -> DWORD {
        if (c == 0)
            return 0;
        if (c == 1)
            return 16;
        if (c == 31)
            return 255;
        return 8 * c + 8;
    };
    return widen(pixel & 0x1F) | widen((pixel >> 5) & 0x1F) << 8 |
           widen((pixel >> 10) & 0x1F) << 16;
}

HGLOBAL ReadJpegFile(const char* path) {
    FILE* file = path ? OpenFile(path, "rb") : nullptr;
    if (!file)
        return nullptr;
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = ExitByJump;
    error.manager.output_message = Silent;
    error.block = nullptr;
    std::vector<JSAMPLE> row;
    HGLOBAL block = nullptr;
    if (RunDecode(info, error, file, row))
        block = error.block;
    else
        // A picture cut short is no picture.
        GlobalFree(error.block);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return block;
}

bool WriteJpegFile(const BITMAPINFOHEADER* header, int quality, const char* path,
                   CString* errorText) {
    if (!errorText)
        return false;
    if (quality < 0 || quality > 100 || !header || !path || !*path) {
        *errorText = "Invalid input data";
        return false;
    }
    errorText->Empty();
    const auto* dib = reinterpret_cast<const BYTE*>(header);
    const std::optional<CDibLayout> layout =
        CDibLayout::ReadApart(dib, CDibLayout::InfoBytes(*header),
                              CDibLayout::RowBytes(header->biBitCount, header->biWidth) *
                                  static_cast<std::size_t>(std::abs(header->biHeight)));
    if (!layout) {
        *errorText = "Invalid bitmap bit count";
        return false;
    }
    // Encoded in memory, then written beside the file and renamed over
    // it: a failed write leaves the previous file as it was.
    jpeg_compress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = ExitByJump;
    error.manager.output_message = Silent;
    std::vector<JSAMPLE> row;
    const bool encoded = RunEncode(info, error, *layout, dib, quality, row);
    jpeg_destroy_compress(&info);
    const std::vector<BYTE> bytes(error.encoded, error.encoded + (encoded ? error.encodedSize : 0));
    std::free(error.encoded);
    CReplacingFile file(path);
    if (!file.IsOpen()) {
        *errorText = CString("Cannot open ") + path;
        return false;
    }
    if (!encoded || !file.Write(bytes.data(), bytes.size()) || !file.Commit()) {
        *errorText = CString("Cannot write ") + path;
        return false;
    }
    return true;
}

bool SaveImageAsJpeg(HGLOBAL block, int quality, const char* path) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(block));
    if (!header)
        return false;
    CString errorText;
    const bool written =
        CDibLayout::Read(reinterpret_cast<const BYTE*>(header), GlobalSize(block)) &&
        WriteJpegFile(header, quality, path, &errorText);
    GlobalUnlock(block);
    return written;
}
