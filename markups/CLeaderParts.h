#pragma once
// The parts that the leader marks and the balloon build alike around their
// label anchor: the label text, the circular end frame and the rectangular
// frame (degenerate at the anchor when not used), the end of the leader cut
// at the label's outline, the label figures of the rubber band, and the
// grips on the markup's own points.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <vector>

class CDC;
class CEntityDocument;
class CMarkupDocument;
class CRukCircle;
class CRukEntity;
class CRukMark;
class CRukPolygon;
class CTrackSurface;
struct CLabelFont;

class CLeaderParts {
public:
    // The label frames of the document's leader style.
    static constexpr int kFrameCircle = 1;
    static constexpr int kFrameNone = 2;
    static constexpr int kFrameRect = 3;

    // A closed 5-point outline of that size centred on the point.
    static std::vector<POINT> ClosedBox(POINT centre, LONG width, LONG height);
    // The label text above the anchor: centre bottom aligned.
    static void PlaceLabel(CRukEntity& text, POINT anchor, int width, int height);
    // The rectangle frame around the anchor, unfilled; four copies of the
    // anchor for a zero size.
    static CRukPolygon* MakeFrame(POINT anchor, SIZE size);
    // The circle around the anchor through (anchor x + radius, anchor y).
    static CRukCircle* MakeEndCircle(POINT anchor, int radius);
    // Child flag 2 and the layer of the old child, with its pen when asked.
    static void TakeAttributes(CRukEntity& child, const CRukEntity& from, bool withPen);
    // The leader an old body's line (its two defining points) or polyline
    // (all its points) becomes, with the old child's layer and pen.
    static CRukEntity* LeaderFrom(const CRukEntity& old);
    // The label an old body's text becomes: its text, height and two
    // points, aligned by `vertAlign` (and centred when asked), on its layer.
    static CRukEntity* LabelFrom(const CRukEntity& old, int vertAlign, bool centred);
    // The crossing of the leg from `from` to the anchor with the label's
    // outline for the frame style and label size (tw x th, drawing units);
    // 1 and *crossing, else 0.
    static int ClipLeaderEnd(POINT from, POINT anchor, int tw, int th, int frame, UINT unit,
                             POINT* crossing);
    // The rubber band's label box and frame (by the document's style)
    // centred on a drawing point.
    static void DrawLabelFigures(CTrackSurface& surface, const CMarkupDocument& document,
                                 const CLabelFont& font, POINT at, const CString& label);
    // After the markup's point `index` moved by (dx, dy): the end circle,
    // frame and text behind the leader (position 1) follow when that point
    // is the leader's last (`leaderLast`, -1 without a leader); every child
    // recomputes its extents.
    static void FollowAnchor(CRukMark& markup, int dx, int dy, int index, int leaderLast);
    // Child flag 2, the current layer and (withPen) the pen width; filed
    // with the document and appended to the markup's children.
    static void FileChild(CRukMark& markup, CMarkupDocument& document, CRukEntity* child,
                          bool withPen);
    // The end circle, the frame (by the document's leader style) and the
    // markup's label text at the anchor, for a label of tw x th drawing
    // units and that text height, filed in this order.
    static void FileLabelParts(CRukMark& markup, CMarkupDocument& document, POINT anchor, int tw,
                               int th, double textHeight);
    // The last steps of Finish: the pen colour, the next tag and name
    // (cleared in the document), the current layer, the extents and the
    // child count.
    static void FinishLabelledMark(CRukMark& markup, CMarkupDocument& document);
    // Red grip boxes on drawing points, and the first of them under a
    // drawing point (1 and its index).
    static void DrawGrips(CDC* dc, const std::vector<POINT>& grips, int originX, int originY,
                          double scale);
    static int HitGrip(const CRukEntity& owner, CDC* dc, CEntityDocument* document,
                       const std::vector<POINT>& grips, int x, int y, int* grip);
    // The same on every own point of the markup.
    static void DrawPointGrips(const CRukEntity& markup, CDC* dc, int originX, int originY,
                               double scale);
    static int HitPointGrip(const CRukEntity& markup, CDC* dc, CEntityDocument* document, int x,
                            int y, int* grip);
};
