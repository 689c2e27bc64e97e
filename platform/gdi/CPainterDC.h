#pragma once
// A device context that paints on a Qt paint device with one QPainter for
// its whole life, untransformed, so that every coordinate is a device pixel
// and hatch cells line up with the device origin. Antialiasing is off.
// Raster operations apply where the paint engine has them (images); other
// devices (printers) draw masks half transparent, so that what lies below
// shows through, leave out inverting operations and draw plain copies for
// the rest.

#include "platform/gdi/CDC.h"
#include "platform/gdi/CLineRasterizer.h"

#include <optional>

class CPainterDC : public CDC {
    DECLARE_DYNAMIC(CPainterDC)

public:
    ~CPainterDC() override;

    // Whether anything painted so far depends on where the device's origin
    // lies (hatch and pattern brushes aligned to it, images), so that a
    // picture moved by some pixels is not the one painted there.
    bool PaintedDevicePatterns() const { return m_devicePatterns; }
    // False when the device refused to be painted on (a print file that
    // cannot be written, a printer that is gone).
    bool IsPainting() const { return m_painter.isActive(); }

protected:
    CPainterDC(QPaintDevice& device, const CDeviceCaps& caps);

    void OnPaintPath(const QPainterPath& path, bool fill, bool stroke) override;
    void OnPaintFigures(const CGdiPath& figures, bool fill, bool stroke) override;
    void OnPaintPolyline(const POINT* points, int count) override;
    bool IgnoresEmptySegments(bool closed) override;
    bool DropsEmptyThinSegments() const override;
    void OnFillRect(const QRect& rect, const LOGBRUSH& brush,
                    QPainter::CompositionMode mode) override;
    BOOL OnBlt(const QRectF& target, const QImage& source, QPainter::CompositionMode mode,
               bool smooth) override;
    BOOL OnBltTurned(const QTransform& placement, const QImage& source,
                     QPainter::CompositionMode mode, bool smooth) override;
    COLORREF OnSetPixel(const QPoint& point, COLORREF color) override;
    void OnText(const CTextLayout& layout) override;
    const QPaintDevice* MetricsDevice() const override { return &m_device; }

    bool IsOnDevice(const QPoint& point) const;

private:
    // Brings clip, composition mode and background onto the painter; false
    // when the operation draws nothing on this device.
    bool Prepare(QPainter::CompositionMode mode);
    // The operation as this device can carry it out; none for nothing.
    std::optional<QPainter::CompositionMode> ModeOnDevice(QPainter::CompositionMode mode) const;
    void NotePattern(const QBrush& brush);
    // The selected pen in Qt's terms, made again only when the pen or the
    // scale changed.
    const QPen& StrokePen();
    // One-pixel lines, set pixel by pixel: the figures' points go to the
    // rasterizer, which writes them into the image or lists them to paint.
    template <typename Figures>
    void StrokeThin(QPainter::CompositionMode mode, const QPen& pen, Figures figures);
    // The rows of the image to write a plain copy of the pen into, with the
    // bounds cut to a rectangular clip; none where the painter must draw.
    std::optional<CLineRasterizer::ScanLines> ScanLineTarget(const QPen& pen, QRect* bounds);

    QPaintDevice& m_device;
    QPainter m_painter;
    // The image painted on, when the device is one.
    QImage* m_image = nullptr;
    ExtLogPen m_penKey;
    double m_penScale = 0;
    QPen m_pen;
    bool m_penValid = false;
    bool m_devicePatterns = false;
    bool m_rasterOps = false;
    bool m_vectorLines = false;
    unsigned m_appliedClip = 0;
    bool m_clipApplied = false;
};
