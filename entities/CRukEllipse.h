#pragma once
// An ellipse (kind 0x40), filled or not, held as the four corners of its
// bounding parallelogram so that rotated and sheared ellipses keep their
// shape. The elliptical arc derives from it.

#include "entities/CEllipseFrame.h"
#include "entities/CRukConic.h"

#include <optional>
#include <vector>

class CRukEllipse : public CRukConic {
    DECLARE_SERIAL(CRukEllipse)

public:
    CRukEllipse();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    // The second point, then the four corners of the box of both points.
    int AppendPoint(int x, int y) override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    // Red boxes at the four corners.
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    // The whole displaced ellipse (also for an arc).
    void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                   const CDrawDefaults* settings) override;
    // On the whole ellipse (also for an arc); inside it when filled.
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void SetGripCursor(int grip) override;

    // The frame of the first four corners; nothing with fewer, and such an
    // ellipse draws nothing and is never hit.
    std::optional<CEllipseFrame> Frame() const;

protected:
    // The ring; an arc's points from start to end.
    std::vector<POINT> Outline() const override;
    bool IsClosed() const override { return true; }
    std::vector<POINT> Corners() const;
};
