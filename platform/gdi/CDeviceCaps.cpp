#include "platform/gdi/CDeviceCaps.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace {

// Whole millimetres of a pixel count at a resolution.
int Millimetres(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * 25.4 / dpi));
}

} // namespace

CDeviceCaps::CDeviceCaps(int width, int height, int dpiX, int dpiY, int technology)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_dpiX(std::max(dpiX, 1)),
      m_dpiY(std::max(dpiY, 1)), m_technology(technology), m_physicalWidth(m_width),
      m_physicalHeight(m_height) {}

CDeviceCaps CDeviceCaps::FromPaintDevice(const QPaintDevice& device, int technology) {
    CDeviceCaps caps(device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY(),
                     technology);
    if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(&device)) {
        // From millimetres: Qt's own pixel rectangles pass through whole points.
        const QPageLayout layout = paged->pageLayout();
        const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
        const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
        const auto pixels = [](qreal millimetres, int dpi) {
            return static_cast<int>(std::lround(millimetres * dpi / 25.4));
        };
        caps.SetPhysicalPage(
            pixels(sheet.width(), caps.m_dpiX), pixels(sheet.height(), caps.m_dpiY),
            pixels(printable.left(), caps.m_dpiX), pixels(printable.top(), caps.m_dpiY));
    }
    return caps;
}

void CDeviceCaps::SetPhysicalPage(int width, int height, int offsetX, int offsetY) {
    m_physicalWidth = width;
    m_physicalHeight = height;
    m_offsetX = offsetX;
    m_offsetY = offsetY;
}

int CDeviceCaps::Get(int index) const {
    const bool printer = m_technology == DT_RASPRINTER;
    switch (index) {
    case TECHNOLOGY:
        return m_technology;
    case HORZSIZE:
        return Millimetres(m_width, m_dpiX);
    case VERTSIZE:
        return Millimetres(m_height, m_dpiY);
    case HORZRES:
        return m_width;
    case VERTRES:
        return m_height;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT |
               RC_STRETCHDIB | (printer ? RC_BANDING : 0);
    case LOGPIXELSX:
        return m_dpiX;
    case LOGPIXELSY:
        return m_dpiY;
    case PHYSICALWIDTH:
        return printer ? m_physicalWidth : 0;
    case PHYSICALHEIGHT:
        return printer ? m_physicalHeight : 0;
    case PHYSICALOFFSETX:
        return printer ? m_offsetX : 0;
    case PHYSICALOFFSETY:
        return printer ? m_offsetY : 0;
    default:
        return 0;
    }
}
