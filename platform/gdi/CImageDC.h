#pragma once
// A screen or memory device context: paints on an image the caller owns
// and keeps alive longer than the context. Raster operations (XOR, mask)
// need an image of format RGB32 or ARGB32_Premultiplied. One context at a
// time may paint on an image (Qt allows one painter per device). While the
// context lives it paints straight into the image's pixels, so copies taken
// meanwhile must be deep ones (QImage::copy).

#include "platform/gdi/CPainterDC.h"

class CImageDC : public CPainterDC {
    DECLARE_DYNAMIC(CImageDC)

public:
    explicit CImageDC(QImage& image);

    QImage& Image() { return m_image; }

protected:
    COLORREF OnGetPixel(const QPoint& point) const override;
    const QImage* SourceImage() const override { return &m_image; }

private:
    QImage& m_image;
};
