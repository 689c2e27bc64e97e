#include "markups/CRukMarkFinger.h"

#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CLeaderParts.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"

#include <cmath>

IMPLEMENT_SERIAL(CRukMarkFinger, CObject, 0)

namespace {

constexpr std::array<DPOINT, 23> kHandOutline{{
    {0, 0},          {0.025, -0.05},  {0.05, -0.075}, {0.225, -0.05}, {0.35, -0.125},
    {0.375, -0.175}, {0.475, -0.275}, {0.55, -0.3},   {0.725, -0.25}, {0.825, -0.2},
    {0.85, -0.275},  {0.95, -0.275},  {0.975, -0.25}, {0.975, 0.05},  {0.95, 0.075},
    {0.85, 0.075},   {0.825, 0},      {0.775, 0.025}, {0.7, 0.05},    {0.55, 0.075},
    {0.325, 0.075},  {0.175, 0.05},   {0.025, 0.025},
}};
// The vertex on the hand's axis at 0.825 sizes from the fingertip.
constexpr int kAxisVertex = 16;
constexpr double kSizePerAxisVertex = 1.2121212121212122;

} // namespace

CRukMarkFinger::CRukMarkFinger() : CRukFixedLengthMark(MarkupKind(0x0E)), m_outline(kHandOutline) {}

double CRukMarkFinger::FixedLength(const CMarkupDocument& document) const {
    return document.GetUnit() * document.m_style.m_fingerScale;
}

std::vector<POINT> CRukMarkFinger::HandVertices(POINT tip, POINT toward, double size) const {
    const double angle = GetAngleD(toward.x, toward.y, tip.x, tip.y);
    const double degrees = angle * kRadToDeg;
    const bool mirrored = degrees > 90 && degrees < 270;
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    std::vector<POINT> vertices;
    for (const DPOINT& p : m_outline) {
        const double x = mirrored ? s * p.y - c * p.x : -c * p.x - s * p.y;
        const double y = mirrored ? -s * p.x - c * p.y : c * p.y - s * p.x;
        vertices.push_back(
            POINT{tip.x + TruncInt(size * x + 0.5), tip.y + TruncInt(size * y + 0.5)});
    }
    return vertices;
}

void CRukMarkFinger::DrawFigure(CTrackSurface& surface, const CMarkupDocument& document,
                                POINT cursor) const {
    XorLine(surface, document, PointAt(0), cursor);
    std::vector<POINT> hand;
    for (const POINT& p : HandVertices(PointAt(0), cursor, FixedLength(document)))
        hand.push_back(document.LogicalToDevicePoint(p.x, p.y));
    surface.Polygon(hand);
}

void CRukMarkFinger::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    const std::vector<POINT> vertices =
        HandVertices(PointAt(0), PointAt(1), FixedLength(*document));
    auto* hand = new CRukPolygon();
    hand->SetFirstPoint(vertices[0].x, vertices[0].y);
    for (std::size_t i = 1; i < vertices.size(); ++i)
        hand->AppendPoint(vertices[i].x, vertices[i].y);
    hand->RecalcExtents();
    ApplyFill(*hand, *document, true);
    CLeaderParts::FileChild(*this, *document, hand, true);
    FinishFromChildren(*document);
}

double CRukMarkFinger::GetHandSize() const {
    const CRukEntity* hand = FirstChildOfKind(kKindPolygon);
    if (!hand || hand->m_points.GetSize() <= kAxisVertex)
        return 0;
    return GetDistance(hand->m_points[0], hand->m_points[kAxisVertex]) * kSizePerAxisVertex;
}

int CRukMarkFinger::GetPoint(int* x, int* y, int index) const {
    const CRukEntity* hand = FirstChildOfKind(kKindPolygon);
    if (!hand || hand->m_points.GetSize() <= kAxisVertex || index < 0 || index > 1)
        return 0;
    const POINT point = hand->m_points[index == 0 ? 0 : kAxisVertex];
    *x = point.x;
    *y = point.y;
    return 1;
}

void CRukMarkFinger::RebuildPoints() {
    m_points.RemoveAll();
    const CRukEntity* hand = FirstChildOfKind(kKindPolygon);
    if (!hand || hand->m_points.GetSize() <= kAxisVertex)
        return;
    m_points.Add(hand->m_points[0]);
    m_points.Add(hand->m_points[kAxisVertex]);
}
