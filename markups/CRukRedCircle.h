#pragma once
// The red circle: a circle about the first click through the second.

#include "markups/CRukMark.h"

class CRukRedCircle : public CRukMark {
    DECLARE_SERIAL(CRukRedCircle)

public:
    CRukRedCircle();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    int GetPointCount() const override { return 2; }
    // 0 the centre, 1 the rightmost point of the circle.
    int GetPoint(int* x, int* y, int index) const override;
    int SetPoint(int x, int y, int index) override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface&, CMarkupDocument&, POINT, const CDrawDefaults&) override {
        return 0;
    }

private:
    void DrawBand(CTrackSurface& surface, const CMarkupDocument& document, POINT point) const;
    // The circle child's points rebuilt for that centre and point on it;
    // the defining points take its extents.
    void Rebuild(CRukEntity* circle, POINT centre, POINT onCircle);
};
