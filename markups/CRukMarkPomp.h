#pragma once
// The circled callout: a label in a circle at the last point, reached by a
// leader (a line, or a polyline through the points before) and by a second
// leader of line type 200 running beside it. The gesture collects points
// until a finish request.

#include "markups/CRukMark.h"

#include <vector>

class CRukMarkPomp : public CRukMark {
    DECLARE_SERIAL(CRukMarkPomp)

public:
    CRukMarkPomp();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    void SetLabelText(CEntityDocument* document, CDC* dc, const CString& text,
                      const CDrawDefaults* settings) override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    void TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;

    // The points of the second leader: the clicked points moved by the gap
    // to the upper left of each segment.
    static std::vector<POINT> ShiftedPoints(const std::vector<POINT>& points, int gap);
    // The circle's radius around a label of that size.
    int CircleRadius(int width, int height) const;

    double m_circleFactor = 1.5;

private:
    // The label font for a text height in drawing units.
    static CLabelFont PompFont(const CMarkupDocument& document, const CDrawDefaults& settings,
                               double textHeight);
    // The clicked points: the point list without the radius point Finish
    // appends.
    std::vector<POINT> ClickedPoints() const;
    // Both leaders cut again at a circle of that radius around the last
    // clicked point.
    void CutLeaders(const CMarkupDocument& document, int radius);
    // The label's rectangle and circle centred on a view point.
    void DrawLabelOutline(CTrackSurface& surface, POINT centre, SIZE label) const;
    SIZE MeasureTrackLabel(CTrackSurface& surface, const CMarkupDocument& document,
                           const CDrawDefaults& settings) const;
};
