#include "entities/CRukEArc.h"

#include "entities/CCurveChain.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukEArc, CObject, VERSIONABLE_SCHEMA | 2)

CRukEArc::CRukEArc() {
    m_kind = kKindEArc;
}

void CRukEArc::Serialize(CArchive& ar) {
    SerializeArcBody(ar);
    if (ar.IsLoading())
        RecalcExtents();
}

std::vector<POINT> CRukEArc::Outline() const {
    const std::optional<CEllipseFrame> frame = Frame();
    if (!frame)
        return {};
    return frame->Arc(POINT{m_x1, m_y1}, POINT{m_x2, m_y2});
}

void CRukEArc::RecalcExtents() {
    const std::vector<POINT> arc = Outline();
    CCurveChain::SetExtents(*this, arc.empty() ? Corners() : arc);
}

int CRukEArc::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    if (!record || record->Type() != PorEArc::Type)
        return 0;
    const auto corners = record->Get(PorEArc::Corners);
    const auto start = record->Get(PorEArc::Start);
    const auto end = record->Get(PorEArc::End);
    const auto pen = record->Get(PorEArc::Pen);
    if (!corners || !start || !end || !pen)
        return 0;
    m_id = record->Get(PorEArc::Id);
    TakePen(*pen, defaultWidth);
    m_layerName = record->Get(PorEArc::Layer);
    m_sourceLayer = m_layerName;
    for (const POINT& corner : *corners)
        m_points.Add(corner);
    m_x1 = start->x;
    m_y1 = start->y;
    m_x2 = end->x;
    m_y2 = end->y;
    RecalcExtents();
    return 1;
}
