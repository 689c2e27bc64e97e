#pragma once
// What GetDeviceCaps tells about a device: its size in pixels, resolution,
// kind, and for printers the whole sheet and its unprintable margins.

#include "platform/gdi/GdiDefs.h"

class QPaintDevice;

class CDeviceCaps {
public:
    CDeviceCaps(int width, int height, int dpiX = 96, int dpiY = 96,
                int technology = DT_RASDISPLAY);

    // Size and resolution of a Qt device; a paged device (printer, PDF
    // writer) also gives its sheet and the offset of the printable area.
    static CDeviceCaps FromPaintDevice(const QPaintDevice& device, int technology);

    // The whole sheet and where the printable area starts on it; without a
    // call the sheet is the printable area.
    void SetPhysicalPage(int width, int height, int offsetX, int offsetY);

    // The value for a GetDeviceCaps index; 0 for indexes this device lacks.
    int Get(int index) const;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int DpiX() const { return m_dpiX; }
    int DpiY() const { return m_dpiY; }
    int Technology() const { return m_technology; }

private:
    int m_width;
    int m_height;
    int m_dpiX;
    int m_dpiY;
    int m_technology;
    int m_physicalWidth;
    int m_physicalHeight;
    int m_offsetX = 0;
    int m_offsetY = 0;
};
