#include "platform/gdi/CEnhMetaFileImage.h"

#include "platform/gdi/CEnhMetaFilePlayer.h"
#include "platform/gdi/CImageDC.h"

QImage CEnhMetaFileImage::Render(const CEnhMetaFile& metafile) {
    CEnhMetaFilePlayer player(metafile);
    const RECT frame = player.FramePixels();
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    if (!player.Header() || width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CImageDC dc(image);
        player.Play(dc, RECT{0, 0, width, height});
    }
    return image;
}
