#pragma once
// The segment stroke: wide strokes of straight segments. Each click ends
// the open segment and opens the next at the same place; the pen toggle
// (the space key) lifts or lowers the pen, so one markup holds several
// chains. The points are segments of two points each: a segment starting
// where the one before ended continues its chain. While drawing, an odd
// count means a segment is open at the last point. Each chain becomes one
// polyline of the wide line type.

#include "markups/CRukRedPolyline.h"

class CRukMarkPartLine : public CRukRedPolyline {
    DECLARE_SERIAL(CRukMarkPartLine)

public:
    CRukMarkPartLine();

    int AddPoint(int x, int y, int mode) override;
    void Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
              COLORREF color, const CDrawDefaults* settings, const RECT& clip) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;

    // The pen toggle at the cursor (x, y): the band to the cursor is taken
    // off; an open segment is dropped (pen up), or one opens at the last
    // point (pen down).
    void DrawPreview(CEntityDocument* document, CDC* dc, int x, int y,
                     const CDrawDefaults* settings);
    void DrawPreviewOn(CTrackSurface& surface, const CMarkupDocument& document, POINT point);

    // The chains of the segment points, equal neighbours merged.
    static std::vector<std::vector<POINT>> Chains(const std::vector<POINT>& points);

private:
    void StrokeLine(CTrackSurface& surface, const CMarkupDocument& document, POINT from,
                    POINT to) const;
};
