#pragma once
// The drawing rendered into a raster image of a chosen pixel size and saved
// as BMP, TIFF or JPEG: the picture keeps the source rectangle's aspect
// ratio and sits centred on white.

#include "platform/gdi/CEnhMetaFile.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CRasterImage;

class CImageExporter {
public:
    // The save dialog's file types, by their 1-based filter index.
    enum class Format { Bmp = 1, Tiff = 2, Jpeg = 3 };
    static constexpr int kJpegQuality = 95;
    // The format of a 1-based filter index; BMP for any other.
    static Format FormatOfFilter(int index);

    // The picture's size within an output of that size for a source of that
    // size (either may be negative): as wide or as high as the output, never
    // below one pixel.
    static SIZE FitPicture(SIZE source, SIZE output);

    // Plays the metafile (which it deletes) centred into an image of the
    // output size, with the aspect ratio of the source size, and writes it
    // to the path. False after the message "イメージの出力エラー" when
    // nothing could be made or written; the previous file then stays as it
    // was.
    static bool Export(HENHMETAFILE metafile, SIZE source, SIZE output, Format format,
                       const CString& path);

    // The image in that format at the path; false when it was not written.
    static bool Write(CRasterImage& image, Format format, const CString& path);
};
