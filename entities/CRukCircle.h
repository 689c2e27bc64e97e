#pragma once
// A circle (kind 0x20), filled or not, held as the four corners of its
// bounding square; drawn as a polygon of points 5 degrees apart up to a
// radius of 180 units and 1 degree apart above. The arc derives from it.

#include "entities/CRukConic.h"

#include <vector>

class CRukCircle : public CRukConic {
    DECLARE_SERIAL(CRukCircle)

public:
    CRukCircle();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    // Mouse construction: the centre, then a point on the circle.
    void SetFirstPoint(int x, int y) override;
    int AppendPoint(int x, int y) override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    // Red boxes at the midpoints of the square's sides.
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                   const CDrawDefaults* settings) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void SetGripCursor(int grip) override;

    // Whether the four corners are there; without them the circle has
    // radius 0, draws nothing and is never hit.
    bool HasCorners() const { return m_points.GetSize() >= 4; }
    // Half the side A-D (integer division); 0 without the corners.
    int GetRadius() const;
    // The middle of the diagonal A-C (integer division).
    POINT GetCircleCenter() const;
    // The point of the circle at that angle in degrees.
    POINT CirclePoint(double degrees) const;
    // The point of a circle at a whole-degree angle, as CirclePoint gives it.
    static POINT RingPoint(POINT center, int radius, int degrees);
    // 5 degrees up to a radius of 180 units, else 1.
    static int StepFor(int radius);

    // The construction centre, kept only while the circle is drawn by mouse.
    int m_centerX = 0;
    int m_centerY = 0;

protected:
    // The closed ring (none for radius 0); an arc's open chain.
    std::vector<POINT> Outline() const override;
    bool IsClosed() const override { return true; }
    // The square of the ring: its points lie within the radius of the centre.
    std::optional<RECT> OutlineBox() const override;
    // The ring a quarter at a time: each quarter runs one way in x and y.
    bool PixelOutline(const CDC& dc, int originX, int originY, double scale,
                      std::vector<POINT>& chain) const override;
    // The four grip points in drawing units.
    std::vector<POINT> GripPoints() const;

    // The centre and radius as GetCircleCenter and GetRadius give them,
    // kept whenever the extents follow the corners: drawing needs them for
    // every ring and arc.
    struct Ring {
        POINT center{0, 0};
        int radius = 0;
    };
    void KeepRing() { m_ring = Ring{GetCircleCenter(), GetRadius()}; }
    Ring m_ring;
};
