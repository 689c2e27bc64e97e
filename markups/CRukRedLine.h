#pragma once
// The red line: one straight line between two clicks.

#include "markups/CRukMark.h"

class CRukRedLine : public CRukMark {
    DECLARE_SERIAL(CRukRedLine)

public:
    CRukRedLine();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
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
};
