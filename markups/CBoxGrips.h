#pragma once
// The grips of a markup drawn as a box (the red ellipse, the red rectangle
// and the placed image): the box of its two defining points, the four
// corners and then the four edge middles, and the drag rule of each grip.
// A corner dragged with Shift (or always, for a picture) keeps the
// width-to-height ratio the box had when it was first edited.

#include "platform/win/WinTypes.h"

#include <vector>

class CDC;
class CEntityDocument;
class CRukEntity;

class CBoxGrips {
public:
    struct Box {
        int x1;
        int y1;
        int x2;
        int y2;
    };

    // The grips in their numbering: 0 (x1, y1), 1 (x1, y2), 2 (x2, y2),
    // 3 (x2, y1), 4 (x1, ym), 5 (xm, y2), 6 (x2, ym), 7 (xm, y1); the first
    // `count` of them.
    static std::vector<POINT> Points(const Box& box, int count);
    static void Draw(CDC* dc, const Box& box, int count, int originX, int originY, double scale);
    // 1 and the grip's number for the first grip under the drawing point.
    static int Hit(const CRukEntity& owner, CDC* dc, CEntityDocument* document, const Box& box,
                   int count, int x, int y, int* grip);
    // The sizing cursor of the grip for the box's orientation.
    static void SetCursorFor(const Box& box, int grip);

    // The box of the markup's two defining points, and back.
    static Box DefiningBox(const CRukEntity& markup);
    static void SetDefiningBox(CRukEntity* markup, const Box& box);
    // Point 0 (min x, max y) or 1 (max x, min y) of the box child's first
    // and third corner; 0 for other indexes or a child without corners.
    static int GetCorner(const CRukEntity* child, int index, int* x, int* y);
    // Moves corner 0 or 1 of the child's box to (x, y), the other staying;
    // the markup's defining points become the child's extents corners.
    // 0 for other indexes.
    static int SetCorner(CRukEntity* markup, CRukEntity* child, int x, int y, int index);
    // The child's four points: (x1, y1), (x1, y2), (x2, y2), (x2, y1).
    static void Apply(CRukEntity* child, const Box& box);

    // Moves the grip of the markup's defining box by the step (dx, dy)
    // from the previous cursor (x, y); keepRatio for corner grips. The
    // ratio is taken at the markup's first edit and kept (not archived). A
    // move that would flatten the box is taken back.
    static void Move(CRukEntity* markup, int dx, int dy, int grip, int x, int y, bool keepRatio);

private:
    static void MoveKeepingRatio(Box* box, double ratio, int dx, int dy, int grip, int x, int y);
};
