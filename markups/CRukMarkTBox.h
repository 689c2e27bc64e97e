#pragma once
// The sticky note: a rectangle holding the reviewer's note text, laid out
// to fill it. Its two children are the box (a polygon drawn as a frame, a
// fill or neither: the note's frame type) and the memo text inset by a
// margin. The corner opposite the press point is not the dragged one: it
// is chosen so that the text block keeps its proportions. The box is
// resized by eight grips, proportionally with Shift at the corners.

#include "markups/CBoxGrips.h"
#include "markups/CRukMark.h"

#include <functional>
#include <vector>

class CRukMarkTBox : public CRukMark {
    DECLARE_SERIAL(CRukMarkTBox)

public:
    CRukMarkTBox();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
    void Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
              COLORREF color, const CDrawDefaults* settings, const RECT& clip) override;
    // Inverted only in the inverted mode, the area never shown.
    CSelectionLook::Look SelectionLook(int selectMode) const override;
    void MoveVertex(int dx, int dy, int grip, int x, int y, UINT flags) override;
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void SetGripCursor(int grip) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    int GetTextHeight() const override;
    CString GetLabelText() const override;
    void SetLabelText(CEntityDocument* document, CDC* dc, const CString& text,
                      const CDrawDefaults* settings) override;
    int GetNoteFrameType() const override;
    void SetNoteFrameType(int type) override;
    POINT FixedLengthPoint(CDC* dc, CEntityDocument* document, int x, int y) override;
    int GetPointCount() const override { return 2; }
    int GetPoint(int* x, int* y, int index) const override;
    int SetPoint(int x, int y, int index) override;
    CString GetFaceName() const override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;

    // The extent of a text in a label font, view units.
    using Measure = std::function<SIZE(const CString&, const CLabelFont&)>;

    // The fitted corner for the cursor at (x, y) (drawing units), in view
    // units.
    POINT FittedCorner(const Measure& measure, const CMarkupDocument& document, int x, int y) const;

    // The eight grips of the note's two points: corners 0..3, then the
    // middles of the left, top, right and bottom edges.
    std::vector<POINT> Grips() const;

    int m_outlineShown = 0;

private:
    struct Fit {
        // The margin and the fitted line height, drawing units.
        int m_margin = 0;
        int m_lineHeight = 0;
    };
    // The fit of the label into the box of points 0 and 1.
    Fit FitLabel(const CMarkupDocument& document, const Measure& measure) const;
    CRukEntity* Box() const;
    // The box of points 0 and 1 that the grips are on.
    CBoxGrips::Box GripBox() const;
    CRukEntity* Memo() const;
    // The box child's corners (x0, y0), (x0, y1), (x1, y1), (x1, y0); the
    // memo inset by the margin rule; the extents.
    void PlaceBox(int x0, int y0, int x1, int y1);
    // The outline from point 0 to the tracking corner, in view units.
    void DrawOutline(CTrackSurface& surface, const CMarkupDocument& document) const;
};
