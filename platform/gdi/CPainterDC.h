#pragma once
// A device context that paints on a Qt paint device with one QPainter for
// its whole life, untransformed, so that every coordinate is a device pixel
// and hatch cells line up with the device origin. Antialiasing is off.
// Raster operations apply where the paint engine has them (images); other
// devices draw plain copies instead.

#include "platform/gdi/CDC.h"

class CPainterDC : public CDC {
    DECLARE_DYNAMIC(CPainterDC)

public:
    ~CPainterDC() override;

protected:
    CPainterDC(QPaintDevice& device, const CDeviceCaps& caps);

    void OnPaintPath(const QPainterPath& path, bool fill, bool stroke) override;
    void OnFillRect(const QRect& rect, const LOGBRUSH& brush,
                    QPainter::CompositionMode mode) override;
    BOOL OnBlt(const QRectF& target, const QImage& source, QPainter::CompositionMode mode,
               bool smooth) override;
    COLORREF OnSetPixel(const QPoint& point, COLORREF color) override;
    void OnText(const CTextLayout& layout) override;
    const QPaintDevice* MetricsDevice() const override { return &m_device; }

    bool IsOnDevice(const QPoint& point) const;

private:
    // Brings clip, composition mode and background onto the painter.
    bool Prepare(QPainter::CompositionMode mode);
    // One-pixel lines, set pixel by pixel.
    void StrokeThin(const QPainterPath& path, const QPen& pen);

    QPaintDevice& m_device;
    QPainter m_painter;
    bool m_rasterOps = false;
    unsigned m_appliedClip = 0;
    bool m_clipApplied = false;
};
