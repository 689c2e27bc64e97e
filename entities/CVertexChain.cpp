#include "entities/CVertexChain.h"

#include "entities/CEntityDocument.h"
#include "entities/CRukEntity.h"
#include "platform/gdi/CRgn.h"

#include <algorithm>

namespace {

int Shifted(int value, int delta) {
    return TruncInt(static_cast<double>(value) + delta);
}

bool Inside(const CRukEntity& entity, int index) {
    return index >= 0 && index < entity.m_points.GetSize();
}

} // namespace

void CVertexChain::RecalcExtents(CRukEntity& entity) {
    const INT_PTR count = entity.m_points.GetSize();
    if (count == 0)
        return;
    const POINT* points = entity.m_points.GetData();
    const auto [minX, maxX] = std::minmax_element(
        points, points + count, [](const POINT& a, const POINT& b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(
        points, points + count, [](const POINT& a, const POINT& b) { return a.y < b.y; });
    entity.m_minX = minX->x;
    entity.m_maxX = maxX->x;
    entity.m_minY = minY->y;
    entity.m_maxY = maxY->y;
}

void CVertexChain::Append(CRukEntity& entity, int x, int y) {
    entity.m_points.Add(POINT{x, y});
    entity.m_x1 = x;
    entity.m_y1 = y;
}

bool CVertexChain::Move(CRukEntity& entity, int index, int dx, int dy) {
    if (!Inside(entity, index))
        return false;
    POINT& point = entity.m_points[index];
    point = POINT{Shifted(point.x, dx), Shifted(point.y, dy)};
    return true;
}

bool CVertexChain::Set(CRukEntity& entity, int index, int x, int y) {
    if (!Inside(entity, index))
        return false;
    entity.m_points[index] = POINT{x, y};
    return true;
}

std::vector<POINT> CVertexChain::ToView(const CRukEntity& entity, int originX, int originY,
                                        double scale, bool metafile) {
    std::vector<POINT> points;
    points.reserve(static_cast<std::size_t>(entity.m_points.GetSize()));
    for (INT_PTR i = 0; i < entity.m_points.GetSize(); ++i) {
        POINT point =
            ToViewPoint(entity.m_points[i].x, entity.m_points[i].y, originX, originY, scale);
        if (metafile)
            point.y = TruncInt(-static_cast<double>(point.y));
        points.push_back(point);
    }
    return points;
}

std::vector<POINT> CVertexChain::ToPrint(const CRukEntity& entity, int unitDivisor, double scale) {
    std::vector<POINT> points;
    points.reserve(static_cast<std::size_t>(entity.m_points.GetSize()));
    for (INT_PTR i = 0; i < entity.m_points.GetSize(); ++i)
        points.push_back(
            ToPrintPoint(entity.m_points[i].x, entity.m_points[i].y, unitDivisor, scale));
    return points;
}

std::vector<POINT> CVertexChain::ToDocumentView(const CRukEntity& entity, CEntityDocument* document,
                                                int dx, int dy) {
    std::vector<POINT> points;
    points.reserve(static_cast<std::size_t>(entity.m_points.GetSize()));
    for (INT_PTR i = 0; i < entity.m_points.GetSize(); ++i)
        points.push_back(document->LogicalToDevicePoint(Shifted(entity.m_points[i].x, dx),
                                                        Shifted(entity.m_points[i].y, dy)));
    return points;
}

int CVertexChain::HitEdges(const CRukEntity& entity, const std::vector<POINT>& chain, POINT test) {
    for (std::size_t i = 1; i < chain.size(); ++i) {
        const POINT& from = chain[i - 1];
        const POINT& to = chain[i];
        if (from.x == to.x && from.y == to.y)
            continue;
        CRgn band;
        entity.MakeSegmentRegion(&band, from, to);
        if (band.PtInRegion(test))
            return 1;
    }
    return 0;
}

int CVertexChain::HitOutline(const CRukEntity& entity, const std::vector<POINT>& outline,
                             POINT test) {
    if (outline.size() < 3)
        return 0;
    CRgn inside;
    inside.CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), ALTERNATE);
    if (inside.PtInRegion(test))
        return 1;
    std::vector<POINT> edges{outline.back()};
    edges.insert(edges.end(), outline.begin(), outline.end());
    return HitEdges(entity, edges, test);
}

int CVertexChain::HitGrip(const CRukEntity& entity, CDC* dc, CEntityDocument* document, int x,
                          int y, int* grip) {
    const POINT test = document->LogicalToDevicePoint(x, y);
    for (INT_PTR i = 0; i < entity.m_points.GetSize(); ++i) {
        const POINT vertex =
            document->LogicalToDevicePoint(entity.m_points[i].x, entity.m_points[i].y);
        if (entity.HitGripBox(dc, vertex, test)) {
            *grip = static_cast<int>(i);
            return 1;
        }
    }
    return 0;
}

void CVertexChain::DrawGrips(const CRukEntity& entity, CDC* dc, int originX, int originY,
                             double scale) {
    const std::vector<POINT> grips = ToView(entity, originX, originY, scale, false);
    CRukEntity::DrawGripBoxes(dc, grips.data(), static_cast<int>(grips.size()));
}
