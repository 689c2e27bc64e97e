#include "entities/CRukHatchEdgeArc.h"

#include "platform/mfc/CArchive.h"
#include "por/PorRecords.h"

#include <cmath>

IMPLEMENT_SERIAL(CRukHatchEdgeArc, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

constexpr int kCorners = 4;
// Radii up to this are sampled every 5 degrees, larger ones every degree.
constexpr int kSmallRadius = 180;

int Mid(LONG a, LONG b) {
    return static_cast<int>((static_cast<long long>(a) + b) / 2);
}

} // namespace

CRukHatchEdgeArc::CRukHatchEdgeArc() : CRukHatchEdge(PorHatchEdge::ArcType) {}

void CRukHatchEdgeArc::Serialize(CArchive& ar) {
    CheckSchema(ar);
    SerializeCornersAndEnds(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

std::vector<POINT> CRukHatchEdgeArc::Outline() const {
    if (m_points.GetSize() < kCorners)
        return Ends();
    const POINT* p = m_points.GetData();
    const POINT centre{Mid(p[0].x, p[2].x), Mid(p[0].y, p[2].y)};
    const int radius = GetDistance(p[0], p[3]) / 2;
    const POINT start{m_x1, m_y1};
    const POINT end{m_x2, m_y2};
    const double a = GetAngle(centre, start) * kRadToDeg;
    const double b = GetAngle(centre, end) * kRadToDeg;
    const bool endsDiffer = start.x != end.x || start.y != end.y;
    const int step = radius <= kSmallRadius ? 5 : 1;
    return Sweep(a, b, endsDiffer, step, step, [&](int degrees) {
        const double t = degrees * kDegToRad;
        return POINT{TruncInt(static_cast<double>(centre.x) + RndInt(radius * std::cos(t))),
                     TruncInt(static_cast<double>(centre.y) + RndInt(radius * std::sin(t)))};
    });
}

bool CRukHatchEdgeArc::ReadGeometry(const PorRecord& edge, UINT) {
    return ReadEnds(edge) && ReadPoints(edge);
}
