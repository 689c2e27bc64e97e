#pragma once
// The vertex list operations that the polyline and the polygon share: the
// extents, adding and editing vertices, mapping them for output, hit bands
// along the edges and the grips.

#include "platform/win/WinTypes.h"

#include <vector>

class CDC;
class CEntityDocument;
class CRukEntity;

class CVertexChain {
public:
    // The box of the vertices; the extents stay as they were without any.
    static void RecalcExtents(CRukEntity& entity);
    // Appends the vertex and makes it the first point.
    static void Append(CRukEntity& entity, int x, int y);
    // Both ignore an index outside the list and say whether they changed it.
    static bool Move(CRukEntity& entity, int index, int dx, int dy);
    static bool Set(CRukEntity& entity, int index, int x, int y);

    // The vertices in view units (y negated for a metafile), in printer
    // units, and shifted by (dx, dy) in the document's view space.
    static std::vector<POINT> ToView(const CRukEntity& entity, int originX, int originY,
                                     double scale, bool metafile);
    static std::vector<POINT> ToPrint(const CRukEntity& entity, int unitDivisor, double scale);
    static std::vector<POINT> ToDocumentView(const CRukEntity& entity, CEntityDocument* document,
                                             int dx, int dy);

    // 1 when the test point lies in the hit band of an edge between two
    // different consecutive points of the chain.
    static int HitEdges(const CRukEntity& entity, const std::vector<POINT>& chain, POINT test);
    // 1 when the test point lies inside the closed outline (alternate fill)
    // or in the hit band of one of its edges, the closing one included.
    static int HitOutline(const CRukEntity& entity, const std::vector<POINT>& outline, POINT test);
    // 1 and the index of the first vertex whose grip lies under the point.
    static int HitGrip(const CRukEntity& entity, CDC* dc, CEntityDocument* document, int x, int y,
                       int* grip);
    static void DrawGrips(const CRukEntity& entity, CDC* dc, int originX, int originY,
                          double scale);
};
