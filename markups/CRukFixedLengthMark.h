#pragma once
// A markup of two points planted at its first point: the second point lies
// at the markup's fixed length from the first, toward the cursor (the flag
// and the pointing hand). The gesture ends at the second point; the right
// button takes nothing back. The feedback draws the figure the markup
// would become toward the cursor, in XOR; the body archived is the group
// body, the points rebuilt from the children on reading.

#include "markups/CRukMark.h"

class CRukFixedLengthMark : public CRukMark {
public:
    void Serialize(CArchive& ar) override;
    // Refuses a point on the first point; else it is the second point and
    // the gesture is complete.
    int AddPoint(int x, int y, int mode) override;
    POINT FixedLengthPoint(CDC* dc, CEntityDocument* document, int x, int y) override;
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    int GetPointCount() const override { return 2; }

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    void TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;

    // The fixed length in drawing units.
    virtual double FixedLength(const CMarkupDocument& document) const = 0;
    // The point at the fixed length from the first point toward the cursor
    // (drawing units); the cursor itself when it is the first point.
    POINT TowardCursor(const CMarkupDocument& document, POINT cursor) const;
    // The figure toward a cursor point (drawing units), in view units.
    virtual void DrawFigure(CTrackSurface& surface, const CMarkupDocument& document,
                            POINT cursor) const = 0;

protected:
    explicit CRukFixedLengthMark(int kind);

    // The point list from the children after reading.
    virtual void RebuildPoints() = 0;
    // The figure toward the cursor unless it lies on the first point, where
    // it has no direction.
    void DrawFigureToward(CTrackSurface& surface, const CMarkupDocument& document,
                          POINT cursor) const;
};
