#include "entities/CCurveChain.h"

#include "entities/CEntityDocument.h"
#include "entities/CRukEntity.h"
#include "entities/CVertexChain.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CRgn.h"

#include <algorithm>
#include <cmath>

namespace {

// Logical units measured at once, so that the rounding of the mapping
// does not decide the size of one pixel.
constexpr LONG kProbe = 100000;
// The part of the smallest visible step a chord may stray from its curve.
constexpr double kChordFraction = 0.25;

LONG Negated(LONG y) {
    return TruncInt(-static_cast<double>(y));
}

int Shifted(int value, int delta) {
    return TruncInt(static_cast<double>(value) + delta);
}

int CountOf(const std::vector<POINT>& points) {
    return static_cast<int>(points.size());
}

template <typename Point, typename Map>
std::vector<POINT> Mapped(const std::vector<Point>& points, Map map) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const Point& point : points)
        out.push_back(map(point));
    return out;
}

std::vector<POINT> ClosedIf(std::vector<POINT> chain, bool closed) {
    if (closed && !chain.empty())
        chain.push_back(chain.front());
    return chain;
}

template <typename Point>
bool DashScreen(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                const std::vector<Point>& chain, bool closed, int originX, int originY,
                double scale, double patternFactor, const CDrawDefaults* settings) {
    return entity.ComputeDashes(document, entity.m_lineType, scale, patternFactor, settings,
                                document->m_deviceSpanX) &&
           CCurveChain::DrawSteps(
               entity, dc,
               ClosedIf(CCurveChain::ToView(chain, originX, originY, scale, false), closed));
}

template <typename Point>
bool DashPrinter(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                 const std::vector<Point>& chain, bool closed, int unitDivisor, double scale,
                 double patternFactor) {
    return entity.ComputeDashesPrinter(document, entity.m_lineType, unitDivisor, scale,
                                       patternFactor) &&
           CCurveChain::DrawSteps(
               entity, dc, ClosedIf(CCurveChain::ToPrint(chain, unitDivisor, scale), closed));
}

} // namespace

std::vector<POINT> CCurveChain::ToView(const std::vector<POINT>& points, int originX, int originY,
                                       double scale, bool metafile) {
    return Mapped(points, [&](const POINT& p) {
        POINT mapped = ToViewPoint(p.x, p.y, originX, originY, scale);
        mapped.y = metafile ? Negated(mapped.y) : mapped.y;
        return mapped;
    });
}

std::vector<POINT> CCurveChain::ToView(const std::vector<DPOINT>& points, int originX, int originY,
                                       double scale, bool metafile) {
    return Mapped(points, [&](const DPOINT& p) {
        POINT mapped = ToViewPointD(p.x, p.y, originX, originY, scale);
        mapped.y = metafile ? Negated(mapped.y) : mapped.y;
        return mapped;
    });
}

std::vector<POINT> CCurveChain::ToPrint(const std::vector<POINT>& points, int unitDivisor,
                                        double scale) {
    return Mapped(points,
                  [&](const POINT& p) { return ToPrintPoint(p.x, p.y, unitDivisor, scale); });
}

std::vector<POINT> CCurveChain::ToPrint(const std::vector<DPOINT>& points, int unitDivisor,
                                        double scale) {
    return Mapped(points,
                  [&](const DPOINT& p) { return ToPrintPointD(p.x, p.y, unitDivisor, scale); });
}

std::vector<POINT> CCurveChain::ToDocumentView(const std::vector<POINT>& points,
                                               CEntityDocument* document, int dx, int dy) {
    return Mapped(points, [&](const POINT& p) {
        return document->LogicalToDevicePoint(Shifted(p.x, dx), Shifted(p.y, dy));
    });
}

std::vector<POINT> CCurveChain::Truncated(const std::vector<DPOINT>& points) {
    return Mapped(points, [](const DPOINT& p) { return POINT{TruncInt(p.x), TruncInt(p.y)}; });
}

void CCurveChain::Polygon(CDC* dc, const std::vector<POINT>& chain) {
    if (chain.size() > 1)
        dc->Polygon(chain.data(), CountOf(chain));
}

void CCurveChain::Polyline(CDC* dc, const std::vector<POINT>& chain) {
    if (chain.size() > 1)
        dc->Polyline(chain.data(), CountOf(chain));
}

bool CCurveChain::DrawSteps(CRukEntity& entity, CDC* dc, const std::vector<POINT>& chain) {
    std::vector<DPOINT> points;
    points.reserve(chain.size());
    for (const POINT& point : chain)
        points.push_back(DPOINT{static_cast<double>(point.x), static_cast<double>(point.y)});
    entity.BuildUnitSteps(points.data(), static_cast<int>(points.size()));
    const bool drawn = entity.m_dashPoints.GetSize() > 0;
    if (drawn)
        entity.DrawDashedSteps(dc);
    entity.m_dashPoints.RemoveAll();
    return drawn;
}

bool CCurveChain::DashedA(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                          const std::vector<POINT>& chain, bool closed, int originX, int originY,
                          double scale, double patternFactor, const CDrawDefaults* settings) {
    return DashScreen(entity, document, dc, chain, closed, originX, originY, scale, patternFactor,
                      settings);
}

bool CCurveChain::DashedA(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                          const std::vector<DPOINT>& chain, bool closed, int originX, int originY,
                          double scale, double patternFactor, const CDrawDefaults* settings) {
    return DashScreen(entity, document, dc, chain, closed, originX, originY, scale, patternFactor,
                      settings);
}

bool CCurveChain::DashedB(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                          const std::vector<POINT>& chain, bool closed, int unitDivisor,
                          double scale, double patternFactor) {
    return DashPrinter(entity, document, dc, chain, closed, unitDivisor, scale, patternFactor);
}

bool CCurveChain::DashedB(CRukEntity& entity, CEntityDocument* document, CDC* dc,
                          const std::vector<DPOINT>& chain, bool closed, int unitDivisor,
                          double scale, double patternFactor) {
    return DashPrinter(entity, document, dc, chain, closed, unitDivisor, scale, patternFactor);
}

int CCurveChain::Hit(const CRukEntity& entity, const std::vector<POINT>& chain, POINT test,
                     bool filled, bool closed) {
    if (chain.empty())
        return 0;
    if (filled && chain.size() > 2) {
        CRgn interior;
        interior.CreatePolygonRgn(chain.data(), CountOf(chain), ALTERNATE);
        if (interior.PtInRegion(test))
            return 1;
    }
    if (!closed)
        return CVertexChain::HitEdges(entity, chain, test);
    std::vector<POINT> edges{chain.back()};
    edges.insert(edges.end(), chain.begin(), chain.end());
    return CVertexChain::HitEdges(entity, edges, test);
}

void CCurveChain::SetExtents(CRukEntity& entity, std::span<const POINT> points) {
    if (points.empty())
        return;
    const auto [minX, maxX] = std::minmax_element(
        points.begin(), points.end(), [](const POINT& a, const POINT& b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(
        points.begin(), points.end(), [](const POINT& a, const POINT& b) { return a.y < b.y; });
    entity.m_minX = minX->x;
    entity.m_maxX = maxX->x;
    entity.m_minY = minY->y;
    entity.m_maxY = maxY->y;
}

double CCurveChain::SmallestStep(CDC* dc, double logicalPerUnit) {
    SIZE probe{kProbe, kProbe};
    dc->LPtoDP(&probe);
    const double pixelsPerLogical =
        static_cast<double>(std::max(std::labs(probe.cx), std::labs(probe.cy))) / kProbe;
    const double logicalStep = pixelsPerLogical > 0.0 ? std::max(1.0, 1.0 / pixelsPerLogical) : 1.0;
    const double perUnit = std::fabs(logicalPerUnit);
    return perUnit > 0.0 && std::isfinite(perUnit) ? logicalStep / perUnit : 1.0;
}

double CCurveChain::ViewTolerance(CDC* dc, double scale) {
    return kChordFraction * SmallestStep(dc, scale);
}

double CCurveChain::PrintTolerance(CDC* dc, int unitDivisor, double scale) {
    return kChordFraction * SmallestStep(dc, scale * 100.0 / (unitDivisor == 0 ? 1 : unitDivisor));
}
