#pragma once
// A revision cloud (kind 0x100000): a polygon whose every edge is drawn as
// a chain of equal circular arcs bulging outwards. The arc outline is
// rebuilt from the vertices whenever the cloud draws, is hit-tested or
// measures its extents.

#include "entities/CRukPolygon.h"

#include <vector>

class CRukCloud : public CRukPolygon {
    DECLARE_SERIAL(CRukCloud)

public:
    CRukCloud();

    void Serialize(CArchive& ar) override;
    // The outline rebuilt; the box of its points.
    void RecalcExtents() override;
    void DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                    const RECT& clip) override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    // The current outline as it is, without a rebuild.
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    void SetArcSize(double size) override;
    void SetArcRatio(double ratio) override;

    // 0 with fewer than 3 vertices (the outline stays as it was), else 1
    // with the outline walked counter-clockwise so that every arc bulges
    // outwards.
    int RebuildOutline(CEntityDocument* document);
    // The arcs of one edge: arc-size pieces, the last one at most that long.
    void AddEdgeArcs(POINT p1, POINT p2);
    // One arc from P1 to P2 with that bulge: P1, points 5 degrees apart, P2.
    void AddArc(POINT p1, POINT p2, double bulge);

    // The chord of one arc along an edge, drawing units.
    double m_arcSize = 4000.0;
    // tan of a quarter of the angle an arc spans (tan 27.5 degrees: 110).
    double m_arcRatio = 0.52056705;
    std::vector<POINT> m_outline;

    // The arc size used for an edge: never below one unit, nor below the
    // edge's ten-thousandth, so that an edge gets a bounded number of arcs.
    static double UsableArcSize(double size, double edge);
    // The bulge used: a ratio of 0, a negative, huge or NaN one would give
    // an endless radius.
    static double UsableArcRatio(double ratio);

private:
    class Rebuilding;
};
