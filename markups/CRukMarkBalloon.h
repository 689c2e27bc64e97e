#pragma once
// The balloon: a leader text whose leader starts with an arrowhead. The
// first point is the arrow's tip, the last the label anchor, and points in
// between (poly mode) bend the leader. After Finish it has five children in
// fixed positions: the arrowhead (a three-point polyline: base corner,
// tip, base corner), the leader polyline, the circular label frame, the
// rectangular frame (degenerate at the anchor when not used) and the label
// text. The arrowhead's length can be read and changed; edits of the
// points re-aim it along the leader's first segment with its length kept.

#include "markups/CRukMark.h"

class CRukMarkBalloon : public CRukMark {
    DECLARE_SERIAL(CRukMarkBalloon)

public:
    CRukMarkBalloon();

    void Serialize(CArchive& ar) override;
    int AddPoint(int x, int y, int mode) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void SetGripCursor(int grip) override;
    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    int GetArrowLength() const override;
    void SetArrowLength(double length) override;
    void SetEndMarkFlag(int flag) override { m_endMarkFlag = flag; }
    POINT AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) override;
    int SetPoint(int x, int y, int index) override;

    void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint, POINT newPoint,
                 const CDrawDefaults& settings) override;
    void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                   const CDrawDefaults& settings) override;
    void TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;
    int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                        const CDrawDefaults& settings) override;

    // 1 when the first circle child has a radius.
    int HasLabelCircle() const;

    // The base corners of an arrowhead of length L with its tip at `tip`,
    // pointing from `from` toward the tip, half width k L.
    static void ArrowCorners(POINT tip, POINT from, double length, double widthRatio, POINT* a,
                             POINT* b);

    enum ChildPosition { kArrow = 0, kLeader = 1 };

    int m_bubblePending = 0;
    // Half width of the arrowhead over its length, just under 1/6.
    double m_arrowWidthRatio;

private:
    // The two strokes of the arrowhead for the direction from `from`, in
    // view units; nothing for a length of 0.
    void DrawArrow(CTrackSurface& surface, const CMarkupDocument& document, POINT from) const;
    void DrawLabelFigures(CTrackSurface& surface, const CMarkupDocument& document, POINT at,
                          const CDrawDefaults& settings) const;
    // The arrowhead re-aimed along the leader's first segment.
    void ReaimArrow(int length);
    // After point `index` moved by (dx, dy): the arrowhead's tip follows
    // point 0, the frames and text follow the anchor, and every child
    // recomputes its extents. The leader is moved by the caller.
    void FollowPoints(int dx, int dy, int index, int leaderLast);
    // The body of schemas 0 and 1 turned into the five-child layout.
    void Migrate();
};
