#pragma once
// The leader marks with a shape: a shape (ellipse, circle or rectangle)
// with a leader polyline running from it to a text label. While drawn, the
// points are the shape's two points, the leader's vertices and last the
// label anchor; after Finish the shape's two points are replaced by its
// centre and the markup has exactly five children in fixed positions:
// shape, leader polyline, circular label frame, rectangular label frame
// and label text (frames not in use degenerate at the anchor). The classes
// differ only in the shape; this base holds the gesture feedback, the
// building of the children, the point edits and the shared archive body
// with the conversion of older bodies.

#include "markups/CRukMark.h"

#include <vector>

class CRukLeaderMark : public CRukMark {
public:
    void Serialize(CArchive& ar) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    int SetPoint(int x, int y, int index) override;
    void UpdateLeader(CEntityDocument* document) override;
    int GetShapeSize(int* width, int* height) const override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    void TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;

    // The five children's positions.
    enum ChildPosition { kShape = 0, kLeader = 1, kEndCircle = 2, kFrame = 3, kLabel = 4 };
    static constexpr int kChildCount = 5;

protected:
    explicit CRukLeaderMark(int kind);

    // The kind of the shape child.
    virtual int ShapeKind() const = 0;
    // Where the shape's centre lies for its two defining points: the
    // middle of the box they span.
    virtual POINT ShapeCentre(POINT p0, POINT p1) const;
    // The rubber shape for the two points, in view units.
    virtual std::vector<POINT> RubberShape(const CMarkupDocument& document, POINT p0,
                                           POINT p1) const = 0;
    // A new shape child for the two points.
    virtual CRukEntity* MakeShape(POINT p0, POINT p1) const = 0;
    // The crossing of the segment from p to the centre with the shape's
    // outline around that centre; 1 and *out, else 0.
    virtual int ClipToShape(const CRukEntity& shape, POINT p, POINT* out, POINT centre,
                            UINT unit) const = 0;
    // The new shape child of an old body's shape.
    virtual CRukEntity* RebuildShape(const CRukEntity& oldShape) const = 0;

    // The width and height of a box shape: its points 0 and 2 are opposite
    // corners. False for a shape with fewer points.
    static bool ShapeBox(const CRukEntity& shape, SIZE* size);

private:
    // The label box and frame at a drawing point.
    void DrawLabelFigures(CTrackSurface& surface, const CMarkupDocument& document, POINT at,
                          const CDrawDefaults& settings);
    void DrawLeg(CTrackSurface& surface, const CMarkupDocument& document, POINT from,
                 POINT to) const;
    // Where the leg to the cursor starts: the shape's centre with two
    // points, else the last point.
    POINT LegStart() const;
    // The body of schemas 0 and 1 turned into the five-child layout.
    void Migrate();
    // Drops p1 and puts the shape's centre at point 0.
    void CentrePoints();
};
