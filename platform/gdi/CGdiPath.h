#pragma once
// A GDI path in device units: points with their PT_ types, built by the
// drawing calls between BeginPath and EndPath, and turned into Qt paths for
// painting and into regions for clipping.

#include "platform/gdi/GdiDefs.h"

#include <QPainterPath>
#include <QRegion>

#include <vector>

class CGdiPath {
public:
    // The current position: the next LineTo starts a new figure here.
    void MoveTo(POINT point);
    // Continues the open figure, or starts one at the current position; the
    // point becomes the current position.
    void LineTo(POINT point);
    // Continues the open figure, or starts one at the current position, with
    // cubic Bezier segments of three points each; the last point becomes the
    // current position.
    void BezierTo(const POINT* points, int count);
    // Closes the last figure back to its start; the next line starts a new
    // figure at the current position.
    void CloseFigure();
    // Each adds a figure of its own, leaving the current position alone: an
    // open chain, a closed polygon, or a start point followed by three points
    // per cubic Bezier segment.
    void AddPolyline(const POINT* points, int count);
    void AddPolygon(const POINT* points, int count);
    void AddBeziers(const POINT* points, int count);
    // Every subpath of the outline (text, ellipse) becomes a closed figure.
    void AddClosedOutline(const QPainterPath& outline);
    // Adds the figures of another path.
    void Append(const CGdiPath& other);

    // Replaces every Bezier segment by the line segments that approximate it.
    void Flatten();

    bool IsEmpty() const { return m_points.empty(); }
    const std::vector<POINT>& Points() const { return m_points; }
    const std::vector<BYTE>& Types() const { return m_types; }

    // Repeated points are left out, so a figure that does not move draws nothing.
    QPainterPath ToPainterPath(Qt::FillRule rule) const;
    // The pixels whose centres the figures enclose under the fill rule.
    QRegion ToRegion(Qt::FillRule rule) const;

private:
    void Append(POINT point, BYTE type);
    void Reserve(int more);

    std::vector<POINT> m_points;
    std::vector<BYTE> m_types;
    POINT m_current{0, 0};
    bool m_figureOpen = false;
};
