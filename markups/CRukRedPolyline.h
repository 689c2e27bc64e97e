#pragma once
// The red polyline: an open path clicked vertex by vertex and ended by a
// double click; its child is one polyline. The freehand stroke and the
// segment stroke derive from it.

#include "markups/CRukMark.h"

class CRukRedPolyline : public CRukMark {
    DECLARE_SERIAL(CRukRedPolyline)

public:
    CRukRedPolyline();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    // The path child's vertices.
    int GetPointCount() const override;
    int GetPoint(int* x, int* y, int index) const override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;

protected:
    explicit CRukRedPolyline(int kind);

    // The kind of the child whose vertices are the markup's points.
    virtual int PathKind() const;
    // The path child through the points, filed as the only child.
    void BuildPath(CMarkupDocument& document, CRukEntity* path);
};
