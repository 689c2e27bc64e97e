#include "app/CImageExporter.h"

#include "image/CRasterImage.h"
#include "image/JpegCodec.h"
#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CEnhMetaFilePlayer.h"
#include "platform/gdi/CImageDC.h"
#include "platform/mfc/CException.h"
#include "platform/mfc/CMemFile.h"
#include "platform/tiff/TiffDib.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CReplacingFile.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// "イメージの出力エラー" in CP932.
constexpr const char* kExportError =
    "\x83\x43\x83\x81\x81\x5B\x83\x57\x82\xCC\x8F\x6F\x97\xCD\x83\x47\x83\x89\x81\x5B";

bool Fail() {
    AfxMessageBox(kExportError, MB_ICONEXCLAMATION);
    return false;
}

// The rows of the picture into the 24-bit image of the same size, bottom
// row first as bitmaps keep them.
void CopyPixels(const QImage& picture, CRasterImage& image) {
    const int width = picture.width();
    const int height = picture.height();
    const std::size_t stride = ((static_cast<std::size_t>(width) * 3 + 3) / 4) * 4;
    BYTE* bits = image.GetBits();
    for (int y = 0; y < height; ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        BYTE* row = bits + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<BYTE>(qBlue(source[x]));
            row[3 * x + 1] = static_cast<BYTE>(qGreen(source[x]));
            row[3 * x + 2] = static_cast<BYTE>(qRed(source[x]));
        }
    }
}

bool WriteBmp(CRasterImage& image, const CString& path) {
    CMemFile memory;
    try {
        image.WriteBmpFile(memory);
    } catch (const CException&) {
        return false;
    }
    const auto size = static_cast<std::size_t>(memory.GetLength());
    BYTE* data = memory.Detach();
    CReplacingFile file(path.c_str());
    const bool written = file.IsOpen() && file.Write(data, size) && file.Commit();
    std::free(data);
    return written;
}

} // namespace

CImageExporter::Format CImageExporter::FormatOfFilter(int index) {
    switch (index) {
    case static_cast<int>(Format::Tiff):
        return Format::Tiff;
    case static_cast<int>(Format::Jpeg):
        return Format::Jpeg;
    default:
        return Format::Bmp;
    }
}

SIZE CImageExporter::FitPicture(SIZE source, SIZE output) {
    const std::int64_t sw = std::abs(std::int64_t{source.cx});
    const std::int64_t sh = std::abs(std::int64_t{source.cy});
    const std::int64_t w = std::max<std::int64_t>(output.cx, 1);
    const std::int64_t h = std::max<std::int64_t>(output.cy, 1);
    if (sw == 0 || sh == 0)
        return SIZE{static_cast<LONG>(w), static_cast<LONG>(h)};
    // A very long or very tall source still leaves one pixel across.
    if (sw * h >= w * sh)
        return SIZE{static_cast<LONG>(w),
                    static_cast<LONG>(std::max<std::int64_t>(w * sh / sw, 1))};
    return SIZE{static_cast<LONG>(std::max<std::int64_t>(h * sw / sh, 1)), static_cast<LONG>(h)};
}

bool CImageExporter::Write(CRasterImage& image, Format format, const CString& path) {
    switch (format) {
    case Format::Tiff:
        return TiffWriteDib(path.c_str(), image.GetHandle());
    case Format::Jpeg:
        return SaveImageAsJpeg(image.GetHandle(), kJpegQuality, path.c_str());
    case Format::Bmp:
        break;
    }
    return WriteBmp(image, path);
}

bool CImageExporter::Export(HENHMETAFILE metafile, SIZE source, SIZE output, Format format,
                            const CString& path) {
    const std::unique_ptr<CEnhMetaFile, decltype(&DeleteEnhMetaFile)> owned(metafile,
                                                                            &DeleteEnhMetaFile);
    if (!metafile)
        return Fail();
    const SIZE picture = FitPicture(source, output);
    const int width = std::max<int>(output.cx, 1);
    const int height = std::max<int>(output.cy, 1);
    CRasterImage image;
    if (!image.Create(width, height, 24))
        return Fail();
    QImage canvas(width, height, QImage::Format_RGB32);
    if (canvas.isNull())
        return Fail();
    canvas.fill(Qt::white);
    {
        CImageDC dc(canvas);
        CEnhMetaFilePlayer player(*metafile);
        const LONG left = (width - picture.cx) / 2;
        const LONG top = (height - picture.cy) / 2;
        player.Play(dc, RECT{left, top, left + picture.cx, top + picture.cy});
    }
    CopyPixels(canvas, image);
    if (!Write(image, format, path))
        return Fail();
    return true;
}
