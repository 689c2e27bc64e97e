#pragma once
// The pixels of one-pixel lines as GDI sets them: each segment from its
// start point up to, not including, its end point, whichever way it runs,
// so joints are set once and a figure drawn twice in XOR leaves no trace.
// A dash pattern counts one unit per pixel along the line's major axis and
// runs on across the segments of a figure. Only pixels inside the bounds
// are listed, so a line far beyond the device costs nothing.

#include "platform/gdi/CPenConverter.h"

#include <QPolygon>
#include <QRect>

#include <optional>

class CLineRasterizer {
public:
    // No dashes: a solid line.
    CLineRasterizer(const QRect& bounds, std::optional<CPenConverter::Dashes> dashes);

    // Starts a figure: the dash pattern begins again.
    void StartFigure();
    void AddSegment(const QPoint& from, const QPoint& to);

    // Pixels of the dashes, and of the gaps (painted in OPAQUE mode).
    const QPolygon& DashPixels() const { return m_dashPixels; }
    const QPolygon& GapPixels() const { return m_gapPixels; }

private:
    bool IsOnDash(long long step) const;

    QRect m_bounds;
    std::optional<CPenConverter::Dashes> m_dashes;
    qreal m_period = 0;
    long long m_position = 0; // pixels of the figure so far
    QPolygon m_dashPixels;
    QPolygon m_gapPixels;
};
