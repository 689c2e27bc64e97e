#include "entities/CRukHatchEdge.h"

#include "entities/CCurveChain.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

#include <cmath>

namespace {

// Degrees below which two arc ends are joined straight.
constexpr double kShortSweep = 5.0;
// The sweep of an arc whose ends meet.
constexpr int kFullSweep = 355;

} // namespace

CRukHatchEdge::CRukHatchEdge(int type) : m_edgeType(type) {}

void CRukHatchEdge::TraceEdgeB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*,
                               std::vector<POINT>& loop) const {
    const std::vector<POINT> points = CCurveChain::ToPrint(
        TracedOutline(CCurveChain::PrintTolerance(dc, unitDivisor, scale)), unitDivisor, scale);
    loop.insert(loop.end(), points.begin(), points.end());
}

void CRukHatchEdge::TraceEdgeA(CDC* dc, int originX, int originY, double scale,
                               const CDrawDefaults*, std::vector<POINT>& loop) const {
    const std::vector<POINT> points =
        CCurveChain::ToView(TracedOutline(CCurveChain::ViewTolerance(dc, scale)), originX, originY,
                            scale, dc->IsMetafile());
    loop.insert(loop.end(), points.begin(), points.end());
}

std::vector<POINT> CRukHatchEdge::TracedOutline(double) const {
    return Outline();
}

void CRukHatchEdge::RecalcExtents() {
    CCurveChain::SetExtents(*this, Outline());
}

bool CRukHatchEdge::ReadEnds(const PorRecord& edge) {
    const auto start = edge.Get(PorHatchEdge::Start);
    const auto end = edge.Get(PorHatchEdge::End);
    if (!start || !end)
        return false;
    m_x1 = start->x;
    m_y1 = start->y;
    m_x2 = end->x;
    m_y2 = end->y;
    return true;
}

bool CRukHatchEdge::ReadPoints(const PorRecord& edge) {
    const auto points = edge.Get(PorHatchEdge::Points);
    if (!points)
        return false;
    m_points.RemoveAll();
    for (const POINT& point : *points)
        m_points.Add(point);
    return true;
}

void CRukHatchEdge::SerializeTypeAndFlag(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<BYTE>(m_edgeType) << static_cast<BYTE>(m_edgeFlag);
        return;
    }
    BYTE type = 0;
    BYTE flag = 0;
    ar >> type >> flag;
    m_edgeType = type;
    m_edgeFlag = flag;
}

void CRukHatchEdge::SerializeCornersAndEnds(CArchive& ar) {
    m_points.Serialize(ar);
    if (ar.IsStoring())
        ar << m_x1 << m_y1 << m_x2 << m_y2;
    else
        ar >> m_x1 >> m_y1 >> m_x2 >> m_y2;
    SerializeTypeAndFlag(ar);
}

void CRukHatchEdge::CheckSchema(CArchive& ar) {
    if (ar.IsLoading() && ar.GetObjectSchema() != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
}

std::vector<POINT> CRukHatchEdge::Ends() const {
    const POINT start{m_x1, m_y1};
    const POINT end{m_x2, m_y2};
    if (m_edgeFlag)
        return {start, end};
    return {end, start};
}

std::vector<POINT> CRukHatchEdge::Sweep(double a, double b, bool shortOnly, int step, int firstStep,
                                        const std::function<POINT(int)>& pointAt) const {
    if (shortOnly && a != b && std::fabs(a - b) < kShortSweep)
        return Ends();
    const int s = RndInt(a);
    int e = RndInt(b);
    if (e == s)
        e = s + kFullSweep;
    else if (e < s)
        e += 360;
    std::vector<POINT> points{Ends().front()};
    if (m_edgeFlag) {
        for (int angle = s + firstStep; angle < e; angle += step)
            points.push_back(pointAt(angle));
    } else {
        for (int angle = e - step; angle > s; angle -= step)
            points.push_back(pointAt(angle));
    }
    points.push_back(Ends().back());
    return points;
}
