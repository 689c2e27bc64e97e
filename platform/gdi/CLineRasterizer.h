#pragma once
// The pixels of one-pixel lines as GDI sets them: each segment from its
// start point up to, not including, its end point, whichever way it runs,
// so joints are set once and a figure drawn twice in XOR leaves no trace.
// A dash pattern counts one unit per pixel along the line's major axis and
// runs on across the segments of a figure. Only pixels inside the bounds
// are listed, so a line far beyond the device costs nothing.
//
// With a scan-line target the pixels are written straight into the image's
// rows in their colours instead of being listed: the plain copy of an opaque
// pen, with no allocation per line.

#include "platform/gdi/CPenConverter.h"

#include <QPolygon>
#include <QRect>
#include <QRgb>

#include <optional>

class CLineRasterizer {
public:
    // Rows of 32-bit pixels; gap pixels are left alone without a gap colour.
    struct ScanLines {
        uchar* bits = nullptr;
        qsizetype bytesPerLine = 0;
        QRgb dash = 0;
        std::optional<QRgb> gap;
    };

    // No dashes: a solid line. The target, when given, must cover the bounds.
    CLineRasterizer(const QRect& bounds, std::optional<CPenConverter::Dashes> dashes,
                    std::optional<ScanLines> target = std::nullopt);

    // Starts a figure: the dash pattern begins again.
    void StartFigure();
    void AddSegment(const QPoint& from, const QPoint& to);

    // Pixels of the dashes, and of the gaps (painted in OPAQUE mode); empty
    // with a scan-line target.
    const QPolygon& DashPixels() const { return m_dashPixels; }
    const QPolygon& GapPixels() const { return m_gapPixels; }

private:
    bool IsOnDash(long long step) const;
    void Put(const QPoint& pixel, bool onDash);

    QRect m_bounds;
    std::optional<CPenConverter::Dashes> m_dashes;
    std::optional<ScanLines> m_target;
    qreal m_period = 0;
    long long m_position = 0; // pixels of the figure so far
    QPolygon m_dashPixels;
    QPolygon m_gapPixels;
};
