#pragma once
// The red rectangle: an axis-parallel box of two clicks, kept as a filled
// polygon of its four corners and resized with eight grips. The placed
// image derives from it.

#include "markups/CRukMarkPolygon.h"

class CRukRedSquare : public CRukMarkPolygon {
    DECLARE_SERIAL(CRukRedSquare)

public:
    CRukRedSquare();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void SetGripCursor(int grip) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    int GetPointCount() const override { return 2; }
    int GetPoint(int* x, int* y, int index) const override;
    int SetPoint(int x, int y, int index) override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface&, CMarkupDocument&, POINT, const CDrawDefaults&) override {
        return 0;
    }

protected:
    explicit CRukRedSquare(int kind);

    // The defining points as (min x, max y), (max x, min y).
    void NormaliseBox();
    // The four corners of the defining box: (x1, y1), (x1, y2), (x2, y2), (x2, y1).
    std::vector<POINT> BoxCorners() const;
    // Grip moves; keepRatio for the corners.
    void MoveGrip(int dx, int dy, int grip, int x, int y, bool keepRatio);
    int GripCount() const;
};
