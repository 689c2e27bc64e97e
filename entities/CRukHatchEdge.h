#pragma once
// One edge of a hatch boundary loop: its geometry in drawing units, the
// points it adds to the loop being traced, and its type and flag. The edge
// kinds differ in their geometry, in how they are sampled (Outline) and in
// their archived bodies; the base has no class record.

#include "entities/CRukEntity.h"

#include <functional>
#include <vector>

class CRukHatchEdge : public CRukEntity {
public:
    // The loop's points in printer units (B), or in view units with y
    // negated on a metafile (A), appended to the loop.
    virtual void TraceEdgeB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings,
                            std::vector<POINT>& loop) const;
    virtual void TraceEdgeA(CDC* dc, int originX, int originY, double scale,
                            const CDrawDefaults* settings, std::vector<POINT>& loop) const;
    // The box of the outline; an edge without points keeps its box.
    void RecalcExtents() override;

    // The points the edge adds to its loop, in drawing units.
    virtual std::vector<POINT> Outline() const = 0;
    // The same for an output on which a chord may stray by the tolerance
    // (drawing units) from a curved edge; the outline for straight edges and
    // those sampled the same at every size.
    virtual std::vector<POINT> TracedOutline(double tolerance) const;
    // The geometry of the edge at the start of the part (its type and flag
    // are the caller's); false when the part does not hold it. The unit
    // divides the NURBS edge's knots and weights.
    virtual bool ReadGeometry(const PorRecord& edge, UINT unit) = 0;

    // 1..6 as the record numbers the kinds.
    int m_edgeType = 0;
    // Arcs: non-zero traces start to end, zero end to start.
    int m_edgeFlag = 0;

protected:
    explicit CRukHatchEdge(int type);

    // Start and end from the edge's words 2 to 5.
    bool ReadEnds(const PorRecord& edge);
    // The point list: arc corners, vertices, fit or control points.
    bool ReadPoints(const PorRecord& edge);
    // The type and flag bytes.
    void SerializeTypeAndFlag(CArchive& ar);
    // The body of the arcs: point list, start, end, type, flag.
    void SerializeCornersAndEnds(CArchive& ar);
    // Every edge body has schema 0.
    static void CheckSchema(CArchive& ar);
    // Start and end in the order the flag traces them.
    std::vector<POINT> Ends() const;
    // The sweep from parameter a to b (degrees) counter-clockwise: ends
    // within 5 degrees give the two ends alone (when shortOnly); otherwise
    // the points at whole-degree steps between them, the sweep running a
    // full turn less 5 degrees when both round alike. The forward walk
    // starts at the start parameter plus firstStep. Flag set: start, points
    // forward, end; clear: end, points backward, start.
    std::vector<POINT> Sweep(double a, double b, bool shortOnly, int step, int firstStep,
                             const std::function<POINT(int)>& pointAt) const;
};
