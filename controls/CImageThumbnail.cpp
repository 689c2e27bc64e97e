#include "controls/CImageThumbnail.h"

#include "entities/CMetaFile.h"
#include "image/CRasterImage.h"
#include "platform/gdi/CDibImage.h"
#include "platform/gdi/CImageDC.h"
#include "platform/mfc/CException.h"
#include "platform/mfc/CFile.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/PathFunctions.h"

#include <QPainter>

#include <algorithm>

namespace {

// The largest rectangle of the picture's shape centred in the thumbnail.
QRect Fitted(int width, int height) {
    const int side = CImageThumbnail::kSide;
    if (width <= 0 || height <= 0)
        return QRect(0, 0, side, side);
    const double scale =
        std::min(static_cast<double>(side) / width, static_cast<double>(side) / height);
    const int w = std::max(1, static_cast<int>(width * scale));
    const int h = std::max(1, static_cast<int>(height * scale));
    return QRect((side - w) / 2, (side - h) / 2, w, h);
}

QImage RasterPicture(const CString& path) {
    CRasterImage image;
    try {
        CFile file(path.c_str(), CFile::modeRead);
        if (!image.LoadFile(file, 1))
            return QImage();
    } catch (const CException&) {
        return QImage();
    }
    const auto* packed = static_cast<const BYTE*>(GlobalLock(image.GetHandle()));
    QImage picture = CDibImage::ToImage(packed, GlobalSize(image.GetHandle()));
    GlobalUnlock(image.GetHandle());
    return picture;
}

bool IsMetafileName(const CString& path) {
    return HasExtension(path, ".wmf") || HasExtension(path, ".emf");
}

} // namespace

QImage CImageThumbnail::Make(const CString& path, QColor background) {
    QImage thumbnail(kSide, kSide, QImage::Format_RGB32);
    thumbnail.fill(background);
    if (IsMetafileName(path)) {
        CMetaFile metafile;
        if (!metafile.LoadFile(path.c_str()))
            return thumbnail;
        const SIZE size = metafile.GetSizePixels();
        const QRect target = Fitted(size.cx, size.cy);
        CImageDC dc(thumbnail);
        metafile.Draw(&dc, target.left(), target.top(), target.width(), target.height());
        return thumbnail;
    }
    const QImage picture = RasterPicture(path);
    if (picture.isNull())
        return thumbnail;
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(Fitted(picture.width(), picture.height()), picture);
    return thumbnail;
}
