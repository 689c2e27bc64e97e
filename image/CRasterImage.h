#pragma once
// One bitmap held as a packed device-independent bitmap (header, colour
// table, rows bottom-up) in a single movable global-memory block, so that
// the same block can be drawn, written to files, copied into POR image
// records and handed across library boundaries. Every block it takes is
// normalised (image size and colour count filled in) and checked: a block
// whose header or sizes do not fit its bytes is refused, so whatever the
// object holds can be read row by row.

#include "platform/gdi/BitmapDefs.h"
#include "platform/mfc/CObject.h"

class CArchive;
class CDC;
class CFile;

class CRasterImage : public CObject {
    DECLARE_SERIAL(CRasterImage)

public:
    CRasterImage() = default;
    ~CRasterImage() override;
    CRasterImage(const CRasterImage&) = delete;
    CRasterImage& operator=(const CRasterImage&) = delete;

    // Frees what is held and takes the block; a block that is not a sound
    // bitmap is freed and refused (FALSE, the image stays empty).
    BOOL Attach(HGLOBAL block);
    // The block, which the caller owns from then on; the image is empty.
    HGLOBAL Detach();
    void Free();
    // A new white image; 1 when a block exists.
    int Create(int width, int height, int bitCount);
    // BMP by its content, JPEG (".jpg") and TIFF (".tif", ".tiff") by the
    // file's name; 1 on success, 0 with the image empty otherwise.
    int LoadFile(CFile& file, int tiffOption);
    // 1 when written; throws CFileException when the file refuses it.
    int WriteBmpFile(CFile& file);
    void Serialize(CArchive& ar) override;
    // A copy turned by the angle (radians) about its middle; null when
    // empty. The caller owns it.
    CRasterImage* Rotate(double angle) const;
    // Stretches the image onto the destination; the source rectangle
    // follows from the destination's box through the source scales (source
    // pixels per destination unit across and down) and origin, which is the
    // box's lower left corner in the drawing's y-up mapping. The picture
    // stands upright where the destination's height runs up the device: a
    // positive height there, a negative one on a metafile, whose y runs
    // down. 0 when empty.
    int Draw(CDC* dc, int x, int y, int width, int height, DWORD rop, BOOL halftone,
             double sourceScaleX, double sourceScaleY, POINT sourceOrigin) const;

    bool IsEmpty() const { return m_header == nullptr; }
    HGLOBAL GetHandle() const { return m_block; }
    const BITMAPINFOHEADER* GetHeader() const { return m_header; }
    int GetWidth() const { return m_header ? m_header->biWidth : 0; }
    int GetHeight() const { return m_header ? m_header->biHeight : 0; }
    int GetBitCount() const { return m_header ? m_header->biBitCount : 0; }
    // The colour table and the rows; null when empty.
    const RGBQUAD* GetColors() const;
    const BYTE* GetBits() const;
    BYTE* GetBits();

private:
    HGLOBAL m_block = nullptr;
    BITMAPINFOHEADER* m_header = nullptr;
};

// The locked header of a new block with zeroed rows: 40-byte header,
// BI_RGB, a colour table of 2 (black, white), 16 or 256 entries (the 16
// standard colours repeated) for 1, 4 and 8 bits; null when the size is
// out of bounds or memory is short.
BITMAPINFOHEADER* CreateBlankDib(int bitCount, int width, int height);
