#include "entities/CDashedChain.h"

#include "entities/CRukEntity.h"

bool CDashedChain::Draw(CRukEntity& entity, CDC* dc, const std::vector<POINT>& chain) {
    std::vector<DPOINT> points;
    points.reserve(chain.size());
    for (const POINT& point : chain)
        points.push_back(DPOINT{static_cast<double>(point.x), static_cast<double>(point.y)});
    entity.BuildDashSegments(points.data(), static_cast<int>(points.size()));
    if (entity.m_dashPoints.GetSize() == 0)
        return false;
    entity.DrawDashSegments(dc);
    entity.m_dashPoints.RemoveAll();
    return true;
}
