#include "entities/CRukHatchEdgeEllipse.h"

#include "entities/CEllipseFrame.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukHatchEdgeEllipse, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

constexpr int kCorners = 4;

} // namespace

CRukHatchEdgeEllipse::CRukHatchEdgeEllipse() : CRukHatchEdge(PorHatchEdge::EllipseType) {}

void CRukHatchEdgeEllipse::Serialize(CArchive& ar) {
    CheckSchema(ar);
    SerializeCornersAndEnds(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

std::vector<POINT> CRukHatchEdgeEllipse::Outline() const {
    if (m_points.GetSize() < kCorners)
        return Ends();
    const CEllipseFrame frame(m_points.GetData());
    const auto a = frame.ParameterDegrees(POINT{m_x1, m_y1});
    const auto b = frame.ParameterDegrees(POINT{m_x2, m_y2});
    // A flat or pointlike box has no parameters: its ends are joined straight.
    if (!a || !b)
        return Ends();
    return Sweep(*a, *b, true, frame.Step(), 0,
                 [&frame](int degrees) { return frame.Point(degrees); });
}

bool CRukHatchEdgeEllipse::ReadGeometry(const PorRecord& edge, UINT) {
    return ReadEnds(edge) && ReadPoints(edge);
}
