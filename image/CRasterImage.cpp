#include "image/CRasterImage.h"

#include "image/CBmpFile.h"
#include "image/CDibRotator.h"
#include "image/JpegCodec.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CFile.h"
#include "platform/tiff/TiffDib.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/PathFunctions.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CRasterImage, CObject, 1)

namespace {

constexpr DWORD kStandardColors[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                       0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                       0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// Fills in the image size and colour count and cuts an image size the
// block cannot hold.
void Normalise(BITMAPINFOHEADER& header, SIZE_T blockSize) {
    if (header.biSizeImage == 0 && header.biHeight > 0)
        header.biSizeImage = static_cast<DWORD>(
            std::min<std::size_t>(CDibLayout::RowBytes(header.biBitCount, header.biWidth) *
                                      static_cast<std::size_t>(header.biHeight),
                                  0xFFFFFFFF));
    if (header.biClrUsed == 0 && header.biBitCount <= 8)
        header.biClrUsed = static_cast<DWORD>(CDibLayout::ColorCount(header));
    if (header.biSizeImage > blockSize)
        header.biSizeImage = static_cast<DWORD>(blockSize);
}

LONG Rounded(double value) {
    return static_cast<LONG>(std::clamp(value + 0.5, -2147483648.0, 2147483647.0));
}

} // namespace

BITMAPINFOHEADER* CreateBlankDib(int bitCount, int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitCount);
    header.biCompression = BI_RGB;
    if (width <= 0 || height <= 0 || width > CDibLayout::kMaxSide ||
        height > CDibLayout::kMaxSide ||
        static_cast<long long>(width) * height > CDibLayout::kMaxPixels)
        return nullptr;
    const std::size_t rowBytes = CDibLayout::RowBytes(bitCount, width);
    if (rowBytes == 0 || (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 &&
                          bitCount != 24 && bitCount != 32))
        return nullptr;
    header.biSizeImage = static_cast<DWORD>(rowBytes * static_cast<std::size_t>(height));
    header.biClrUsed = static_cast<DWORD>(CDibLayout::ColorCount(header));
    const std::size_t tableBytes = header.biClrUsed * sizeof(RGBQUAD);
    HGLOBAL block =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + tableBytes + header.biSizeImage);
    auto* data = static_cast<BYTE*>(GlobalLock(block));
    if (!data) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(data, &header, sizeof header);
    for (DWORD i = 0; i < header.biClrUsed; ++i) {
        const DWORD color =
            bitCount == 1 ? (i == 0 ? 0x000000 : 0xFFFFFF) : kStandardColors[i % 16];
        std::memcpy(data + sizeof header + i * sizeof(DWORD), &color, sizeof color);
    }
    return reinterpret_cast<BITMAPINFOHEADER*>(data);
}

CRasterImage::~CRasterImage() {
    Free();
}

BOOL CRasterImage::Attach(HGLOBAL block) {
    Free();
    if (!block)
        return FALSE;
    const SIZE_T size = GlobalSize(block);
    auto* data = static_cast<BYTE*>(GlobalLock(block));
    if (!data || size < sizeof(BITMAPINFOHEADER)) {
        GlobalFree(block);
        return FALSE;
    }
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(data);
    Normalise(*header, size);
    if (!CDibLayout::Read(data, size)) {
        GlobalFree(block);
        return FALSE;
    }
    m_block = block;
    m_header = header;
    return TRUE;
}

HGLOBAL CRasterImage::Detach() {
    HGLOBAL block = m_block;
    if (block)
        GlobalUnlock(block);
    m_block = nullptr;
    m_header = nullptr;
    return block;
}

void CRasterImage::Free() {
    if (!m_block)
        return;
    GlobalUnlock(m_block);
    GlobalFree(m_block);
    m_block = nullptr;
    m_header = nullptr;
}

int CRasterImage::Create(int width, int height, int bitCount) {
    Free();
    BITMAPINFOHEADER* header = CreateBlankDib(bitCount, width, height);
    if (!header)
        return 0;
    HGLOBAL block = GlobalHandle(header);
    GlobalUnlock(block);
    if (!Attach(block))
        return 0;
    std::memset(GetBits(), 0xFF, m_header->biSizeImage);
    return 1;
}

const RGBQUAD* CRasterImage::GetColors() const {
    if (!m_header)
        return nullptr;
    return reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(m_header) +
                                            m_header->biSize);
}

const BYTE* CRasterImage::GetBits() const {
    if (!m_header)
        return nullptr;
    return reinterpret_cast<const BYTE*>(m_header) + CDibLayout::InfoBytes(*m_header);
}

BYTE* CRasterImage::GetBits() {
    return const_cast<BYTE*>(static_cast<const CRasterImage*>(this)->GetBits());
}

int CRasterImage::LoadFile(CFile& file, int tiffOption) {
    Free();
    BITMAPFILEHEADER fileHeader{};
    const UINT got = file.Read(&fileHeader, sizeof fileHeader);
    if (got == sizeof fileHeader && fileHeader.bfType == BITMAP_FILE_TYPE) {
        const ULONGLONG length = file.GetLength();
        if (length > CBmpFile::kMaxFileSize)
            return 0;
        std::vector<BYTE> bytes(static_cast<std::size_t>(length));
        std::memcpy(bytes.data(), &fileHeader, sizeof fileHeader);
        const UINT rest = static_cast<UINT>(bytes.size() - sizeof fileHeader);
        if (file.Read(bytes.data() + sizeof fileHeader, rest) != rest)
            return 0;
        return Attach(CBmpFile::Read(bytes.data(), bytes.size())) ? 1 : 0;
    }
    const CString path = file.GetFilePath();
    if (HasExtension(path, ".jpg")) {
        file.Close();
        return Attach(ReadJpegFile(path)) ? 1 : 0;
    }
    if (HasExtension(path, ".tif") || HasExtension(path, ".tiff")) {
        file.Close();
        return Attach(TiffReadDib(path, tiffOption)) ? 1 : 0;
    }
    return 0;
}

int CRasterImage::WriteBmpFile(CFile& file) {
    if (!m_header)
        return 0;
    const std::vector<BYTE> bytes = CBmpFile::Write(*m_header);
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    return 1;
}

void CRasterImage::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        BITMAPFILEHEADER fileHeader{};
        fileHeader.bfType = BITMAP_FILE_TYPE;
        const SIZE_T size = GlobalSize(m_block);
        fileHeader.bfSize = static_cast<DWORD>(size + sizeof fileHeader);
        if (m_header)
            fileHeader.bfOffBits =
                static_cast<DWORD>(CDibLayout::InfoBytes(*m_header) + sizeof fileHeader);
        ar.Write(&fileHeader, sizeof fileHeader);
        if (m_header)
            ar.Write(m_header, static_cast<UINT>(size));
        return;
    }
    Free();
    BITMAPFILEHEADER fileHeader{};
    if (ar.Read(&fileHeader, sizeof fileHeader) != sizeof fileHeader)
        AfxThrowArchiveException(CArchiveException::endOfFile);
    if (fileHeader.bfType != BITMAP_FILE_TYPE || fileHeader.bfSize == sizeof fileHeader)
        return;
    // A size the archive cannot hold is not allocated: the body is bad.
    if (fileHeader.bfSize < sizeof fileHeader + sizeof(BITMAPINFOHEADER) ||
        fileHeader.bfSize > CBmpFile::kMaxFileSize)
        AfxThrowArchiveException(CArchiveException::badIndex);
    const UINT bodySize = fileHeader.bfSize - static_cast<UINT>(sizeof fileHeader);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bodySize);
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        AfxThrowArchiveException(CArchiveException::genericException);
    }
    const UINT got = ar.Read(data, bodySize);
    GlobalUnlock(block);
    if (got != bodySize) {
        GlobalFree(block);
        AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    if (!Attach(block))
        AfxThrowArchiveException(CArchiveException::badIndex);
}

CRasterImage* CRasterImage::Rotate(double angle) const {
    if (!m_header)
        return nullptr;
    HGLOBAL block = CDibRotator::Rotate(*m_header, GetBits(), angle);
    if (!block)
        return nullptr;
    auto* rotated = new CRasterImage;
    if (!rotated->Attach(block)) {
        delete rotated;
        return nullptr;
    }
    return rotated;
}

int CRasterImage::Draw(CDC* dc, int x, int y, int width, int height, DWORD rop, BOOL halftone,
                       double sourceScaleX, double sourceScaleY, POINT sourceOrigin) const {
    if (!m_header || !dc)
        return 0;
    const int oldMode = dc->SetStretchBltMode(halftone ? HALFTONE : COLORONCOLOR);
    // The source rectangle follows the destination's box, whichever way
    // its sides run; it is named from its bottom edge (the rows run upwards).
    const double fx = sourceScaleX;
    const double fy = sourceScaleY;
    const double left = std::min<double>(x, static_cast<double>(x) + width);
    const double top = std::min<double>(y, static_cast<double>(y) + height);
    const double boxHeight = std::abs(static_cast<double>(height));
    const LONG sourceX = Rounded(fx * (left - sourceOrigin.x));
    const LONG sourceWidth = Rounded(fx * std::abs(static_cast<double>(width)));
    const LONG sourceY = Rounded(fy * (top + boxHeight - sourceOrigin.y));
    const LONG sourceHeight = -Rounded(fy * boxHeight);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(m_header);
    if (m_header->biBitCount == 16 && !dc->IsPrinting() && !dc->IsMetafile()) {
        // The screen takes 16-bit pictures as 24 bits.
        CRasterImage wide;
        if (wide.Create(GetWidth(), GetHeight(), 24)) {
            const std::size_t inRow = CDibLayout::RowBytes(16, GetWidth());
            const std::size_t outRow = CDibLayout::RowBytes(24, GetWidth());
            for (int row = 0; row < GetHeight(); ++row) {
                const BYTE* in = GetBits() + row * inRow;
                BYTE* out = wide.GetBits() + row * outRow;
                for (int column = 0; column < GetWidth(); ++column) {
                    const WORD pixel = static_cast<WORD>(in[2 * column] | in[2 * column + 1] << 8);
                    out[3 * column] = static_cast<BYTE>((pixel & 0x1F) << 3);
                    out[3 * column + 1] = static_cast<BYTE>(((pixel >> 5) & 0x1F) << 3);
                    out[3 * column + 2] = static_cast<BYTE>(((pixel >> 10) & 0x1F) << 3);
                }
            }
            dc->StretchDIBits(x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight,
                              wide.GetBits(), reinterpret_cast<const BITMAPINFO*>(wide.m_header),
                              DIB_RGB_COLORS, rop);
        }
    } else {
        dc->StretchDIBits(x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight,
                          GetBits(), info, DIB_RGB_COLORS, rop);
    }
    dc->SetStretchBltMode(oldMode);
    return 1;
}
