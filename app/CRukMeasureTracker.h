#pragma once
// The measure tool's object: the clicked vertices in drawing units, the XOR
// rubber band of the measured polyline (length) or polygon (area), and the
// values the measure dialog shows, in units of the document.

#include "entities/CRukEntity.h"

class CRukMeasureTracker : public CRukEntity {
public:
    enum Kind { kLength = 0 };

    CRukMeasureTracker() = default;

    // The press point is the first vertex and the current point.
    void OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                      const CDrawDefaults* settings, UINT flags) override;
    // Mode 0 appends a vertex (0); mode 1 finishes (1) once there are two
    // vertices (length) or three (area), else the point becomes current.
    int AddPoint(int x, int y, int mode) override;
    void Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
               const CDrawDefaults* settings, UINT flags) override;
    void TrackAt(CEntityDocument* document, CDC* dc, int x, int y,
                 const CDrawDefaults* settings) override;
    // Takes back the last vertex; the vertices left, 0 when there was only one.
    int EraseTracking(CEntityDocument* document, CDC* dc, int x, int y,
                      const CDrawDefaults* settings) override;
    // The last vertex in window pixels, the reference of the snapping.
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    void GetSegment(CEntityDocument* document, DPOINT* first, DPOINT* second, double* length,
                    double* angle) const override;

    // The values to show with the cursor at (x, y): the segment's two
    // points, the length or area, and the direction in degrees.
    void Measure(CEntityDocument* document, int x, int y, DPOINT* first, DPOINT* second,
                 double* value, double* angle, int finished, int* isArea) const;
    // The polyline's length in units.
    double GetLength(CEntityDocument* document) const;
    // The area of the polygon closed over the vertices (and the extra point).
    double GetArea(CEntityDocument* document, const POINT* extra = nullptr) const;

    bool IsArea() const { return m_measureKind != kLength; }

    int m_measureKind = kLength;
    // 1 once the closing edge to the cursor is on the screen.
    int m_closingEdge = 0;

private:
    // A drawing point in units.
    static DPOINT InUnits(CEntityDocument* document, POINT point);
    static void DrawSegment(CEntityDocument* document, CDC* dc, POINT from, POINT to);
    POINT Vertex(INT_PTR index) const { return m_points[index]; }
    INT_PTR VertexCount() const { return m_points.GetSize(); }
};
