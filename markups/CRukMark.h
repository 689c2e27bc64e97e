#pragma once
// The common base of the redline markups: a group whose points are the
// clicked points of a mouse gesture and whose children are the ordinary
// entities it builds when the gesture is complete. It holds the label font
// state, the gesture rule (a fixed count of points, or poly mode ending on a
// finish request), the attribute operations passed on to the children, the
// label fitting and leader clipping of the leader marks, and the steps
// every class takes to build and file a child.
//
// Rubber-band feedback draws through a CTrackSurface: the CDC operations of
// the entity interface wrap the view's context in a CDCTrackSurface and
// call the surface operations, which tests drive with a recording surface.
//
// The markup refers to its children; the document owns them (each is also
// in the drawing order and on its layer), so the destructor deletes none.
// Children are found by position only after their kind is checked: old
// control files leave other layouts behind.

#include "entities/CRukGroup.h"
#include "platform/mfc/CString.h"

#include <functional>
#include <optional>
#include <vector>

class CMarkupDocument;
class CTrackSurface;
struct CLabelFont;

class CRukMark : public CRukGroup {
public:
    ~CRukMark() override;

    void SetFillColor(COLORREF color) override;
    COLORREF GetFillColor() const override;
    void SetFillType(int fillType) override;
    int GetFillType() const override;
    // By the closed child's fill, its area shown in the colour.
    CSelectionLook::Look SelectionLook(int selectMode) const override;
    void SetTransparent(int transparent) override;
    int GetTransparent() const override;
    COLORREF GetThirdColor() const override;
    void OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                      const CDrawDefaults* settings, UINT flags) override;
    int AddPoint(int x, int y, int mode) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void SetGripCursor(int grip) override;
    void SetText(const CString& text) override { m_label = text; }
    void SetTextHeight(int height) override;
    int GetTextHeight() const override;
    CString GetLabelText() const override;
    void SetLabelText(CEntityDocument* document, CDC* dc, const CString& text,
                      const CDrawDefaults* settings) override;
    // The CDC forms of the feedback: each draws through a CDCTrackSurface.
    void Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
               const CDrawDefaults* settings, UINT flags) override;
    void TrackPending(CEntityDocument* document, CDC* dc, int x, int y,
                      const CDrawDefaults* settings) override;
    void TrackAt(CEntityDocument* document, CDC* dc, int x, int y,
                 const CDrawDefaults* settings) override;
    int EraseTracking(CEntityDocument* document, CDC* dc, int x, int y,
                      const CDrawDefaults* settings) override;
    void SetPolyMode(int mode) override { m_polyMode = mode; }
    int HasPolylineChild() const override;
    int GetPointCount() const override;
    int GetPoint(int* x, int* y, int index) const override;
    int SetPoint(int x, int y, int index) override;
    int GetLabelMode() const override;
    void RefitLabel(CEntityDocument* document, CDC* dc, int mode,
                    const CDrawDefaults* settings) override;
    void SetLeaderAttached(int attached) override { m_leaderAttached = attached; }
    int GetLeaderAttached() const override { return m_leaderAttached; }
    void SetFaceName(const CString& face) override;
    CString GetFaceName() const override;
    void SetCharSet(int charSet) override;

    // ---- Feedback on a surface (view units through the document).

    // From the old to the new cursor position.
    virtual void TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                         POINT newPoint, const CDrawDefaults& settings);
    // The whole current state at the cursor, without erasing.
    virtual void TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                           const CDrawDefaults& settings);
    // The last leg to the cursor, after a refused finish or a style change.
    virtual void TrackPendingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                const CDrawDefaults& settings);
    // Takes back the last point and its feedback; the points left, 0 when
    // nothing was taken.
    virtual int EraseTrackingOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                                const CDrawDefaults& settings);

    // ---- Label sizes and leader clipping (drawing units).

    static int CircleRadiusForLabel(int width, int height);
    static SIZE RectSizeForLabel(int width, int height);
    static SIZE PlainSizeForLabel(int width, int height);
    // The crossing of the segment from p to the centre with the outline of
    // the rectangle, the circle (as a 72-gon) or the ellipse around the
    // centre; 1 and the crossing in *out, else 0. The circle takes the
    // crossing nearest to p.
    static int ClipToRect(POINT p, POINT* out, int width, int height, int cx, int cy, UINT unit);
    static int ClipToCircle(POINT p, POINT* out, int cx, int cy, int radius, UINT unit);
    // The same for the segment p-q, the crossing written into *q.
    static int ClipSegmentToCircle(POINT p, POINT* q, int cx, int cy, int radius, UINT unit);
    static int ClipToEllipse(POINT p, POINT* out, int cx, int cy, int width, int height, UINT unit);

    // A drawing point on the device of the DC.
    static POINT DevicePoint(CEntityDocument* document, CDC* dc, POINT point);

    // After a control file is read: the layer of the first child on
    // another layer (kept when all agree), and whether the leader starts at
    // the markup's first point.
    void AdoptChildLayer();
    void UpdateLeaderAttached();

    // A child that an old layout leaves behind for the document to drop.
    static constexpr const char* kDeleteTag = "DELETE";

    // Own members.
    CString m_label;
    CString m_faceName;
    int m_charSet = 128;
    int m_pointsToFinish = 0;
    int m_polyMode = 0;
    int m_trackShown = 0;
    int m_endMarkFlag = 0;
    int m_leaderAttached = 0;

protected:
    // An empty markup of that kind; its gesture count comes from the kind table.
    explicit CRukMark(int kind);

    static CMarkupDocument* MarkupDocument(CEntityDocument* document);
    // The child at that position when it is of that kind; null otherwise.
    CRukEntity* ChildAt(int index, int kind) const;
    // The first child of that kind; null when none.
    CRukEntity* FirstChildOfKind(int kind) const;
    // The last child of that kind, the first child left out when skipFirst.
    CRukEntity* LastChildOfKind(int kind, bool skipFirst) const;
    bool IsLeaderKind() const;
    POINT PointAt(int index) const;

    // The common steps of building one child: child flag 2, the current
    // layer and pen, the fill style for closed children, filed with the
    // document and appended to the list. The caller has given it its
    // geometry and recomputed its extents.
    void BuildMarkupChild(CMarkupDocument& document, CRukEntity* child);
    // The plain fill of the style: type 3 for a solid style, the style's
    // type when it is 99, 1 or 3, else none (hatches too); transparent only
    // without a fill.
    static void ApplyFill(CRukEntity& child, const CMarkupDocument& document, bool withTransparent);
    // The band anchor of the vertex gestures: the last point on the device,
    // (x, y) before the first.
    POINT LastPointOnDevice(CEntityDocument* document, CDC* dc, int x, int y) const;
    // The vertices of a child outline or path: their count (0 without the
    // child), and one of them (0 for an index outside).
    static int VertexCount(const CRukEntity* child);
    static int VertexOf(const CRukEntity* child, int index, int* x, int* y);
    // The last child, given its geometry, filed and the markup finished:
    // the child's extents give the defining points.
    void FinishWithChild(CMarkupDocument& document, CRukEntity* child);
    // The steps after the children: defining points from the extents of
    // the children, colours, tag, name, layer and count from the document.
    void FinishMarkup(CMarkupDocument& document, int minX, int minY, int maxX, int maxY);

    // FinishMarkup with the united extents of the children.
    void FinishFromChildren(CMarkupDocument& document);
    // The gesture that ends on a finish request: a click appends the point
    // and makes it current; a finish request with more than one point
    // completes the figure with the points there are (1); any other mode
    // only makes the point current.
    int AddUntilFinishRequest(int x, int y, int mode);

    // The label font of a text height in drawing units.
    static CLabelFont LabelFont(const CMarkupDocument& document, const CDrawDefaults& settings,
                                double textHeight, int charSet, const CString& face);
    // The extent of the label in drawing units.
    static SIZE MeasureLabel(CTrackSurface& surface, const CMarkupDocument& document,
                             const CString& text, const CLabelFont& font);

    // The points and then the cursor, in view units.
    std::vector<POINT> ViewChain(const CMarkupDocument& document, POINT cursor) const;
    // The open gesture of the vertex markups: a click appends a vertex and
    // makes it current; a finish request with at least `least` points
    // completes (1) without adding one; anything else only moves the
    // current point.
    int AddOpenPoint(int x, int y, int mode, int least);
    // Takes back the last vertex of an open gesture and its XOR lines to
    // the cursor; the points left, 0 with fewer than two.
    int EraseLastVertex(CTrackSurface& surface, const CMarkupDocument& document, POINT cursor);
    // The lines from the current point to the old and the new cursor.
    void TrackFromCurrent(CTrackSurface& surface, const CMarkupDocument& document, POINT oldPoint,
                          POINT newPoint) const;

    // The XOR line between two drawing points.
    static void XorLine(CTrackSurface& surface, const CMarkupDocument& document, POINT from,
                        POINT to);

    // Archive pieces shared by the markup bodies: layer name, colour, group
    // string, child-flag byte, tag and name.
    void StoreAttributes(CArchive& ar) const;
    void LoadAttributes(CArchive& ar);
    // The body of the versioned markups that keep their points: the point
    // list, (withBox) the two defining points, the attributes, (withBox)
    // the child count field, and the children. A schema-0 body stored no
    // widths and may hold a stray child flag: such children draw 0.15 mm
    // wide and the flag becomes 0.
    void StorePointsBody(CArchive& ar, bool withBox);
    void LoadPointsBody(CArchive& ar, bool withBox, bool schemaZero);
    // The body of the leader marks and the balloon: the current schema 2
    // (the leader's start recomputed when asked), or the older 0 and 1
    // turned into the current layout by `migrate`.
    void SerializeLabelledBody(CArchive& ar, bool updateAttached,
                               const std::function<void()>& migrate);
    // Tells the archive of the children appended after the first
    // `readChildren`: a failed load frees them by that list.
    void NoteBuiltChildren(CArchive& ar, int readChildren) const;

private:
    // Label fitting of the leader marks: keeps or replaces the text and
    // sets the outline by mode (1 circle, 2 rectangle, other none).
    void FitLabel(CMarkupDocument& document, CDC* dc, const CString* text, int mode,
                  bool collapseUnused, const CDrawDefaults& settings);
    CRukEntity* ClosedChild() const;
};
