#pragma once
// The polygon markup: a closed outline clicked vertex by vertex and ended
// by a double click; its child is one polygon filled in the redline style.
// The cloud and the red rectangle derive from it.

#include "markups/CRukMark.h"

class CRukMarkPolygon : public CRukMark {
    DECLARE_SERIAL(CRukMarkPolygon)

public:
    CRukMarkPolygon();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    // Polygons carry no label.
    void SetText(const CString&) override {}
    void SetLabelText(CEntityDocument*, CDC*, const CString&, const CDrawDefaults*) override {}
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    // The outline child's vertices.
    int GetPointCount() const override;
    int GetPoint(int* x, int* y, int index) const override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;

protected:
    CRukMarkPolygon(int kind);

    // The kind of the outline child.
    virtual int OutlineKind() const;
    // A new outline child through the vertices, before it is filed.
    virtual CRukEntity* MakeOutline(CMarkupDocument& document) const;
    // The vertices given to a new outline, in order.
    void AddVerticesTo(CRukEntity* outline) const;
    // The repairs of a schema-0 body: widths 0 drawn 0.15 mm wide, a child
    // flag out of range cleared.
    void RepairOldBody();
    CRukEntity* Outline() const;
};
