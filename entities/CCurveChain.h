#pragma once
// Chains of computed points (circle rings, arcs, ellipses, cloud outlines,
// sampled curves) on their way to an output: mapped to view, printer or the
// document's view space, drawn as one polygon or polyline, dashed by the
// entity's current dashes in unit steps, and hit-tested.

#include "geometry/Geometry.h"
#include "platform/win/WinTypes.h"

#include <span>
#include <vector>

class CDC;
class CDrawDefaults;
class CEntityDocument;
class CRukEntity;

class CCurveChain {
public:
    // View units (y negated for a metafile), printer units, and the
    // document's view space shifted by (dx, dy) drawing units.
    static std::vector<POINT> ToView(const std::vector<POINT>& points, int originX, int originY,
                                     double scale, bool metafile);
    static std::vector<POINT> ToView(const std::vector<DPOINT>& points, int originX, int originY,
                                     double scale, bool metafile);
    static std::vector<POINT> ToPrint(const std::vector<POINT>& points, int unitDivisor,
                                      double scale);
    static std::vector<POINT> ToPrint(const std::vector<DPOINT>& points, int unitDivisor,
                                      double scale);
    static std::vector<POINT> ToDocumentView(const std::vector<POINT>& points,
                                             CEntityDocument* document, int dx, int dy);
    // Samples truncated toward zero to drawing points.
    static std::vector<POINT> Truncated(const std::vector<DPOINT>& points);

    // How many drawing units the smallest visible step of the output spans:
    // one device pixel, or one logical unit where a unit is larger, given
    // the logical units per drawing unit.
    static double SmallestStep(CDC* dc, double logicalPerUnit);
    // The chord tolerance, in drawing units, of curves sampled for the view
    // (or metafile) and for the printer: a quarter of the smallest step.
    static double ViewTolerance(CDC* dc, double scale);
    static double PrintTolerance(CDC* dc, int unitDivisor, double scale);
    // The chord tolerance of a curve's box, independent of any output.
    static constexpr double kExtentsTolerance = 1.0;

    // One Polygon or Polyline when the chain has more than one point.
    static void Polygon(CDC* dc, const std::vector<POINT>& chain);
    static void Polyline(CDC* dc, const std::vector<POINT>& chain);

    // The entity's dashes walked in unit steps along the chain and drawn;
    // false when no step resulted (the caller then draws the plain chain).
    static bool DrawSteps(CRukEntity& entity, CDC* dc, const std::vector<POINT>& chain);

    // When the line type dashes at this scale, the chain (closed: its first
    // point again at the end) dashed in view or printer units; false when
    // nothing was drawn, and the caller draws the plain curve.
    static bool DashedA(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                        const std::vector<POINT>& chain, bool closed, int originX, int originY,
                        double scale, double patternFactor, const CDrawDefaults* settings);
    static bool DashedA(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                        const std::vector<DPOINT>& chain, bool closed, int originX, int originY,
                        double scale, double patternFactor, const CDrawDefaults* settings);
    static bool DashedB(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                        const std::vector<POINT>& chain, bool closed, int unitDivisor, double scale,
                        double patternFactor);
    static bool DashedB(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                        const std::vector<DPOINT>& chain, bool closed, int unitDivisor,
                        double scale, double patternFactor);

    // 1 when the test point lies inside the chain's polygon (filled only) or
    // in the hit band of an edge between distinct consecutive points; closed
    // adds the edge from the last point back to the first.
    static int Hit(const CRukEntity& entity, const std::vector<POINT>& chain, POINT test,
                   bool filled, bool closed);

    // The box of the points into the entity's extents; nothing without points.
    static void SetExtents(CRukEntity& entity, std::span<const POINT> points);
};
