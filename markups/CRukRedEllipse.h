#pragma once
// The red ellipse: an ellipse inscribed in the box of two clicks, resized
// afterwards with eight grips.

#include "markups/CRukMark.h"

class CRukRedEllipse : public CRukMark {
    DECLARE_SERIAL(CRukRedEllipse)

public:
    CRukRedEllipse();

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

private:
    void DrawBand(CTrackSurface& surface, const CMarkupDocument& document, POINT point) const;
};
