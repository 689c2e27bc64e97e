#include "platform/gdi/CImageDC.h"

#include <QImage>

IMPLEMENT_DYNAMIC(CImageDC, CPainterDC)

CImageDC::CImageDC(QImage& image)
    : CPainterDC(image, CDeviceCaps::FromPaintDevice(image, DT_RASDISPLAY)), m_image(image) {}

COLORREF CImageDC::OnGetPixel(const QPoint& point) const {
    if (!IsOnDevice(point) || !IsInsideClip(point))
        return CLR_INVALID;
    const QRgb pixel = m_image.pixel(point);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
